#pragma once

#include <QList>
#include <QString>

class DiaryDatabase;
class QWidget;
class TrainingDay;

namespace DiaryImport {
struct Plan;
struct Added;
} // namespace DiaryImport

// The main window's File > Export... and File > Import...: the file dialogs, the preview and
// the messages; the work itself is the exchange library's.
class DiaryExchange
{
public:
    DiaryExchange(QWidget *window, DiaryDatabase &database);

    // Writes the whole diary or, when the user chooses so, the selected days. True when a file
    // was written.
    bool Export(const QList<const TrainingDay *> &selection);
    // Asks for a file, reads it, shows the preview and on "Import" adds it. True when the diary
    // changed.
    bool Import();
    // Adds the plan to the diary and its names to the name lists, as one step.
    DiaryImport::Added ImportIntoDiary(const DiaryImport::Plan &plan);

private:
    QWidget *m_window;
    DiaryDatabase &m_database;
};
