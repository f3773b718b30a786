#include "about/AboutBanner.h"

namespace letterloom {

namespace {

constexpr tk::Color kBlack = 0x000000;
constexpr tk::Color kRed = 0x0000FF;
constexpr tk::Color kBlue = 0xFF0000;
constexpr int kRightMargin = 10;

void DrawText(HDC dc, int x, int y, const std::string& text) {
    ::TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

}  // namespace

void DrawAboutBanner(HDC dc, SIZE banner, const AboutBoxState& box) {
    ::SetBkMode(dc, TRANSPARENT);
    if (box.texture)
        ::BitBlt(dc, 0, 0, banner.cx, banner.cy, box.texture->DC(), kBannerTextureOffset, 0,
                 SRCCOPY);
    ::DrawIcon(dc, 8, 8, box.icon.get());

    DrawingFonts fonts(dc);
    fonts.SelectPointFont("Arial", 18, kBlack, kAboutBold);
    DrawText(dc, 50, 8, box.productName);
    const int x1 = 50 + TextExtentWidth(dc, box.productName.c_str());
    const int y1 = 8 + TextExtentHeight(dc, box.productName.c_str());

    fonts.SelectPointFont("Arial", 10, kRed, kAboutBold | kAboutItalic);
    const int versionWidth = TextExtentWidth(dc, box.versionText.c_str());
    const bool fitsAfterName = x1 + versionWidth + kRightMargin <= banner.cx;
    DrawText(dc, fitsAfterName ? x1 : banner.cx - versionWidth - kRightMargin, y1, box.versionText);
    const int y2 = y1 + TextExtentHeight(dc, box.versionText.c_str()) + 5;

    fonts.SelectPointFont("Arial", 10, kBlack, kAboutBold);
    const int creditWidth = TextExtentWidth(dc, kAboutCredit);
    DrawText(dc, banner.cx - creditWidth - kRightMargin, y2, kAboutCredit);
}

void DrawAboutLink(HDC dc, SIZE link) {
    DrawingFonts fonts(dc);
    fonts.SelectPointFont("Arial", 9, kBlue, kAboutUnderline);
    const COLORREF face = MapSysColor(tk::kClBtnFace);
    tk::UniqueBrush brush(::CreateSolidBrush(face));
    tk::UniquePen pen(::CreatePen(PS_SOLID, 1, face));
    tk::SelectScope useBrush(dc, brush.get());
    tk::SelectScope usePen(dc, pen.get());
    ::SetBkColor(dc, face);
    ::SetBkMode(dc, OPAQUE);
    ::Rectangle(dc, 0, 0, link.cx, link.cy);
    DrawText(dc, 0, 4, kAboutLink);
}

}  // namespace letterloom
