// Settings storage on the real registry of the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "logic/Settings.h"
#include "settings/SettingsStore.h"
#include "shared/RegistryKeys.h"
#include "support/ProgramFixture.h"
#include "toolkit/Error.h"

using testsupport::DeleteSettingsKey;

namespace {

struct StoredValue {
    DWORD type;
    std::vector<unsigned char> data;
};

std::map<std::string, StoredValue> StoredValues() {
    std::map<std::string, StoredValue> values;
    const tk::UniqueKey key = testshared::OpenKey(HKEY_CURRENT_USER, logic::kSettingsSubKey);
    if (!key) return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        unsigned char data[1024];
        DWORD dataLength = sizeof data;
        DWORD type = 0;
        if (::RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type, data,
                            &dataLength) != ERROR_SUCCESS)
            break;
        values[std::string(name, nameLength)] = {
            type, std::vector<unsigned char>(data, data + dataLength)};
    }
    return values;
}

void Store(const char* name, DWORD type, const void* data, DWORD size) {
    testsupport::StoreSettingsValue(name, type, data, size);
}

void StoreText(const char* name, const std::string& text) {
    Store(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void StoreInteger(const char* name, int32_t value) { Store(name, REG_DWORD, &value, 4); }

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteSettingsKey(); }
    void TearDown() override { DeleteSettingsKey(); }
    std::string LoadError() {
        try {
            letterloom::LoadSettings(settings);
        } catch (const tk::Error& error) {
            return error.what();
        }
        return {};
    }

    logic::Settings settings = logic::DefaultSettings();
};

TEST_F(SettingsStoreTest, WithoutTheKeyTheDefaultsStay) {
    letterloom::LoadSettings(settings);
    EXPECT_EQ(settings.previewText, "AaBbCcDc 12345 :-=");
    EXPECT_EQ(settings.testText, "用这来测试所有字体" + std::string(14, ' '));
    EXPECT_EQ(settings.fontListPoints, 16);
    EXPECT_EQ(settings.selectedListPoints, 24);
    EXPECT_FALSE(settings.markMissingGlyphs);
}

TEST_F(SettingsStoreTest, SaveWritesExactlyTheFourValuesByteForByte) {
    settings.previewText = "";
    settings.fontListPoints = -7;
    letterloom::SaveSettings(settings);
    const auto values = StoredValues();
    ASSERT_EQ(values.size(), 4u);

    const StoredValue& prev = values.at("PrevString");
    EXPECT_EQ(prev.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(prev.data, std::vector<unsigned char>{0});

    const StoredValue& test = values.at("TryString");
    EXPECT_EQ(test.type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(test.data.size(), 33u);  // 32 GBK bytes and the terminator
    EXPECT_EQ(std::string(test.data.begin(), test.data.end() - 1), settings.testText);

    const StoredValue& fontList = values.at("字体列表大小");
    EXPECT_EQ(fontList.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(fontList.data, (std::vector<unsigned char>{0xF9, 0xFF, 0xFF, 0xFF}));

    const StoredValue& selected = values.at("已选字体大小   ");
    EXPECT_EQ(selected.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(selected.data, (std::vector<unsigned char>{24, 0, 0, 0}));

    // The marks' value comes once they are turned on, and stays to remember them off.
    for (const bool marks : {true, false}) {
        settings.markMissingGlyphs = marks;
        letterloom::SaveSettings(settings);
        const StoredValue stored = StoredValues().at("MarkMissingGlyphs");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(stored.data,
                  (std::vector<unsigned char>{static_cast<unsigned char>(marks), 0, 0, 0}));
    }
    EXPECT_EQ(StoredValues().size(), 5u);
}

TEST_F(SettingsStoreTest, SavedValuesLoadBack) {
    settings = {"preview", "line one\r\nline two", 0, -3, true};
    letterloom::SaveSettings(settings);
    EXPECT_EQ(StoredValues().at("MarkMissingGlyphs").data,
              (std::vector<unsigned char>{1, 0, 0, 0}));
    settings = logic::DefaultSettings();
    letterloom::LoadSettings(settings);
    EXPECT_EQ(settings.previewText, "preview");
    EXPECT_EQ(settings.testText, "line one\r\nline two");
    EXPECT_EQ(settings.fontListPoints, 0);
    EXPECT_EQ(settings.selectedListPoints, -3);
    EXPECT_TRUE(settings.markMissingGlyphs);
}

TEST_F(SettingsStoreTest, SaveOverwritesValuesOfAnotherType) {
    StoreText("字体列表大小", "big");
    StoreInteger("PrevString", 5);
    letterloom::SaveSettings(settings);
    const auto values = StoredValues();
    EXPECT_EQ(values.at("字体列表大小").type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(values.at("PrevString").type, static_cast<DWORD>(REG_SZ));
}

TEST_F(SettingsStoreTest, TestTextIsFoundWhateverItsCapitalisation) {
    StoreText("TRYSTRING", "upper");
    letterloom::LoadSettings(settings);
    EXPECT_EQ(settings.testText, "upper");
}

TEST_F(SettingsStoreTest, OnlyTheStoredValuesReplaceFields) {
    StoreText("PrevString", "only this");
    StoreInteger("已选字体大小", 99);  // without the three trailing blanks: another value
    letterloom::LoadSettings(settings);
    EXPECT_EQ(settings.previewText, "only this");
    EXPECT_EQ(settings.testText, "用这来测试所有字体" + std::string(14, ' '));
    EXPECT_EQ(settings.fontListPoints, 16);
    EXPECT_EQ(settings.selectedListPoints, 24);
}

// The values after a bad one still load, so that the save at close keeps them.
TEST_F(SettingsStoreTest, TextOfAnotherTypeIsReportedAndTheOthersStillLoad) {
    StoreInteger("PrevString", 1);
    StoreInteger("字体列表大小", 30);
    EXPECT_EQ(LoadError(), "对 'PrevString' 的无效数据类型");
    EXPECT_EQ(settings.previewText, "AaBbCcDc 12345 :-=");
    EXPECT_EQ(settings.fontListPoints, 30);
}

TEST_F(SettingsStoreTest, TestTextErrorNamesTheValueAsRead) {
    Store("TryString", REG_BINARY, "ab", 2);
    EXPECT_EQ(LoadError(), "对 'TRYString' 的无效数据类型");
}

TEST_F(SettingsStoreTest, IntegerOfAnotherTypeIsReportedFirstAndEveryOtherValueLoads) {
    StoreText("PrevString", "loaded");
    StoreText("TryString", "typed");
    StoreText("字体列表大小", "12");  // three bytes with its terminator: fetched, wrong type
    const unsigned char eight[8] = {};
    Store("已选字体大小   ", REG_BINARY, eight, sizeof eight);
    EXPECT_EQ(LoadError(), "对 '字体列表大小' 的无效数据类型");
    EXPECT_EQ(settings.previewText, "loaded");
    EXPECT_EQ(settings.testText, "typed");
    EXPECT_EQ(settings.fontListPoints, 16);
    EXPECT_EQ(settings.selectedListPoints, 24);
    StoreInteger("已选字体大小   ", 50);
    EXPECT_EQ(LoadError(), "对 '字体列表大小' 的无效数据类型");
    EXPECT_EQ(settings.selectedListPoints, 50);
}

TEST_F(SettingsStoreTest, IntegerDataLongerThanFourBytesCannotBeFetched) {
    const unsigned char eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    Store("已选字体大小   ", REG_BINARY, eight, sizeof eight);
    EXPECT_EQ(LoadError(), "无法获得对 '已选字体大小   ' 的数据");
    StoreText("已选字体大小   ", "a long text");
    EXPECT_EQ(LoadError(), "无法获得对 '已选字体大小   ' 的数据");
}

TEST_F(SettingsStoreTest, ExpandableTextIsReadUnexpanded) {
    const std::string text = "%WINDIR%\\x";
    Store("PrevString", REG_EXPAND_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    letterloom::LoadSettings(settings);
    EXPECT_EQ(settings.previewText, text);
}

TEST_F(SettingsStoreTest, EmptyDataGivesEmptyText) {
    Store("PrevString", REG_SZ, "", 0);
    letterloom::LoadSettings(settings);
    EXPECT_EQ(settings.previewText, "");
}

TEST_F(SettingsStoreTest, TextWithoutTerminatorEndsAtItsData) {
    Store("PrevString", REG_SZ, "abc", 3);
    letterloom::LoadSettings(settings);
    EXPECT_EQ(settings.previewText, "abc");
}

}  // namespace
