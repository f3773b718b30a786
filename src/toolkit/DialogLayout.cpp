#include "toolkit/DialogLayout.h"

#include "toolkit/UniqueHandle.h"

namespace tk {

namespace {
constexpr int kDesignPixelsPerInch = 96;

// The height of the font's characters on the screen, as a dialog's layout measures it.
int TextHeight(const FontSpec& font) {
    const LOGFONTA lf = font.ToLogFont();
    const int fallback = font.height < 0 ? -font.height : font.height;
    UniqueFont realised(::CreateFontIndirectA(&lf));
    WindowDC screen(nullptr);
    if (!realised || !screen.get()) return fallback;
    SelectScope select(screen.get(), realised.get());
    TEXTMETRICA metrics{};
    if (!::GetTextMetricsA(screen.get(), &metrics) || metrics.tmHeight <= 0) return fallback;
    return metrics.tmHeight;
}
}  // namespace

DialogLayout::DialogLayout(const std::string& face, int points, int pixelsPerInch) {
    FontSpec design;
    design.name = face;
    design.pixelsPerInch = kDesignPixelsPerInch;
    design.SetSize(points);
    font_ = design;
    font_.pixelsPerInch = pixelsPerInch > 0 ? pixelsPerInch : kDesignPixelsPerInch;
    font_.SetSize(points);
    designHeight_ = TextHeight(design);
    textHeight_ = font_.height == design.height ? designHeight_ : TextHeight(font_);
}

void CenterOnScreen(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tk
