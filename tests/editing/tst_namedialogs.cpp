#include "common/TestMain.h"
#include "editing/CExerciseDlg.h"
#include "editing/CSmartComboBox.h"
#include "editing/CTrainingDlg.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

namespace {

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList Items(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Where the selection starts, or the caret when nothing is selected.
int SelectionFrom(const QLineEdit *edit)
{
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

// Drives a dialog as a user does: characters are typed into the focused widget, {Key} presses a
// named key there and {objectName} clicks that child with the mouse.
void Drive(QDialog *dialog, const QString &script)
{
    static const QHash<QString, Qt::Key> keys = {{QStringLiteral("Return"), Qt::Key_Return},
                                                 {QStringLiteral("Enter"), Qt::Key_Enter},
                                                 {QStringLiteral("Escape"), Qt::Key_Escape},
                                                 {QStringLiteral("Tab"), Qt::Key_Tab},
                                                 {QStringLiteral("Backspace"), Qt::Key_Backspace},
                                                 {QStringLiteral("Delete"), Qt::Key_Delete},
                                                 {QStringLiteral("Left"), Qt::Key_Left},
                                                 {QStringLiteral("End"), Qt::Key_End}};
    static const QRegularExpression token(QStringLiteral("\\{(\\w+)\\}|[^{]+"));

    for (auto it = token.globalMatch(script); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        const QString name = match.captured(1);
        if (name.isEmpty()) {
            for (const QChar c : match.captured(0)) {
                if (c.unicode() < 0x80)
                    QTest::keyClick(target, char(c.unicode()));
                else // beyond the keys QTest can name: a key that only carries its text
                    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
            }
        } else if (keys.contains(name)) {
            const Qt::KeyboardModifiers modifiers =
                name == QStringLiteral("Enter") ? Qt::KeypadModifier : Qt::NoModifier;
            QTest::keyClick(target, keys.value(name), modifiers);
        } else {
            auto *button = dialog->findChild<QAbstractButton *>(name);
            QVERIFY2(button, qPrintable(name));
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
}

} // namespace

class TestNameDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void emptyListRefusesEmptyName_data();
    void emptyListRefusesEmptyName();
    void confirmRemembersName_data();
    void confirmRemembersName();
    void unwritableListStillGivesName();
    void showsNamesSorted_data();
    void showsNamesSorted();
    void completesWhileTyping_data();
    void completesWhileTyping();
    void keyboardAndButtonsClose_data();
    void keyboardAndButtonsClose();
    void renameSelectsPreset_data();
    void renameSelectsPreset();
    void captions();
    void opensWithFocusAndResizesInWidthOnly();

private:
    QString ListPath() const { return m_dir->filePath(QStringLiteral("UEList.txt")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestNameDialogs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestNameDialogs::emptyListRefusesEmptyName_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("script");

    QTest::newRow("missing file, Enter") << false << QStringLiteral("{Return}");
    QTest::newRow("missing file, OK clicked") << false << QStringLiteral("{okButton}");
    QTest::newRow("empty file, Enter") << true << QStringLiteral("{Return}");
    QTest::newRow("text deleted, Enter")
        << true << QStringLiteral("Sq{Backspace}{Backspace}{Return}");
}

void TestNameDialogs::emptyListRefusesEmptyName()
{
    QFETCH(bool, fileExists);
    QFETCH(QString, script);
    if (fileExists)
        WriteBytes(ListPath(), QByteArray());

    CExerciseDlg dialog(ListPath());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.NameField()->count(), 0);
    QCOMPARE(dialog.NameField()->currentText(), QString());

    Drive(&dialog, script);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.GetName(), QString());
    QCOMPARE(QFile::exists(ListPath()), fileExists);
    QCOMPARE(ReadBytes(ListPath()), QByteArray());
}

void TestNameDialogs::confirmRemembersName_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("setText"); // put into the field without typing, if not null
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("offeredNext");

    const QByteArray squat("Squat\r\n");
    const QByteArray bench("Bench press\r\n");
    const QByteArray mixed("Row\nD\xe9velopp\xe9\r\n\r\nRow\r\n");

    QTest::newRow("first name creates the file")
        << QByteArray() << QStringLiteral("Squat{Return}") << QString() << QStringLiteral("Squat")
        << squat << QStringList {QStringLiteral("Squat")};
    QTest::newRow("same name again adds nothing")
        << squat << QStringLiteral("Squat{Return}") << QString() << QStringLiteral("Squat") << squat
        << QStringList {QStringLiteral("Squat")};
    // Completion turns the lower-case letters into the stored name before OK.
    QTest::newRow("lower case typed completes to the stored name")
        << squat << QStringLiteral("squat{Return}") << QString() << QStringLiteral("Squat") << squat
        << QStringList {QStringLiteral("Squat")};
    QTest::newRow("other case is another name")
        << squat << QStringLiteral("{Return}") << QStringLiteral("squat") << QStringLiteral("squat")
        << QByteArray("Squat\r\nsquat\r\n")
        << QStringList {QStringLiteral("Squat"), QStringLiteral("squat")};
    QTest::newRow("completed tail is taken")
        << bench << QStringLiteral("be{Return}") << QString() << QStringLiteral("Bench press")
        << bench << QStringList {QStringLiteral("Bench press")};
    QTest::newRow("Delete drops the completed tail")
        << bench << QStringLiteral("Be{Delete}{okButton}") << QString() << QStringLiteral("Be")
        << QByteArray("Bench press\r\nBe\r\n")
        << QStringList {QStringLiteral("Be"), QStringLiteral("Bench press")};
    QTest::newRow("existing bytes are kept")
        << mixed << QStringLiteral("Squat{Return}") << QString() << QStringLiteral("Squat")
        << mixed + squat
        << QStringList {QString(), QStringLiteral("Développé"), QStringLiteral("Row"),
                        QStringLiteral("Row"), QStringLiteral("Squat")};
    QTest::newRow("accented name written as UTF-8")
        << QByteArray() << QStringLiteral("Développé couché{Return}") << QString()
        << QStringLiteral("Développé couché")
        << QByteArray("D\xc3\xa9velopp\xc3\xa9 couch\xc3\xa9\r\n")
        << QStringList {QStringLiteral("Développé couché")};
}

void TestNameDialogs::confirmRemembersName()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, script);
    QFETCH(QString, setText);
    QFETCH(QString, name);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, offeredNext);
    if (!before.isNull())
        WriteBytes(ListPath(), before);

    {
        CExerciseDlg dialog(ListPath());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (!setText.isNull())
            dialog.NameField()->setEditText(setText);
        Drive(&dialog, script);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetName(), name);
    }
    QCOMPARE(ReadBytes(ListPath()), after);

    // The next dialog offers the remembered name.
    CExerciseDlg next(ListPath());
    next.show();
    QCOMPARE(Items(next.NameField()), offeredNext);
}

void TestNameDialogs::unwritableListStillGivesName()
{
    const QString path = m_dir->filePath(QStringLiteral("no such folder/UTList.txt"));
    CTrainingDlg dialog(path);
    dialog.show();
    Drive(&dialog, QStringLiteral("Push day{Return}"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.GetName(), QStringLiteral("Push day"));
    QVERIFY(!QFile::exists(path));
}

void TestNameDialogs::showsNamesSorted_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("file order kept in the list, shown sorted")
        << QByteArray("Row\r\nBench press\r\nRow\r\n")
        << QStringList {QStringLiteral("Bench press"), QStringLiteral("Row"),
                        QStringLiteral("Row")};
    QTest::newRow("case ignored") << QByteArray("squat\r\nBench\r\nbarbell row\r\n")
                                  << QStringList {QStringLiteral("barbell row"),
                                                  QStringLiteral("Bench"), QStringLiteral("squat")};
    QTest::newRow("LF line ends") << QByteArray("Row\nDip\n")
                                  << QStringList {QStringLiteral("Dip"), QStringLiteral("Row")};
    QTest::newRow("empty and repeated lines kept")
        << QByteArray("B\r\n\r\nA\r\nA\r\n")
        << QStringList {QString(), QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B")};
    QTest::newRow("UTF-8")
        << QByteArray("Kniebeuge mit Gewicht\r\nD\xc3\xa9velopp\xc3\xa9 couch\xc3\xa9\r\n")
        << QStringList {QStringLiteral("Développé couché"),
                        QStringLiteral("Kniebeuge mit Gewicht")};
    QTest::newRow("Windows-1252") << QByteArray(
                                         "Kniebeuge mit Gewicht\r\nD\xe9velopp\xe9 couch\xe9\r\n")
                                  << QStringList {QStringLiteral("Développé couché"),
                                                  QStringLiteral("Kniebeuge mit Gewicht")};
}

void TestNameDialogs::showsNamesSorted()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, items);
    WriteBytes(ListPath(), file);

    CExerciseDlg dialog(ListPath());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const CSmartComboBox *field = dialog.NameField();
    QCOMPARE(Items(field), items);
    // Opens with the first name selected as a whole, so typing replaces it.
    QCOMPARE(field->currentIndex(), 0);
    QCOMPARE(field->currentText(), items.first());
    QCOMPARE(field->lineEdit()->selectedText(), items.first());
    // Reading never writes.
    QCOMPARE(ReadBytes(ListPath()), file);
}

void TestNameDialogs::completesWhileTyping_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("from");

    const QByteArray bench("Row\r\nBench press\r\n");
    const QByteArray rows("Row\r\nRope pull\r\n");

    QTest::newRow("be shows Bench press, tail selected")
        << bench << QStringLiteral("be") << QStringLiteral("Bench press")
        << QStringLiteral("nch press") << 2;
    QTest::newRow("case of the stored name wins")
        << bench << QStringLiteral("BE") << QStringLiteral("Bench press")
        << QStringLiteral("nch press") << 2;
    QTest::newRow("first match in alphabetical order")
        << rows << QStringLiteral("r") << QStringLiteral("Rope pull") << QStringLiteral("ope pull")
        << 1;
    QTest::newRow("typing on narrows the match")
        << rows << QStringLiteral("row") << QStringLiteral("Row") << QString() << 3;
    QTest::newRow("no match keeps the typed text")
        << bench << QStringLiteral("bx") << QStringLiteral("Bx") << QString() << 2;
    QTest::newRow("Backspace does not complete")
        << bench << QStringLiteral("be{Backspace}") << QStringLiteral("Be") << QString() << 2;
    QTest::newRow("Delete does not complete")
        << bench << QStringLiteral("be{Delete}") << QStringLiteral("Be") << QString() << 2;
    QTest::newRow("typing after Backspace completes again")
        << bench << QStringLiteral("be{Backspace}n") << QStringLiteral("Bench press")
        << QStringLiteral("ch press") << 3;
    QTest::newRow("typing in the middle keeps the caret")
        << bench << QStringLiteral("Bnch{Left}{Left}{Left}e") << QStringLiteral("Bench press")
        << QString() << 2;
    QTest::newRow("empty list never completes")
        << QByteArray() << QStringLiteral("be") << QStringLiteral("be") << QString() << 2;
}

void TestNameDialogs::completesWhileTyping()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, script);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(int, from);
    WriteBytes(ListPath(), file);

    CExerciseDlg dialog(ListPath());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Drive(&dialog, script);

    const QLineEdit *edit = dialog.NameField()->lineEdit();
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->selectedText(), selected);
    QCOMPARE(SelectionFrom(edit), from);
}

void TestNameDialogs::keyboardAndButtonsClose_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("Return") << QStringLiteral("Squat{Return}") << true;
    QTest::newRow("keypad Enter") << QStringLiteral("Squat{Enter}") << true;
    QTest::newRow("OK clicked") << QStringLiteral("Squat{okButton}") << true;
    QTest::newRow("Escape") << QStringLiteral("Squat{Escape}") << false;
    QTest::newRow("Cancel clicked") << QStringLiteral("Squat{cancelButton}") << false;
    QTest::newRow("Return on focused Cancel") << QStringLiteral("Squat{Tab}{Tab}{Return}") << false;
}

void TestNameDialogs::keyboardAndButtonsClose()
{
    QFETCH(QString, script);
    QFETCH(bool, accepted);

    CExerciseDlg dialog(ListPath());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Drive(&dialog, script);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.GetName(), accepted ? QStringLiteral("Squat") : QString());
    QCOMPARE(ReadBytes(ListPath()), accepted ? QByteArray("Squat\r\n") : QByteArray());
}

void TestNameDialogs::renameSelectsPreset_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("shown");

    const QByteArray legs("Back\r\nLeg day\r\n");
    QTest::newRow("no name begins with it: the name itself")
        << legs << QStringLiteral("Legs") << QStringLiteral("Legs");
    QTest::newRow("first name beginning with it")
        << legs << QStringLiteral("Leg") << QStringLiteral("Leg day");
    QTest::newRow("case ignored") << legs << QStringLiteral("leg D") << QStringLiteral("Leg day");
    QTest::newRow("search starts at the second name")
        << QByteArray("Push B\r\nPush A\r\n") << QStringLiteral("Push") << QStringLiteral("Push B");
    QTest::newRow("search wraps to the first name")
        << QByteArray("Chest\r\nBack\r\nArms\r\n") << QStringLiteral("ar")
        << QStringLiteral("Arms");
    QTest::newRow("equal name wins over the search order")
        << QByteArray("Leg day\r\nLeg\r\n") << QStringLiteral("Leg") << QStringLiteral("Leg");
    QTest::newRow("equal ignoring case: stored spelling")
        << QByteArray("Leg day\r\nLEG\r\n") << QStringLiteral("leg") << QStringLiteral("LEG");
    QTest::newRow("exact spelling preferred")
        << QByteArray("Back\r\nback\r\n") << QStringLiteral("back") << QStringLiteral("back");
    QTest::newRow("no preset: first name") << legs << QString() << QStringLiteral("Back");
    QTest::newRow("empty list: the name itself")
        << QByteArray() << QStringLiteral("Legs") << QStringLiteral("Legs");
}

void TestNameDialogs::renameSelectsPreset()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, preset);
    QFETCH(QString, shown);
    WriteBytes(ListPath(), file);

    CTrainingDlg dialog(ListPath());
    dialog.SetTitle(QStringLiteral("Rename workout"));
    dialog.SetName(preset);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const CSmartComboBox *field = dialog.NameField();
    QCOMPARE(field->currentText(), shown);
    QCOMPARE(field->lineEdit()->selectedText(), shown);

    Drive(&dialog, QStringLiteral("{Return}"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.GetName(), shown);
}

void TestNameDialogs::captions()
{
    CExerciseDlg exercise(ListPath());
    QCOMPARE(exercise.windowTitle(), QStringLiteral("Add exercise"));
    const QLabel *label = exercise.findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Name:"));
    QCOMPARE(exercise.findChild<QToolButton *>(QStringLiteral("okButton"))->text(),
             QStringLiteral("OK"));
    QCOMPARE(exercise.findChild<QToolButton *>(QStringLiteral("cancelButton"))->text(),
             QStringLiteral("Cancel"));

    CTrainingDlg workout(ListPath());
    QCOMPARE(workout.windowTitle(), QStringLiteral("Add workout"));
    workout.SetTitle(QStringLiteral("Rename workout"));
    QCOMPARE(workout.windowTitle(), QStringLiteral("Rename workout"));
    workout.SetTitle(QString());
    QCOMPARE(workout.windowTitle(), QStringLiteral("Add workout"));
}

void TestNameDialogs::opensWithFocusAndResizesInWidthOnly()
{
    CTrainingDlg dialog(ListPath());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.focusWidget(), dialog.NameField());

    QVERIFY(dialog.width() >= 300);
    QCOMPARE(dialog.minimumHeight(), dialog.maximumHeight());
    QVERIFY(dialog.maximumWidth() > dialog.width());
    QVERIFY(dialog.minimumWidth() < dialog.width());
}

REPBOOK_TEST_MAIN(TestNameDialogs)

#include "tst_namedialogs.moc"
