// Building the map that the character map page shows.
#include <algorithm>
#include <optional>

#include "app/pages/CharMapPage.h"
#include "charmap/CharMapRenderer.h"
#include "toolkit/Application.h"
#include "toolkit/MemoryBitmap.h"

namespace letterloom {

namespace {

constexpr DWORD kPauseAfterBuild = 100;

// Marks a build as running for as long as it is on the stack.
class BuildingScope {
public:
    explicit BuildingScope(CharMapState& state) : state_(state) { state_.building = true; }
    ~BuildingScope() {
        state_.building = false;
        state_.restartRequest.reset();
    }
    BuildingScope(const BuildingScope&) = delete;
    BuildingScope& operator=(const BuildingScope&) = delete;

private:
    CharMapState& state_;
};

}  // namespace

void CharMapPage::StopBuild() {
    state_.drawingContinue = false;
    state_.restartRequest.reset();
    ShowGlyphCount("");
}

void CharMapPage::Build(const std::string& fontName) {
    if (state_.building) {
        // Asked again while drawing (a resize, another font): the running build stops after its
        // current cell and starts over, so that the map shown always has the latest columns.
        state_.restartRequest = fontName;
        state_.drawingContinue = false;
        return;
    }
    BuildingScope scope(state_);
    std::optional<std::string> request = fontName;
    while (request) {
        state_.restartRequest.reset();
        state_.mapColumns = logic::MapColumnsForWidth(window_.Width(), MapCellSize);
        tk::MemoryBitmap& bitmap = state_.work;
        // Each build starts from the canvas a new bitmap has.
        bitmap.ResetCanvas();
        const std::string name = *request;
        // A rebuild of the same font (a resize) leaves the buffer and the label as they are.
        if (buffer_.GetFont().name != name) {
            tk::FontSpec bufferFont = buffer_.GetFont();
            bufferFont.name = name;
            buffer_.SetFont(bufferFont);
        }
        const std::string label = "字体: " + name;
        if (fontLabel_.Text() != label) fontLabel_.SetText(label);
        PrepareMapPicture(bitmap, state_.mapReady);
        // Asked of the canvas font the cells will take their style from.
        std::optional<logic::GlyphCoverage> missingMarks;
        if (settings_.markMissingGlyphs)
            missingMarks = MapGlyphCoverage(name, MapCellSize, bitmap.GetCanvas());
        ShowGlyphCount(missingMarks ? logic::CoverageText(*missingMarks) : "");
        // The image shows the waiting picture in the space of the map to come, so that the scroll
        // box sees no change and its bar is not drawn again; the bitmap gets back the last map, of
        // the size the new one most likely has. The box scrolls no further than the waiting
        // picture reaches, so that it shows.
        map_.TakeStandIn(bitmap, MapCellSize * state_.mapColumns,
                         MapCellSize * logic::MapRowCount(state_.mapColumns));
        const int waitingEnd =
            map_.Picture().Height() - static_cast<int>(scroller_.ClientRect().bottom);
        scroller_.SetPosition(std::min(scroller_.Position(), waitingEnd));
        // The new picture has no highlighted cell.
        state_.selectedPoint = {-1, -1};
        RenderCharMap(name, MapCellSize, state_.mapColumns, bitmap, progress_,
                      state_.drawingContinue, missingMarks);
        // The main window closed during the build: there is nothing left to show the map in.
        if (tk::Application::Instance().Terminated()) return;
        request = state_.restartRequest;
        if (!request) map_.TakePicture(bitmap);
    }
    tk::Pause(kPauseAfterBuild);
    state_.mapReady = true;
    // A build stopped by leaving the page ends with the page hidden; the focus stays where it is.
    if (scroller_.Visible()) scroller_.SetFocus();
}

}  // namespace letterloom
