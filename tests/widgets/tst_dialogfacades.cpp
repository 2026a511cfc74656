#include "common/TestMain.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QApplication>

Q_DECLARE_METATYPE(QMessageBox::StandardButtons)

class TestDialogFacades : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Repbook")); }

    void init()
    {
        MessageBox::setTestMode(true);
        FileDialog::setTestMode(true);
    }

    void answersAreTakenInOrderAndBoxesRecorded()
    {
        MessageBox::setNextAnswers({QMessageBox::No, QMessageBox::Yes, QMessageBox::Ok});
        QCOMPARE(MessageBox::Question(nullptr, QStringLiteral("Delete the day?")), QMessageBox::No);
        QCOMPARE(MessageBox::Question(nullptr, QStringLiteral("Really?"),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                      QStringLiteral("Confirm")),
                 QMessageBox::Yes);
        QCOMPARE(MessageBox::Information(nullptr, QStringLiteral("Saved.")), QMessageBox::Ok);

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].text, QStringLiteral("Delete the day?"));
        QCOMPARE(shown[0].caption, QStringLiteral("Repbook"));
        QCOMPARE(shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(shown[1].caption, QStringLiteral("Confirm"));
        QCOMPARE(shown[1].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(shown[2].icon, QMessageBox::Information);
        QVERIFY(MessageBox::takeUnexpected().isEmpty());
        QVERIFY(MessageBox::takeShown().isEmpty()); // taking empties the record
    }

    void eachKindHasItsIcon_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("question") << 0 << QMessageBox::Question;
        QTest::newRow("information") << 1 << QMessageBox::Information;
        QTest::newRow("warning") << 2 << QMessageBox::Warning;
        QTest::newRow("error") << 3 << QMessageBox::Critical;
    }
    void eachKindHasItsIcon()
    {
        QFETCH(int, kind);
        QFETCH(QMessageBox::Icon, icon);
        MessageBox::setNextAnswers({kind == 0 ? QMessageBox::Yes : QMessageBox::Ok});
        const QString text = QStringLiteral("text %1").arg(kind);
        switch (kind) {
        case 0:
            MessageBox::Question(nullptr, text);
            break;
        case 1:
            MessageBox::Information(nullptr, text);
            break;
        case 2:
            MessageBox::Warning(nullptr, text);
            break;
        default:
            MessageBox::Error(nullptr, text);
            break;
        }
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, icon);
        QCOMPARE(shown[0].text, text);
        QVERIFY(MessageBox::takeUnexpected().isEmpty());
    }

    void unqueuedBoxAnswersItsEscapeButton_data()
    {
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("yes no cancel")
            << (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << QMessageBox::Cancel;
        QTest::newRow("yes no") << (QMessageBox::Yes | QMessageBox::No) << QMessageBox::No;
        QTest::newRow("ok cancel")
            << (QMessageBox::Ok | QMessageBox::Cancel) << QMessageBox::Cancel;
        QTest::newRow("ok") << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::Ok;
        QTest::newRow("retry ignore")
            << (QMessageBox::Retry | QMessageBox::Ignore) << QMessageBox::Retry;
    }
    void unqueuedBoxAnswersItsEscapeButton()
    {
        QFETCH(QMessageBox::StandardButtons, buttons);
        QFETCH(QMessageBox::StandardButton, answer);
        QCOMPARE(MessageBox::Question(nullptr, QStringLiteral("Nobody expects this"), buttons),
                 answer);
        QCOMPARE(MessageBox::takeUnexpected(), QStringList {QStringLiteral("Nobody expects this")});
        QCOMPARE(MessageBox::takeShown().size(), 1);
    }

    void answerThatIsNotAButtonIsUnexpected()
    {
        MessageBox::setNextAnswers({QMessageBox::Yes, QMessageBox::Ok});
        QCOMPARE(MessageBox::Warning(nullptr, QStringLiteral("Disk full")), QMessageBox::Ok);
        QCOMPARE(MessageBox::takeUnexpected(), QStringList {QStringLiteral("Disk full")});
        // The unfitting answer was used up; the next box takes the next one.
        QCOMPARE(MessageBox::pendingAnswers(), QList<MessageBox::Button> {QMessageBox::Ok});
    }

    void switchingTestModeForgetsQueuedAnswers()
    {
        MessageBox::setNextAnswers({QMessageBox::Yes});
        MessageBox::Information(nullptr, QStringLiteral("one"));
        MessageBox::setTestMode(true);
        QVERIFY(MessageBox::pendingAnswers().isEmpty());
        QVERIFY(MessageBox::takeShown().isEmpty());
        QVERIFY(MessageBox::takeUnexpected().isEmpty());
    }

    void fileDialogTakesQueuedPaths()
    {
        FileDialog::setNextFileNames(
            {QStringLiteral("/tmp/a.rpp"), QString(), QStringLiteral("/tmp/week plan")});
        QCOMPARE(FileDialog::GetOpenProgramFileName(nullptr), QStringLiteral("/tmp/a.rpp"));
        QCOMPARE(FileDialog::GetOpenProgramFileName(nullptr), QString()); // Cancel
        QCOMPARE(FileDialog::GetSaveProgramFileName(nullptr), QStringLiteral("/tmp/week plan.rpp"));
        QVERIFY(FileDialog::takeUnexpected().isEmpty());
    }

    void unqueuedFileDialogIsCancelledAndRecorded()
    {
        QCOMPARE(FileDialog::GetSaveProgramFileName(nullptr, QStringLiteral("Save program")),
                 QString());
        QCOMPARE(FileDialog::GetOpenProgramFileName(nullptr), QString());
        QCOMPARE(FileDialog::takeUnexpected(),
                 (QStringList {QStringLiteral("Save program"), QStringLiteral("Open")}));
        QVERIFY(FileDialog::takeUnexpected().isEmpty());
    }

    void defaultSuffix_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("result");
        QTest::newRow("no suffix") << "/home/u/plan"
                                   << "/home/u/plan.rpp";
        QTest::newRow("has rpp") << "/home/u/plan.rpp"
                                 << "/home/u/plan.rpp";
        QTest::newRow("other suffix") << "/home/u/plan.txt"
                                      << "/home/u/plan.txt";
        QTest::newRow("trailing dot") << "/home/u/plan."
                                      << "/home/u/plan.rpp";
        QTest::newRow("dotted folder") << "/home/u.v/plan"
                                       << "/home/u.v/plan.rpp";
        QTest::newRow("empty") << ""
                               << "";
    }
    void defaultSuffix()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, result);
        QCOMPARE(FileDialog::WithDefaultSuffix(chosen), result);
    }

    void programFilter()
    {
        QCOMPARE(FileDialog::ProgramFileFilter(),
                 QStringLiteral("Training program files (*.rpp);;All files (*)"));
    }
};

REPBOOK_TEST_MAIN(TestDialogFacades)

#include "tst_dialogfacades.moc"
