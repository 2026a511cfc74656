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
        QTemporaryDir folder;
        const QString list = folder.filePath(QStringLiteral("UEList.txt"));
        QVERIFY(testsupport::WriteFile(list, file));
        CSmartComboBox combo;
        combo.SetListFile(list);
        QVERIFY(combo.Load());
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
        QTest::newRow("completed, the tail selected") << "Sq"
                                                      << "Squat"
                                                      << "uat";
        QTest::newRow("typing on follows the name") << "Squ"
                                                    << "Squat"
                                                    << "at";
        QTest::newRow("Backspace does not complete again") << "Sq<"
                                                           << "Sq"
                                                           << "";
        QTest::newRow("no such name") << "Zz"
                                      << "Zz"
                                      << "";
    }
    void completesWhileTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QTemporaryDir folder;
        const QString list = folder.filePath(QStringLiteral("UEList.txt"));
        QVERIFY(testsupport::WriteFile(list, "Squat\r\nBench press\r\nRow\r\n"));
        CSmartComboBox combo;
        combo.SetListFile(list);
        QVERIFY(combo.Load());
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
};

REPBOOK_TEST_MAIN(TestSmartComboBox)

#include "tst_smartcombobox.moc"
