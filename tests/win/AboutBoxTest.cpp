// The about box: its banner drawn as designed, the keys and buttons that close it (and
// the one that does not), and its texture and icon copy freed when it closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "about/AboutBox.h"
#include "resources/resource_ids.h"
#include "shared/WineBrowserOverride.h"
#include "support/DialogWatcher.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/UniqueHandle.h"

namespace {

HICON ProgramIcon() {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON));
}

std::vector<COLORREF> Pixels(const tk::MemoryBitmap& bitmap) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(::GetPixel(bitmap.DC(), x, y));
    return pixels;
}

// Draws text the way the design describes it, with nothing but plain GDI calls.
struct Pen {
    HDC dc;
    void Write(int x, int y, const char* text, int bytes) const {
        ::TextOutA(dc, x, y, text, bytes);
    }
    SIZE Use(const tk::UniqueFont& font, COLORREF colour, const char* text, int bytes) const {
        ::SelectObject(dc, font.get());
        ::SetTextColor(dc, colour);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text, bytes, &size);
        return size;
    }
};

HFONT Arial(HDC dc, int points, int weight, bool italic, bool underline) {
    const int height = -::MulDiv(points, ::GetDeviceCaps(dc, LOGPIXELSX), 72);
    return ::CreateFontA(height, 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET, 0, 0,
                         0, 0, "Arial");
}

// Where the version goes: under the end of the name, or ending 10 pixels before the right edge.
enum class Version { AfterTheName, AtTheRightEdge };

// The title's and the version's sizes, measured as the design says.
struct TitleSizes {
    SIZE title;
    SIZE version;
};

TitleSizes Measure(HDC dc, const std::string& name, const std::string& version) {
    const tk::UniqueFont titleFont(Arial(dc, 18, 700, false, false));
    const tk::UniqueFont versionFont(Arial(dc, 10, 700, true, false));
    // The font the canvas had comes back before the two go.
    const tk::SelectScope keep(dc, ::GetCurrentObject(dc, OBJ_FONT));
    const Pen pen{dc};
    return {pen.Use(titleFont, RGB(0, 0, 0), name.c_str(), int(name.size())),
            pen.Use(versionFont, RGB(255, 0, 0), version.c_str(), int(version.size()))};
}

// The pixels of the banner of the design: the BACK tiles from 20 pixels in, the icon, then the
// three texts.
std::vector<COLORREF> ExpectedBanner(SIZE banner, const std::string& name,
                                     const std::string& version, Version place) {
    tk::MemoryBitmap expected(banner.cx, banner.cy);
    tk::MemoryBitmap tile;
    tile.LoadResource(::GetModuleHandleA(nullptr), "BACK");
    for (int y = 0; y < banner.cy; y += 81)
        for (int x = -20; x < banner.cx; x += 81)
            ::BitBlt(expected.DC(), x, y, 81, 81, tile.DC(), 0, 0, SRCCOPY);
    HDC dc = expected.DC();
    ::DrawIcon(dc, 8, 8, ProgramIcon());
    ::SetBkMode(dc, TRANSPARENT);
    const tk::UniqueFont titleFont(Arial(dc, 18, 700, false, false));
    const tk::UniqueFont versionFont(Arial(dc, 10, 700, true, false));
    const tk::UniqueFont creditFont(Arial(dc, 10, 700, false, false));
    const tk::SelectScope originalFontBack(dc, titleFont.get());
    const Pen pen{dc};
    const int nameBytes = int(name.size()), versionBytes = int(version.size());
    const SIZE title = pen.Use(titleFont, RGB(0, 0, 0), name.c_str(), nameBytes);
    pen.Write(50, 8, name.c_str(), nameBytes);
    const SIZE versionSize = pen.Use(versionFont, RGB(255, 0, 0), version.c_str(), versionBytes);
    const int x1 = 50 + title.cx, y1 = 8 + title.cy;
    pen.Write(place == Version::AfterTheName ? x1 : banner.cx - versionSize.cx - 10, y1,
              version.c_str(), versionBytes);
    const char credit[] = "汉化: Vaskelor    ";
    const SIZE creditSize = pen.Use(creditFont, RGB(0, 0, 0), credit, 18);
    pen.Write(banner.cx - creditSize.cx - 10, y1 + versionSize.cy + 5, credit, 18);
    return Pixels(expected);
}

constexpr int kDesignWidth = 287;

struct BannerCase {
    const char* name;
    std::string productName;
    // The banner's width less the narrowest one in which the version follows the name with
    // the 10-pixel margin to its right; none for the width of the design.
    std::optional<int> fromNarrowest;
    Version version;
};
void PrintTo(const BannerCase& row, std::ostream* out) { *out << row.name; }

class AboutBannerTest : public ::testing::TestWithParam<BannerCase> {};

TEST_P(AboutBannerTest, ShowsTextureIconAndTextsInTheirFontsColoursAndPlaces) {
    const BannerCase& row = GetParam();
    letterloom::AboutBoxState box;
    box.icon.reset(static_cast<HICON>(::CopyImage(ProgramIcon(), IMAGE_ICON, 32, 32, 0)));
    box.productName = row.productName;
    box.versionText = "v1.2.0";
    box.texture.emplace(400, 150);
    letterloom::TileAboutTexture(*box.texture);

    int width = kDesignWidth;
    if (row.fromNarrowest) {
        const TitleSizes sizes = Measure(box.texture->DC(), box.productName, box.versionText);
        width = 50 + sizes.title.cx + sizes.version.cx + 10 + *row.fromNarrowest;
    }
    const SIZE banner{width, 75};
    tk::MemoryBitmap drawn(banner.cx, banner.cy);
    letterloom::DrawAboutBanner(drawn.DC(), banner, box);
    EXPECT_TRUE(Pixels(drawn) ==
                ExpectedBanner(banner, box.productName, box.versionText, row.version))
        << width << " pixels wide";
}

INSTANTIATE_TEST_SUITE_P(
    Names, AboutBannerTest,
    ::testing::Values(
        BannerCase{"VersionAfterTheName", "Letterloom", std::nullopt, Version::AfterTheName},
        BannerCase{"VersionAtTheRightEdge", "Letterloom Font Loom", std::nullopt,
                   Version::AtTheRightEdge},
        // On either side of the narrowest banner that has room for the margin too. (At that
        // width itself both places are the same.)
        BannerCase{"OnePixelToSpareBesideTheMargin", "Letterloom", 1, Version::AfterTheName},
        BannerCase{"OnePixelShortOfTheMargin", "Letterloom", -1, Version::AtTheRightEdge}),
    [](const auto& row) { return std::string(row.param.name); });

// What a second thread saw of the box while the test's thread ran it.
struct BoxVisit {
    std::function<void(HWND)> act;
    bool appeared = false;
    bool openAfterEscape = false;
    bool closedByAction = false;
    bool centred = false;
    bool dialogFontKept = false;
    HBITMAP texture = nullptr;
    HICON icon = nullptr;
};

// Works the box from a driver thread; boxThread is a marker on the thread that shows it.
void VisitBox(BoxVisit& visit, testsupport::QueueMarker& boxThread) {
    HWND box = nullptr;
    visit.appeared = testsupport::PollFor(
        [&] { return (box = testsupport::FindProcessWindow("#32770")) != nullptr; });
    if (!visit.appeared) return;
    const letterloom::AboutBoxState* state = letterloom::AboutBoxStateOf(box);
    visit.texture = state->texture->Bitmap();
    visit.icon = state->icon.get();
    RECT rect{};
    ::GetWindowRect(box, &rect);
    visit.centred = rect.left == (::GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2 &&
                    rect.top == (::GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
    // Escape first: the box must still be there once a marker posted after it has been handled.
    ::PostMessageA(::GetDlgItem(box, IDC_ABOUT_CLOSE), WM_KEYDOWN, VK_ESCAPE, 0);
    visit.openAfterEscape = boxThread.Reach() && ::IsWindow(box) && ::IsWindowVisible(box);
    // The banner's drawing borrows the button's DC with the dialog's font in it.
    const auto dialogFont = reinterpret_cast<HGDIOBJ>(::SendMessageA(box, WM_GETFONT, 0, 0));
    visit.dialogFontKept = ::GetObjectType(dialogFont) == OBJ_FONT;
    visit.act(box);
    visit.closedByAction = testsupport::PollFor([&] { return !::IsWindow(box); });
    if (!visit.closedByAction) ::PostMessageA(box, WM_CLOSE, 0, 0);
}

struct CloseCase {
    const char* name;
    std::function<void(HWND)> act;
};
void PrintTo(const CloseCase& row, std::ostream* out) { *out << row.name; }

class AboutBoxCloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutBoxCloseTest, EscapeLeavesTheBoxOpenAndThisClosesItFreeingTextureAndIcon) {
    // The link's page goes to a stand-in browser that does nothing.
    testshared::WineBrowserOverride noBrowser("true");
    BoxVisit visit{GetParam().act};
    {
        testsupport::QueueMarker boxThread;
        const testsupport::DriverThread visitor([&] {
            VisitBox(visit, boxThread);
            return true;
        });
        letterloom::ShowAboutBox(nullptr, ProgramIcon(), "Letterloom", "v1.2.0");
    }  // the visitor is done

    ASSERT_TRUE(visit.appeared);
    EXPECT_TRUE(visit.centred);
    EXPECT_TRUE(visit.openAfterEscape);
    EXPECT_TRUE(visit.dialogFontKept);
    EXPECT_TRUE(visit.closedByAction);
    EXPECT_NE(visit.texture, nullptr);
    EXPECT_EQ(::GetObjectType(visit.texture), 0u) << "the texture was not freed";
    ICONINFO info{};
    EXPECT_NE(visit.icon, nullptr);
    EXPECT_FALSE(::GetIconInfo(visit.icon, &info)) << "the icon copy was not freed";
}

void Post(HWND box, int control, UINT message, WPARAM wParam) {
    ::PostMessageA(control ? ::GetDlgItem(box, control) : box, message, wParam, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxCloseTest,
    ::testing::Values(
        CloseCase{"Enter", [](HWND box) { Post(box, IDC_ABOUT_CLOSE, WM_KEYDOWN, VK_RETURN); }},
        CloseCase{"CloseButton", [](HWND box) { Post(box, IDC_ABOUT_CLOSE, BM_CLICK, 0); }},
        CloseCase{"CaptionCloseBox", [](HWND box) { Post(box, 0, WM_SYSCOMMAND, SC_CLOSE); }},
        CloseCase{"Link", [](HWND box) { Post(box, IDC_ABOUT_LINK, BM_CLICK, 0); }}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
