#pragma once

#include "model/WeightUnit.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;

// The page "Common" of the options: which status images mark progress (shields or flags) and
// whether applying a training program pauses at each day, the unit weights are shown in
// (kilograms or pounds), the appearance (desktop, light or dark) and the language, which takes
// effect at the next start.
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
    // The stored language code (see AppLanguage); anything unknown shows System.
    void SetLanguage(const QString &code);
    QString GetLanguage() const;

private:
    QRadioButton *m_shields;
    QRadioButton *m_flags;
    QCheckBox *m_delay;
    QButtonGroup *m_appearance;
    QRadioButton *m_kilograms;
    QRadioButton *m_pounds;
    QComboBox *m_language;
};
