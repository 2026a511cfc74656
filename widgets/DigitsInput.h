#pragma once

#include <QString>
#include <QValidator>

// The input of a number field that takes digits only: at most maximumDigits of them; empty is
// not yet a number.
QValidator::State ValidateDigits(const QString &input, int maximumDigits);
