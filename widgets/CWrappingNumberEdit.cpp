#include "widgets/CWrappingNumberEdit.h"

#include "widgets/DigitsInput.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

CWrappingNumberEdit::CWrappingNumberEdit(int minimum, int maximum, QWidget *parent)
    : QAbstractSpinBox(parent)
    , m_minimum(minimum)
    , m_maximum(qMax(minimum, maximum))
{
    setAlignment(Qt::AlignCenter);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setWrapping(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setMaxLength(MaximumDigits);
}

void CWrappingNumberEdit::SetValue(int value)
{
    lineEdit()->setText(QString::number(value));
}

std::optional<int> CWrappingNumberEdit::Value() const
{
    bool ok = false;
    const int value = text().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

int CWrappingNumberEdit::Stepped(int value, int steps, int minimum, int maximum)
{
    if (value < minimum || value > maximum)
        return steps > 0 ? minimum : maximum;
    const qint64 span = qint64(maximum) - minimum + 1;
    qint64 offset = (qint64(value) - minimum + steps) % span;
    if (offset < 0)
        offset += span;
    return int(minimum + offset);
}

void CWrappingNumberEdit::stepBy(int steps)
{
    if (steps == 0)
        return;
    const std::optional<int> value = Value();
    const int from = value ? *value : m_minimum - 1; // an empty field is outside the range
    SetValue(Stepped(from, steps, m_minimum, m_maximum));
    selectAll();
}

QValidator::State CWrappingNumberEdit::validate(QString &input, int &) const
{
    return ValidateDigits(input, MaximumDigits);
}

QAbstractSpinBox::StepEnabled CWrappingNumberEdit::stepEnabled() const
{
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

QSize CWrappingNumberEdit::sizeHint() const
{
    // Room for five digits, plus the frame and the arrows.
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("00000"));
    const QSize content(textWidth, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize CWrappingNumberEdit::minimumSizeHint() const
{
    return sizeHint();
}
