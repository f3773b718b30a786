// The character map from the keyboard: moving the highlighted cell, appending its character,
// copying the buffer, and Tab between the buffer and the map.
#include "app/pages/CharMapPage.h"
#include "charmap/CharMapRenderer.h"

namespace letterloom {

namespace {

constexpr struct {
    UINT key;
    logic::CellMove move;
} kMoveKeys[] = {
    {VK_LEFT, logic::CellMove::Left},  {VK_RIGHT, logic::CellMove::Right},
    {VK_UP, logic::CellMove::Up},      {VK_DOWN, logic::CellMove::Down},
    {VK_HOME, logic::CellMove::First}, {VK_END, logic::CellMove::Last},
};

bool ControlHeld() { return ::GetKeyState(VK_CONTROL) < 0; }

}  // namespace

bool CharMapPage::TabToMap(UINT key) {
    if (key != VK_TAB || ControlHeld()) return false;
    scroller_.SetFocus();
    return true;
}

bool CharMapPage::OnKey(UINT key) {
    if (ControlHeld()) {
        if (key != 'C') return false;
        CopyBuffer();
        return true;
    }
    for (const auto& entry : kMoveKeys) {
        if (entry.key != key) continue;
        MoveHighlight(entry.move);
        return true;
    }
    if (key == VK_RETURN || key == VK_SPACE) {
        AppendCurrentChar();
        return true;
    }
    if (key == VK_TAB) {
        buffer_.SetFocus();
        return true;
    }
    return false;
}

void CharMapPage::MoveHighlight(logic::CellMove move) {
    // Like a press, a move picks nothing while the map is being built.
    if (!state_.mapReady) return;
    const MapPoint& picked = state_.selectedPoint;
    const int32_t s = MapCellSize;
    const int from =
        picked.x >= 0 ? logic::CodeAtPoint(picked.x, picked.y, s, state_.mapColumns) : 0;
    const logic::CellOrigin cell = logic::CellOriginFor(
        logic::MovedCode(from, move, state_.mapColumns), s, state_.mapColumns, 0, 0);
    Pick({cell.left, cell.top});
    scroller_.SetPosition(
        logic::PositionShowing(cell.top, s, scroller_.Position(), scroller_.ClientRect().bottom));
}

}  // namespace letterloom
