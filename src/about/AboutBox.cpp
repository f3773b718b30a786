#include "about/AboutBox.h"

#include <algorithm>

#include "about/MakerSite.h"
#include "about/ShellOpen.h"
#include "resources/resource_ids.h"
#include "toolkit/Application.h"
#include "toolkit/DialogLayout.h"

namespace letterloom {

namespace {

constexpr SIZE kTextureSize{400, 150};

HINSTANCE ProgramModule() { return ::GetModuleHandleA(nullptr); }

SIZE ClientSize(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The banner reads the texture from (20, 0): with a larger dialog font or resolution it would
// read past the texture's edge, so the texture grows to cover it.
void FitTextureToBanner(AboutBoxState& state, HWND banner) {
    tk::MemoryBitmap& texture = *state.texture;
    const SIZE needed = ClientSize(banner);
    const SIZE have{texture.Width(), texture.Height()};
    if (needed.cx + kBannerTextureOffset <= have.cx && needed.cy <= have.cy) return;
    tk::MemoryBitmap larger(std::max(have.cx, needed.cx + kBannerTextureOffset),
                            std::max(have.cy, needed.cy));
    TileAboutTexture(larger);
    texture.SwapPixels(larger);
}

void DrawControl(const AboutBoxState& state, const DRAWITEMSTRUCT& item) {
    const SIZE size = ClientSize(item.hwndItem);
    const int saved = ::SaveDC(item.hDC);
    if (item.CtlID == IDC_ABOUT_BANNER) DrawAboutBanner(item.hDC, size, state);
    if (item.CtlID == IDC_ABOUT_LINK) DrawAboutLink(item.hDC, size);
    ::RestoreDC(item.hDC, saved);
}

AboutBoxState* StateOf(HWND dialog) {
    return reinterpret_cast<AboutBoxState*>(::GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR HandleAboutMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            // The box's state lives in ShowAboutBox for as long as the box does.
            ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            tk::CenterOnScreen(dialog);
            FitTextureToBanner(*StateOf(dialog), ::GetDlgItem(dialog, IDC_ABOUT_BANNER));
            ::InvalidateRect(dialog, nullptr, TRUE);
            return TRUE;
        case WM_DRAWITEM:
            if (const AboutBoxState* state = StateOf(dialog))
                DrawControl(*state, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            // Escape's cancel command lands here too and leaves the box open.
            if (LOWORD(wParam) == IDC_ABOUT_LINK) ShellOpen(nullptr, kSoftwarePage);
            if (LOWORD(wParam) == IDC_ABOUT_CLOSE || LOWORD(wParam) == IDC_ABOUT_LINK)
                ::EndDialog(dialog, 0);
            return TRUE;
        case WM_CLOSE:
            ::EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

const AboutBoxState* AboutBoxStateOf(HWND dialog) { return StateOf(dialog); }

void TileAboutTexture(tk::MemoryBitmap& texture) {
    tk::MemoryBitmap tile;
    tile.LoadResource(ProgramModule(), IDB_BACK_NAME);
    const SIZE step{tile.Width(), tile.Height()};
    for (int y = 0; step.cy > 0 && y < texture.Height(); y += step.cy)
        for (int x = 0; step.cx > 0 && x < texture.Width(); x += step.cx)
            ::BitBlt(texture.DC(), x, y, step.cx, step.cy, tile.DC(), 0, 0, SRCCOPY);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may leave here by an exception: the caller is the dialog manager.
    try {
        return HandleAboutMessage(dialog, message, wParam, lParam);
    } catch (...) {
        tk::Application::Instance().HandleCurrentException();
    }
    return TRUE;
}

void ShowAboutBox(HWND owner, HICON icon, const std::string& productName,
                  const std::string& versionText) {
    // Freed, texture and icon copy, however the box ends.
    AboutBoxState state;
    state.icon.reset(
        static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, 32, 32, LR_COPYFROMRESOURCE)));
    state.productName = productName;
    state.versionText = versionText;
    state.texture.emplace(kTextureSize.cx, kTextureSize.cy);
    TileAboutTexture(*state.texture);
    ::DialogBoxParamA(ProgramModule(), IDD_ABOUT_NAME, owner, AboutDialogProc,
                      reinterpret_cast<LPARAM>(&state));
}

}  // namespace letterloom
