#pragma once

#include <QString>
#include <QtGlobal>

// Progress of a workout or an exercise. Stored as a 32-bit integer in the diary file; values
// other than the three named ones are kept as they are (static_cast from the stored number).
enum class ProgressStatus : qint32 { NotYet = 0, Done = 1, Failed = 2 };

// The name used in messages and menus: "Not yet", "Done" or "Failed". Any other value gives an
// empty text.
QString StatusName(ProgressStatus status);
