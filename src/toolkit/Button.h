#pragma once
// Push buttons and group boxes.
#include <functional>
#include <string>

#include "toolkit/Window.h"

namespace tk {

class Button : public Window {
  public:
    // id IDOK or IDCANCEL lets the form's dialog keys (Enter, Escape) press the button.
    void Create(HWND parent, const std::string& caption, int id, bool isDefault = false);

    std::function<void()> onClick;

    void OnCommand(WORD code, WORD id) override;
};

class GroupBox : public Window {
  public:
    void Create(HWND parent, const std::string& caption);
};

}  // namespace tk
