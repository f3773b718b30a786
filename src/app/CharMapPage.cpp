// The character map page: the buffer toolbar, the map in its scroll box, picking cells and the
// text buffer they go to.
#include <algorithm>

#include "app/MainFormUnit.h"
#include "charmap/GraphProc.h"
#include "toolkit/Canvas.h"
#include "toolkit/Clipboard.h"

namespace letterloom {

namespace {

constexpr int kToolbarHeight = 25;
constexpr int kBufferWidth = 121;
constexpr int kBufferLabelPoints = 12;
constexpr int kBufferPoints = 12;
constexpr int kFontLabelWidth = 400;
// The dotted frame of a highlighted cell lies this far inside the cell.
constexpr int kFrameInset = 3;

}  // namespace

void TMainForm::CreateCharMapPage() {
    CmapToolBar.Create(MappaCaratteri->Handle(), &ImageList);

    tk::FontSpec labelFont = GetFont();
    labelFont.SetSize(kBufferLabelPoints);
    const std::string bufferCaption = "缓冲: ";
    BufferLabel.Create(CmapToolBar.Handle(), bufferCaption);
    BufferLabel.SetFont(labelFont);
    CmapToolBar.AddControl(BufferLabel, tk::ScreenTextWidth(labelFont, bufferCaption));

    // Flat and borderless, so that it reads as part of the toolbar.
    TextBuffer.Create(CmapToolBar.Handle(), tk::Edit::Lines::Single);
    tk::FontSpec bufferFont = GetFont();
    bufferFont.SetSize(kBufferPoints);
    TextBuffer.SetFont(bufferFont);
    TextBuffer.SetText("TestBuffer");
    CmapToolBar.AddControl(TextBuffer, kBufferWidth);

    CmapToolBar.AddSeparator();
    CopyButton = CmapToolBar.AddActionButton(Copy, false);
    ClearBufferButton = CmapToolBar.AddActionButton(ClearBuffer, false);
    CmapToolBar.AddSeparator();
    CmapFont.Create(CmapToolBar.Handle(), "");
    CmapFont.SetFont(GetFont());
    CmapToolBar.AddControl(CmapFont, kFontLabelWidth);

    Copy.onExecute = [this](tk::Action&) { CopyExecute(); };
    ClearBuffer.onExecute = [this](tk::Action&) { ClearBufferExecute(); };

    MapScroller.Create(MappaCaratteri->Handle());
    MapScroller.onClick = [this] { MapScrollerClick(); };
    MapScroller.onMouseWheel = [this](int distance) { MapScrollerMouseWheel(distance); };
    CsetPrv.Create(MapScroller.Handle());
    CsetPrv.onResize = [this] { MapScroller.ContentResized(); };
    CsetPrv.onMouseDown = [this](tk::MouseButton button, int x, int y) {
        CsetPrvMouseDown(button, x, y);
    };
    CsetPrv.onMouseUp = [this](tk::MouseButton button, int x, int y) {
        CsetPrvMouseUp(button, x, y);
    };
    CsetPrv.onDblClick = [this] { CsetPrvDblClick(); };
    MapScroller.SetContent(&CsetPrv);

    MappaCaratteri->onResize = [this] {
        const RECT r = MappaCaratteri->ClientRect();
        CmapToolBar.SetBounds(0, 0, r.right, kToolbarHeight);
        MapScroller.SetBounds(0, kToolbarHeight, r.right, r.bottom - kToolbarHeight);
    };
}

bool TMainForm::IsCharCell(int32_t x, int32_t y) const {
    return logic::IsCharCell(x, y, MapCellSize, CharMap.MapColumns);
}

void TMainForm::HighlightCell(int32_t x, int32_t y) {
    const logic::CellOrigin cell = logic::HighlightCellOrigin(x, y, MapCellSize);
    const int32_t s = MapCellSize;
    tk::Canvas& canvas = CsetPrv.Picture().GetCanvas();
    // Both steps invert, so a second call on the same cell gives back every pixel.
    canvas.DrawFocusRect(MakeRect(cell.left + kFrameInset, cell.top + kFrameInset,
                                  cell.left + s - kFrameInset, cell.top + s - kFrameInset));
    canvas.brushColor = tk::kClYellow;
    canvas.PatBlt(cell.left, cell.top, s, s, PATINVERT);
    canvas.brushColor = tk::kClWhite;
}

void TMainForm::CsetPrvMouseDown(tk::MouseButton button, int32_t x, int32_t y) {
    MapPoint& picked = CharMap.SelectedPoint;
    if (CharMap.MapReady && button == tk::MouseButton::Left && IsCharCell(x, y)) {
        if (picked.x >= 0) HighlightCell(picked.x, picked.y);
        HighlightCell(x, y);
        CsetPrv.Repaint();
        picked = {x, y};
        CharMap.CurrentChar =
            static_cast<uint8_t>(logic::CodeAtPoint(x, y, MapCellSize, CharMap.MapColumns));
    }
    // The menu works on the cell picked last, wherever the right button went down.
    if (picked.x >= 0 && button == tk::MouseButton::Right) {
        POINT at{};
        ::GetCursorPos(&at);
        CopyTC.Popup(Handle(), at.x, at.y);
    }
    MapScroller.SetFocus();
}

void TMainForm::CsetPrvMouseUp(tk::MouseButton, int32_t, int32_t) { MapScroller.SetFocus(); }

void TMainForm::CsetPrvDblClick() { AppendCurrentChar(); }

void TMainForm::MapScrollerClick() { MapScroller.SetFocus(); }

void TMainForm::MapScrollerMouseWheel(int32_t distance) {
    const int32_t position = MapScroller.Position() - distance;
    MapScroller.SetPosition(std::clamp(position, 0, MapScroller.RangeEnd()));
}

void TMainForm::tobuffer1Click() { AppendCurrentChar(); }

void TMainForm::Clearbuffer1Click() { ClearBufferExecute(); }

void TMainForm::Copybuffertoclipboard1Click() { CopyExecute(); }

void TMainForm::CopyExecute() {
    tk::SetClipboardText(Handle(), TextBuffer.Text(), "无法打开剪贴板");
}

void TMainForm::ClearBufferExecute() { TextBuffer.SetText(""); }

void TMainForm::AppendCurrentChar() {
    // Nothing has been picked since the program started.
    if (CharMap.CurrentChar == 0) return;
    TextBuffer.SetText(TextBuffer.Text() + static_cast<char>(CharMap.CurrentChar));
}

}  // namespace letterloom
