#pragma once

#include <QAbstractSpinBox>

#include <optional>

// A whole-number field with up and down arrows: digits only, centred. A typed number is taken as
// it stands, even outside the range; the arrows, the arrow keys and the wheel step within the
// range and wrap around at both ends. From a number outside the range (or an empty field) a step
// up goes to the minimum and a step down to the maximum.
class CWrappingNumberEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    // At most this many digits can be typed, so every typed number fits an int.
    static constexpr int MaximumDigits = 9;

    CWrappingNumberEdit(int minimum, int maximum, QWidget *parent = nullptr);

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    void SetValue(int value);
    // The number in the field; nothing when the field does not hold a whole number.
    std::optional<int> Value() const;

    // The value after stepping from value within minimum..maximum, wrapping at both ends.
    static int Stepped(int value, int steps, int minimum, int maximum);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum;
    int m_maximum;
};
