#pragma once
// Keeps the main window's position, size and show state in the registry between runs, and its
// smallest size while the user drags its frame.
#include <windows.h>

#include <optional>
#include <string>

#include "logic/PlacementValues.h"

namespace tk {
class Form;
}

namespace letterloom {

class WindowPlacementStore {
public:
    // keyPath under HKEY_CURRENT_USER; the values go to its subkey section.
    WindowPlacementStore(tk::Form& form, std::string keyPath, std::string section,
                         SIZE minTrackSize);
    // Saves when the window still exists and nothing was saved since the restore.
    ~WindowPlacementStore();
    WindowPlacementStore(const WindowPlacementStore&) = delete;
    WindowPlacementStore& operator=(const WindowPlacementStore&) = delete;

    // The window is being shown for the first time: the stored position, before the window's own
    // show handler.
    void Restore();
    // The stored show state, after the window's own show handler, so that the window appears once
    // with its content.
    void ShowRestoredState();
    // The window's close was allowed.
    void SaveAfterClose();
    // The window is being destroyed.
    void SaveAtDestruction();
    // The answer to the system's question for the window's size limits.
    void ApplyMinTrackSize(MINMAXINFO& info) const;

private:
    void Save(bool visible);

    tk::Form& form_;
    std::string keyPath_;
    std::string section_;
    SIZE minTrackSize_;
    bool restored_ = false;
    bool saved_ = false;
    std::optional<logic::WindowState> pendingState_;
};

}  // namespace letterloom
