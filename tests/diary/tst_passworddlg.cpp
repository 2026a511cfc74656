#include "common/TestMain.h"
#include "diary/CPasswordDlg.h"
#include "settings/PasswordDigest.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int QuickIterations = 1000;

// "record:<secret>" stores a record of the secret, anything else is stored as it stands.
void StorePassword(const QString &stored)
{
    SettingsStore().Write(SettingsKeys::Password,
                          stored.startsWith(QLatin1String("record:"))
                              ? PasswordDigest::MakePasswordRecord(stored.mid(7), QuickIterations)
                              : stored);
}

QLineEdit *Field(CPasswordDlg &dialog)
{
    return dialog.findChild<QLineEdit *>(QStringLiteral("passwordField"));
}

CPictureButton *Button(CPasswordDlg &dialog, const char *name)
{
    return dialog.findChild<CPictureButton *>(QLatin1String(name));
}

} // namespace

class TestPasswordDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init();
    void cleanup();

    void noStoredPasswordPassesUnseen();
    void layout();
    void entries_data();
    void entries();
    void wrongEntryMayBeRetried();
    void cancelEndsWithCancel_data();
    void cancelEndsWithCancel();
};

void TestPasswordDlg::init()
{
    QFile::remove(SettingsStore().FileName());
    MessageBox::takeShown();
}

void TestPasswordDlg::cleanup()
{
    QVERIFY2(MessageBox::takeUnexpected().isEmpty(), "a message box nobody expected");
    QVERIFY(MessageBox::pendingAnswers().isEmpty());
}

void TestPasswordDlg::noStoredPasswordPassesUnseen()
{
    CPasswordDlg dialog;
    QVERIFY(dialog.IsOpen());
    // exec() would block if the dialog showed itself.
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QVERIFY(CPasswordDlg::Pass());
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestPasswordDlg::layout()
{
    StorePassword(QStringLiteral("x"));
    CPasswordDlg dialog;
    QVERIFY(!dialog.IsOpen());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Access denied"));
    QVERIFY(dialog.findChild<QLabel *>()->text() == QStringLiteral("Enter password:"));
    QCOMPARE(Field(dialog)->echoMode(), QLineEdit::Password);
    QCOMPARE(Button(dialog, "okButton")->text(), QStringLiteral("OK"));
    QCOMPARE(Button(dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
}

void TestPasswordDlg::entries_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");

    QTest::newRow("record, right")
        << QStringLiteral("record:Bench100") << QStringLiteral("Bench100") << true;
    QTest::newRow("record, wrong")
        << QStringLiteral("record:Bench100") << QStringLiteral("Bench101") << false;
    QTest::newRow("record, empty")
        << QStringLiteral("record:Bench100") << QStringLiteral("") << false;
    QTest::newRow("record, other case")
        << QStringLiteral("record:Bench100") << QStringLiteral("bench100") << false;
    QTest::newRow("record, the record itself")
        << QStringLiteral("record:Bench100") << QStringLiteral("pbkdf2-sha256") << false;
    QTest::newRow("plain from older settings, right")
        << QStringLiteral("Legacy7") << QStringLiteral("Legacy7") << true;
    QTest::newRow("plain from older settings, other case")
        << QStringLiteral("Legacy7") << QStringLiteral("LEGACY7") << false;
    QTest::newRow("plain from older settings, empty")
        << QStringLiteral("Legacy7") << QStringLiteral("") << false;
}

void TestPasswordDlg::entries()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, opens);

    StorePassword(stored);
    CPasswordDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(Field(dialog), typed);
    if (!opens)
        MessageBox::setNextAnswers({QMessageBox::Ok});
    QTest::keyClick(Field(dialog), Qt::Key_Return);

    QCOMPARE(dialog.isVisible(), !opens);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    if (opens) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(shown.isEmpty());
    } else {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().icon, QMessageBox::Critical);
        QCOMPARE(shown.first().text, QStringLiteral("Password incorrect."));
        QCOMPARE(QApplication::focusWidget(), Field(dialog));
        QCOMPARE(Field(dialog)->selectedText(), typed);
    }
}

void TestPasswordDlg::wrongEntryMayBeRetried()
{
    StorePassword(QStringLiteral("record:Deadlift"));
    CPasswordDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const char *wrong : {"deadlift", "Deadlif", "Deadlift!"}) {
        MessageBox::setNextAnswers({QMessageBox::Ok});
        QTest::keyClicks(Field(dialog), QLatin1String(wrong)); // replaces the selected text
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
    }
    QCOMPARE(MessageBox::takeShown().size(), 3);
    QTest::keyClicks(Field(dialog), QStringLiteral("Deadlift"));
    QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestPasswordDlg::cancelEndsWithCancel_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape") << true;
}

void TestPasswordDlg::cancelEndsWithCancel()
{
    QFETCH(bool, escape);
    StorePassword(QStringLiteral("record:Deadlift"));
    CPasswordDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(Field(dialog), QStringLiteral("Deadlift"));
    if (escape)
        QTest::keyClick(Field(dialog), Qt::Key_Escape);
    else
        QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(MessageBox::takeShown().isEmpty());
}

REPBOOK_TEST_MAIN(TestPasswordDlg)
#include "tst_passworddlg.moc"
