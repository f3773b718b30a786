#include "toolkit/FontGlyphs.h"

#include <algorithm>

#include "toolkit/Error.h"

namespace tk {

namespace {
// The glyph table does not depend on the size; a small font is the cheapest to realise.
constexpr int kProbeHeight = -8;
constexpr WORD kMissingGlyph = 0xFFFF;
}  // namespace

std::wstring AnsiToWide(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size =
        ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), size);
    return wide;
}

GlyphProbe::GlyphProbe() : dc_(::CreateCompatibleDC(nullptr)) {
    if (!dc_) ThrowLastError("CreateCompatibleDC");
}

bool GlyphProbe::Indices(const FontSpec& font, std::wstring_view characters) {
    const LOGFONTA logFont = font.ToLogFont();
    const UniqueFont handle(::CreateFontIndirectA(&logFont));
    if (!handle) return false;
    const SelectScope selected(dc_.get(), handle.get());
    indices_.resize(characters.size());
    const DWORD done =
        ::GetGlyphIndicesW(dc_.get(), characters.data(), static_cast<int>(characters.size()),
                           indices_.data(), GGI_MARK_NONEXISTING_GLYPHS);
    return done != GDI_ERROR && done == characters.size();
}

std::vector<bool> GlyphProbe::Present(const FontSpec& font, std::wstring_view characters) {
    std::vector<bool> present(characters.size(), false);
    if (characters.empty()) return present;
    if (!Indices(font, characters)) ThrowLastError("GetGlyphIndices " + font.name);
    for (size_t i = 0; i < indices_.size(); ++i) present[i] = indices_[i] != kMissingGlyph;
    return present;
}

bool GlyphProbe::HasAll(const std::string& face, std::wstring_view characters) {
    if (characters.empty()) return true;
    FontSpec font;
    font.name = face;
    font.height = kProbeHeight;
    if (!Indices(font, characters)) return false;
    return std::find(indices_.begin(), indices_.end(), kMissingGlyph) == indices_.end();
}

}  // namespace tk
