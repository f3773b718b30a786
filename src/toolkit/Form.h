#pragma once
// Top-level windows: shown, resized, asked whether they may close, and run modally.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace tk {

constexpr int kModalNone = 0;
constexpr int kModalOk = IDOK;
constexpr int kModalCancel = IDCANCEL;

// The modifier keys held with a shortcut's key.
enum ShortcutModifier : unsigned {
    kShiftHeld = 1,
    kControlHeld = 2,
    kAltHeld = 4,
};

class Form : public Window {
public:
    Form() = default;
    ~Form() override;

    // Creates the window with the given client size; position and size may be left to the system.
    // A font set before, when it names a face, is the window's from the start.
    void CreateForm(const std::string& caption, DWORD style, DWORD exStyle, int clientWidth,
                    int clientHeight, HWND owner = nullptr, bool systemPlacement = false);

    void SetFont(const FontSpec& font);
    const FontSpec& GetFont() const { return font_; }
    HFONT FontHandle() const { return fontHandle_.get(); }

    // Asks the form to close, exactly as its close box does.
    void Close();
    int ShowModal();
    void SetModalResult(int result) { modalResult_ = result; }
    int ModalResult() const { return modalResult_; }
    // Dialog keys (Tab, Enter, Esc) are handled for forms that ask for them.
    void SetDialogKeys(bool on) { dialogKeys_ = on; }
    // Hands the focus, when the form is activated, to the control that had it when the form was
    // last deactivated (first to this one), as dialogs do; a plain window would take it itself.
    void RememberFocus(HWND first) { focused_ = first; }
    static Form* DialogKeysTarget(HWND hwnd);

    // Runs action when key is pressed with exactly these modifiers in the form, or only in the
    // control onlyIn when one is given; the key then goes no further. A disabled form (under a
    // modal dialog) runs none.
    void AddShortcut(UINT key, unsigned modifiers, std::function<void()> action,
                     HWND onlyIn = nullptr);
    // Runs the shortcut that a message of the loop stands for; false when it stands for none.
    static bool RunShortcut(const MSG& msg);

protected:
    virtual void FormShow() {}
    // The client area took a new size; not called for a minimise.
    virtual void FormResize() {}
    virtual bool FormCloseQuery() { return true; }
    // The close was allowed; the form is about to go (main form) or to be hidden.
    virtual void FormClose() {}
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    struct Shortcut {
        UINT key;
        unsigned modifiers;
        HWND onlyIn;
        std::function<void()> action;
    };

    FontSpec font_;
    UniqueFont fontHandle_;
    int modalResult_ = kModalNone;
    bool modal_ = false;
    bool dialogKeys_ = false;
    HWND focused_ = nullptr;
    std::vector<Shortcut> shortcuts_;
};

}  // namespace tk
