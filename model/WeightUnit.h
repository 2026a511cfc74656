#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

// The unit weights are shown, typed and exported in. The diary keeps kilograms; pounds live only
// on the way to and from people and exported files (1 lb = 0.45359237 kg). Shown in pounds, a
// weight is rounded to one decimal; a pound value taken in becomes kilograms with two decimals.
// Every text that shows or reads a weight goes through here, so all views agree.
class WeightUnit
{
public:
    enum Kind { Kilograms = 0, Pounds = 1 };
    static constexpr double PoundInKg = 0.45359237;

    constexpr WeightUnit(Kind kind = Kilograms)
        : m_kind(kind)
    {
    }
    // Pounds where the locale measures in the US system (en_US), kilograms elsewhere (en_GB too).
    static WeightUnit ForLocale(const QLocale &locale = QLocale());
    // The unit of a symbol as the command line takes it: "kg" or "lb" (also "lbs"), any case.
    static std::optional<WeightUnit> FromSymbol(const QString &symbol);

    Kind GetKind() const { return m_kind; }
    bool IsPounds() const { return m_kind == Pounds; }
    QString Symbol() const; // "kg", "lb", as files and the command line write them
    // The symbol as the window shows it: the installed translation's ("кг", "фнт" in Russian).
    QString ShownSymbol() const;
    // A name with the shown unit: "Weight (lb)".
    QString Labelled(const QString &name) const;
    // Decimals of a shown weight: two for kilograms, one for pounds.
    int Decimals() const { return IsPounds() ? 1 : 2; }

    // A weight or weight-based measure held in kilograms as shown in this unit.
    double Shown(double kg) const;
    // The largest shown value that stays within kg (a field's upper bound).
    double Limit(double kg) const;
    // A value shown, typed or exported in this unit in kilograms: pounds give two decimals.
    double ToKg(double value) const;
    // The shown text with all its decimals and a point: "82.50" kg, "181.9" lb.
    QString Text(double kg) const;
    // The shown text without trailing zeros: "82.5", "180"; in the given locale.
    QString Compact(double kg, const QLocale &locale = QLocale::c()) const;
    // A weight as exported: kilograms as the diary file writes them, pounds with two decimals,
    // which ToKg turns back into the same kilograms.
    QByteArray ExchangeText(float kg) const;

    friend bool operator==(WeightUnit, WeightUnit) = default;

private:
    Kind m_kind;
};
