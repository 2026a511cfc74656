#include "model/NumberText.h"

#include <QCoreApplication>

#include <cmath>

QString CountText(qsizetype count, const QString &singular, const QString &plural)
{
    const QString noun =
        count == 1 ? singular : (plural.isEmpty() ? singular + QLatin1Char('s') : plural);
    return QString::number(count) + QLatin1Char(' ') + noun;
}

QString CountText(qsizetype count, const char *source, const QString &singular,
                  const QString &plural)
{
    const int n = int(count);
    const QString translated = QCoreApplication::translate("CountText", source, nullptr, n);
    QString untranslated = QString::fromUtf8(source);
    untranslated.replace(QLatin1String("%n"), QString::number(n));
    return translated == untranslated ? CountText(count, singular, plural) : translated;
}

QString DecimalText(double value, int maxDecimals, const QLocale &locale)
{
    const double scale = std::pow(10.0, maxDecimals);
    const double rounded = std::round(value * scale) / scale;
    int decimals = maxDecimals;
    // Drop the decimals that are zero: whole hundredths rounded to tenths, and so on.
    while (decimals > 0) {
        const double step = std::pow(10.0, decimals - 1);
        if (std::abs(std::round(rounded * step) - rounded * step) > 1e-6)
            break;
        --decimals;
    }
    return locale.toString(rounded == 0.0 ? 0.0 : rounded, 'f', decimals);
}
