#include "widgets/CDayCountSpinBox.h"

#include "widgets/DigitsInput.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

CDayCountSpinBox::CDayCountSpinBox(QWidget *parent)
    : QAbstractSpinBox(parent)
{
    setAlignment(Qt::AlignCenter);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    lineEdit()->setMaxLength(MaximumDigits);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CDayCountSpinBox::textChanged);
}

void CDayCountSpinBox::SetStepRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    update();
}

int CDayCountSpinBox::Value() const
{
    return text().toInt();
}

void CDayCountSpinBox::SetText(const QString &text)
{
    lineEdit()->setText(text);
}

void CDayCountSpinBox::stepBy(int steps)
{
    const qint64 stepped = qint64(Value()) + steps;
    SetText(QString::number(qBound(qint64(m_minimum), stepped, qint64(m_maximum))));
    selectAll();
}

QValidator::State CDayCountSpinBox::validate(QString &input, int &) const
{
    return ValidateDigits(input, MaximumDigits);
}

QAbstractSpinBox::StepEnabled CDayCountSpinBox::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    const int value = Value();
    StepEnabled enabled = StepNone;
    if (value < m_maximum)
        enabled |= StepUpEnabled;
    if (value > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QSize CDayCountSpinBox::sizeHint() const
{
    // Room for the widest count that can be typed, plus the frame and the buttons.
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QString(MaximumDigits + 1, QLatin1Char('0')));
    const QSize content(textWidth, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize CDayCountSpinBox::minimumSizeHint() const
{
    return sizeHint();
}
