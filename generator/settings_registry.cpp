#include "generator/settings_registry.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace fanwright {

namespace {

struct SettingValue {
    const wchar_t* name;
    std::int32_t GeneratorSettings::*field;
};

// Read and written in this order, each under its field's name.
constexpr std::array<SettingValue, 6> settingValues = {{
    {L"freqMelding", &GeneratorSettings::freqMelding},
    {L"freqChow", &GeneratorSettings::freqChow},
    {L"freqPung", &GeneratorSettings::freqPung},
    {L"freqSpecial", &GeneratorSettings::freqSpecial},
    {L"freqFlags", &GeneratorSettings::freqFlags},
    {L"minPoints", &GeneratorSettings::minPoints},
}};

// A value of another type or longer than four bytes counts as absent and leaves the field as
// it was; validation then deals with what a DWORD holds.
void readValue(HKEY key, const SettingValue& value, GeneratorSettings& settings)
{
    DWORD data = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof data;  // afresh for each read: the call overwrites it
    const LONG status =
        RegQueryValueExW(key, value.name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof data)
        settings.*value.field = static_cast<std::int32_t>(data);
}

}  // namespace

bool loadSettings(GeneratorSettings& settings)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return false;
    for (const SettingValue& value : settingValues)
        readValue(key, value, settings);
    settings.validate();
    RegCloseKey(key);
    return true;
}

bool saveSettings(const GeneratorSettings& settings)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    // A single failed write is dropped: there is nobody to tell at exit.
    for (const SettingValue& value : settingValues) {
        const DWORD data = static_cast<DWORD>(settings.*value.field);
        RegSetValueExW(key, value.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                       sizeof data);
    }
    RegCloseKey(key);
    return true;
}

}  // namespace fanwright
