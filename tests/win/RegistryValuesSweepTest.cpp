// Every registry value the program reads, stored with every value type and data sizes from 0 to
// 64 KB of text without a terminator: each is read as the program promises or stopped with its
// promised error, and nothing else that is stored is lost.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "logic/PlacementValues.h"
#include "logic/Settings.h"
#include "settings/PlacementRecord.h"
#include "settings/RegistryWording.h"
#include "settings/SettingsStore.h"
#include "shared/RegistryKeys.h"
#include "support/ProgramFixture.h"
#include "toolkit/Error.h"
#include "toolkit/Registry.h"

namespace {

const std::string kPlacementKey = std::string(logic::kSettingsSubKey) + "\\FormPosition";

const DWORD kTypes[] = {REG_NONE,     REG_SZ,    REG_EXPAND_SZ,
                        REG_BINARY,   REG_DWORD, REG_DWORD_BIG_ENDIAN,
                        REG_MULTI_SZ, REG_QWORD};
const DWORD kSizes[] = {0, 1, 3, 4, 5, 255, 4096, 65536};

// Every value of a key and of its subkeys, by path and name: type and bytes.
using Snapshot = std::map<std::string, std::pair<DWORD, std::vector<BYTE>>>;

void TakeSnapshot(const std::string& path, Snapshot& into) {
    const tk::UniqueKey key = testshared::OpenKey(HKEY_CURRENT_USER, path.c_str());
    if (!key) return;
    std::vector<BYTE> data(70000);
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD nameSize = sizeof name;
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (::RegEnumValueA(key.get(), i, name, &nameSize, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS)
            break;
        into[path + "|" + name] = {type, std::vector<BYTE>(data.begin(), data.begin() + size)};
    }
}

Snapshot Stored() {
    Snapshot all;
    TakeSnapshot(logic::kSettingsSubKey, all);
    TakeSnapshot(kPlacementKey, all);
    return all;
}

void Store(const std::string& path, const std::string& name, DWORD type, const void* data,
           DWORD size) {
    const tk::UniqueKey key = testshared::CreateKey(HKEY_CURRENT_USER, path.c_str());
    ASSERT_TRUE(key);
    ASSERT_EQ(
        ::RegSetValueExA(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
        ERROR_SUCCESS);
}

void StoreText(const std::string& path, const std::string& name, const std::string& text) {
    Store(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// What a read of the case's data promises: a text, an integer, or an error text.
struct Outcome {
    std::optional<std::string> text;
    std::optional<int32_t> integer;
    std::string error;
};

Outcome TextOutcome(const std::string& readName, DWORD type, const std::string& data) {
    if (data.empty()) return {std::string(), {}, {}};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return {{}, {}, "对 '" + readName + "' 的无效数据类型"};
    return {data, {}, {}};  // no terminator: the text is all of the data
}

Outcome IntegerOutcome(const std::string& readName, DWORD type, const std::string& data) {
    // The ANSI read hands out text with a terminator added, so four bytes of unterminated text
    // need five.
    const bool text = type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
    if (data.size() + (text && data.size() == 4) > 4)
        return {{}, {}, "无法获得对 '" + readName + "' 的数据"};
    if (type != REG_DWORD) return {{}, {}, "对 '" + readName + "' 的无效数据类型"};
    uint32_t value = 0;
    for (size_t i = data.size(); i-- > 0;) value = value << 8 | static_cast<unsigned char>(data[i]);
    return {{}, static_cast<int32_t>(value), {}};
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const tk::Error& error) {
        return error.what();
    }
    return {};
}

void ExpectRecord(const logic::Settings& settings, const logic::Settings& expected,
                  const std::string& where) {
    EXPECT_EQ(settings.previewText, expected.previewText) << where;
    EXPECT_EQ(settings.testText, expected.testText) << where;
    EXPECT_EQ(settings.fontListPoints, expected.fontListPoints) << where;
    EXPECT_EQ(settings.selectedListPoints, expected.selectedListPoints) << where;
    EXPECT_EQ(settings.markMissingGlyphs, expected.markMissingGlyphs) << where;
}

class RegistryValuesSweepTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::DeleteSettingsKey(); }
    void TearDown() override { testsupport::DeleteSettingsKey(); }
};

// The case data: digits, so that placement numbers read as numbers while they fit, and no
// terminator.
std::string CaseData(DWORD size) { return std::string(size, '7'); }

TEST_F(RegistryValuesSweepTest, SettingsValuesOfEveryTypeAndSize) {
    logic::Settings settings;
    const struct {
        const char* name;
        const char* readName;
        bool text;
    } values[] = {{logic::kPreviewTextValue, logic::kPreviewTextValue, true},
                  {logic::kTestTextValue, logic::kTestTextReadValue, true},
                  {logic::kFontListPointsValue, logic::kFontListPointsValue, false},
                  {logic::kSelectedListPointsValue, logic::kSelectedListPointsValue, false},
                  {logic::kMarkMissingGlyphsValue, logic::kMarkMissingGlyphsValue, false}};
    const logic::Settings good{"kept", "typed", 11, 22, true};
    int cases = 0;
    for (size_t v = 0; v < std::size(values); ++v) {
        for (const DWORD type : kTypes) {
            for (const DWORD size : kSizes) {
                testsupport::DeleteSettingsKey();
                StoreText(kPlacementKey, "NormPos", "1,2,3,4");  // the user's other data
                StoreText(logic::kSettingsSubKey, logic::kPreviewTextValue, good.previewText);
                StoreText(logic::kSettingsSubKey, logic::kTestTextValue, good.testText);
                Store(logic::kSettingsSubKey, logic::kFontListPointsValue, REG_DWORD,
                      &good.fontListPoints, 4);
                Store(logic::kSettingsSubKey, logic::kSelectedListPointsValue, REG_DWORD,
                      &good.selectedListPoints, 4);
                const int32_t markOn = 1;
                Store(logic::kSettingsSubKey, logic::kMarkMissingGlyphsValue, REG_DWORD, &markOn,
                      4);
                const std::string data = CaseData(size);
                Store(logic::kSettingsSubKey, values[v].name, type, data.data(), size);
                const Snapshot before = Stored();
                settings = logic::DefaultSettings();
                const logic::Settings defaults = settings;

                const std::string error = ErrorOf([&] { letterloom::LoadSettings(settings); });
                const Outcome expected = values[v].text
                                             ? TextOutcome(values[v].readName, type, data)
                                             : IntegerOutcome(values[v].readName, type, data);
                const std::string where = std::string(values[v].readName) + " type " +
                                          std::to_string(type) + " size " + std::to_string(size);
                ++cases;
                EXPECT_EQ(error, expected.error) << where;
                // Every other value loads all the same; the bad one leaves its default.
                logic::Settings loaded = good;
                if (v == 0)
                    loaded.previewText = expected.text.value_or(defaults.previewText);
                else if (v == 1)
                    loaded.testText = expected.text.value_or(defaults.testText);
                else if (v == 2)
                    loaded.fontListPoints = expected.integer.value_or(defaults.fontListPoints);
                else if (v == 3)
                    loaded.selectedListPoints =
                        expected.integer.value_or(defaults.selectedListPoints);
                else  // any number but 0 is on; the default is off
                    loaded.markMissingGlyphs = expected.integer.value_or(0) != 0;
                ExpectRecord(settings, loaded, where);
                EXPECT_EQ(Stored(), before) << where;  // a load changes nothing stored
                // The save at close keeps the user's other values.
                letterloom::SaveSettings(settings);
                settings = logic::DefaultSettings();
                letterloom::LoadSettings(settings);
                ExpectRecord(settings, loaded, where);
            }
        }
    }
    EXPECT_EQ(cases, 5 * 8 * 8);
}

TEST_F(RegistryValuesSweepTest, PlacementValuesOfEveryTypeAndSize) {
    const std::string sizedMinMax = logic::ScreenSizedName(
        logic::kMinMaxPosName, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    const std::string sizedNormPos = logic::ScreenSizedName(
        logic::kNormPosName, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    const std::string names[] = {logic::kFormVersionName,
                                 logic::kFlagsName,
                                 logic::kShowCmdName,
                                 logic::kPixelsPerInchName,
                                 sizedMinMax,
                                 logic::kMinMaxPosName,
                                 sizedNormPos,
                                 logic::kNormPosName,
                                 logic::kVisibleName};
    const struct OwnWindow {
        HWND hwnd;
        ~OwnWindow() { ::DestroyWindow(hwnd); }
        HWND get() const { return hwnd; }
    } window{::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 10, 20, 500, 450, nullptr,
                               nullptr, nullptr, nullptr)};
    ASSERT_NE(window.get(), nullptr);
    int cases = 0;
    for (const std::string& name : names) {
        for (const DWORD type : kTypes) {
            for (const DWORD size : kSizes) {
                testsupport::DeleteSettingsKey();
                StoreText(logic::kSettingsSubKey, logic::kPreviewTextValue, "kept");
                const std::string data = CaseData(size);
                Store(kPlacementKey, name, type, data.data(), size);
                const Snapshot before = Stored();
                ::MoveWindow(window.get(), 10, 20, 500, 450, FALSE);
                std::optional<logic::WindowState> state;
                // The steps of the restore, in its order; Visible is never read.
                const std::string error = ErrorOf([&] {
                    letterloom::WithSettingsWording([&] {
                        tk::RegistryKey values;
                        ASSERT_TRUE(values.Open(HKEY_CURRENT_USER, kPlacementKey, KEY_READ));
                        if (letterloom::StoredPlacementVersion(values) < 0) return;
                        letterloom::ApplyStoredPosition(values, window.get());
                        state = letterloom::StoredShowState(values);
                    });
                });
                const std::string where =
                    name + " type " + std::to_string(type) + " size " + std::to_string(size);
                ++cases;
                const bool read = name != logic::kVisibleName;
                const Outcome expected = TextOutcome(name, type, data);
                EXPECT_EQ(error, read ? expected.error : "") << where;
                if (name == logic::kShowCmdName && expected.error.empty()) {
                    // "7" minimises; longer runs and empty text are no show command: maximised.
                    EXPECT_EQ(state, size == 1 ? logic::WindowState::Minimized
                                               : logic::WindowState::Maximized)
                        << where;
                }
                RECT r{};
                ::GetWindowRect(window.get(), &r);
                EXPECT_GE(r.right - r.left, 0) << where;
                EXPECT_EQ(Stored(), before) << where;
            }
        }
    }
    EXPECT_EQ(cases, 9 * 8 * 8);
}

}  // namespace
