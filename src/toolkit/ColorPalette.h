#pragma once
// A drop-down grid of the standard colours, each cell with its name as tooltip. It runs like a
// popup menu: Popup returns once the user picked a colour or dismissed the grid (Esc, a click
// elsewhere). The chosen colour is marked; the cell under the mouse is highlighted.
#include <functional>

#include "toolkit/Color.h"
#include "toolkit/Window.h"

namespace tk {

// No colour: no cell is marked.
constexpr Color kClNone = 0x1FFFFFFF;

class ColorPalette : public Window {
public:
    // A hidden popup owned by owner.
    void Create(HWND owner);

    Color Chosen() const { return chosen_; }
    void SetChosen(Color color);

    // Shows the grid with its top left corner at a screen point and runs until it closes.
    void Popup(int x, int y);
    bool Open() const { return open_; }

    // The user picked a cell; Chosen() is its colour.
    std::function<void()> onChange;

    // Cell geometry in client coordinates, cells numbered row by row; -1 for no cell.
    static RECT CellRect(int cell);
    static int CellAt(POINT client);
    // The cell drawn as chosen, or -1.
    int ChosenCell() const;
    HWND ToolTips() const { return tips_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The tooltip window, owned by the grid, has gone with it.
    void OnHandleDestroyed() override { tips_ = nullptr; }

private:
    void Paint(HDC dc);
    void SetHot(int cell);
    void Pick(int cell);
    void Close();
    // Keys steer the grid while it is open; true when the key was the grid's.
    bool HandleKey(WPARAM key);
    void AddToolTips();

    Color chosen_ = kClNone;
    int hot_ = -1;
    bool open_ = false;
    HWND tips_ = nullptr;
};

}  // namespace tk
