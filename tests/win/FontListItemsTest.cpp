// The items of the two font lists, drawn by the lists themselves and compared pixel for pixel
// with the layout drawn directly through GDI.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/pages/FontItemPainter.h"
#include "settings/SettingsStore.h"
#include "support/ProgramFixture.h"
#include "toolkit/MemoryBitmap.h"

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);

struct Colors {
    COLORREF text;
    COLORREF back;
};

Colors NormalColors() { return {RGB(0, 0, 0), ::GetSysColor(COLOR_WINDOW)}; }
Colors SelectedColors() {
    return {::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT)};
}

// A picture three rows of the item high, filled with a marker colour: the item goes into the
// middle row, and whatever is drawn outside it shows.
std::unique_ptr<tk::MemoryBitmap> MarkedBitmap(int width, int itemHeight) {
    auto bitmap = std::make_unique<tk::MemoryBitmap>(width, 3 * itemHeight);
    tk::UniqueBrush marker(::CreateSolidBrush(kUntouched));
    const RECT all{0, 0, width, 3 * itemHeight};
    ::FillRect(bitmap->DC(), &all, marker.get());
    return bitmap;
}

RECT MiddleRow(int width, int itemHeight) { return RECT{0, itemHeight, width, 2 * itemHeight}; }

// Draws an item the way the list does when the system asks it to.
std::unique_ptr<tk::MemoryBitmap> DrawnByList(tk::ListBox& list, int index, int width, UINT state) {
    const int itemHeight = list.ItemHeight();
    auto bitmap = MarkedBitmap(width, itemHeight);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = list.Handle();
    item.hDC = bitmap->DC();
    item.rcItem = MiddleRow(width, itemHeight);
    list.OnDrawItem(&item);
    return bitmap;
}

tk::UniqueFont MakeFont(const std::string& face, int height) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return tk::UniqueFont(::CreateFontIndirectA(&lf));
}

std::string InterfaceFace() {
    LOGFONTA lf{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    return lf.lfFaceName;
}

// The item's layout, written out: name in 12-point "times new roman" at x 1, centred in the
// band of item height - 1 plus one pixel; preview in the item's face with that cell height at
// (220, 1), cut at the item's right edge; both opaque.
std::unique_ptr<tk::MemoryBitmap> Expected(const std::string& name, const std::string& preview,
                                           int width, int itemHeight, Colors colors, bool focus) {
    auto bitmap = MarkedBitmap(width, itemHeight);
    HDC dc = bitmap->DC();
    const RECT item = MiddleRow(width, itemHeight);
    const int h = itemHeight - 1;
    tk::UniqueBrush back(::CreateSolidBrush(colors.back));
    ::FillRect(dc, &item, back.get());
    ::SetTextColor(dc, colors.text);
    ::SetBkColor(dc, colors.back);

    tk::UniqueFont nameFont = MakeFont("times new roman", -::MulDiv(12, 96, 72));
    {
        const tk::SelectScope selected(dc, nameFont.get());
        SIZE extent{};
        ::GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &extent);
        const int dy = (h - extent.cy) / 2 + 1;
        ::ExtTextOutA(dc, 1, item.top + dy, ETO_CLIPPED | ETO_OPAQUE, &item, name.c_str(),
                      static_cast<UINT>(name.size()), nullptr);
    }

    tk::UniqueFont previewFont = MakeFont(name == "Default" ? InterfaceFace() : name, h);
    if (width > 220) {
        const tk::SelectScope selected(dc, previewFont.get());
        const RECT clip{220, item.top, width, item.bottom};
        ::ExtTextOutA(dc, 220, item.top + 1, ETO_CLIPPED | ETO_OPAQUE, &clip, preview.c_str(),
                      static_cast<UINT>(preview.size()), nullptr);
    }
    if (focus) {
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::SetBkColor(dc, RGB(255, 255, 255));
        ::DrawFocusRect(dc, &item);
    }
    return bitmap;
}

// The first pixel where the two pictures differ, or an empty text.
std::string FirstDifference(const tk::MemoryBitmap& actual, const tk::MemoryBitmap& expected) {
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (actual.Pixel(x, y) != expected.Pixel(x, y)) {
                char text[96];
                wsprintfA(text, "at (%d,%d): %06lx instead of %06lx", x, y, actual.Pixel(x, y),
                          expected.Pixel(x, y));
                return text;
            }
    return {};
}

// Pixels in columns [left, right) of the middle row that are not the background.
int InkPixels(const tk::MemoryBitmap& bitmap, int itemHeight, int left, int right, COLORREF back) {
    int ink = 0;
    for (int y = itemHeight; y < 2 * itemHeight; ++y)
        for (int x = left; x < right; ++x) ink += bitmap.Pixel(x, y) != back;
    return ink;
}

// Marker pixels left in the middle row: parts of the item that were not painted.
int UnpaintedPixels(const tk::MemoryBitmap& bitmap, int itemHeight) {
    int unpainted = 0;
    for (int y = itemHeight; y < 2 * itemHeight; ++y)
        for (int x = 0; x < bitmap.Width(); ++x) unpainted += bitmap.Pixel(x, y) == kUntouched;
    return unpainted;
}

class FontListItemsTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
        ASSERT_GT(form->FontList().List().Count(), 6);
    }

    int IndexOf(const std::string& name) {
        for (int i = 0; i < form->FontList().List().Count(); ++i)
            if (form->FontList().List().Item(i) == name) return i;
        ADD_FAILURE() << "no font " << name;
        return 0;
    }

    void ExpectLayout(tk::ListBox& list, int index, int width, UINT state) {
        const std::string name = list.Item(index);
        const auto actual = DrawnByList(list, index, width, state);
        const auto expected = Expected(
            name, program->settings.previewText, width, list.ItemHeight(),
            (state & ODS_SELECTED) ? SelectedColors() : NormalColors(), (state & ODS_FOCUS) != 0);
        EXPECT_EQ(FirstDifference(*actual, *expected), "") << name;
    }
};

TEST_F(FontListItemsTest, EveryInstalledFontIsDrawnByTheLayout) {
    ASSERT_EQ(form->FontList().List().ItemHeight(), 21);
    for (int i = 0; i < form->FontList().List().Count(); ++i)
        ExpectLayout(form->FontList().List(), i, 520, 0);
}

TEST_F(FontListItemsTest, WorkedExamplePreviewHasACellHeightOfTwentyFromColumn220) {
    ASSERT_EQ(form->FontList().List().ItemHeight(), 21);
    program->settings.previewText = "AaBb";
    const int index = IndexOf("DejaVu Sans");
    tk::MemoryBitmap bitmap(520, 21);
    tk::Canvas& canvas = form->FontList().List().GetCanvas();
    canvas.Attach(bitmap.DC());
    canvas.Font() = form->FontList().List().GetFont();
    canvas.brushColor = tk::kClWindow;
    letterloom::DrawFontItem(form->FontList().List(), index, RECT{0, 0, 520, 21},
                             program->settings.previewText);
    // The preview is drawn last, so its font is still the one selected into the DC.
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(bitmap.DC(), &metrics);
    char face[LF_FACESIZE] = {};
    ::GetTextFaceA(bitmap.DC(), LF_FACESIZE, face);
    canvas.Attach(nullptr);
    EXPECT_EQ(metrics.tmHeight, 20);  // ascent plus descent, internal leading included
    EXPECT_STREQ(face, "DejaVu Sans");

    const COLORREF back = ::GetSysColor(COLOR_WINDOW);
    int left = 520, top = 21;
    for (int y = 0; y < 21; ++y)
        for (int x = 220; x < 520; ++x)
            if (bitmap.Pixel(x, y) != back) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    EXPECT_GE(left, 220);
    EXPECT_LE(left, 223);  // "A" starts at the preview column
    EXPECT_GE(top, 1);     // the text cell starts one pixel down
    EXPECT_LE(top, 4);
}

TEST_F(FontListItemsTest, NameAndPreviewBothShowInk) {
    const int index = IndexOf("DejaVu Sans");
    const auto drawn = DrawnByList(form->FontList().List(), index, 520, 0);
    const COLORREF back = ::GetSysColor(COLOR_WINDOW);
    EXPECT_GT(InkPixels(*drawn, 21, 0, 220, back), 50);
    EXPECT_GT(InkPixels(*drawn, 21, 220, 520, back), 50);
    EXPECT_EQ(UnpaintedPixels(*drawn, 21), 0);
}

TEST_F(FontListItemsTest, SelectedAndFocusedItemsKeepTheLayoutInHighlightColours) {
    const int index = IndexOf("Liberation Serif");
    ExpectLayout(form->FontList().List(), index, 520, ODS_SELECTED);
    ExpectLayout(form->FontList().List(), index, 520, ODS_SELECTED | ODS_FOCUS);
    ExpectLayout(form->FontList().List(), index, 520, ODS_FOCUS);
}

TEST_F(FontListItemsTest, DefaultPreviewsInTheInterfaceFaceAndSymbolFontsInTheirOwn) {
    ExpectLayout(form->FontList().List(), IndexOf("Default"), 520, 0);
    ExpectLayout(form->FontList().List(), IndexOf("Marlett"), 520, 0);
}

TEST_F(FontListItemsTest, LongNameIsCutAtThePreviewColumn) {
    const std::string longName(60, 'W');
    form->FontList().List().AddItem(longName);
    const int index = form->FontList().List().Count() - 1;
    ASSERT_EQ(form->FontList().List().Item(index), longName);
    program->settings.previewText.clear();
    const auto drawn = DrawnByList(form->FontList().List(), index, 520, 0);
    const COLORREF back = ::GetSysColor(COLOR_WINDOW);
    EXPECT_GT(InkPixels(*drawn, 21, 200, 220, back), 0);  // the name runs up to the column
    EXPECT_EQ(InkPixels(*drawn, 21, 220, 520, back), 0);  // and no further
    ExpectLayout(form->FontList().List(), index, 520, 0);
}

TEST_F(FontListItemsTest, NarrowListShowsNamesOnly) {
    const int index = IndexOf("DejaVu Serif");
    ExpectLayout(form->FontList().List(), index, 150, 0);
    ExpectLayout(form->FontList().List(), index, 220, 0);
    const auto drawn = DrawnByList(form->FontList().List(), index, 150, ODS_SELECTED);
    EXPECT_EQ(UnpaintedPixels(*drawn, 21), 0);
}

TEST_F(FontListItemsTest, ItemHeightOfOneDrawsInsideTheItemOnly) {
    program->settings.fontListPoints = 1;  // 96 × 1 div 72
    form->ApplyItemSizes();
    ASSERT_EQ(form->FontList().List().ItemHeight(), 1);
    const int index = IndexOf("Liberation Sans");
    ExpectLayout(form->FontList().List(), index, 520, 0);
    const auto drawn = DrawnByList(form->FontList().List(), index, 520, 0);
    for (int x = 0; x < 520; ++x) {
        ASSERT_EQ(drawn->Pixel(x, 0), kUntouched) << x;
        ASSERT_EQ(drawn->Pixel(x, 2), kUntouched) << x;
    }
}

TEST_F(FontListItemsTest, NewPreviewTextShowsAtTheNextDrawing) {
    const int index = IndexOf("Liberation Mono");
    const auto before = DrawnByList(form->FontList().List(), index, 520, 0);
    program->settings.previewText = "Quick 67890";
    ExpectLayout(form->FontList().List(), index, 520, 0);
    const auto after = DrawnByList(form->FontList().List(), index, 520, 0);
    EXPECT_NE(FirstDifference(*after, *before), "");
}

TEST_F(FontListItemsTest, TallerItemsGrowThePreviewAndCentreTheName) {
    program->settings.fontListPoints = 40;  // 53 pixels
    form->ApplyItemSizes();
    ASSERT_EQ(form->FontList().List().ItemHeight(), 53);
    ExpectLayout(form->FontList().List(), IndexOf("DejaVu Sans"), 600, 0);
}

TEST_F(FontListItemsTest, SelectedFontsListDrawsItsItemsAtItsOwnHeight) {
    testsupport::ClickListItem(form->FontList().List(), 3, MK_SHIFT);
    ASSERT_EQ(form->SelectedFonts().List().Count(), 4);
    ASSERT_EQ(form->SelectedFonts().List().ItemHeight(), 32);
    for (int i = 0; i < 4; ++i) ExpectLayout(form->SelectedFonts().List(), i, 520, 0);
    ExpectLayout(form->SelectedFonts().List(), 1, 520, ODS_SELECTED | ODS_FOCUS);
}

TEST_F(FontListItemsTest, TheListOnScreenShowsTheSameItems) {
    const RECT client = form->FontList().List().ClientRect();
    ASSERT_GT(client.right, 220);
    form->FontList().List().Repaint();
    RECT first{};
    ::SendMessageA(form->FontList().List().Handle(), LB_GETITEMRECT, 1,
                   reinterpret_cast<LPARAM>(&first));
    tk::MemoryBitmap shown(first.right, first.bottom - first.top);
    {
        tk::WindowDC screen(form->FontList().List().Handle());
        ::BitBlt(shown.DC(), 0, 0, shown.Width(), shown.Height(), screen.get(), 0, first.top,
                 SRCCOPY);
    }
    const auto expected =
        Expected(form->FontList().List().Item(1), program->settings.previewText, first.right,
                 form->FontList().List().ItemHeight(), NormalColors(), false);
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x)
            ASSERT_EQ(shown.Pixel(x, y), expected->Pixel(x, y + shown.Height())) << x << "," << y;
}

}  // namespace
