#pragma once
// Push buttons and group boxes.
#include <functional>
#include <string>

#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace tk {

enum class Glyph { Tick, Cross };

class Button : public Window {
  public:
    // id IDOK or IDCANCEL lets the form's dialog keys (Enter, Escape) press the button.
    void Create(HWND parent, const std::string& caption, int id, bool isDefault = false);

    // A small picture before the caption: a tick for confirming, a cross for cancelling.
    void SetGlyph(Glyph glyph);

    std::function<void()> onClick;

    void OnCommand(WORD code, WORD id) override;

  private:
    UniqueIcon glyph_;
};

class GroupBox : public Window {
  public:
    void Create(HWND parent, const std::string& caption);
};

}  // namespace tk
