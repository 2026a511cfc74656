#include "DiaryFixture.h"
#include "common/TestMain.h"
#include "diary/CDisplayDlg.h"
#include "diary/CFindDlg.h"
#include "diary/COptionsCommonPage.h"
#include "diary/COptionsSheet.h"
#include "diary/CRepbookDlg.h"
#include "diary/CUserDataDlg.h"
#include "diary/CalendarRange.h"
#include "diary/CommandIds.h"
#include "diary/MainMenu.h"
#include "diary/ProgressWindow.h"
#include "editing/CCommentDlg.h"
#include "editing/CDayPrinter.h"
#include "editing/CDayTabCtrl.h"
#include "images/StatusImages.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/ExerciseColumns.h"
#include "progress/CExercisePage.h"
#include "progress/CProgressChart.h"
#include "progress/CProgressDlg.h"
#include "settings/SettingsStore.h"
#include "widgets/CFPSMiniCalendarCtrl.h"
#include "widgets/CGridCtrl.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox> // the range box
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace diarytest;

Q_DECLARE_METATYPE(DateValue)

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

class TestRepbookDlg : public WindowCase
{
    Q_OBJECT

private slots:

    // The range the window opens on, from the stored one (an unreadable start is today, unreadable
    // days 56), and a range set afterwards: it is taken only when valid, and what is taken is
    // stored for the next start.
    void range_data()
    {
        QTest::addColumn<QString>("stored"); // start as the settings hold it
        QTest::addColumn<int>("storedDays");
        QTest::addColumn<DateValue>("set"); // and the days set with it; 0: nothing set
        QTest::addColumn<int>("setDays");
        QTest::addColumn<DateValue>("start");
        QTest::addColumn<int>("days");
        const DateValue none = DateValue::MakeInvalid();
        const DateValue march1 = Date(2007, 3, 1);
        const DateValue april2 = Date(2007, 4, 2);
        const DateValue today = Date(2007, 3, 20);
        QTest::newRow("stored start unreadable") << "garbage" << 31 << none << 0 << today << 31;
        QTest::newRow("stored date impossible") << "31.2.2007" << 62 << none << 0 << today << 62;
        QTest::newRow("stored days negative") << "1.3.2007" << -5 << none << 0 << march1 << 56;
        QTest::newRow("stored days beyond reason")
            << "1.3.2007" << 2000000000 << none << 0 << march1 << 56;
        QTest::newRow("set: two months from April")
            << "1.3.2007" << 31 << april2 << 62 << april2 << 62;
        QTest::newRow("set: same start, a year")
            << "1.3.2007" << 31 << march1 << 365 << march1 << 365;
        QTest::newRow("set: no date") << "1.3.2007" << 31 << none << 62 << march1 << 31;
        QTest::newRow("set: too many days")
            << "1.3.2007" << 31 << april2 << CalendarRange::MaxDays + 1 << march1 << 31;
    }
    void range()
    {
        QFETCH(QString, stored);
        QFETCH(int, storedDays);
        QFETCH(DateValue, set);
        QFETCH(int, setDays);
        QFETCH(DateValue, start);
        QFETCH(int, days);
        auto window = OpenWindow(m_diary.File(), false, stored, storedDays);
        if (setDays != 0) {
            QCOMPARE(window->SetRange(set, setDays, 0), set == start && setDays == days);
            QCOMPARE(m_settings.Read(SettingsKeys::RangeStartDate),
                     CalendarRange::FormatStartDate(start));
            QCOMPARE(m_settings.Read(SettingsKeys::RangeDays), days);
        }
        QVERIFY(window->Range().IsValid());
        QCOMPARE(window->Range().Start(), start);
        QCOMPARE(window->Range().Days(), days);
        QCOMPARE(window->Grid()->GetRowCount(), window->Range().RowCount() + 1);
        // The mini calendar marks the stored range from its first day on.
        const QDate first =
            CalendarRange::ParseStartDate(m_settings.Read(SettingsKeys::RangeStartDate)).ToQDate();
        QCOMPARE(window->MiniCalendar()->IsDrawnSpecial(QDate(2007, 3, 1)),
                 first == QDate(2007, 3, 1));
        QVERIFY(!window->MiniCalendar()->IsDrawnSpecial(QDate(2007, 2, 28)));
        // The range box: "Set..." asks in the range dialog (cancelled: nothing changes), a preset
        // sets the length from the same start.
        bool asked = false;
        WhenModal<CDisplayDlg>([&asked](CDisplayDlg *dialog) { asked = true, dialog->reject(); });
        window->ChooseRangePreset(CalendarRange::CustomPresetIndex);
        window->ChooseRangePreset(4);
        QVERIFY(asked);
        QCOMPARE(window->Range().Start(), start);
        QCOMPARE(window->Range().Days(), 365);
    }
    // The weekday column menu hides and shows columns; the last shown one stays. clicks: the
    // weekdays chosen in turn (0 Monday); shown: one digit per weekday afterwards.
    void weekdayColumnsHiddenAndShown_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Monday hidden") << "0" << QStringLiteral("0111111");
        QTest::newRow("hidden and shown again") << "00" << QStringLiteral("1111111");
        QTest::newRow("six hidden") << "012345" << QStringLiteral("0000001");
        QTest::newRow("the last one stays") << "6543210" << QStringLiteral("1000000");
    }
    void weekdayColumnsHiddenAndShown()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, shown);
        auto window = OpenWindow(m_diary.File());
        // The first through the weekday headings' menu, the others through the command.
        const QHeaderView *headings = window->Grid()->horizontalHeader();
        testsupport::ChooseFromContextMenu(headings->viewport(),
                                           {headings->sectionViewportPosition(3) + 4, 4},
                                           clicks.front().digitValue());
        for (const QChar weekday : clicks.mid(1))
            window->ChooseColumnMenuItem(weekday.digitValue());
        // And a window opened afterwards shows the stored columns.
        for (int round = 0; round < 2;
             ++round, window.reset(), window = OpenWindow(m_diary.File())) {
            for (int weekday = 0; weekday < 7; ++weekday) {
                const bool on = shown.at(weekday) == u'1';
                QCOMPARE(window->Grid()->GetColumnWidth(weekday + 1) > 0, on);
                QCOMPARE(m_settings.Read(SettingsKeys::WeekdayColumns[weekday]) > 0, on);
                QCOMPARE(window->Commands()->ColumnAction(weekday)->isChecked(), on);
            }
            // One column left has room for whole weekday names; six or seven share short ones.
            QCOMPARE(window->Grid()->GetItemText(0, 7) == "Sunday", shown.count(u'1') == 1);
        }
    }
    void cellsReferenceFirstDayOfDate()
    {
        // Twenty years of days, two of them on one date: a year's cells look every day up once.
        DateValue date = Date(1995, 1, 2);
        for (int i = 0; i < 20 * 365; i += 3, date = date.AddDays(3))
            BuildDiary(*m_database, DateText(date) + QStringLiteral(" Run"));
        BuildDiary(*m_database, QStringLiteral(R"(21.3.2007 "second of its date" Swim)"));
        QCOMPARE(m_database->FindDay(Date(2007, 3, 21))->GetNotes(), QString());

        auto window = OpenWindow(m_diary.File(), false, QStringLiteral("1.1.2007"), 365);
        QCOMPARE(CellsNotFollowingTheDiary(*window, *m_database), QString());
    }
    // Printing and removing act on every day of a selection over several weeks, the last one too;
    // the note shown is that of the day clicked last.
    void selectedDaysSpanEverySelectedWeek()
    {
        BuildDiary(*m_database,
                   QStringLiteral(R"(6.3.2007 Run; 14.3.2007 Swim; 25.3.2007 "hard" Row)"));
        auto window = OpenWindow(m_diary.File());
        CGridCtrl *grid = window->Grid();
        const CalendarCell first = window->CellOf(Date(2007, 3, 5));
        const CalendarCell last = window->CellOf(Date(2007, 3, 25));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->CellRect(first.row, first.col).center());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          grid->CellRect(last.row, last.col).center());
        QCOMPARE(window->SelectedDays().size(), 3);
        QCOMPARE(window->NotesPane()->toPlainText(), QStringLiteral("hard"));
    }
    // User data from the menu offers Cancel, a first start offers them with Skip; Print asks for a
    // printer, Print preview shows the pages.
    void dialogsFromTheMenu()
    {
        BuildDiary(*m_database, QStringLiteral("1.3.2007 Legs"));
        auto window = OpenWindow(m_diary.File(), false, QStringLiteral("1.3.2007"));
        QStringList opened;
        CDayPrinter::SetDialogRunner([&opened](QDialog &dialog) {
            opened << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        });
        window->ExecuteCommand(CommandId::SelectAll);
        window->ExecuteCommand(CommandId::Print);
        window->ExecuteCommand(CommandId::PrintPreview);
        CDayPrinter::SetDialogRunner(nullptr);
        QCOMPARE(opened, (QStringList {"QPrintDialog", "QPrintPreviewDialog"}));
        QStringList buttons;
        const auto answer = [&buttons](CUserDataDlg *dialog) {
            for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
                buttons << button->text();
            dialog->reject();
        };
        WhenModal<CUserDataDlg>(answer);
        window->ExecuteCommand(CommandId::User);
        QVERIFY2(buttons.contains("Cancel") && !buttons.contains("Skip"),
                 qPrintable(buttons.join(u',')));
        m_settings.Write(SettingsKeys::Filled, 0);
        WhenModal<CUserDataDlg>(answer);
        window->OfferUserData();
        QVERIFY2(buttons.contains("Skip"), qPrintable(buttons.join(u',')));
    }
    void exitAnsweredYes()
    {
        BuildDiary(*m_database, QStringLiteral(R"(5.3.2007 "notes" Legs)"));
        auto window = OpenWindow(m_diary.File(), true);
        m_database->FindDay(Date(2007, 3, 5))->SetNotes(QStringLiteral("changed before exit"));
        MessageBox::setNextAnswers({QMessageBox::Yes});
        window->ExecuteCommand(CommandId::Exit);

        QVERIFY(!window->isVisible());
        QCOMPARE(MessageBox::takeShown().size(), 1);
        QCOMPARE(DescribeDiaryFile(DataFolder::DatabasePath()),
                 QStringLiteral(R"(5.3.2007 "changed before exit" Legs)"));
        for (int weekday = 0; weekday < 7; ++weekday) {
            QCOMPARE(m_settings.Read(SettingsKeys::WeekdayColumns[weekday]),
                     window->Grid()->GetColumnWidth(weekday + 1));
            QVERIFY(window->Grid()->GetColumnWidth(weekday + 1) > 10);
        }
    }
    void keysTypedIntoFields_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("commands");
        const QKeyCombination ret(Qt::Key_Return);
        // The calendar's own keys run commands, and Return, Enter and Escape never close the
        // window.
        QTest::newRow("calendar, Return") << "grid" << ret << 1;
        QTest::newRow("calendar, Enter") << "grid" << QKeyCombination(Qt::Key_Enter) << 1;
        QTest::newRow("calendar, Escape") << "grid" << QKeyCombination(Qt::Key_Escape) << 1;
        QTest::newRow("calendar, Tab moves on") << "grid" << QKeyCombination(Qt::Key_Tab) << 0;
        QTest::newRow("window, Return") << "window" << ret << 0;
        QTest::newRow("window, Escape") << "window" << QKeyCombination(Qt::Key_Escape) << 1;
        QTest::newRow("range box, Return") << "range" << ret << 0;
        QTest::newRow("range box, Escape is the window's")
            << "range" << QKeyCombination(Qt::Key_Escape) << 1;
        QTest::newRow("year field, Return") << "year" << ret << 0;
        QTest::newRow("mini calendar, Return") << "days" << ret << 0;
        QTest::newRow("mini calendar, Insert") << "days" << QKeyCombination(Qt::Key_Insert) << 0;
        QTest::newRow("range box, Enter") << "range" << QKeyCombination(Qt::Key_Enter) << 0;
        QTest::newRow("range box, Delete") << "range" << QKeyCombination(Qt::Key_Delete) << 0;
        QTest::newRow("range box, F5 is the window's")
            << "range" << QKeyCombination(Qt::Key_F5) << 1;
        QTest::newRow("notes dialog, typing adds") << "notes" << QKeyCombination(Qt::Key_X) << 0;
    }
    void keysTypedIntoFields()
    {
        QFETCH(QString, target);
        QFETCH(QKeyCombination, key);
        QFETCH(int, commands);
        if (target == QLatin1String("notes")) {
            // The notes dialog puts the cursor after the note, so typing adds to it.
            CCommentDlg dialog;
            dialog.SetText(QStringLiteral("Felt strong"));
            QTest::keyClick(dialog.findChild<QPlainTextEdit *>(), key.key());
            QCOMPARE(dialog.findChild<QPlainTextEdit *>()->toPlainText(),
                     QStringLiteral("Felt strongx"));
            return;
        }
        auto window = OpenWindow(m_diary.File(), true);
        // Before the range: a command that does run opens no day there, so nothing waits.
        window->SelectDay(1, 1);
        QWidget *widget = window->RangeBox();
        if (target == QLatin1String("year")) {
            // The year field appears when the year on the calendar's title is clicked.
            QTest::mouseClick(window->MiniCalendar()->findChild<QToolButton *>(
                                  QStringLiteral("qt_calendar_yearbutton")),
                              Qt::LeftButton);
            widget = window->MiniCalendar()->findChild<QSpinBox *>(
                QStringLiteral("qt_calendar_yearedit"));
            QVERIFY(widget && widget->isVisible());
        } else if (target == QLatin1String("days")) {
            widget = window->MiniCalendar()->findChild<QAbstractItemView *>();
        } else if (target == QLatin1String("grid")) {
            widget = window->Grid();
        }
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
        QSignalSpy spy(window->Commands(), &MainMenu::commandTriggered);
        QTest::keyClick(target == QLatin1String("window") ? window.get()
                                                          : QApplication::focusWidget(),
                        key.key(), key.keyboardModifiers());
        QCOMPARE(spy.size(), commands);
        if (key.key() == Qt::Key_Tab)
            QVERIFY(!widget->hasFocus());
        window->accept();
        QVERIFY(window->isVisible());
        QCOMPARE(window->result(), 0);
    }
    void columnsFillTheGridBesideItsScrollBar_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("scrollBar");
        QTest::newRow("a month fits") << 31 << false;
        QTest::newRow("a year scrolls") << 364 << true;
    }
    // The weekday columns take the grid's whole width, less the vertical scroll bar when the weeks
    // need one: no gap at the right, and nothing to scroll sideways.
    void columnsFillTheGridBesideItsScrollBar()
    {
        QFETCH(int, days);
        QFETCH(bool, scrollBar);
        auto window = OpenWindow(m_diary.File(), true, QStringLiteral("1.3.2007"), days);
        CGridCtrl *grid = window->Grid();
        QCOMPARE(grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, scrollBar);
        int width = 0;
        for (int col = 0; col < grid->GetColumnCount(); ++col)
            width += grid->GetColumnWidth(col);
        QCOMPARE(width, grid->viewport()->width());
        // A refresh brings the focused day back into view, moving the weeks no more than needed.
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        window->ExecuteCommand(CommandId::Refresh);
        const CCellID focus = grid->GetFocusCell();
        QVERIFY(focus.row > 1 && grid->IsCellVisible(focus.row, focus.col));
        QCOMPARE(grid->IsCellVisible(focus.row - 1, focus.col), !scrollBar);
    }

    // Edit > Find: typed text finds workouts and notes; a result shows its day.
    void findTypesFindsAndShowsTheDay()
    {
        QVERIFY(BuildDiary(*m_database,
                           QStringLiteral(R"(14.3.2007 Legs; 2.5.2006 "Upper back sore" )"
                                          R"(Légs Arms; 7.3.2007 Upper_body)")));

        auto window = OpenWindow(m_diary.File());
        window->ExecuteCommand(CommandId::Find);
        auto *dialog = window->findChild<CFindDlg *>();
        QVERIFY(dialog && dialog->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        const QTreeView &results = *dialog->Results();

        QTest::keyClicks(dialog->Field(), QStringLiteral("LEG"));
        QTRY_COMPARE(
            Rows(results),
            (QStringList {"Date|Where|Text", "3/14/07|Workout|Legs", "5/2/06|Workout|Légs"}));
        QCOMPARE(dialog->Summary()->text(), QStringLiteral("2 matches."));
        QCOMPARE(results.header()->length(),
                 results.viewport()->width()); // the text takes the rest
        // Only the date and the text have a tooltip, the text's holding it whole.
        QVERIFY(results.model()->index(1, 2).data(Qt::ToolTipRole).toString().contains("Légs"));
        QVERIFY(results.model()->index(1, 1).data(Qt::ToolTipRole).isNull());

        // Down goes from the field into the results; Enter there shows the day, outside the range.
        // Up from the first result goes back.
        QTest::keyClick(dialog->Field(), Qt::Key_Down);
        QTest::keyClick(dialog->Results(), Qt::Key_Up);
        QVERIFY(dialog->Field()->hasFocus());
        QTest::keyClick(dialog->Field(), Qt::Key_Down);
        QCOMPARE(dialog->Results()->currentIndex().row(), 0);
        QTest::keyClick(dialog->Results(), Qt::Key_Down);
        QTest::keyClick(dialog->Results(), Qt::Key_Return);
        QCoreApplication::processEvents(); // the windows' activations
        QCOMPARE(QApplication::activeWindow(), window.get());
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
        // Back in the Find window (showing a day activated the main window), Enter in the field
        // takes the first result.
        dialog->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QTest::keyClick(dialog->Field(), Qt::Key_Enter);
        QCOMPARE(window->WorkoutAreaDay()->GetDate(), Date(2007, 3, 7));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), window.get());
        // A click shows the day and keeps the Find window active, to go on with the results.
        const QRect second = results.visualRect(results.model()->index(1, 0));
        QTest::mouseClick(results.viewport(), Qt::LeftButton, {}, second.center());
        QCoreApplication::processEvents(); // the windows' activations, in their order
        QCOMPARE(window->WorkoutAreaDay()->GetDate(), Date(2006, 5, 2));
        QCOMPARE(QApplication::activeWindow(), dialog);
    }

    // ---- Options: the status pictures a stored choice shows, and a weight unit chosen turning
    // every open view.
    // The stored status-image setting may hold any number: every value above 0 means flags. Each
    // choice shows the Done picture of its own set.
    void storedChoiceShown_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("shields") << 0 << int(COptionsCommonPage::Shields);
        QTest::newRow("flags") << 1 << int(COptionsCommonPage::Flags);
        QTest::newRow("any value above 0") << 7 << int(COptionsCommonPage::Flags);
        QTest::newRow("negative") << -1 << int(COptionsCommonPage::Shields);
    }
    void storedChoiceShown()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        COptionsCommonPage page;
        page.SetStatusChoice(stored == 0 ? 1 : 0); // start from the other choice
        page.SetStatusChoice(stored);
        QCOMPARE(int(page.GetStatusChoice()), shown);
        const bool shields = shown == COptionsCommonPage::Shields;
        const QRadioButton *button = page.findChild<QRadioButton *>(
            shields ? QStringLiteral("shieldsButton") : QStringLiteral("flagsButton"));
        QVERIFY(button->isChecked());
        const StatusImageSet set(shields, StatusImageSize::Small16);
        QCOMPARE(button->icon().pixmap(16).toImage(), QIcon(set.Done()).pixmap(16).toImage());
        // The weight unit and the appearance too show what is stored, whatever was shown before.
        for (const WeightUnit unit : {WeightUnit::Pounds, WeightUnit::Kilograms}) {
            page.SetWeightUnit(unit);
            QCOMPARE(page.GetWeightUnit(), unit);
        }
        for (const int appearance : {2, 1, 0}) {
            page.SetAppearance(appearance);
            QCOMPARE(page.GetAppearance(), appearance);
        }
    }

    // Choosing pounds in Options turns the numbers of every open view, not only their labels.
    void optionsTurnEveryOpenView()
    {
        SettingsStore().Write(SettingsKeys::WeightUnitChoice, WeightUnit::Kilograms);
        DiaryUnderTest diary;
        QVERIFY(
            testsupport::BuildDiary(diary.Reset(), QStringLiteral("7.3.2007 Push[Bench 3x5 100]")));
        auto window = OpenWindow(diary.File());
        const CalendarCell cell = window->CellOf(Date(2007, 3, 7));
        window->SelectDay(cell.row, cell.col);
        window->ExecuteCommand(CommandId::Progress);
        CExercisePage *page = window->Progress().Dialog()->Exercises();
        QVERIFY(page->ChooseExercise(QStringLiteral("Bench")));

        const CGridCtrl &grid = *window->WorkoutArea()->GetGrid();
        const auto shown = [&] {
            const QLineSeries *line = page->Chart()->Line();
            return QStringList {
                grid.GetItemText(0, ExerciseColumns::Weight),
                grid.GetItemText(1, ExerciseColumns::Weight), QString::number(line->at(0).y()),
                page->Chart()->chart()->axes(Qt::Vertical).constFirst()->titleText(),
                page->Records()->item(2, 1)->text()};
        };
        QCOMPARE(shown(),
                 (QStringList {QStringLiteral("Weight (kg)"), QStringLiteral("100.00"),
                               QStringLiteral("100"), QStringLiteral("Heaviest weight (kg)"),
                               QStringLiteral("100 kg \u00d7 5")}));

        testsupport::WhenModal<COptionsSheet>([](COptionsSheet *sheet) {
            testsupport::Child<QRadioButton>(sheet, "poundsButton")->click();
            sheet->accept();
        });
        window->ExecuteCommand(CommandId::Options);
        QCOMPARE(SettingsStore().Read(SettingsKeys::WeightUnitChoice), int(WeightUnit::Pounds));
        QTRY_COMPARE(shown(),
                     (QStringList {QStringLiteral("Weight (lb)"), QStringLiteral("220.5"),
                                   QStringLiteral("220.5"), QStringLiteral("Heaviest weight (lb)"),
                                   QStringLiteral("220.5 lb \u00d7 5")}));
    }

private:
    SettingsStore m_settings;
};

REPBOOK_TEST_MAIN(TestRepbookDlg)

#include "tst_repbookdlg.moc"
