// Marking the cells whose font has no glyph of its own: a font of known characters, loaded for
// this process only, against the same map unmarked; the count in the status bar; the toggle.
#include <windows.h>

#include <gtest/gtest.h>

#include "CharMapTestSupport.h"
#include "toolkit/Application.h"

namespace {

using charmaptest::CharMapTest;

constexpr const char* kFont = "Letterloom Coverage";
constexpr int kS = 70;
constexpr int kColumns = 5;
constexpr COLORREF kTint = RGB(224, 224, 224);
// The font draws the printable ASCII characters but the small letters, and the euro sign (0x80).
constexpr int kCovered = 70;
bool HasGlyph(int code) {
    return (code >= ' ' && code <= '`') || (code >= '{' && code <= '~') || code == 0x80;
}

std::string BesideThisProgram(const std::string& name) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.find_last_of("\\/") + 1) + name;
}

int DifferentPixelsInCell(tk::MemoryBitmap& a, tk::MemoryBitmap& b, int code) {
    const logic::CellOrigin cell = logic::CellOriginFor(code, kS, kColumns, 0, 0);
    int different = 0;
    for (int y = cell.top; y < cell.top + kS; ++y)
        for (int x = cell.left; x < cell.left + kS; ++x)
            different += a.Pixel(x, y) != b.Pixel(x, y);
    return different;
}

class GlyphMarksTest : public CharMapTest {
protected:
    void SetUp() override {
        CharMapTest::SetUp();
        ASSERT_GT(::AddFontResourceExA(fontFile_.c_str(), FR_PRIVATE, nullptr), 0) << fontFile_;
    }
    void TearDown() override {
        CharMapTest::TearDown();
        ::RemoveFontResourceExA(fontFile_.c_str(), FR_PRIVATE, nullptr);
    }
    void Toggle() {
        form->CharMap().Toolbar().ClickButton(form->CharMap().MarkMissingButton());
        testsupport::Pump();
    }
    std::string Count() { return form->StatusBar().PanelText(1); }
    bool Checked() {
        tk::Application::Instance().DoIdle();
        return form->CharMap().Toolbar().ButtonChecked(form->CharMap().MarkMissingButton());
    }

private:
    std::string fontFile_ = BesideThisProgram("letterloom-coverage.ttf");
};

TEST_F(GlyphMarksTest, MarkedCellsAreTheOnesWithoutAGlyphAndTheRestLookAsUnmarked) {
    OpenMap(kFont, charmaptest::WidthForColumns(kColumns));
    EXPECT_FALSE(Checked());
    EXPECT_EQ(Count(), "");
    tk::MemoryBitmap unmarked;
    unmarked.Assign(Map());

    Toggle();
    EXPECT_TRUE(Checked());
    EXPECT_TRUE(program->settings.markMissingGlyphs);
    EXPECT_EQ(Count(), "70 / 224");
    for (int code = 32; code <= 255; ++code) {
        const int different = DifferentPixelsInCell(Map(), unmarked, code);
        if (HasGlyph(code))
            EXPECT_EQ(different, 0) << code;
        else
            EXPECT_GT(different, 1000) << code;  // the tint fills the cell
    }
    EXPECT_EQ(charmaptest::CellsWithInterior(Map(), kColumns, kTint), 224 - kCovered);

    ShowPage("字体列表");
    EXPECT_EQ(Count(), "");
    ShowPage("字符映射表");
    EXPECT_EQ(Count(), "70 / 224");
    Toggle();
    EXPECT_FALSE(program->settings.markMissingGlyphs);
    EXPECT_EQ(Count(), "");
    for (int code = 32; code <= 255; ++code)
        EXPECT_EQ(DifferentPixelsInCell(Map(), unmarked, code), 0) << code;
}

TEST_F(GlyphMarksTest, AStoredChoiceStartsTheMapMarked) {
    const DWORD on = 1;
    testsupport::StoreSettingsValue("MarkMissingGlyphs", REG_DWORD, &on, sizeof on);
    OpenMap(kFont, charmaptest::WidthForColumns(kColumns));
    EXPECT_TRUE(Checked());
    EXPECT_EQ(Count(), "70 / 224");
    EXPECT_EQ(charmaptest::CellsWithInterior(Map(), kColumns, kTint), 224 - kCovered);
}

}  // namespace
