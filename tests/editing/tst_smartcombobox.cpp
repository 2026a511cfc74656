#include "common/TestFiles.h"
#include "common/TestMain.h"
#include "editing/CSmartComboBox.h"

#include <QLineEdit>
#include <QTemporaryDir>

// The name field completes typed text with the first name of the list that begins with it, and
// leaves the text alone when the user deletes.
class TestSmartComboBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    bool Load(CSmartComboBox &combo, const QByteArray &file)
    {
        const QString list = m_folder.filePath(QStringLiteral("UEList.txt"));
        combo.SetListFile(list);
        return testsupport::WriteFile(list, file) && combo.Load();
    }

private slots:
    // Alphabetical whatever the letter case; names that differ only in case keep the file's order.
    void listedInOrder_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("letter case ignored") << QByteArray("row\r\nBench press\r\nabs\r\n")
                                             << QStringList {"abs", "Bench press", "row"};
        QTest::newRow("equal but for case, file order")
            << QByteArray("squat\r\nSQUAT\r\nDips\r\nSquat\r\n")
            << QStringList {"Dips", "squat", "SQUAT", "Squat"};
    }
    void listedInOrder()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, listed);
        CSmartComboBox combo;
        QVERIFY(Load(combo, file));
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        QCOMPARE(items, listed);
    }
    void completesWhileTyping_data()
    {
        QTest::addColumn<QString>("typed"); // "<" is Backspace
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("completed, the tail selected") << "Sq" << QStringLiteral("Squat") << "uat";
        QTest::newRow("typing on follows the name") << "Squ" << QStringLiteral("Squat") << "at";
        QTest::newRow("Backspace does not complete again") << "Sq<" << QStringLiteral("Sq") << "";
        QTest::newRow("no such name") << "Zz" << QStringLiteral("Zz") << "";
    }
    void completesWhileTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        CSmartComboBox combo;
        QVERIFY(Load(combo, "Squat\r\nBench press\r\nRow\r\n"));
        combo.lineEdit()->clear();
        for (const QChar c : typed) {
            if (c == u'<')
                QTest::keyClick(combo.lineEdit(), Qt::Key_Backspace);
            else
                QTest::keyClicks(combo.lineEdit(), QString(c));
        }
        QCOMPARE(combo.currentText(), text);
        QCOMPARE(combo.lineEdit()->selectedText(), selected);
    }
    // A name given beforehand shows its entry, or the first one it begins, or itself.
    void presetShown_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("text");
        QTest::newRow("equal") << "Row" << QStringLiteral("Row");
        QTest::newRow("equal but for case") << "ROW" << QStringLiteral("Row");
        QTest::newRow("beginning") << "Sq" << QStringLiteral("Squat");
        QTest::newRow("not listed") << "Zz" << QStringLiteral("Zz");
    }
    void presetShown()
    {
        QFETCH(QString, preset);
        QFETCH(QString, text);
        CSmartComboBox combo;
        QVERIFY(Load(combo, "Squat\r\nBench press\r\nRow\r\n"));
        combo.SelectPreset(preset);
        QCOMPARE(combo.currentText(), text);
    }
};

REPBOOK_TEST_MAIN(TestSmartComboBox)

#include "tst_smartcombobox.moc"
