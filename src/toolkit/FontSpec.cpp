#include "toolkit/FontSpec.h"

#include <cstring>

#include "logic/ItemHeight.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

void FontSpec::SetSize(int points) { height = logic::FontHeightForPoints(points, pixelsPerInch); }

int FontSpec::Size() const { return -::MulDiv(height, 72, pixelsPerInch); }

std::string FontSpec::RealFaceName() const {
    if (!HasFace() || ::lstrcmpiA(name.c_str(), "Default") == 0) return DefaultInterfaceFace();
    return name;
}

LOGFONTA FontSpec::ToLogFont() const {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = Has(kBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = Has(kItalic);
    lf.lfUnderline = Has(kUnderline);
    lf.lfStrikeOut = Has(kStrikeOut);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    const std::string face = RealFaceName();
    ::lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return lf;
}

bool FontSpec::SameRealisation(const FontSpec& other) const {
    return height == other.height && style == other.style && name == other.name;
}

int ScreenPixelsPerInch() {
    WindowDC dc(nullptr);
    return ::GetDeviceCaps(dc.get(), LOGPIXELSY);
}

std::string DefaultInterfaceFace() {
    LOGFONTA lf{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    return lf.lfFaceName;
}

}  // namespace tk
