#include "settings/WeightUnitSetting.h"

#include "settings/SettingsStore.h"

namespace WeightUnitSetting {

WeightUnit Read(const SettingsStore &settings)
{
    switch (settings.Read(SettingsKeys::WeightUnitChoice)) {
    case WeightUnit::Kilograms:
        return WeightUnit::Kilograms;
    case WeightUnit::Pounds:
        return WeightUnit::Pounds;
    default:
        return WeightUnit::ForLocale();
    }
}

WeightUnit Read()
{
    const SettingsStore settings;
    return Read(settings);
}

void Write(SettingsStore &settings, WeightUnit unit)
{
    if (unit != Read(settings))
        settings.Write(SettingsKeys::WeightUnitChoice, unit.GetKind());
}

} // namespace WeightUnitSetting
