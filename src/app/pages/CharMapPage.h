#pragma once
// The character map page: the buffer toolbar above the map of one font in its scroll box; picking
// cells, the popup menu and the text buffer the characters go to.
#include <cstdint>
#include <string>

#include "app/pages/CharMapState.h"
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
    // bar that counts a build's cells.
    CharMapPage(tk::TabSheet& sheet, tk::Form& window, const tk::ImageList& images,
                tk::ProgressBar& progress);

    tk::TabSheet& Sheet() { return sheet_; }
    // Builds the map of the font for the page, which shows; a request during a build restarts it.
    void Build(const std::string& fontName);
    // Stops a build that is still running (the page was left).
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

private:
    void CreateToolbar();
    void OnMouseDown(tk::MouseButton button, int32_t x, int32_t y);
    void OnWheel(int32_t distance);
    void AppendCurrentChar();
    void CopyBuffer();

    tk::TabSheet& sheet_;
    tk::Form& window_;
    const tk::ImageList& images_;
    tk::ProgressBar& progress_;
    CharMapState state_;

    tk::ActionList actions_;
    tk::Action copy_;
    tk::Action clear_;
    tk::Menu popupMenu_;
    tk::ToolBar toolbar_;
    tk::Label bufferLabel_;
    tk::Edit buffer_;
    tk::Label fontLabel_;
    tk::ScrollBox scroller_;
    tk::Image map_;
    UINT copyButton_ = 0;
    UINT clearButton_ = 0;
};

}  // namespace letterloom
