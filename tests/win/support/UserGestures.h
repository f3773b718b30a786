#pragma once
// The user's gestures as the in-process tests and the soak program play them: clicks and keys
// sent to the program's own windows, each followed by the messages they cause. No test framework
// here, so that benchmark programs drive the window the same way.
#include <windows.h>

#include <string>
#include <vector>

#include "support/Wait.h"
#include "toolkit/ListBox.h"
#include "toolkit/PageControl.h"

namespace testsupport {

// A press and release of the left button on a list item, with MK_CONTROL or MK_SHIFT.
void ClickListItem(tk::ListBox& list, int index, WPARAM keys = 0);
// A key press on a window, with the Shift or Ctrl key held if asked.
void PressKey(HWND hwnd, UINT key, bool shift = false, bool control = false);
// Typed text: one character message per byte, as the system gives them to an ANSI window.
void TypeText(HWND hwnd, const std::string& text);

// The same posted to the window, so that it reaches it through the message loop, as typed keys
// do, where the forms' shortcuts see it; the messages it causes have run on return.
void PostKeyPress(HWND hwnd, UINT key, bool control = false);
// The toolkit's objects behind this process's top-level windows, shown or not.
std::vector<tk::Window*> ProcessTopLevelWindows();
// The first of them of type T (a dialog the program made for one use), or null.
template <typename T>
T* FindProcessWindowOf() {
    for (tk::Window* window : ProcessTopLevelWindows())
        if (auto* found = dynamic_cast<T*>(window)) return found;
    return nullptr;
}

// A click on the tab that shows the given caption; false when no tab shows it.
bool ClickTabShowing(tk::PageControl& pages, const std::string& caption);

}  // namespace testsupport
