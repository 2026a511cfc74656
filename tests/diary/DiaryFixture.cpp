#include "DiaryFixture.h"

#include "diary/CRepbookDlg.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingProgram.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace diarytest {

DateValue Date(int year, int month, int day)
{
    return DateValue::FromDate(year, month, day);
}

void StoreRange(const QString &start, int days)
{
    SettingsStore settings;
    settings.Write(SettingsKeys::Filled, 1);
    settings.Write(SettingsKeys::RangeStartDate, start);
    settings.Write(SettingsKeys::RangeDays, days);
}

QString CellsNotFollowingTheDiary(const CRepbookDlg &window, DiaryDatabase &database)
{
    QStringList wrong;
    const CGridCtrl *grid = window.Grid();
    for (int row = 1; row < grid->GetRowCount(); ++row) {
        for (int col = 1; col <= 7; ++col) {
            TrainingDay *expected =
                window.IsInRange(row, col) ? database.FindDay(window.DateAt(row, col)) : nullptr;
            if (window.CellHoldsDay(row, col) != (expected != nullptr) ||
                window.DayAt(row, col) != expected)
                wrong.append(QStringLiteral("row %1 column %2").arg(row).arg(col));
        }
    }
    return wrong.join(QStringLiteral(", "));
}

std::unique_ptr<CRepbookDlg> OpenWindow(SharedDiaryFile &file, bool activate, const QString &start,
                                        int days)
{
    StoreRange(start, days);
    auto window = std::make_unique<CRepbookDlg>(file);
    window->resize(900, 700);
    window->show();
    if (activate) {
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            QTest::qFail("the main window did not become active", __FILE__, __LINE__);
    }
    return window;
}

bool WriteProgram(const QString &path, const QString &days)
{
    TrainingProgram program;
    program.SetPath(path);
    return BuildDiary(program, days) && program.Save();
}

void ClickButton(QWidget *window, const QString &text)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->text() == text)
            return button->click();
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + text));
}

DiaryUnderTest::DiaryUnderTest() = default;
DiaryUnderTest::~DiaryUnderTest() = default;

DiaryDatabase &DiaryUnderTest::Reset()
{
    m_file.reset();
    m_database = std::make_unique<DiaryDatabase>();
    m_database->SetPath(DataFolder::DatabasePath());
    m_file = std::make_unique<SharedDiaryFile>(*m_database, DiaryMerge::Winner::Memory);
    return *m_database;
}

} // namespace diarytest
