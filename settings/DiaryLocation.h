#pragma once

#include <QString>

class SettingsStore;

// Where both programs and repbook-cli find the diary and its name lists. REPBOOK_HOME and a
// portable installation keep them in the data folder's Database folder (DataFolder); otherwise
// the folder chosen as "Diary folder" in Options, when one is chosen and exists; otherwise that
// Database folder. Backups and what this computer keeps for itself stay in the data folder.
namespace DiaryLocation {

// False when REPBOOK_HOME or a portable installation fixes the folder.
bool CanChoose();
QString Folder(const SettingsStore &settings);
QString Folder(); // read from a fresh settings store
QString DatabasePath();
QString ExerciseListPath();
QString WorkoutListPath();
// Where the backups of the diary at databasePath are kept: the data folder's Database/Backups
// when that diary is the one in a chosen (perhaps synced) folder, since backups belong to this
// computer; empty (beside the diary, as always) for any other diary.
QString BackupFolder(const QString &databasePath);
// Creates the folder if missing; true when it exists afterwards.
bool EnsureFolder();

} // namespace DiaryLocation
