#pragma once
// What the character map tests share: the program on its map page, code run in the middle of a
// build, recordings of what a canvas hands to GDI, the popup menu watched from another thread and
// the clipboard read by another process.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "charmap/CharMapRenderer.h"
#include "support/ProgramFixture.h"
#include "support/Wait.h"
#include "toolkit/Form.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/StatusBar.h"

namespace charmaptest {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// The main window's outer width for a number of columns of the on-screen map.
constexpr int WidthForColumns(int columns) { return 50 + 70 * columns; }

// A progress bar on a hidden window of its own, as a printout or a test without the main window
// has one.
struct StandaloneBar {
    StandaloneBar();
    tk::Form host;
    tk::ProgressBar bar;
};

class CharMapTest : public testsupport::ProgramTest {
protected:
    // Starts the program, selects the font, sets the window's outer width and opens the map page,
    // which builds the map.
    void OpenMap(const std::string& font, int width);
    void SelectFont(const std::string& font);
    void ShowPage(const std::string& caption) { testsupport::ClickTab(form->Pages(), caption); }
    tk::MemoryBitmap& Map() { return form->CharMap().Map().Picture(); }
    // Mouse messages as the image gets them, at a position of the map.
    void Press(UINT message, int x, int y);
    void LeftClick(int x, int y);
    void RightClick(int x, int y);
    void DoubleClick(int x, int y);
};

// Runs an action once, inside the first message pump after it was made: during a build, that is
// between two cells.
class DuringBuild {
public:
    explicit DuringBuild(std::function<void()> action);
    ~DuringBuild();
    DuringBuild(const DuringBuild&) = delete;
    DuringBuild& operator=(const DuringBuild&) = delete;
    bool Ran() const { return ran_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::function<void()> action_;
    bool ran_ = false;
    HWND window_ = nullptr;
};

// A text as it reached GDI, with the font selected at the time.
struct RecordedText {
    std::string text;  // GBK
    int x = 0;
    int y = 0;
    LONG height = 0;
    LONG weight = 0;
    std::string face;  // GBK
};

struct Recording {
    std::vector<RECT> rectangles;
    std::vector<RecordedText> texts;
};

// Draws on a canvas over an enhanced metafile and lists the rectangles and texts it recorded.
Recording RecordDrawing(const std::function<void(tk::Canvas&)>& draw);

// Watches for the popup menus of this process from another thread; chooses the first item of
// each, or closes it.
class PopupMenuWatcher {
public:
    enum class Answer { ChooseFirst, Close };
    explicit PopupMenuWatcher(Answer answer);
    int Opened() const { return opened_; }

private:
    void Watch();
    Answer answer_;
    volatile LONG opened_ = 0;
    HWND menu_ = nullptr;  // the menu that shows, answered at answeredAt_
    DWORD answeredAt_ = 0;
    testsupport::DriverThread thread_;  // last: it starts once the rest is ready, and stops first
};

// What another process reads from the clipboard as text: the bytes of CF_TEXT, or "<none>" when
// the clipboard holds no text.
std::string ClipboardTextSeenByAnotherProcess();

// Cells in which a pixel inside the cell, away from its texts, has the colour.
int CellsWithInterior(tk::MemoryBitmap& map, int columns, COLORREF colour);

}  // namespace charmaptest
