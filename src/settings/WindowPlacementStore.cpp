#include "settings/WindowPlacementStore.h"

#include "logic/Settings.h"
#include "settings/PlacementRecord.h"
#include "settings/RegistryWording.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/Form.h"
#include "toolkit/Registry.h"

namespace letterloom {

WindowPlacementStore::WindowPlacementStore(tk::Form& form, std::string keyPath, std::string section,
                                           SIZE minTrackSize)
    : form_(form),
      keyPath_(std::move(keyPath)),
      section_(std::move(section)),
      minTrackSize_(minTrackSize) {}

WindowPlacementStore::~WindowPlacementStore() { SaveAtDestruction(); }

void WindowPlacementStore::ApplyMinTrackSize(MINMAXINFO& info) const {
    info.ptMinTrackSize.x = minTrackSize_.cx;
    info.ptMinTrackSize.y = minTrackSize_.cy;
}

void WindowPlacementStore::Restore() {
    if (restored_) return;
    restored_ = true;
    saved_ = false;
    try {
        WithSettingsWording([&] {
            tk::RegistryKey settings;
            settings.Create(HKEY_CURRENT_USER, keyPath_);
            tk::RegistryKey values;
            values.Open(settings.Handle(), section_, KEY_READ);
            if (StoredPlacementVersion(values) < 0) return;
            ApplyStoredPosition(values, form_.Handle());
            pendingState_ = StoredShowState(values);
        });
    } catch (const std::exception& error) {
        // The window still shows, where the system put it.
        tk::Application::Instance().HandleException(error);
    }
}

void WindowPlacementStore::ShowRestoredState() {
    if (!pendingState_) return;
    ShowInState(form_.Handle(), *pendingState_);
    pendingState_.reset();
}

void WindowPlacementStore::SaveAfterClose() {
    if (restored_) Save(false);
}

void WindowPlacementStore::SaveAtDestruction() {
    if (restored_ && !saved_ && form_.HandleAllocated()) Save(true);
}

void WindowPlacementStore::Save(bool visible) {
    saved_ = true;
    try {
        tk::RegistryKey settings;
        settings.Create(HKEY_CURRENT_USER, keyPath_);
        tk::RegistryKey values;
        if (!values.Create(settings.Handle(), section_))
            throw tk::Error(logic::CannotCreateKeyMessage("\\" + keyPath_ + "\\" + section_));
        WithSettingsWording([&] { StorePlacement(values, form_.Handle(), visible); });
    } catch (const std::exception& error) {
        // Saving failed; the window closes all the same.
        tk::Application::Instance().HandleException(error);
    }
}

}  // namespace letterloom
