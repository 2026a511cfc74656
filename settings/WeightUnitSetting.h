#pragma once

#include "model/WeightUnit.h"

class SettingsStore;

// The weight unit chosen in Options, shared by the diary and the notifier. Until one is chosen
// it follows the locale (WeightUnit::ForLocale).
namespace WeightUnitSetting {

WeightUnit Read(const SettingsStore &settings);
WeightUnit Read(); // from a fresh settings store
// Stores the unit once it differs from what Read gives, so that an untouched choice keeps
// following the locale.
void Write(SettingsStore &settings, WeightUnit unit);

} // namespace WeightUnitSetting
