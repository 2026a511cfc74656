// Helper of TestDiarySaving, not a test itself: the diary's main window over the data folder's
// diary, run as the program runs it. It removes the diary's first day through the window's undo
// history (as every command of the window changes the diary), prints "changed" and runs until it
// is made to end; the exit code is 0 when it ended its own way.

#include "diary/CRepbookDlg.h"
#include "diary/DiaryHistory.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/SharedDiaryFile.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    DiaryDatabase diary;
    SharedDiaryFile file(diary, DiaryMerge::Winner::Memory);
    if (!file.Open(DataFolder::DatabasePath()))
        return 2;
    CRepbookDlg window(file);
    window.Refresh(CRepbookDlg::KeepScroll);
    QTimer::singleShot(0, &window, [&] {
        const DaysChangeCommand::Hooks &hooks = window.History().DayHooks();
        hooks.releaseDays();
        window.History().RecordAny(QStringLiteral("Remove"), [&] { diary.RemoveDay(0); });
        hooks.daysChanged();
        std::fputs("changed\n", stdout);
        std::fflush(stdout);
    });
    window.exec();
    return 0;
}
