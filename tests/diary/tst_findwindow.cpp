#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CFindDlg.h"
#include "diary/CRepbookDlg.h"
#include "diary/CommandIds.h"
#include "model/DiaryDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

using namespace diarytest;

namespace {

// The results as the window lists them, under its column headings: date, where, text.
QStringList Rows(const QTreeView &view)
{
    const QAbstractItemModel &model = *view.model();
    QStringList rows;
    for (int row = -1; row < model.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts.append(row < 0 ? model.headerData(column, Qt::Horizontal).toString()
                                 : model.index(row, column).data().toString());
        rows.append(texts.join(u'|'));
    }
    return rows;
}

} // namespace

class TestFindWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::BeginGuiCase(QDateTime(QDate(2007, 3, 20), QTime(10, 0))); }
    void cleanup() { REPBOOK_END_GUI_CASE(); }
    void typesFindsAndShowsTheDay();
};

void TestFindWindow::typesFindsAndShowsTheDay()
{
    DiaryUnderTest diary;
    DiaryDatabase &database = diary.Reset();
    QVERIFY(BuildDiary(database,
                       QStringLiteral(R"(14.3.2007 Legs; 2.5.2006 "Upper back sore" )"
                                      R"(Légs Arms; 7.3.2007 Upper_body)")));

    auto window = OpenWindow(diary.File());
    window->ExecuteCommand(CommandId::Find);
    auto *dialog = window->findChild<CFindDlg *>();
    QVERIFY(dialog && dialog->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    const QTreeView &results = *dialog->Results();

    QTest::keyClicks(dialog->Field(), QStringLiteral("LEG"));
    QTRY_COMPARE(Rows(results),
                 (QStringList {"Date|Where|Text", "3/14/07|Workout|Legs", "5/2/06|Workout|Légs"}));
    QCOMPARE(dialog->Summary()->text(), QStringLiteral("2 matches."));

    // Down goes from the field into the results; Enter there shows the day, outside the range.
    QTest::keyClick(dialog->Field(), Qt::Key_Down);
    QCOMPARE(dialog->Results()->currentIndex().row(), 0);
    QTest::keyClick(dialog->Results(), Qt::Key_Down);
    QTest::keyClick(dialog->Results(), Qt::Key_Return);
    QVERIFY(window->WorkoutAreaDay());
    QCOMPARE(window->WorkoutAreaDay()->GetDate(), Date(2006, 5, 2));
    QVERIFY(window->CellOf(Date(2006, 5, 2)).IsValid());

    // The results follow the diary (the day of the first result removed); the chosen one stays
    // chosen.
    window->ShowDate(QDate(2007, 3, 14));
    window->RemoveFocusedDay();
    QTRY_COMPARE(Rows(results), (QStringList {"Date|Where|Text", "5/2/06|Workout|Légs"}));
    QCOMPARE(dialog->Results()->currentIndex().row(), 0);

    dialog->Field()->setText(QStringLiteral("upper"));
    QTRY_COMPARE(Rows(results),
                 (QStringList {"Date|Where|Text", "3/7/07|Workout|Upper body",
                               "5/2/06|Day note|Upper back sore"}));
    // Back in the Find window (showing a day activated the main window), Enter in the field takes
    // the first result.
    dialog->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    QTest::keyClick(dialog->Field(), Qt::Key_Enter);
    QCOMPARE(window->WorkoutAreaDay()->GetDate(), Date(2007, 3, 7));
}

REPBOOK_TEST_MAIN(TestFindWindow)
#include "tst_findwindow.moc"
