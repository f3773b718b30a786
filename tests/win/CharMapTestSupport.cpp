#include "CharMapTestSupport.h"

#include <commctrl.h>

#include <cctype>
#include <string>

#include "support/DialogWatcher.h"
#include "toolkit/Canvas.h"
#include "toolkit/UniqueHandle.h"

namespace charmaptest {

namespace {

constexpr UINT kRunAction = WM_APP + 7;

std::string ToGbk(const wchar_t* text, int length) {
    if (length <= 0) return {};
    const int size = ::WideCharToMultiByte(936, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(936, 0, text, length, gbk.data(), size, nullptr, nullptr);
    return gbk;
}

int FontIndex(tk::ListBox& list, const std::string& name) {
    for (int i = 0; i < list.Count(); ++i)
        if (list.Item(i) == name) return i;
    return -1;
}

}  // namespace

StandaloneBar::StandaloneBar() {
    host.CreateForm("host", WS_OVERLAPPEDWINDOW, 0, 200, 50);
    bar.Create(host.Handle());
}

void CharMapTest::SelectFont(const std::string& font) {
    const int index = FontIndex(form->FontList().List(), font);
    ASSERT_GE(index, 0) << font << " is not installed";
    ::SendMessageA(form->FontList().List().Handle(), LB_SETTOPINDEX, index, 0);
    testsupport::ClickListItem(form->FontList().List(), index);
    ASSERT_EQ(form->FontList().List().ItemIndex(), index);
}

void CharMapTest::OpenMap(const std::string& font, int width) {
    StartProgram();
    SelectFont(font);
    // A first run opens maximised; the map's width needs the normal state.
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    form->SetBounds(0, 0, width, 600);
    ShowPage("字符映射表");
    ASSERT_EQ(form->Pages().ActivePage(), (&form->CharMap().Sheet()));
    ASSERT_TRUE(form->CharMap().State().mapReady);
}

void CharMapTest::Press(UINT message, int x, int y) {
    const WPARAM keys = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ? MK_LBUTTON
                        : message == WM_RBUTTONDOWN                              ? MK_RBUTTON
                                                                                 : 0;
    ::SendMessageA(form->CharMap().Map().Handle(), message, keys, MAKELPARAM(x, y));
}

void CharMapTest::LeftClick(int x, int y) {
    Press(WM_LBUTTONDOWN, x, y);
    Press(WM_LBUTTONUP, x, y);
    testsupport::Pump();
}

void CharMapTest::RightClick(int x, int y) {
    Press(WM_RBUTTONDOWN, x, y);
    Press(WM_RBUTTONUP, x, y);
    testsupport::Pump();
}

void CharMapTest::DoubleClick(int x, int y) {
    // As the window system delivers it: press, release, double-click, release.
    Press(WM_LBUTTONDOWN, x, y);
    Press(WM_LBUTTONUP, x, y);
    Press(WM_LBUTTONDBLCLK, x, y);
    Press(WM_LBUTTONUP, x, y);
    testsupport::Pump();
}

DuringBuild::DuringBuild(std::function<void()> action) : action_(std::move(action)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "CharMapTestDuringBuild";
    ::RegisterClassA(&wc);
    window_ = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::PostMessageA(window_, kRunAction, 0, 0);
}

DuringBuild::~DuringBuild() { ::DestroyWindow(window_); }

LRESULT CALLBACK DuringBuild::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kRunAction) {
        auto* self = reinterpret_cast<DuringBuild*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && !self->ran_) {
            self->ran_ = true;
            self->action_();
        }
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

namespace {

struct Parse {
    Recording recording;
    std::vector<LOGFONTW> fonts;
    LOGFONTW current{};
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param) {
    auto* parse = reinterpret_cast<Parse*>(param);
    const auto* bytes = reinterpret_cast<const BYTE*>(record);
    switch (record->iType) {
        case EMR_EXTCREATEFONTINDIRECTW: {
            const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
            if (parse->fonts.size() <= font->ihFont) parse->fonts.resize(font->ihFont + 1);
            parse->fonts[font->ihFont] = font->elfw.elfLogFont;
            break;
        }
        case EMR_SELECTOBJECT: {
            const DWORD object = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
            if (!(object & 0x80000000u) && object < parse->fonts.size() &&
                parse->fonts[object].lfFaceName[0])
                parse->current = parse->fonts[object];
            break;
        }
        case EMR_EXTTEXTOUTW: {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            RecordedText seen;
            seen.text = ToGbk(reinterpret_cast<const wchar_t*>(bytes + text->emrtext.offString),
                              static_cast<int>(text->emrtext.nChars));
            seen.x = text->emrtext.ptlReference.x;
            seen.y = text->emrtext.ptlReference.y;
            seen.height = parse->current.lfHeight;
            seen.weight = parse->current.lfWeight;
            seen.face = ToGbk(parse->current.lfFaceName,
                              static_cast<int>(::lstrlenW(parse->current.lfFaceName)));
            parse->recording.texts.push_back(seen);
            break;
        }
        case EMR_RECTANGLE: {
            const RECTL& box = reinterpret_cast<const EMRRECTANGLE*>(record)->rclBox;
            parse->recording.rectangles.push_back(RECT{box.left, box.top, box.right, box.bottom});
            break;
        }
        default:
            break;
    }
    return 1;
}

}  // namespace

Recording RecordDrawing(const std::function<void(tk::Canvas&)>& draw) {
    HDC dc = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    {
        tk::Canvas canvas(dc);
        canvas.Font().pixelsPerInch = tk::ScreenPixelsPerInch();
        draw(canvas);
    }
    const tk::UniqueMetafile metafile(::CloseEnhMetaFile(dc));
    Parse parse;
    ::EnumEnhMetaFile(nullptr, metafile.get(), ReadRecord, &parse, nullptr);
    return parse.recording;
}

PopupMenuWatcher::PopupMenuWatcher(Answer answer)
    : answer_(answer), thread_([this] {
          Watch();
          return false;
      }) {}

void PopupMenuWatcher::Watch() {
    // Polled 20 ms apart at most. The menu's own loop reads the keys from the interface thread's
    // queue; a menu that still shows 200 ms after them gets them again.
    constexpr DWORD kAnswerAgainMs = 200;
    HWND menu = testsupport::FindProcessWindow("#32768");
    if (menu != menu_) {
        menu_ = menu;
        if (!menu) return;
        ::InterlockedIncrement(&opened_);
    } else if (!menu || ::GetTickCount() - answeredAt_ < kAnswerAgainMs) {
        return;
    }
    answeredAt_ = ::GetTickCount();
    if (answer_ == Answer::ChooseFirst) {
        ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    } else {
        ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    }
}

std::string ClipboardTextSeenByAnotherProcess() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string tool = path;
    tool = tool.substr(0, tool.find_last_of("\\/") + 1) + "letterloom_clipboard_text.exe";

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readHandle = nullptr;
    HANDLE writeHandle = nullptr;
    if (!::CreatePipe(&readHandle, &writeHandle, &inherit, 0)) return "<no pipe>";
    const tk::UniqueKernelHandle readEnd(readHandle);
    tk::UniqueKernelHandle writeEnd(writeHandle);
    ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION process{};
    std::string command = "\"" + tool;
    command += "\"";
    if (!::CreateProcessA(tool.c_str(), command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &process))
        return "<not started>";
    const tk::UniqueKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    writeEnd.reset();  // the tool holds the only write end: reading ends when it does
    std::string output;
    char buffer[512];
    DWORD read = 0;
    while (::ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        output.append(buffer, read);
    ::WaitForSingleObject(process.hProcess, 10000);
    // The tool writes "text:" and the bytes in hexadecimal, or "none".
    const size_t start = output.find("text:");
    if (start == std::string::npos) return "<none>";
    std::string bytes;
    for (size_t i = start + 5; i + 1 < output.size() && std::isxdigit(output[i]); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(output.substr(i, 2), nullptr, 16)));
    return bytes;
}

int CellsWithInterior(tk::MemoryBitmap& map, int columns, COLORREF colour) {
    const int s = letterloom::MapCellSize;
    int count = 0;
    for (int code = logic::kFirstCode; code <= logic::kLastCode; ++code) {
        const logic::CellOrigin cell = logic::CellOriginFor(code, s, columns, 0, 0);
        // Near the bottom-left corner: inside the dotted frame and clear of the texts.
        if (map.Pixel(cell.left + 5, cell.top + s - 5) == colour) ++count;
    }
    return count;
}

}  // namespace charmaptest
