#include "settings/SettingsStore.h"

#include <exception>

#include "settings/RegistryWording.h"
#include "toolkit/Registry.h"

namespace letterloom {

namespace {

// Every value is read on its own: one unreadable value must not keep the others from loading,
// or the save at close would put the defaults over them. The first failure is reported after.
void ReadValues(logic::Settings& settings) {
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
    read(logic::kPreviewTextValue,
         [&] { settings.previewText = key.ReadString(logic::kPreviewTextValue); });
    read(logic::kTestTextValue,
         [&] { settings.testText = key.ReadString(logic::kTestTextReadValue); });
    read(logic::kFontListPointsValue,
         [&] { settings.fontListPoints = key.ReadInteger(logic::kFontListPointsValue); });
    read(logic::kSelectedListPointsValue,
         [&] { settings.selectedListPoints = key.ReadInteger(logic::kSelectedListPointsValue); });
    // Missing or unreadable, the choice stays off.
    read(logic::kMarkMissingGlyphsValue, [&] {
        settings.markMissingGlyphs = key.ReadInteger(logic::kMarkMissingGlyphsValue) != 0;
    });
    if (firstFailure) std::rethrow_exception(firstFailure);
}

void WriteValues(const logic::Settings& settings) {
    tk::RegistryKey key;
    // When the key cannot be opened, the first write reports it.
    key.Create(HKEY_CURRENT_USER, logic::kSettingsSubKey, KEY_ALL_ACCESS);
    key.WriteString(logic::kPreviewTextValue, settings.previewText);
    key.WriteString(logic::kTestTextValue, settings.testText);
    key.WriteInteger(logic::kFontListPointsValue, settings.fontListPoints);
    key.WriteInteger(logic::kSelectedListPointsValue, settings.selectedListPoints);
    // Written once the user has turned the marks on: until then the key holds exactly the four
    // values it always held.
    if (settings.markMissingGlyphs || key.ValueExists(logic::kMarkMissingGlyphsValue))
        key.WriteInteger(logic::kMarkMissingGlyphsValue, settings.markMissingGlyphs ? 1 : 0);
}

}  // namespace

void LoadSettings(logic::Settings& settings) {
    WithSettingsWording([&] { ReadValues(settings); });
}

void SaveSettings(const logic::Settings& settings) {
    WithSettingsWording([&] { WriteValues(settings); });
}

}  // namespace letterloom
