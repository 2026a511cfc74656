#include "common/TestMain.h"
#include "editing/CCommentDlg.h"
#include "widgets/CPictureButton.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

// What the test does with the dialog, step by step.
enum class Step { Type, Enter, Clear, Ok, Cancel, Escape, CtrlEnter };
Q_DECLARE_METATYPE(Step)

class TestCommentDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void flows_data();
    void flows();
    void clearCanBeUndone();
    void textWrapsInsteadOfScrolling();

private:
    static QPlainTextEdit *Edit(CCommentDlg &dlg);
    static CPictureButton *Button(CCommentDlg &dlg, const char *name);
};

void TestCommentDlg::initTestCase()
{
    qRegisterMetaType<QList<Step>>();
}

QPlainTextEdit *TestCommentDlg::Edit(CCommentDlg &dlg)
{
    return dlg.findChild<QPlainTextEdit *>(QStringLiteral("notesEdit"));
}

CPictureButton *TestCommentDlg::Button(CCommentDlg &dlg, const char *name)
{
    return dlg.findChild<CPictureButton *>(QLatin1String(name));
}

void TestCommentDlg::flows_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("expected");

    const int ok = QDialog::Accepted;
    const int cancel = QDialog::Rejected;
    QTest::newRow("OK returns the edited text")
        << QStringLiteral("Squats felt heavy") << QList<Step> {Step::Type, Step::Ok}
        << QStringLiteral(" today") << ok << QStringLiteral("Squats felt heavy today");
    QTest::newRow("Cancel keeps the notes")
        << QStringLiteral("Rest day") << QList<Step> {Step::Type, Step::Cancel}
        << QStringLiteral("!") << cancel << QStringLiteral("Rest day");
    QTest::newRow("Escape keeps the notes")
        << QStringLiteral("Rest day") << QList<Step> {Step::Type, Step::Escape}
        << QStringLiteral("!") << cancel << QStringLiteral("Rest day");
    QTest::newRow("Clear then Cancel")
        << QStringLiteral("Keep me") << QList<Step> {Step::Clear, Step::Cancel} << QString()
        << cancel << QStringLiteral("Keep me");
    QTest::newRow("Clear then OK")
        << QStringLiteral("Drop me") << QList<Step> {Step::Clear, Step::Ok} << QString() << ok
        << QString();
    QTest::newRow("Clear then type")
        << QStringLiteral("Old") << QList<Step> {Step::Clear, Step::Type, Step::Ok}
        << QStringLiteral("New") << ok << QStringLiteral("New");
    QTest::newRow("several lines kept")
        << QStringLiteral("Line one\nLine two") << QList<Step> {Step::Ok} << QString() << ok
        << QStringLiteral("Line one\nLine two");
    QTest::newRow("Enter starts a new line")
        << QString() << QList<Step> {Step::Type, Step::Enter, Step::Type, Step::Ok}
        << QStringLiteral("Bench") << ok << QStringLiteral("Bench\nBench");
    QTest::newRow("Ctrl+Enter confirms")
        << QStringLiteral("a") << QList<Step> {Step::Type, Step::CtrlEnter} << QStringLiteral("b")
        << ok << QStringLiteral("ab");
}

void TestCommentDlg::flows()
{
    QFETCH(QString, notes);
    QFETCH(QList<Step>, steps);
    QFETCH(QString, typed);
    QFETCH(int, result);
    QFETCH(QString, expected);

    CCommentDlg dlg;
    dlg.SetText(notes);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QPlainTextEdit *edit = Edit(dlg);
    QVERIFY(edit);
    QCOMPARE(edit->toPlainText(), notes);
    edit->moveCursor(QTextCursor::End);

    for (Step step : steps) {
        QVERIFY2(dlg.isVisible(), "the dialog closed too early");
        switch (step) {
        case Step::Type:
            QTest::keyClicks(edit, typed);
            break;
        case Step::Enter:
            QTest::keyClick(edit, Qt::Key_Return);
            break;
        case Step::Clear:
            QTest::mouseClick(Button(dlg, "clearButton"), Qt::LeftButton);
            QVERIFY(edit->toPlainText().isEmpty());
            QCOMPARE(dlg.GetText(), notes); // nothing stored yet
            break;
        case Step::Ok:
            QTest::mouseClick(Button(dlg, "okButton"), Qt::LeftButton);
            break;
        case Step::Cancel:
            QTest::mouseClick(Button(dlg, "cancelButton"), Qt::LeftButton);
            break;
        case Step::Escape:
            QTest::keyClick(edit, Qt::Key_Escape);
            break;
        case Step::CtrlEnter:
            QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
            break;
        }
    }
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), result);
    QCOMPARE(dlg.GetText(), expected);
}

void TestCommentDlg::clearCanBeUndone()
{
    CCommentDlg dlg;
    dlg.SetText(QStringLiteral("Deadlift 5x5"));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTest::mouseClick(Button(dlg, "clearButton"), Qt::LeftButton);
    QVERIFY(Edit(dlg)->toPlainText().isEmpty());
    QTest::keyClick(Edit(dlg), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Edit(dlg)->toPlainText(), QStringLiteral("Deadlift 5x5"));
}

void TestCommentDlg::textWrapsInsteadOfScrolling()
{
    CCommentDlg dlg;
    dlg.SetText(QString(40, QLatin1Char('x')).append(QLatin1Char(' ')).repeated(20));
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QPlainTextEdit *edit = Edit(dlg);
    QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!edit->horizontalScrollBar()->isVisible());
    QTextLayout *layout = edit->document()->firstBlock().layout();
    QVERIFY(layout && layout->lineCount() > 5);
    QVERIFY(dlg.width() >= 250 && dlg.height() >= 300);
}

REPBOOK_TEST_MAIN(TestCommentDlg)
#include "tst_commentdlg.moc"
