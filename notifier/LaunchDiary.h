#pragma once

#include <QString>

class QWidget;

// The diary program, which lies in the notifier's own folder.
QString DiaryProgramPath();

// Starts the diary program as a separate process, without a shell and without arguments. A
// diary that cannot be started is reported to the user in a box owned by owner (may be null).
bool LaunchDiary(QWidget *owner);
