#include "editing/CExerciseDlg.h"

#include "settings/DiaryLocation.h"

CExerciseDlg::CExerciseDlg(QWidget *parent)
    : CExerciseDlg(DiaryLocation::ExerciseListPath(), parent)
{
}

CExerciseDlg::CExerciseDlg(const QString &listFile, QWidget *parent)
    : CNameDlg(tr("Add exercise"), listFile, parent)
{
}
