#pragma once

#include <QString>

// Where both programs keep their files. The environment variable REPBOOK_HOME overrides
// everything; otherwise the executable's folder when it holds a "Database" folder (a portable
// installation); otherwise the per-user data folder <generic data>/Ironvale/Repbook, the same
// for the diary and the notifier. Paths are returned without a trailing separator.
namespace DataFolder {

QString ProgramFolder();
// True when REPBOOK_HOME or a portable installation names the folder.
bool IsFixed();
QString DatabaseFolder();
QString DatabasePath(); // Database/Database.rpd
QString ExerciseListPath(); // Database/UEList.txt
QString WorkoutListPath(); // Database/UTList.txt
// Creates the Database folder if missing; true when it exists afterwards.
bool EnsureDatabaseFolder();

} // namespace DataFolder
