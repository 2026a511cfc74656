#pragma once

#include "model/WeightUnit.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QRadioButton;

// The page "Common" of the options: which status images mark progress (shields or flags) and
// whether applying a training program pauses at each day, the unit weights are shown in
// (kilograms or pounds) and the appearance (desktop, light or dark).
class COptionsCommonPage : public QWidget
{
    Q_OBJECT

public:
    enum StatusChoice { Shields = 0, Flags = 1 };

    explicit COptionsCommonPage(QWidget *parent = nullptr);

    // Any choice above 0 shows Flags.
    void SetStatusChoice(int choice);
    StatusChoice GetStatusChoice() const;
    void SetDelay(bool delay);
    bool GetDelay() const;
    // The stored appearance value (see Appearance::Mode); anything unknown shows System.
    void SetAppearance(int appearance);
    int GetAppearance() const;
    void SetWeightUnit(WeightUnit unit);
    WeightUnit GetWeightUnit() const;

private:
    QRadioButton *m_shields;
    QRadioButton *m_flags;
    QCheckBox *m_delay;
    QButtonGroup *m_appearance;
    QRadioButton *m_kilograms;
    QRadioButton *m_pounds;
};
