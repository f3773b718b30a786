#include "settings/PlacementRecord.h"

#include <string>

#include "toolkit/FontSpec.h"
#include "toolkit/Registry.h"

namespace letterloom {

namespace {

// A value's name with the primary screen's size appended.
std::string ForThisScreen(const char* name) {
    return logic::ScreenSizedName(name, ::GetSystemMetrics(SM_CXSCREEN),
                                  ::GetSystemMetrics(SM_CYSCREEN));
}

// The text stored for this screen's size, or else under the plain name; empty when neither holds
// one.
std::string ReadScreenSized(const tk::RegistryKey& values, const char* name) {
    for (const std::string& stored : {ForThisScreen(name), std::string(name)}) {
        if (!values.ValueExists(stored)) continue;
        std::string text = values.ReadString(stored);
        if (!text.empty()) return text;
    }
    return {};
}

int32_t ReadNumber(const tk::RegistryKey& values, const char* name, int32_t fallback) {
    if (!values.ValueExists(name)) return fallback;
    return logic::ParseStoredNumber(values.ReadString(name), fallback);
}

WINDOWPLACEMENT PlacementOf(HWND hwnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(hwnd, &placement);
    return placement;
}

}  // namespace

int32_t StoredPlacementVersion(const tk::RegistryKey& values) {
    return ReadNumber(values, logic::kFormVersionName, 0);
}

void ApplyStoredPosition(const tk::RegistryKey& values, HWND hwnd) {
    WINDOWPLACEMENT placement = PlacementOf(hwnd);
    // Applying the record to a window not yet shown moves it without showing it.
    if (!::IsWindowVisible(hwnd)) placement.showCmd = SW_HIDE;
    placement.flags = static_cast<UINT>(
        ReadNumber(values, logic::kFlagsName, static_cast<int32_t>(placement.flags)));
    const std::string minMax = ReadScreenSized(values, logic::kMinMaxPosName);
    if (!minMax.empty()) {
        const logic::FourNumbers p = logic::ParseFourNumbers(minMax, {0, 0, 0, 0});
        placement.ptMinPosition = {p[0], p[1]};
        placement.ptMaxPosition = {p[2], p[3]};
    }
    const std::string normal = ReadScreenSized(values, logic::kNormPosName);
    if (!normal.empty()) {
        RECT now{};
        ::GetWindowRect(hwnd, &now);
        const logic::FourNumbers r =
            logic::ParseFourNumbers(normal, {now.left, now.top, now.right, now.bottom});
        placement.rcNormalPosition = {r[0], r[1], r[2], r[3]};
    }
    const int32_t screenPpi = tk::ScreenPixelsPerInch();
    const int32_t storedPpi = ReadNumber(values, logic::kPixelsPerInchName, screenPpi);
    if (!logic::PositionApplies(storedPpi, screenPpi, !minMax.empty(), !normal.empty())) return;
    if (placement.rcNormalPosition.right > placement.rcNormalPosition.left)
        ::SetWindowPlacement(hwnd, &placement);
}

logic::WindowState StoredShowState(const tk::RegistryKey& values) {
    if (!values.ValueExists(logic::kShowCmdName)) return logic::StateForShowCmd(std::nullopt);
    return logic::StateForShowCmd(ReadNumber(values, logic::kShowCmdName, 0));
}

void ShowInState(HWND hwnd, logic::WindowState state) {
    if (state != logic::WindowState::Maximized && (::IsZoomed(hwnd) || ::IsIconic(hwnd)))
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
    if (state == logic::WindowState::Minimized) {
        // Minimising while the window is being shown would be undone by the showing itself.
        ::PostMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    // Maximising a window that was not resizes it, and the resize has drawn it all already.
    const bool resized = state == logic::WindowState::Maximized && !::IsZoomed(hwnd);
    if (state == logic::WindowState::Maximized) ::ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    if (::IsWindowVisible(hwnd) && !resized)
        ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void StorePlacement(tk::RegistryKey& values, HWND hwnd, bool visible) {
    values.WriteString(logic::kFormVersionName, std::to_string(logic::kPlacementVersion));
    WINDOWPLACEMENT placement = PlacementOf(hwnd);
    if (::IsIconic(hwnd)) placement.showCmd = SW_SHOWMINIMIZED;
    const std::string minMax =
        logic::FormatFourNumbers({placement.ptMinPosition.x, placement.ptMinPosition.y,
                                  placement.ptMaxPosition.x, placement.ptMaxPosition.y});
    const RECT& r = placement.rcNormalPosition;
    const std::string normal = logic::FormatFourNumbers({r.left, r.top, r.right, r.bottom});
    values.WriteString(logic::kFlagsName, std::to_string(placement.flags));
    values.WriteString(logic::kShowCmdName, std::to_string(placement.showCmd));
    values.WriteString(logic::kPixelsPerInchName, std::to_string(tk::ScreenPixelsPerInch()));
    values.WriteString(ForThisScreen(logic::kMinMaxPosName), minMax);
    values.WriteString(logic::kMinMaxPosName, minMax);
    values.WriteString(ForThisScreen(logic::kNormPosName), normal);
    values.WriteString(logic::kNormPosName, normal);
    values.WriteString(logic::kVisibleName, visible ? "1" : "0");
}

}  // namespace letterloom
