#include "editing/CExerciseDlg.h"

#include "model/DataFolder.h"

CExerciseDlg::CExerciseDlg(QWidget *parent)
    : CExerciseDlg(DataFolder::ExerciseListPath(), parent)
{
}

CExerciseDlg::CExerciseDlg(const QString &listFile, QWidget *parent)
    : CNameDlg(tr("Add exercise"), listFile, parent)
{
}
