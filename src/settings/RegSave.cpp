#include "settings/RegSave.h"

#include "settings/RegistryWording.h"
#include "toolkit/Registry.h"

namespace letterloom {

logic::TLetterloomConfigData ConfigData = [] {
    logic::TLetterloomConfigData defaults;
    logic::SetDefaultConfig(defaults);
    return defaults;
}();

namespace {

void ReadValues() {
    if (!tk::RegistryKey::KeyExists(HKEY_CURRENT_USER, logic::kSettingsSubKey)) return;
    tk::RegistryKey key;
    // A key that exists but does not open just yields no values.
    if (!key.Open(HKEY_CURRENT_USER, logic::kSettingsSubKey, KEY_ALL_ACCESS)) return;
    if (key.ValueExists(logic::kPrevStringName))
        ConfigData.PrevString = key.ReadString(logic::kPrevStringName);
    if (key.ValueExists(logic::kTryStringName))
        ConfigData.TryString = key.ReadString(logic::kTryStringReadName);
    if (key.ValueExists(logic::kFontListSizeName))
        ConfigData.FontListSize = key.ReadInteger(logic::kFontListSizeName);
    if (key.ValueExists(logic::kSelectedListSizeName))
        ConfigData.SelectedListSize = key.ReadInteger(logic::kSelectedListSizeName);
}

void WriteValues() {
    tk::RegistryKey key;
    // When the key cannot be opened, the first write reports it.
    key.Create(HKEY_CURRENT_USER, logic::kSettingsSubKey, KEY_ALL_ACCESS);
    key.WriteString(logic::kPrevStringName, ConfigData.PrevString);
    key.WriteString(logic::kTryStringName, ConfigData.TryString);
    key.WriteInteger(logic::kFontListSizeName, ConfigData.FontListSize);
    key.WriteInteger(logic::kSelectedListSizeName, ConfigData.SelectedListSize);
}

}  // namespace

void SetDefaultConfig() { logic::SetDefaultConfig(ConfigData); }

void LoadConfig() { WithSettingsWording(ReadValues); }

void SaveConfig() { WithSettingsWording(WriteValues); }

}  // namespace letterloom
