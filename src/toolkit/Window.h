#pragma once
// Base of every window the toolkit makes: one window procedure trampoline that finds the C++
// object, lets it handle the message and stops exceptions at the handler boundary.
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

class Menu;

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    bool HandleAllocated() const { return hwnd_ != nullptr; }

    void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const;  // in the parent's client coordinates
    RECT ClientRect() const;
    int Width() const;
    int Height() const;
    void Show(bool visible);
    bool Visible() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    bool Focused() const;
    void Invalidate(bool erase = true);
    void Repaint();  // invalidates and paints at once
    std::string Text() const;
    void SetText(const std::string& text);

    // The object behind a window made by the toolkit, or null.
    static Window* FromHandle(HWND hwnd);

    // Notifications that a parent forwards to the child they are about.
    virtual void OnCommand(WORD /*code*/, WORD /*id*/) {}
    virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
    virtual void OnDrawItem(DRAWITEMSTRUCT* /*item*/) {}
    virtual void OnMeasureItem(MEASUREITEMSTRUCT* /*item*/) {}
    // Brush for WM_CTLCOLOR*; null lets the system choose.
    virtual HBRUSH OnControlColor(HDC /*dc*/) { return nullptr; }

    // The menus whose commands and item drawing this window receives (see Menu), and the ids of
    // their items, unique within the window.
    void AddMenu(Menu& menu);
    void RemoveMenu(Menu& menu);
    UINT NextMenuCommandId() { return nextMenuCommandId_++; }

protected:
    // Creates a window of a class registered by the toolkit (see RegisterToolkitClass).
    void CreateOwnClass(const char* className, DWORD exStyle, DWORD style, HWND parent,
                        const std::string& text = {});
    // Creates a system control and subclasses it so its messages also come here.
    void CreateSystemControl(const char* className, DWORD exStyle, DWORD style, HWND parent,
                             const std::string& text = {});
    static void RegisterToolkitClass(const char* className, UINT classStyle = CS_DBLCLKS,
                                     HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE +
                                                                                  1),
                                     HICON icon = nullptr);

    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam);
    // Makes a font with these attributes the window's font (WM_SETFONT); the caller keeps it
    // alive and lets the old one go only after this call.
    UniqueFont ApplyFont(const FontSpec& font);
    // Called after WM_NCDESTROY: the handle is gone.
    virtual void OnHandleDestroyed() {}

private:
    static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    // WM_NCDESTROY: the window lets go of its object and gets its own procedure back.
    LRESULT Destroyed(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT ForwardToChild(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);

    HWND hwnd_ = nullptr;
    std::vector<Menu*> menus_;
    UINT nextMenuCommandId_ = 1000;
    // The system control's own procedure, for windows the toolkit subclassed.
    WNDPROC originalProc_ = nullptr;
};

}  // namespace tk
