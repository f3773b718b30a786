// The about box: its banner drawn as designed, the keys and buttons that close it (and
// the one that does not), and its texture and icon copy freed when it closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "about/GenABoxUnit.h"
#include "resources/resource_ids.h"
#include "shared/WineBrowserOverride.h"
#include "support/DialogWatcher.h"
#include "toolkit/MemoryBitmap.h"

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
    SIZE Use(HFONT font, COLORREF colour, const char* text, int bytes) const {
        ::DeleteObject(::SelectObject(dc, font));
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

// The pixels of the banner of the design: the BACK tiles from 20 pixels in, the icon, then the
// three texts.
std::vector<COLORREF> ExpectedBanner(SIZE banner, const std::string& name,
                                     const std::string& version) {
    tk::MemoryBitmap expected(banner.cx, banner.cy);
    tk::MemoryBitmap tile;
    tile.LoadResource(::GetModuleHandleA(nullptr), "BACK");
    for (int y = 0; y < banner.cy; y += 81)
        for (int x = -20; x < banner.cx; x += 81)
            ::BitBlt(expected.DC(), x, y, 81, 81, tile.DC(), 0, 0, SRCCOPY);
    HDC dc = expected.DC();
    ::DrawIcon(dc, 8, 8, ProgramIcon());
    ::SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ original = ::GetCurrentObject(dc, OBJ_FONT);
    const Pen pen{dc};
    const int nameBytes = int(name.size()), versionBytes = int(version.size());
    const SIZE title =
        pen.Use(Arial(dc, 18, 700, false, false), RGB(0, 0, 0), name.c_str(), nameBytes);
    pen.Write(50, 8, name.c_str(), nameBytes);
    const SIZE versionSize =
        pen.Use(Arial(dc, 10, 700, true, false), RGB(255, 0, 0), version.c_str(), versionBytes);
    const int x1 = 50 + title.cx, y1 = 8 + title.cy;
    const bool fits = x1 + versionSize.cx + 10 <= banner.cx;
    pen.Write(fits ? x1 : banner.cx - versionSize.cx - 10, y1, version.c_str(), versionBytes);
    const char credit[] = "汉化: Vaskelor    ";
    const SIZE creditSize = pen.Use(Arial(dc, 10, 700, false, false), RGB(0, 0, 0), credit, 18);
    pen.Write(banner.cx - creditSize.cx - 10, y1 + versionSize.cy + 5, credit, 18);
    ::DeleteObject(::SelectObject(dc, original));
    return Pixels(expected);
}

struct BannerCase {
    const char* name;
    std::string productName;
};
void PrintTo(const BannerCase& row, std::ostream* out) { *out << row.name; }

class AboutBannerTest : public ::testing::TestWithParam<BannerCase> {};

TEST_P(AboutBannerTest, ShowsTextureIconAndTextsInTheirFontsColoursAndPlaces) {
    letterloom::AboutBoxState box;
    box.icon.reset(static_cast<HICON>(::CopyImage(ProgramIcon(), IMAGE_ICON, 32, 32, 0)));
    box.productName = GetParam().productName;
    box.versionText = "v1.2.0";
    box.texture.emplace(400, 150);
    letterloom::TileAboutTexture(*box.texture);

    const SIZE banner{287, 75};
    tk::MemoryBitmap drawn(banner.cx, banner.cy);
    letterloom::DrawAboutBanner(drawn.DC(), banner, box);
    EXPECT_TRUE(Pixels(drawn) == ExpectedBanner(banner, box.productName, box.versionText));
}

INSTANTIATE_TEST_SUITE_P(Names, AboutBannerTest,
                         ::testing::Values(BannerCase{"VersionAfterTheName", "Letterloom"},
                                           // Too long for the version to follow it: the version
                                           // ends 10 pixels before the right edge instead.
                                           BannerCase{"VersionAtTheRightEdge",
                                                      "Letterloom Font Loom"}),
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

bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 250 && !condition(); ++i) ::Sleep(20);
    return condition();
}

DWORD WINAPI VisitBox(void* param) {
    auto* visit = static_cast<BoxVisit*>(param);
    HWND box = nullptr;
    visit->appeared = WaitFor([&] { return (box = testsupport::FindProcessWindow("#32770")); });
    if (!visit->appeared) return 0;
    visit->texture = letterloom::AboutBox().texture->Bitmap();
    visit->icon = letterloom::AboutBox().icon.get();
    RECT rect{};
    ::GetWindowRect(box, &rect);
    visit->centred =
        rect.left == (::GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2 &&
        rect.top == (::GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
    // Escape first: the box must still be there afterwards.
    ::PostMessageA(::GetDlgItem(box, IDC_ABOUT_CLOSE), WM_KEYDOWN, VK_ESCAPE, 0);
    ::Sleep(300);
    visit->openAfterEscape = ::IsWindow(box) && ::IsWindowVisible(box);
    // The banner's drawing borrows the button's DC with the dialog's font in it.
    const auto dialogFont = reinterpret_cast<HGDIOBJ>(::SendMessageA(box, WM_GETFONT, 0, 0));
    visit->dialogFontKept = ::GetObjectType(dialogFont) == OBJ_FONT;
    visit->act(box);
    visit->closedByAction = WaitFor([&] { return !::IsWindow(box); });
    if (!visit->closedByAction) ::PostMessageA(box, WM_CLOSE, 0, 0);
    return 0;
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
    HANDLE visitor = ::CreateThread(nullptr, 0, VisitBox, &visit, 0, nullptr);
    letterloom::ShowAboutBox(nullptr, ProgramIcon(), "Letterloom", "v1.2.0");
    ::WaitForSingleObject(visitor, INFINITE);
    ::CloseHandle(visitor);

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
