#pragma once

class QPalette;
class SettingsStore;

// The appearance of the running program: the Fusion style with the light or the dark window
// palette, chosen in the options and stored in the settings that both programs read. Applying
// it changes the application's palette, so every open window repaints in it at once.
namespace Appearance {

enum class Mode { System = 0, Light = 1, Dark = 2 };

// The stored value as a mode; anything unknown follows the desktop.
Mode ModeOf(int stored);
Mode Stored(const SettingsStore &settings);

// Whether a mode asks for dark windows, given the palette that the desktop offers.
bool WantsDark(Mode mode, const QPalette &desktop);

// Sets the Fusion style and the palette of the mode on the application.
void Apply(Mode mode);

} // namespace Appearance
