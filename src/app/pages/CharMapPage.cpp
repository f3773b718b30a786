// The character map page: the buffer toolbar, the map in its scroll box, picking cells and the
// text buffer they go to.
#include "app/pages/CharMapPage.h"

#include <algorithm>

#include "charmap/CharMapRenderer.h"
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
constexpr int kMarkMissingImage = 21;

}  // namespace

CharMapPage::CharMapPage(tk::TabSheet& sheet, tk::Form& window, const tk::ImageList& images,
                         tk::ProgressBar& progress, logic::Settings& settings)
    : sheet_(sheet),
      window_(window),
      images_(images),
      progress_(progress),
      settings_(settings),
      popupMenu_(window, true, &images) {
    copy_.name = "Copy";
    copy_.category = "缓冲";
    copy_.caption = "复制";
    copy_.hint = "复制缓冲";
    copy_.imageIndex = 7;
    copy_.onExecute = [this](tk::Action&) { CopyBuffer(); };
    actions_.Add(copy_);
    clear_.name = "ClearBuffer";
    clear_.category = "缓冲";
    clear_.caption = "清空";
    clear_.hint = "清除缓冲区";
    clear_.imageIndex = 8;
    clear_.onExecute = [this](tk::Action&) { buffer_.SetText(""); };
    actions_.Add(clear_);
    markMissing_.name = "MarkMissingGlyphs";
    markMissing_.category = "字符映射表";
    markMissing_.caption = "缺少的字形";
    markMissing_.hint = "标出缺少的字形";
    markMissing_.imageIndex = kMarkMissingImage;
    // A press goes by what the button shows; the settings give what it shows.
    markMissing_.onExecute = [this](tk::Action& self) {
        settings_.markMissingGlyphs = !self.Checked();
        self.SetChecked(settings_.markMissingGlyphs);
        if (onMarksChanged) onMarksChanged();
    };
    markMissing_.onUpdate = [this](tk::Action& self) {
        self.SetChecked(settings_.markMissingGlyphs);
    };
    actions_.Add(markMissing_);

    popupMenu_.AddItem("AppendToBuffer", "复制到缓冲区(&T)", 9, [this] { AppendCurrentChar(); });
    popupMenu_.AddItem("ClearBuffer", "清除缓冲区", 8, [this] { buffer_.SetText(""); });
    popupMenu_.AddItem("CopyBuffer", "复制缓冲到剪切板(&C)", 7, [this] { CopyBuffer(); });

    CreateToolbar();

    scroller_.Create(sheet_.Handle());
    scroller_.onClick = [this] { scroller_.SetFocus(); };
    scroller_.onMouseWheel = [this](int distance) { OnWheel(distance); };
    scroller_.onKeyDown = [this](UINT key) { return OnKey(key); };
    map_.Create(scroller_.Handle());
    map_.onResize = [this] { scroller_.ContentResized(); };
    map_.onMouseDown = [this](tk::MouseButton button, int x, int y) { OnMouseDown(button, x, y); };
    map_.onMouseUp = [this](tk::MouseButton, int, int) { scroller_.SetFocus(); };
    map_.onDblClick = [this] { AppendCurrentChar(); };
    scroller_.SetContent(&map_);

    sheet_.onResize = [this] {
        const RECT r = sheet_.ClientRect();
        toolbar_.SetBounds(0, 0, r.right, kToolbarHeight);
        scroller_.SetBounds(0, kToolbarHeight, r.right, r.bottom - kToolbarHeight);
    };
}

void CharMapPage::CreateToolbar() {
    toolbar_.Create(sheet_.Handle(), &images_);

    tk::FontSpec labelFont = window_.GetFont();
    labelFont.SetSize(kBufferLabelPoints);
    const std::string bufferCaption = "缓冲: ";
    bufferLabel_.Create(toolbar_.Handle(), bufferCaption);
    bufferLabel_.SetFont(labelFont);
    toolbar_.AddControl(bufferLabel_, tk::ScreenTextWidth(labelFont, bufferCaption));

    // Flat and borderless, so that it reads as part of the toolbar.
    buffer_.Create(toolbar_.Handle(), tk::Edit::Lines::Single);
    tk::FontSpec bufferFont = window_.GetFont();
    bufferFont.SetSize(kBufferPoints);
    buffer_.SetFont(bufferFont);
    buffer_.SetText("TestBuffer");
    buffer_.onKeyDown = [this](UINT key) { return TabToMap(key); };
    toolbar_.AddControl(buffer_, kBufferWidth);

    toolbar_.AddSeparator();
    copyButton_ = toolbar_.AddActionButton(copy_, false);
    clearButton_ = toolbar_.AddActionButton(clear_, false);
    toolbar_.AddSeparator();
    markMissingButton_ = toolbar_.AddActionButton(markMissing_, true);
    toolbar_.AddSeparator();
    fontLabel_.Create(toolbar_.Handle(), "");
    fontLabel_.SetFont(window_.GetFont());
    toolbar_.AddControl(fontLabel_, kFontLabelWidth);
}

bool CharMapPage::IsCharCell(int32_t x, int32_t y) const {
    return logic::IsCharCell(x, y, MapCellSize, state_.mapColumns);
}

void CharMapPage::HighlightCell(int32_t x, int32_t y) {
    const logic::CellOrigin cell = logic::HighlightCellOrigin(x, y, MapCellSize);
    const int32_t s = MapCellSize;
    tk::Canvas& canvas = map_.Picture().GetCanvas();
    // Both steps invert, so a second call on the same cell gives back every pixel.
    canvas.DrawFocusRect(MakeRect(cell.left + kFrameInset, cell.top + kFrameInset,
                                  cell.left + s - kFrameInset, cell.top + s - kFrameInset));
    canvas.brushColor = tk::kClYellow;
    canvas.PatBlt(cell.left, cell.top, s, s, PATINVERT);
    canvas.brushColor = tk::kClWhite;
}

void CharMapPage::Pick(MapPoint point) {
    MapPoint& picked = state_.selectedPoint;
    if (picked.x >= 0) HighlightCell(picked.x, picked.y);
    HighlightCell(point.x, point.y);
    map_.Repaint();
    picked = point;
    state_.currentChar =
        static_cast<uint8_t>(logic::CodeAtPoint(point.x, point.y, MapCellSize, state_.mapColumns));
}

void CharMapPage::OnMouseDown(tk::MouseButton button, int32_t x, int32_t y) {
    const MapPoint& picked = state_.selectedPoint;
    if (state_.mapReady && button == tk::MouseButton::Left && IsCharCell(x, y)) Pick({x, y});
    // The menu works on the cell picked last, wherever the right button went down.
    if (picked.x >= 0 && button == tk::MouseButton::Right) {
        POINT at{};
        ::GetCursorPos(&at);
        popupMenu_.Popup(at.x, at.y);
    }
    scroller_.SetFocus();
}

void CharMapPage::ShowGlyphCount(const std::string& text) {
    if (onGlyphCount) onGlyphCount(text);
}

void CharMapPage::OnWheel(int32_t distance) {
    const int32_t position = scroller_.Position() - distance;
    scroller_.SetPosition(std::clamp(position, 0, scroller_.RangeEnd()));
}

void CharMapPage::CopyBuffer() {
    tk::SetClipboardText(window_.Handle(), buffer_.Text(), "无法打开剪贴板");
}

void CharMapPage::AppendCurrentChar() {
    // Nothing has been picked since the program started.
    if (state_.currentChar == 0) return;
    buffer_.SetText(buffer_.Text() + static_cast<char>(state_.currentChar));
}

}  // namespace letterloom
