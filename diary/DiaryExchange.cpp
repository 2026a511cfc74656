#include "diary/DiaryExchange.h"

#include "diary/CImportPreviewDlg.h"
#include "diary/CNameMappingPanel.h"
#include "exchange/DiaryExport.h"
#include "exchange/DiaryImport.h"
#include "exchange/ImportNameMap.h"
#include "exchange/ImportSource.h"
#include "exchange/NameMatcher.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DiaryDatabase.h"
#include "model/NameList.h"
#include "model/NumberText.h"
#include "settings/DiaryLocation.h"
#include "settings/WeightUnitSetting.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>

DiaryExchange::DiaryExchange(QWidget *window, DiaryDatabase &database)
    : m_window(window)
    , m_database(database)
{
}

void DiaryExchange::Export(const QList<const TrainingDay *> &selection)
{
    QList<const TrainingDay *> days = DiaryExport::DaysOf(m_database);
    if (!selection.isEmpty() && selection.size() < days.size()) {
        const MessageBox::Button answer = MessageBox::Question(
            m_window,
            QCoreApplication::translate("DiaryExchange",
                                        "Export only the %1?\n\nYes: the selected days.\nNo: "
                                        "the whole diary (%2).")
                .arg(CountText(selection.size(),
                               QT_TRANSLATE_N_NOOP("CountText", "%n selected day(s)"),
                               QStringLiteral("selected day")),
                     CountText(days.size(), QT_TRANSLATE_N_NOOP("CountText", "%n day(s)"),
                               QStringLiteral("day"))),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes)
            days = selection;
    }
    const QString path = FileDialog::GetSaveFileName(
        m_window, QCoreApplication::translate("DiaryExchange", "Export"),
        QCoreApplication::translate("DiaryExchange",
                                    "CSV files (*.csv);;JSON files (*.json);;All files (*)"),
        QStringLiteral("csv"),
        FileDialog::InDocuments(
            QStringLiteral("Repbook %1.csv").arg(Clock::Today().toString(Qt::ISODate))));
    if (path.isEmpty())
        return;
    const auto format =
        QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0
        ? DiaryExport::Format::Json
        : DiaryExport::Format::Csv;
    QString error;
    if (!DiaryExport::WriteFile(path, DiaryExport::Write(days, format, WeightUnitSetting::Read()),
                                error))
        MessageBox::Error(m_window, error);
}

std::optional<DiaryImport::Added> DiaryExchange::Import(const OneStep &asOneStep)
{
    const QString path = FileDialog::GetOpenFileName(
        m_window, QCoreApplication::translate("DiaryExchange", "Import"),
        QCoreApplication::translate(
            "DiaryExchange",
            "Training log exports: Repbook, Strong, Hevy, FitNotes, LiftLog "
            "(*.csv *.json);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    ImportedData data;
    QString error;
    if (!ImportSource::ReadFile(path, ImportSource::Format::Auto, data, error)) {
        MessageBox::Error(m_window, error);
        return std::nullopt;
    }
    // Names of the file join the diary's as chosen before for that kind of file.
    NameList exercises(DiaryLocation::ExerciseListPath());
    exercises.Load();
    const QStringList known = NameMatcher::KnownNames(m_database, exercises.Entries());
    ImportNameMap names(ImportNameMap::PathBeside(DiaryLocation::ExerciseListPath()));
    names.Load();
    const QHash<QString, QString> remembered = names.For(data.formatName);
    DiaryImport::Plan plan =
        DiaryImport::MakePlan(NameMatcher::WithNames(data, remembered), m_database);
    CImportPreviewDlg preview(plan, QFileInfo(path).fileName(), m_window);
    const QList<NameMatcher::Proposal> proposals =
        NameMatcher::Propose(*data.days, known, remembered);
    auto *mapping = proposals.isEmpty() ? nullptr : new CNameMappingPanel(proposals, known);
    if (mapping)
        preview.AddSection(mapping, 2);
    if (preview.exec() != QDialog::Accepted)
        return std::nullopt;
    if (mapping) {
        const QHash<QString, QString> choices = mapping->Choices();
        if (!names.Remember(data.formatName, choices, error))
            MessageBox::Warning(m_window, error);
        // Remembered choices of names the section did not list still hold.
        QHash<QString, QString> joined = remembered;
        for (auto it = choices.cbegin(); it != choices.cend(); ++it) {
            if (it.value().isEmpty())
                joined.remove(it.key());
            else
                joined.insert(it.key(), it.value());
        }
        plan = DiaryImport::MakePlan(NameMatcher::WithNames(data, joined), m_database);
    }
    DiaryImport::Added added;
    asOneStep([this, &plan, &added] { added = ImportIntoDiary(plan); });
    return added;
}

DiaryImport::Added DiaryExchange::ImportIntoDiary(const DiaryImport::Plan &plan)
{
    const DiaryImport::Added added = DiaryImport::Apply(plan, m_database);
    DiaryImport::RememberNames(added, DiaryLocation::WorkoutListPath(),
                               DiaryLocation::ExerciseListPath());
    return added;
}
