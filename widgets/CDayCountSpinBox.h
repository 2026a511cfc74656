#pragma once

#include <QAbstractSpinBox>

// The day count field of the display range dialog: digits only, centred, with up/down buttons.
// Typed text is not range-checked (the caller decides what a count means), but the buttons, the
// arrow keys and the wheel step within the range and bring a count outside it back into it.
class CDayCountSpinBox : public QAbstractSpinBox
{
    Q_OBJECT

public:
    // At most this many digits can be typed.
    static constexpr int MaximumDigits = 4;

    explicit CDayCountSpinBox(QWidget *parent = nullptr);

    void SetStepRange(int minimum, int maximum);
    int StepMinimum() const { return m_minimum; }
    int StepMaximum() const { return m_maximum; }

    // The text read as a decimal integer; text that is not a number reads 0.
    int Value() const;
    void SetText(const QString &text);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Every change of the text, typed, stepped or set.
    void textChanged(const QString &text);

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum = 0;
    int m_maximum = 99;
};
