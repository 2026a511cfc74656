#include "editing/CTrainingDlg.h"

#include "settings/DiaryLocation.h"

namespace {
QString DefaultTitle()
{
    return CTrainingDlg::tr("Add workout");
}
} // namespace

CTrainingDlg::CTrainingDlg(QWidget *parent)
    : CTrainingDlg(DiaryLocation::WorkoutListPath(), parent)
{
}

CTrainingDlg::CTrainingDlg(const QString &listFile, QWidget *parent)
    : CNameDlg(DefaultTitle(), listFile, parent)
{
}

void CTrainingDlg::SetTitle(const QString &title)
{
    setWindowTitle(title.isEmpty() ? DefaultTitle() : title);
}

void CTrainingDlg::SetName(const QString &name)
{
    SetPresetName(name);
}
