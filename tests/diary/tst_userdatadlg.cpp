#include "common/TestMain.h"
#include "diary/CSectionHeading.h"
#include "diary/CUserDataDlg.h"
#include "diary/CWrappingNumberEdit.h"
#include "settings/PasswordDigest.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Few iterations keep the records the tests prepare quick to check.
constexpr int QuickIterations = 1000;

QLineEdit *Field(QWidget &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(QLatin1String(name));
}

CWrappingNumberEdit *NumberField(QWidget &dialog, const QString &name)
{
    return dialog.findChild<CWrappingNumberEdit *>(name);
}

CPictureButton *Button(QWidget &dialog, const char *name)
{
    return dialog.findChild<CPictureButton *>(QLatin1String(name));
}

void Retype(QWidget *field, const QString &text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
}

// Runs CUserDataDlg::Edit and lets drive work the dialog while it is shown; a dialog that drive
// leaves open is cancelled, so a failing test cannot hang.
bool EditWith(bool firstRun, const std::function<void(CUserDataDlg &)> &drive)
{
    QTimer::singleShot(0, [drive] {
        auto *dialog = qobject_cast<CUserDataDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    SettingsStore settings;
    return CUserDataDlg::Edit(nullptr, settings, firstRun);
}

QString StoredPassword()
{
    return SettingsStore().Read(SettingsKeys::Password);
}

} // namespace

class TestUserDataDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout();
    void okStoresEverything();
    void secondButtonStoresNothing_data();
    void secondButtonStoresNothing();
    void passwordChanges_data();
    void passwordChanges();
    void mismatchKeepsTheDialogOpen();
    void storedSecretIsNeverShown();
    void spinsWrapAround_data();
    void spinsWrapAround();
    void typedNumbersAreStoredUnchanged_data();
    void typedNumbersAreStoredUnchanged();
    void emptyNumberIsReported();
    void enterConfirms();
};

void TestUserDataDlg::initTestCase()
{
    MessageBox::setTestMode(true);
}

void TestUserDataDlg::init()
{
    QFile::remove(SettingsStore().FileName());
    MessageBox::takeShown();
    MessageBox::takeUnexpected();
}

void TestUserDataDlg::cleanup()
{
    QVERIFY2(MessageBox::takeUnexpected().isEmpty(), "a message box nobody expected");
    QVERIFY(MessageBox::pendingAnswers().isEmpty());
}

void TestUserDataDlg::layout()
{
    CUserDataDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("User data"));
    QStringList headings;
    for (const CSectionHeading *heading : dialog.findChildren<CSectionHeading *>()) {
        headings.append(heading->Title());
        QVERIFY(heading->Label()->font().bold());
    }
    QCOMPARE(headings,
             (QStringList {QStringLiteral("Common"), QStringLiteral("Security"),
                           QStringLiteral("Anthropometrics")}));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->text().isEmpty() && !qobject_cast<CSectionHeading *>(label->parentWidget()))
            labels.append(label->text());
    }
    for (const char *text : {"First name:", "Last name:", "Password:", "Confirmation:", "Height:",
                             "Weight:", "Chest:", "Biceps:", "sm", "kg"})
        QVERIFY2(labels.contains(QLatin1String(text)), text);
    QCOMPARE(Field(dialog, "passwordField")->echoMode(), QLineEdit::Password);
    QCOMPARE(Field(dialog, "confirmationField")->echoMode(), QLineEdit::Password);
    QVERIFY(
        !dialog.findChild<QLabel *>(QStringLiteral("anthropometricsPicture"))->pixmap().isNull());
    QCOMPARE(Button(dialog, "okButton")->text(), QStringLiteral("OK"));
    QCOMPARE(Button(dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
    dialog.SetFirstRun(true);
    QCOMPARE(Button(dialog, "cancelButton")->text(), QStringLiteral("Skip"));
}

void TestUserDataDlg::okStoresEverything()
{
    const bool confirmed = EditWith(true, [](CUserDataDlg &dialog) {
        QCOMPARE(Field(dialog, "firstNameField")->text(), QString());
        QCOMPARE(NumberField(dialog, QStringLiteral("heightField"))->text(), QStringLiteral("0"));
        QTest::keyClicks(Field(dialog, "firstNameField"), QStringLiteral("Anna"));
        QTest::keyClicks(Field(dialog, "lastNameField"), QStringLiteral("Berg"));
        QTest::keyClicks(Field(dialog, "passwordField"), QStringLiteral("Lift2024"));
        QTest::keyClicks(Field(dialog, "confirmationField"), QStringLiteral("Lift2024"));
        Retype(NumberField(dialog, QStringLiteral("heightField")), QStringLiteral("172"));
        Retype(NumberField(dialog, QStringLiteral("weightField")), QStringLiteral("64"));
        Retype(NumberField(dialog, QStringLiteral("chestField")), QStringLiteral("90"));
        Retype(NumberField(dialog, QStringLiteral("bicepsField")), QStringLiteral("31"));
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    });
    QVERIFY(confirmed);
    const SettingsStore settings;
    QCOMPARE(settings.Read(SettingsKeys::Filled), 1);
    QCOMPARE(settings.Read(SettingsKeys::FirstName), QStringLiteral("Anna"));
    QCOMPARE(settings.Read(SettingsKeys::LastName), QStringLiteral("Berg"));
    QCOMPARE(settings.Read(SettingsKeys::Height), 172);
    QCOMPARE(settings.Read(SettingsKeys::Weight), 64);
    QCOMPARE(settings.Read(SettingsKeys::Chest), 90);
    QCOMPARE(settings.Read(SettingsKeys::Biceps), 31);
    const QString stored = StoredPassword();
    QVERIFY(PasswordDigest::IsPasswordRecord(stored));
    QVERIFY(!stored.contains(QStringLiteral("Lift2024")));
    QVERIFY(PasswordDigest::VerifyPassword(stored, QStringLiteral("Lift2024")));
    QVERIFY(!PasswordDigest::VerifyPassword(stored, QStringLiteral("lift2024")));
    // The settings file itself does not hold the password either.
    QFile file(settings.FileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("Lift2024"));
}

void TestUserDataDlg::secondButtonStoresNothing_data()
{
    QTest::addColumn<bool>("firstRun");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<bool>("escape");

    QTest::newRow("Skip on the first run") << true << QStringLiteral("Skip") << false;
    QTest::newRow("Cancel from the menu") << false << QStringLiteral("Cancel") << false;
    QTest::newRow("Escape") << false << QStringLiteral("Cancel") << true;
}

void TestUserDataDlg::secondButtonStoresNothing()
{
    QFETCH(bool, firstRun);
    QFETCH(QString, buttonText);
    QFETCH(bool, escape);

    const bool confirmed = EditWith(firstRun, [&](CUserDataDlg &dialog) {
        QCOMPARE(Button(dialog, "cancelButton")->text(), buttonText);
        QTest::keyClicks(Field(dialog, "firstNameField"), QStringLiteral("Anna"));
        QTest::keyClicks(Field(dialog, "passwordField"), QStringLiteral("x"));
        QTest::keyClicks(Field(dialog, "confirmationField"), QStringLiteral("x"));
        if (escape)
            QTest::keyClick(Field(dialog, "firstNameField"), Qt::Key_Escape);
        else
            QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    QVERIFY(!confirmed);
    QVERIFY(!QFile::exists(SettingsStore().FileName()));
    QCOMPARE(SettingsStore().Read(SettingsKeys::Filled), 0);
}

void TestUserDataDlg::passwordChanges_data()
{
    QTest::addColumn<QString>("stored"); // "record:<secret>" for a record of the secret
    QTest::addColumn<QString>("password"); // null: the fields are left as shown
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("opens"); // null: no password afterwards
    QTest::addColumn<QStringList>("doesNotOpen");
    QTest::addColumn<bool>("sameRecord"); // the stored value is kept as it was

    QTest::newRow("record kept unchanged")
        << QStringLiteral("record:Old1") << QString() << QString() << QStringLiteral("Old1")
        << QStringList {QString(), QStringLiteral("old1")} << true;
    QTest::newRow("plain value from older settings becomes a record")
        << QStringLiteral("Legacy7") << QString() << QString() << QStringLiteral("Legacy7")
        << QStringList {QString(), QStringLiteral("legacy7")} << false;
    QTest::newRow("new password replaces the old")
        << QStringLiteral("record:Old1") << QStringLiteral("New2") << QStringLiteral("New2")
        << QStringLiteral("New2") << QStringList {QStringLiteral("Old1")} << false;
    QTest::newRow("new password replaces a plain value")
        << QStringLiteral("Legacy7") << QStringLiteral("New2") << QStringLiteral("New2")
        << QStringLiteral("New2") << QStringList {QStringLiteral("Legacy7")} << false;
    QTest::newRow("both fields cleared remove the gate")
        << QStringLiteral("record:Old1") << QStringLiteral("") << QStringLiteral("") << QString()
        << QStringList {} << false;
    QTest::newRow("first password")
        << QString() << QStringLiteral("First3") << QStringLiteral("First3")
        << QStringLiteral("First3") << QStringList {QString()} << false;
    QTest::newRow("still none") << QString() << QString() << QString() << QString()
                                << QStringList {} << true;
}

void TestUserDataDlg::passwordChanges()
{
    QFETCH(QString, stored);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(QString, opens);
    QFETCH(QStringList, doesNotOpen);
    QFETCH(bool, sameRecord);

    if (stored.startsWith(QLatin1String("record:")))
        stored = PasswordDigest::MakePasswordRecord(stored.mid(7), QuickIterations);
    SettingsStore().Write(SettingsKeys::Password, stored);

    const bool confirmed = EditWith(false, [&](CUserDataDlg &dialog) {
        if (!password.isNull()) {
            Retype(Field(dialog, "passwordField"), password);
            Retype(Field(dialog, "confirmationField"), confirmation);
        }
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    });
    QVERIFY(confirmed);
    const QString now = StoredPassword();
    QCOMPARE(now == stored, sameRecord);
    if (opens.isNull()) {
        QVERIFY(now.isEmpty());
        return;
    }
    QVERIFY(PasswordDigest::IsPasswordRecord(now));
    QVERIFY(!now.contains(opens));
    QVERIFY(PasswordDigest::VerifyPassword(now, opens));
    for (const QString &other : doesNotOpen)
        QVERIFY2(!PasswordDigest::VerifyPassword(now, other), qPrintable(other));
}

void TestUserDataDlg::mismatchKeepsTheDialogOpen()
{
    MessageBox::setNextAnswers({QMessageBox::Ok});
    const bool confirmed = EditWith(true, [](CUserDataDlg &dialog) {
        QTest::keyClicks(Field(dialog, "firstNameField"), QStringLiteral("Anna"));
        QTest::keyClicks(Field(dialog, "passwordField"), QStringLiteral("Squat"));
        QTest::keyClicks(Field(dialog, "confirmationField"), QStringLiteral("squat"));
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().icon, QMessageBox::Warning);
        QCOMPARE(shown.first().text,
                 QStringLiteral("Password and confirmation fields does not match."));
        QLineEdit *password = Field(dialog, "passwordField");
        QCOMPARE(QApplication::focusWidget(), password);
        QCOMPARE(password->selectedText(), QStringLiteral("Squat"));
        QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
    });
    QVERIFY(!confirmed);
    QVERIFY(!QFile::exists(SettingsStore().FileName()));
}

void TestUserDataDlg::storedSecretIsNeverShown()
{
    SettingsStore().Write(SettingsKeys::Password, QStringLiteral("Legacy7"));
    EditWith(false, [](CUserDataDlg &dialog) {
        for (const char *name : {"passwordField", "confirmationField"}) {
            QLineEdit *field = Field(dialog, name);
            QVERIFY(!field->text().isEmpty()); // the user sees that a password is set
            QVERIFY(!field->text().contains(QStringLiteral("Legacy7")));
            QVERIFY(!field->text().contains(QStringLiteral("L")));
        }
        QVERIFY(!dialog.GetData().password.contains(QStringLiteral("Legacy7")));
    });
    // Cancelled: the plain value stays as it was until the next OK.
    QCOMPARE(StoredPassword(), QStringLiteral("Legacy7"));
}

void TestUserDataDlg::spinsWrapAround_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");

    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    QTest::newRow("height 250 up")
        << QStringLiteral("heightField") << 250 << up << QStringLiteral("50");
    QTest::newRow("height 50 down")
        << QStringLiteral("heightField") << 50 << down << QStringLiteral("250");
    QTest::newRow("height 180 up")
        << QStringLiteral("heightField") << 180 << up << QStringLiteral("181");
    QTest::newRow("weight 200 up")
        << QStringLiteral("weightField") << 200 << up << QStringLiteral("30");
    QTest::newRow("weight 30 down")
        << QStringLiteral("weightField") << 30 << down << QStringLiteral("200");
    QTest::newRow("chest 250 up") << QStringLiteral("chestField") << 250 << up
                                  << QStringLiteral("50");
    QTest::newRow("chest 50 down")
        << QStringLiteral("chestField") << 50 << down << QStringLiteral("250");
    QTest::newRow("biceps 65 up") << QStringLiteral("bicepsField") << 65 << up
                                  << QStringLiteral("15");
    QTest::newRow("biceps 15 down")
        << QStringLiteral("bicepsField") << 15 << down << QStringLiteral("65");
    QTest::newRow("biceps 40 down")
        << QStringLiteral("bicepsField") << 40 << down << QStringLiteral("39");
    QTest::newRow("unset height up starts at the minimum")
        << QStringLiteral("heightField") << 0 << up << QStringLiteral("50");
    QTest::newRow("unset height down starts at the maximum")
        << QStringLiteral("heightField") << 0 << down << QStringLiteral("250");
    QTest::newRow("typed 999 down")
        << QStringLiteral("heightField") << 999 << down << QStringLiteral("250");
    QTest::newRow("typed 999 up") << QStringLiteral("heightField") << 999 << up
                                  << QStringLiteral("50");
}

void TestUserDataDlg::spinsWrapAround()
{
    QFETCH(QString, field);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(QString, shown);

    CUserDataDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CWrappingNumberEdit *edit = NumberField(dialog, field);
    QVERIFY(edit);
    edit->SetValue(start);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key(key));
    QCOMPARE(edit->text(), shown);
    // The arrow buttons step the same way.
    edit->SetValue(start);
    edit->stepBy(key == Qt::Key_Up ? 1 : -1);
    QCOMPARE(edit->text(), shown);
}

void TestUserDataDlg::typedNumbersAreStoredUnchanged_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");

    QTest::newRow("above the range") << QStringLiteral("999") << 999;
    QTest::newRow("below the range") << QStringLiteral("7") << 7;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("letters are not taken") << QStringLiteral("1a8b0") << 180;
    QTest::newRow("at most nine digits") << QStringLiteral("12345678901") << 123456789;
}

void TestUserDataDlg::typedNumbersAreStoredUnchanged()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);

    const bool confirmed = EditWith(false, [&](CUserDataDlg &dialog) {
        Retype(NumberField(dialog, QStringLiteral("heightField")), typed);
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    });
    QVERIFY(confirmed);
    QCOMPARE(SettingsStore().Read(SettingsKeys::Height), stored);
}

void TestUserDataDlg::emptyNumberIsReported()
{
    MessageBox::setNextAnswers({QMessageBox::Ok});
    const bool confirmed = EditWith(false, [](CUserDataDlg &dialog) {
        CWrappingNumberEdit *weight = NumberField(dialog, QStringLiteral("weightField"));
        Retype(weight, QString());
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().text, CUserDataDlg::NumberMessage());
        QVERIFY(weight->hasFocus());
        Retype(weight, QStringLiteral("82"));
        QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
    });
    QVERIFY(confirmed);
    QCOMPARE(SettingsStore().Read(SettingsKeys::Weight), 82);
}

void TestUserDataDlg::enterConfirms()
{
    const bool confirmed = EditWith(false, [](CUserDataDlg &dialog) {
        QTest::keyClicks(Field(dialog, "lastNameField"), QStringLiteral("Berg"));
        QTest::keyClick(Field(dialog, "lastNameField"), Qt::Key_Return);
    });
    QVERIFY(confirmed);
    QCOMPARE(SettingsStore().Read(SettingsKeys::LastName), QStringLiteral("Berg"));
    QCOMPARE(SettingsStore().Read(SettingsKeys::Filled), 1);
}

REPBOOK_TEST_MAIN(TestUserDataDlg)
#include "tst_userdatadlg.moc"
