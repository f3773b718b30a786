#include "toolkit/GlyphCoverage.h"

#include <algorithm>

#include "toolkit/Error.h"
#include "toolkit/FontSpec.h"

namespace tk {

namespace {
// The glyph table does not depend on the size; a small font is the cheapest to realise.
constexpr int kProbeHeight = -8;
constexpr WORD kMissingGlyph = 0xFFFF;
}  // namespace

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (length <= 0) ThrowLastError("MultiByteToWideChar");
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

GlyphCoverage::GlyphCoverage() : dc_(::CreateCompatibleDC(nullptr)) {
    if (!dc_) ThrowLastError("CreateCompatibleDC");
}

bool GlyphCoverage::HasGlyphs(const std::string& face, const std::wstring& characters) {
    if (characters.empty()) return true;
    FontSpec spec;
    spec.name = face;
    spec.height = kProbeHeight;
    const LOGFONTA logFont = spec.ToLogFont();
    const UniqueFont font(::CreateFontIndirectA(&logFont));
    if (!font) return false;
    const SelectScope selected(dc_.get(), font.get());
    indices_.resize(characters.size());
    const DWORD done =
        ::GetGlyphIndicesW(dc_.get(), characters.data(), static_cast<int>(characters.size()),
                           indices_.data(), GGI_MARK_NONEXISTING_GLYPHS);
    if (done == GDI_ERROR || done != characters.size()) return false;
    return std::find(indices_.begin(), indices_.end(), kMissingGlyph) == indices_.end();
}

}  // namespace tk
