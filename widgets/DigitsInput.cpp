#include "widgets/DigitsInput.h"

QValidator::State ValidateDigits(const QString &input, int maximumDigits)
{
    if (input.size() > maximumDigits)
        return QValidator::Invalid;
    for (const QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    }
    return input.isEmpty() ? QValidator::Intermediate : QValidator::Acceptable;
}
