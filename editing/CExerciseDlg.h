#pragma once

#include "editing/CNameDlg.h"

// "Add exercise": picks an exercise name from the exercise name list.
class CExerciseDlg : public CNameDlg
{
    Q_OBJECT

public:
    explicit CExerciseDlg(QWidget *parent = nullptr);
    // Bound to another list file than the diary's exercise list.
    explicit CExerciseDlg(const QString &listFile, QWidget *parent = nullptr);
};
