// Keeping the generator settings between runs, in the current user's registry (Windows only).
#pragma once

#include "generator/settings.h"

namespace fanwright {

// Key of the six REG_DWORD values, under HKEY_CURRENT_USER.
inline constexpr const wchar_t* SettingsKeyPath = L"Software\\Fanwright";

// Reads every value the key holds into the settings, then validates them; fields without a
// usable value keep what they had. False when the key cannot be opened (first run).
bool loadSettings(GeneratorSettings& settings);

// Writes all six values, creating the key if needed. False when the key cannot be created.
bool saveSettings(const GeneratorSettings& settings);

}  // namespace fanwright
