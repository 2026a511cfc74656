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
    // Typed text is completed with the tail selected, except after Backspace; a name given
    // beforehand shows its entry, or the first one it begins, or itself, all selected so that
    // typing replaces it.
    void completes_data()
    {
        QTest::addColumn<bool>("preset"); // given beforehand, not typed
        QTest::addColumn<QString>("input"); // "<" is Backspace
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        const auto row = [](const char *name, bool preset, const char *input, const char *text,
                            const char *selected) {
            QTest::newRow(name) << preset << QString::fromUtf8(input) << QString::fromUtf8(text)
                                << QString::fromUtf8(selected);
        };
        row("typed: completed, the tail selected", false, "Sq", "Squat", "uat");
        row("typed on: follows the name", false, "Squ", "Squat", "at");
        row("typed: Backspace does not complete again", false, "Sq<", "Sq", "");
        row("typed: no such name", false, "Zz", "Zz", "");
        row("given: equal", true, "Row", "Row", "Row");
        row("given: equal but for case", true, "ROW", "Row", "Row");
        row("given: beginning", true, "Sq", "Squat", "Squat");
        row("given: not listed", true, "Zz", "Zz", "Zz");
    }
    void completes()
    {
        QFETCH(bool, preset);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        CSmartComboBox combo;
        QVERIFY(Load(combo, "Squat\r\nBench press\r\nRow\r\n"));
        if (preset)
            combo.SelectPreset(input);
        else
            combo.lineEdit()->clear();
        for (const QChar c : preset ? QString() : input) {
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
