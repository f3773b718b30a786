#include "toolkit/PrintableFont.h"

#include "toolkit/Error.h"

namespace tk {

namespace {

bool RunningUnderWine() {
    static const bool wine = [] {
        HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
        return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}

// The table of TrueType outlines, as GetFontData names it.
constexpr DWORD kGlyfTable = 'g' | ('l' << 8) | ('y' << 16) | ('f' << 24);

}  // namespace

bool NeedsPrintableStandIn(HDC dc) {
    if (!RunningUnderWine() || ::GetDeviceCaps(dc, TECHNOLOGY) != DT_RASPRINTER) return false;
    return ::GetFontData(dc, kGlyfTable, 0, nullptr, 0) == GDI_ERROR;
}

UniqueFont PrintableStandIn(const FontSpec& font) {
    FontSpec standIn = font;
    standIn.name = DefaultInterfaceFace();
    const LOGFONTA lf = standIn.ToLogFont();
    UniqueFont created(::CreateFontIndirectA(&lf));
    if (!created) throw Error("CreateFont " + standIn.name);
    return created;
}

}  // namespace tk
