#pragma once

#include "editing/CNameDlg.h"

// "Add workout": picks a workout name from the workout name list. Renaming a workout uses it too,
// with its own caption and the workout's current name as the preset.
class CTrainingDlg : public CNameDlg
{
    Q_OBJECT

public:
    explicit CTrainingDlg(QWidget *parent = nullptr);
    // Bound to another list file than the diary's workout list.
    explicit CTrainingDlg(const QString &listFile, QWidget *parent = nullptr);

    // A non-empty title replaces the caption "Add workout".
    void SetTitle(const QString &title);
    // The name selected when the dialog opens (see CSmartComboBox::SelectPreset).
    void SetName(const QString &name);
};
