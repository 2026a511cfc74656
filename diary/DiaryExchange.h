#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class DiaryDatabase;
class QWidget;
class TrainingDay;

#include "exchange/DiaryImport.h"

// The main window's File > Export... and File > Import...: the file dialogs, the preview and
// the messages; the work itself is the exchange library's.
class DiaryExchange
{
public:
    DiaryExchange(QWidget *window, DiaryDatabase &database);

    // Writes the whole diary or, when the user chooses so, the selected days; a file that cannot
    // be written is reported.
    void Export(const QList<const TrainingDay *> &selection);
    // Runs a change of the diary as one step of the window's history.
    using OneStep = std::function<void(const std::function<void()> &change)>;

    // Asks for a file, reads it, shows the preview and on "Import" adds it through asOneStep.
    // What was added; nothing when the diary was left alone.
    std::optional<DiaryImport::Added> Import(const OneStep &asOneStep);
    // Adds the plan to the diary and its names to the name lists, as one step.
    DiaryImport::Added ImportIntoDiary(const DiaryImport::Plan &plan);

private:
    QWidget *m_window;
    DiaryDatabase &m_database;
};
