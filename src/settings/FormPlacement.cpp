#include "settings/FormPlacement.h"

#include "logic/ConfigData.h"
#include "logic/PlacementValues.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/Form.h"
#include "toolkit/Registry.h"

namespace letterloom {

namespace {

struct ScreenSize {
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
};

// The text stored under the name with the screen size, or else under the plain name; empty when
// neither holds one.
std::string ReadScreenSized(const tk::RegistryKey& values, const char* name) {
    const ScreenSize screen;
    for (const std::string& stored :
         {logic::ScreenSizedName(name, screen.width, screen.height), std::string(name)}) {
        if (!values.ValueExists(stored))
            continue;
        std::string text = values.ReadString(stored);
        if (!text.empty())
            return text;
    }
    return {};
}

int32_t ReadNumber(const tk::RegistryKey& values, const char* name, int32_t fallback) {
    if (!values.ValueExists(name))
        return fallback;
    return logic::ParseStoredNumber(values.ReadString(name), fallback);
}

void ApplyState(HWND hwnd, logic::WindowState state) {
    if (state != logic::WindowState::Maximized && (::IsZoomed(hwnd) || ::IsIconic(hwnd)))
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
    if (state == logic::WindowState::Minimized) {
        // Minimising while the window is being shown would be undone by the showing itself.
        ::PostMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    if (state == logic::WindowState::Maximized)
        ::ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    if (::IsWindowVisible(hwnd))
        ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

TFormPlacement::TFormPlacement(tk::Form& form, std::string keyPath, std::string section,
                               SIZE minTrackSize)
    : form_(form),
      keyPath_(std::move(keyPath)),
      section_(std::move(section)),
      minTrackSize_(minTrackSize) {}

TFormPlacement::~TFormPlacement() {
    SaveAtDestruction();
}

void TFormPlacement::ApplyMinTrackSize(MINMAXINFO& info) const {
    info.ptMinTrackSize.x = minTrackSize_.cx;
    info.ptMinTrackSize.y = minTrackSize_.cy;
}

void TFormPlacement::Restore() {
    if (restored_)
        return;
    restored_ = true;
    saved_ = false;
    try {
        tk::RegistryKey settings;
        settings.Create(HKEY_CURRENT_USER, keyPath_);
        tk::RegistryKey values;
        values.Open(settings.Handle(), section_, KEY_READ);
        if (ReadNumber(values, logic::kFormVersionName, 0) < 0)
            return;
        ReadPlacement(values);
        const std::optional<int32_t> showCmd =
            values.ValueExists(logic::kShowCmdName)
                ? std::optional(ReadNumber(values, logic::kShowCmdName, 0))
                : std::nullopt;
        pendingState_ = logic::StateForShowCmd(showCmd);
    } catch (const std::exception& error) {
        // The window still shows, where the system put it.
        tk::Application::Instance().HandleException(error);
    }
}

void TFormPlacement::ShowRestoredState() {
    if (!pendingState_)
        return;
    ApplyState(form_.Handle(), *pendingState_);
    pendingState_.reset();
}

void TFormPlacement::ReadPlacement(const tk::RegistryKey& values) {
    HWND hwnd = form_.Handle();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(hwnd, &placement);
    // Applying the record to a window not yet shown moves it without showing it.
    if (!::IsWindowVisible(hwnd))
        placement.showCmd = SW_HIDE;
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
    if (!logic::PositionApplies(storedPpi, screenPpi, !minMax.empty(), !normal.empty()))
        return;
    if (placement.rcNormalPosition.right > placement.rcNormalPosition.left)
        ::SetWindowPlacement(hwnd, &placement);
}

void TFormPlacement::SaveAfterClose() {
    if (restored_)
        Save(false);
}

void TFormPlacement::SaveAtDestruction() {
    if (restored_ && !saved_ && form_.HandleAllocated())
        Save(true);
}

void TFormPlacement::Save(bool visible) {
    saved_ = true;
    try {
        tk::RegistryKey settings;
        settings.Create(HKEY_CURRENT_USER, keyPath_);
        tk::RegistryKey values;
        if (!values.Create(settings.Handle(), section_))
            throw tk::Error(logic::CannotCreateKeyMessage("\\" + keyPath_ + "\\" + section_));
        HWND hwnd = form_.Handle();
        values.WriteString(logic::kFormVersionName, std::to_string(logic::kPlacementVersion));
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        ::GetWindowPlacement(hwnd, &placement);
        if (::IsIconic(hwnd))
            placement.showCmd = SW_SHOWMINIMIZED;
        const ScreenSize screen;
        const std::string minMax =
            logic::FormatFourNumbers({placement.ptMinPosition.x, placement.ptMinPosition.y,
                                      placement.ptMaxPosition.x, placement.ptMaxPosition.y});
        const RECT& r = placement.rcNormalPosition;
        const std::string normal = logic::FormatFourNumbers({r.left, r.top, r.right, r.bottom});
        values.WriteString(logic::kFlagsName, std::to_string(placement.flags));
        values.WriteString(logic::kShowCmdName, std::to_string(placement.showCmd));
        values.WriteString(logic::kPixelsPerInchName, std::to_string(tk::ScreenPixelsPerInch()));
        values.WriteString(
            logic::ScreenSizedName(logic::kMinMaxPosName, screen.width, screen.height), minMax);
        values.WriteString(logic::kMinMaxPosName, minMax);
        values.WriteString(logic::ScreenSizedName(logic::kNormPosName, screen.width, screen.height),
                           normal);
        values.WriteString(logic::kNormPosName, normal);
        values.WriteString(logic::kVisibleName, visible ? "1" : "0");
    } catch (const std::exception& error) {
        // Saving failed; the window closes all the same.
        tk::Application::Instance().HandleException(error);
    }
}

}  // namespace letterloom
