// Building the map that the character map page shows.
#include "app/MainFormUnit.h"
#include "charmap/GraphProc.h"
#include "toolkit/Application.h"
#include "toolkit/MemoryBitmap.h"

namespace letterloom {

namespace {

constexpr DWORD kPauseAfterBuild = 100;

// Marks a build as running for as long as it is on the stack.
class BuildingScope {
public:
    explicit BuildingScope(CharMapState& state) : state_(state) { state_.Building = true; }
    ~BuildingScope() {
        state_.Building = false;
        state_.RestartRequest = nullptr;
    }
    BuildingScope(const BuildingScope&) = delete;
    BuildingScope& operator=(const BuildingScope&) = delete;

private:
    CharMapState& state_;
};

}  // namespace

void TMainForm::BuildCharMap(tk::ListBox& list) {
    if (Pagine.ActivePage() != MappaCaratteri) {
        CharMap.DrawingContinue = false;
        CharMap.RestartRequest = nullptr;
        return;
    }
    if (CharMap.Building) {
        // Asked again while drawing (a resize, another font): the running build stops after its
        // current cell and starts over, so that the map shown always has the latest columns.
        CharMap.RestartRequest = &list;
        CharMap.DrawingContinue = false;
        return;
    }
    BuildingScope scope(CharMap);
    tk::ListBox* request = &list;
    while (request) {
        CharMap.RestartRequest = nullptr;
        CharMap.MapColumns = logic::MapColumnsForWidth(Width(), MapCellSize);
        tk::MemoryBitmap& bitmap = CharMap.Work;
        // Each build starts from the canvas a new bitmap has.
        bitmap.ResetCanvas();
        const std::string fontName = request->Item(request->ItemIndex());
        tk::FontSpec bufferFont = TextBuffer.GetFont();
        bufferFont.name = fontName;
        TextBuffer.SetFont(bufferFont);
        CmapFont.SetText("字体: " + fontName);
        PrepareMapPicture(bitmap, CharMap.MapReady);
        // The image shows the waiting picture; the bitmap gets back the last map, of the size the
        // new one most likely has.
        CsetPrv.TakePicture(bitmap);
        // The new picture has no highlighted cell.
        CharMap.SelectedPoint = {-1, -1};
        RenderCharMap(fontName, MapCellSize, CharMap.MapColumns, bitmap, PBar,
                      CharMap.DrawingContinue);
        // The main window closed during the build: there is nothing left to show the map in.
        if (tk::Application::Instance().Terminated()) return;
        request = CharMap.RestartRequest;
        if (!request) CsetPrv.TakePicture(bitmap);
    }
    tk::Pause(kPauseAfterBuild);
    CharMap.MapReady = true;
    // A build stopped by leaving the page ends with the page hidden; the focus stays where it is.
    if (MapScroller.Visible()) MapScroller.SetFocus();
}

}  // namespace letterloom
