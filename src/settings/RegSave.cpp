#include "settings/RegSave.h"

#include <exception>

#include "settings/RegistryWording.h"
#include "toolkit/Registry.h"

namespace letterloom {

logic::TLetterloomConfigData ConfigData = [] {
    logic::TLetterloomConfigData defaults;
    logic::SetDefaultConfig(defaults);
    return defaults;
}();

namespace {

// Every value is read on its own: one unreadable value must not keep the others from loading,
// or the save at close would put the defaults over them. The first failure is reported after.
void ReadValues() {
    if (!tk::RegistryKey::KeyExists(HKEY_CURRENT_USER, logic::kSettingsSubKey)) return;
    tk::RegistryKey key;
    // A key that exists but does not open just yields no values.
    if (!key.Open(HKEY_CURRENT_USER, logic::kSettingsSubKey, KEY_ALL_ACCESS)) return;
    std::exception_ptr firstFailure;
    const auto read = [&](const char* name, const auto& readValue) {
        if (!key.ValueExists(name)) return;
        try {
            readValue();
        } catch (const tk::RegistryError&) {
            if (!firstFailure) firstFailure = std::current_exception();
        }
    };
    read(logic::kPrevStringName,
         [&] { ConfigData.PrevString = key.ReadString(logic::kPrevStringName); });
    read(logic::kTryStringName,
         [&] { ConfigData.TryString = key.ReadString(logic::kTryStringReadName); });
    read(logic::kFontListSizeName,
         [&] { ConfigData.FontListSize = key.ReadInteger(logic::kFontListSizeName); });
    read(logic::kSelectedListSizeName,
         [&] { ConfigData.SelectedListSize = key.ReadInteger(logic::kSelectedListSizeName); });
    if (firstFailure) std::rethrow_exception(firstFailure);
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
