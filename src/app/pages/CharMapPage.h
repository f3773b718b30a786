#pragma once
// The character map page: the buffer toolbar above the map of one font in its scroll box; picking
// cells, the popup menu and the text buffer the characters go to.
#include <cstdint>
#include <functional>
#include <string>

#include "app/pages/CharMapState.h"
#include "logic/CharMapGeometry.h"
#include "logic/Settings.h"
#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"
#include "toolkit/PageControl.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/StatusBar.h"
#include "toolkit/ToolBar.h"

namespace letterloom {

class CharMapPage {
public:
    // window sizes the map's columns, owns the popup menu and lends its font; progress is the
    // bar that counts a build's cells; settings hold the choice to mark missing glyphs.
    CharMapPage(tk::TabSheet& sheet, tk::Form& window, const tk::ImageList& images,
                tk::ProgressBar& progress, logic::Settings& settings);

    // The choice to mark missing glyphs changed: the map must be built anew.
    std::function<void()> onMarksChanged;
    // The count of real glyphs to show while the page shows a marked map; empty otherwise.
    std::function<void(const std::string& text)> onGlyphCount;

    tk::TabSheet& Sheet() { return sheet_; }
    // Builds the map of the font for the page, which shows; a request during a build restarts it.
    void Build(const std::string& fontName);
    // Stops a build that is still running (the page was left) and clears the glyph count.
    void StopBuild();

    bool IsCharCell(int32_t x, int32_t y) const;
    // Inverts the cell under a map point; a second call on it gives back every pixel.
    void HighlightCell(int32_t x, int32_t y);

    // The state, the controls and the menu, as the user works them.
    CharMapState& State() { return state_; }
    tk::Image& Map() { return map_; }
    tk::ScrollBox& Scroller() { return scroller_; }
    tk::Edit& Buffer() { return buffer_; }
    tk::Label& FontLabel() { return fontLabel_; }
    tk::ToolBar& Toolbar() { return toolbar_; }
    tk::Menu& PopupMenu() { return popupMenu_; }
    UINT CopyButton() const { return copyButton_; }
    UINT ClearButton() const { return clearButton_; }
    UINT MarkMissingButton() const { return markMissingButton_; }

private:
    void CreateToolbar();
    void OnMouseDown(tk::MouseButton button, int32_t x, int32_t y);
    // Highlights the cell under a map point instead of the one highlighted before.
    void Pick(MapPoint point);
    // Keys on the map and in the buffer; true when used.
    bool OnKey(UINT key);
    bool TabToMap(UINT key);
    void MoveHighlight(logic::CellMove move);
    void ShowGlyphCount(const std::string& text);
    void OnWheel(int32_t distance);
    void AppendCurrentChar();
    void CopyBuffer();

    tk::TabSheet& sheet_;
    tk::Form& window_;
    const tk::ImageList& images_;
    tk::ProgressBar& progress_;
    logic::Settings& settings_;
    CharMapState state_;

    tk::ActionList actions_;
    tk::Action copy_;
    tk::Action clear_;
    tk::Action markMissing_;
    tk::Menu popupMenu_;
    tk::ToolBar toolbar_;
    tk::Label bufferLabel_;
    tk::Edit buffer_;
    tk::Label fontLabel_;
    tk::ScrollBox scroller_;
    tk::Image map_;
    UINT copyButton_ = 0;
    UINT clearButton_ = 0;
    UINT markMissingButton_ = 0;
};

}  // namespace letterloom
