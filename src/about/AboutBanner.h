#pragma once
// What the about box draws on its two owner-drawn controls: the banner and the link.
#include <windows.h>

#include <optional>
#include <string>

#include "about/AboutGraphics.h"
#include "toolkit/MemoryBitmap.h"

namespace letterloom {

// Everything the open about box shows; one box at a time.
struct AboutBoxState {
    tk::UniqueIcon icon;
    std::string productName;
    std::string versionText;
    std::optional<tk::MemoryBitmap> texture;
};

// The texts end in blanks, which are drawn and measured with the rest.
inline constexpr const char kAboutCredit[] = "汉化: Vaskelor    ";
inline constexpr const char kAboutLink[] = "访问此字体查看工具的官方站点 ";

// The banner begins this far into the texture.
inline constexpr int kBannerTextureOffset = 20;

// The texture from (20, 0), the icon, the name, the version under the end of the name (or
// ending 10 pixels before the right edge when it would not fit), the credit line at the right.
void DrawAboutBanner(HDC dc, SIZE banner, const AboutBoxState& box);
// The link text, underlined in blue on the button face.
void DrawAboutLink(HDC dc, SIZE link);

}  // namespace letterloom
