#pragma once
// An integer field with up and down buttons beside it. The value has no range limit; a text that is
// not an integer counts as 0. Typing is filtered to what a number may hold, pasting is not.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "toolkit/Edit.h"

namespace tk {

// Where a held button's repeat ticks come from: by default the window's own timer. A clock set in
// its place starts and stops the ticks instead and delivers each as the timer's WM_TIMER.
class RepeatClock {
public:
    // Like SetTimer: the first tick after ms, then one every ms, until stopped or started anew.
    virtual void Start(HWND hwnd, UINT_PTR timer, UINT ms) = 0;
    virtual void Stop(HWND hwnd, UINT_PTR timer) = 0;

protected:
    ~RepeatClock() = default;
};

// Two arrow buttons, one above the other. A press steps at once, a held button repeats.
class SpinButton : public Window {
public:
    static constexpr UINT kFirstRepeatMs = 400;
    static constexpr UINT kRepeatMs = 100;

    void Create(HWND parent);
    // +1 for the upper button, -1 for the lower one.
    std::function<void(int32_t delta)> onStep;
    // A clock of its own for the repeat, or null for the window's timer.
    void SetClock(RepeatClock* clock) { clock_ = clock; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void Press(int32_t delta);
    void Release();
    void StartTimer(UINT ms);

    RepeatClock* clock_ = nullptr;
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
