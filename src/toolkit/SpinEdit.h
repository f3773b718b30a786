#pragma once
// An integer field with up and down buttons beside it. The value has no range limit; a text that is
// not an integer counts as 0. Typing is filtered to what a number may hold, pasting is not.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "toolkit/Edit.h"

namespace tk {

// Two arrow buttons, one above the other. A press steps at once, a held button repeats.
class SpinButton : public Window {
public:
    static constexpr UINT kFirstRepeatMs = 400;
    static constexpr UINT kRepeatMs = 100;

    void Create(HWND parent);
    // +1 for the upper button, -1 for the lower one.
    std::function<void(int32_t delta)> onStep;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void Press(int32_t delta);
    void Release();

    int32_t pressed_ = 0;
    bool repeating_ = false;
};

class SpinEdit : public Edit {
public:
    static constexpr int kButtonWidth = 16;

    void Create(HWND parent);
    // Places the field and its buttons in the given bounds.
    void Place(int left, int top, int width, int height);

    int32_t Value() const;
    void SetValue(int32_t value);
    void Step(int32_t delta);

    SpinButton& Buttons() { return buttons_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    SpinButton buttons_;
    char decimalSeparator_ = '.';
};

}  // namespace tk
