#include "charmap/GraphProc.h"

#include "app/MainFormUnit.h"
#include "charmap/CharCellPainter.h"
#include "toolkit/Application.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/MessagePacer.h"

namespace letterloom {

const uint8_t MapCellSize = logic::kMapCellSize;
uint8_t MapColumns = 5;
bool DrawingContinue = false;
bool MapReady = false;
MapPoint SelectedPoint{-1, -1};
uint8_t CurrentChar = 0;

namespace {

constexpr int kLastCellIndex = logic::kCellCount - 1;
constexpr int kWaitingWidth = 500;
constexpr int kWaitingHeight = 280;
constexpr int kWaitingTextPoints = 12;
constexpr DWORD kPauseAfterBuild = 100;

// A build of the on-screen map is running (BuildCharMap is on the stack).
bool building = false;
// The list a request made during a build names; the running build starts over with it.
tk::ListBox* restartRequest = nullptr;

class BuildingScope {
public:
    BuildingScope() { building = true; }
    ~BuildingScope() {
        building = false;
        restartRequest = nullptr;
    }
    BuildingScope(const BuildingScope&) = delete;
    BuildingScope& operator=(const BuildingScope&) = delete;
};

}  // namespace

RECT MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return RECT{left, top, right, bottom};
}

void DrawCharCells(const std::string& fontName, int32_t cellSize, int32_t columns, int32_t x0,
                   int32_t y0, tk::Canvas& canvas, tk::ProgressBar& progress) {
    SelectedPoint = {-1, -1};
    CharCellPainter painter(canvas, fontName, cellSize, columns, x0, y0);
    progress.SetPosition(0);
    progress.SetMax(kLastCellIndex);
    DrawingContinue = true;
    tk::Application& app = tk::Application::Instance();
    tk::MessagePacer pacer;
    for (int code = logic::kFirstCode; code <= logic::kLastCode; ++code) {
        if (!DrawingContinue) break;
        progress.SetPosition(code - logic::kFirstCode);
        painter.Draw(code);
        pacer.Step();
        // The main window closed while its messages ran: nothing is left to draw for.
        if (app.Terminated()) break;
    }
}

void RenderCharMap(const std::string& fontName, int32_t cellSize, int32_t columns,
                   tk::MemoryBitmap& bitmap) {
    SelectedPoint = {-1, -1};
    tk::ProgressBar& bar = MainForm->PBar;
    bar.SetPosition(0);
    bar.SetMax(kLastCellIndex);
    const int32_t rows = logic::MapRowCount(columns);
    DrawingContinue = true;
    bitmap.SetSize(cellSize * columns, cellSize * rows);
    bitmap.GetCanvas().PatBlt(0, 0, cellSize * columns, cellSize * rows, WHITENESS);
    DrawCharCells(fontName, cellSize, columns, 0, 0, bitmap.GetCanvas(), bar);
    bar.SetPosition(0);
}

void PrepareMapPicture(tk::MemoryBitmap& bitmap) {
    bitmap.SetSize(kWaitingWidth, kWaitingHeight);
    tk::Canvas& canvas = bitmap.GetCanvas();
    canvas.penColor = tk::kClBtnFace;
    canvas.brushColor = tk::kClBtnFace;
    // Larger than the bitmap, so that the outline falls outside it too.
    canvas.Rectangle(0, 0, 600, 400);
    tk::FontSpec& font = canvas.Font();
    font.name = "宋体 ";
    font.SetSize(kWaitingTextPoints);
    font.Set(tk::kBold, true);
    canvas.TextOut(10, 10, "创建字符表...  ");
    MapReady = false;
}

void BuildCharMap(tk::ListBox& list) {
    TMainForm& form = *MainForm;
    if (form.Pagine.ActivePage() != form.MappaCaratteri) {
        DrawingContinue = false;
        restartRequest = nullptr;
        return;
    }
    if (building) {
        // Asked again while drawing (a resize, another font): the running build stops after its
        // current cell and starts over, so that the map shown always has the latest columns.
        restartRequest = &list;
        DrawingContinue = false;
        return;
    }
    BuildingScope scope;
    tk::ListBox* request = &list;
    while (request) {
        restartRequest = nullptr;
        MapColumns = logic::MapColumnsForWidth(form.Width(), MapCellSize);
        tk::MemoryBitmap bitmap;
        const std::string fontName = request->Item(request->ItemIndex());
        tk::FontSpec bufferFont = form.TextBuffer.GetFont();
        bufferFont.name = fontName;
        form.TextBuffer.SetFont(bufferFont);
        form.CmapFont.SetText("字体: " + fontName);
        PrepareMapPicture(bitmap);
        form.CsetPrv.SetPicture(bitmap);
        RenderCharMap(fontName, MapCellSize, MapColumns, bitmap);
        // The main window closed during the build: there is nothing left to show the map in.
        if (tk::Application::Instance().Terminated()) return;
        request = restartRequest;
        if (!request) form.CsetPrv.SetPicture(bitmap);
    }
    tk::Pause(kPauseAfterBuild);
    MapReady = true;
    // A build stopped by leaving the page ends with the page hidden; the focus stays where it is.
    if (form.MapScroller.Visible()) form.MapScroller.SetFocus();
}

}  // namespace letterloom
