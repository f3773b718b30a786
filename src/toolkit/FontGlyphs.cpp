#include "toolkit/FontGlyphs.h"

#include "toolkit/Error.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

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

std::vector<bool> FontHasGlyphs(const FontSpec& font, std::wstring_view characters) {
    std::vector<bool> present(characters.size(), false);
    if (characters.empty()) return present;
    const LOGFONTA logFont = font.ToLogFont();
    const UniqueFont handle(::CreateFontIndirectA(&logFont));
    if (!handle) ThrowLastError("CreateFontIndirect");
    const WindowDC screen(nullptr);
    const SelectScope selection(screen.get(), handle.get());
    std::vector<WORD> indices(characters.size());
    // Without a glyph of the font's own, the index is 0xFFFF.
    if (::GetGlyphIndicesW(screen.get(), characters.data(), static_cast<int>(characters.size()),
                           indices.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        ThrowLastError("GetGlyphIndices");
    for (size_t i = 0; i < indices.size(); ++i) present[i] = indices[i] != 0xFFFF;
    return present;
}

}  // namespace tk
