#include "model/WeightUnit.h"

#include "model/DatabaseWriter.h"
#include "model/NumberText.h"

#include <QCoreApplication>

#include <cmath>

namespace {

double RoundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

WeightUnit WeightUnit::ForLocale(const QLocale &locale)
{
    // The United Kingdom counts as imperial to QLocale, but its gyms and plates are metric.
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? Pounds : Kilograms;
}

std::optional<WeightUnit> WeightUnit::FromSymbol(const QString &symbol)
{
    const QString lower = symbol.trimmed().toLower();
    if (lower == QLatin1String("kg"))
        return WeightUnit(Kilograms);
    if (lower == QLatin1String("lb") || lower == QLatin1String("lbs"))
        return WeightUnit(Pounds);
    return std::nullopt;
}

QString WeightUnit::Symbol() const
{
    return IsPounds() ? QStringLiteral("lb") : QStringLiteral("kg");
}

QString WeightUnit::ShownSymbol() const
{
    return IsPounds() ? QCoreApplication::translate("WeightUnit", "lb")
                      : QCoreApplication::translate("WeightUnit", "kg");
}

QString WeightUnit::Labelled(const QString &name) const
{
    return QStringLiteral("%1 (%2)").arg(name, ShownSymbol());
}

double WeightUnit::Shown(double kg) const
{
    return IsPounds() ? RoundTo(kg / PoundInKg, 1) : kg;
}

double WeightUnit::Limit(double kg) const
{
    return IsPounds() ? std::floor(kg / PoundInKg * 10.0) / 10.0 : kg;
}

double WeightUnit::ToKg(double value) const
{
    return IsPounds() ? RoundTo(value * PoundInKg, 2) : value;
}

QString WeightUnit::Text(double kg) const
{
    return QString::number(Shown(kg), 'f', Decimals());
}

QString WeightUnit::Compact(double kg, const QLocale &locale) const
{
    return DecimalText(Shown(kg), Decimals(), locale);
}

QByteArray WeightUnit::ExchangeText(float kg) const
{
    if (!IsPounds())
        return DatabaseWriter::WeightText(kg);
    return QByteArray::number(RoundTo(double(kg) / PoundInKg, 2), 'f', 2);
}
