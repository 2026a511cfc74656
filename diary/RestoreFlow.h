#pragma once

class DiaryHistory;
class QWidget;
class SharedDiaryFile;

// "Restore from backup" as the user meets it: the backups are listed in CRestoreDlg; after a
// confirmation the diary as it is now is saved and kept as a backup, then the chosen backup's
// days replace the diary's through the shared file's locked save, as one step of the history.
namespace RestoreFlow {

// True when a backup was restored.
bool Run(QWidget *parent, SharedDiaryFile &file, DiaryHistory &history);

} // namespace RestoreFlow
