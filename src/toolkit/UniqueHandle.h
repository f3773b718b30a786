#pragma once
// Move-only owners for Win32 handles: one type per handle kind, each released by its own function.
#include <windows.h>

#include <utility>

namespace tk {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::invalid(); }
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle h = Traits::invalid()) {
        Handle old = std::exchange(handle_, h);
        if (old != Traits::invalid()) Traits::close(old);
    }

private:
    Handle handle_ = Traits::invalid();
};

template <typename Handle, auto Close>
struct NullHandleTraits {
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { Close(h); }
};

inline void DeleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void CloseRegistryKey(HKEY h) { ::RegCloseKey(h); }
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void DestroyMenuHandle(HMENU h) { ::DestroyMenu(h); }
inline void DeleteDeviceContext(HDC h) { ::DeleteDC(h); }
inline void ReleaseModule(HMODULE h) { ::FreeLibrary(h); }
inline void DestroyIconHandle(HICON h) { ::DestroyIcon(h); }
inline void FreeGlobal(HGLOBAL h) { ::GlobalFree(h); }
inline void CloseFindHandle(HANDLE h) { ::FindClose(h); }
inline void DeleteMetafile(HENHMETAFILE h) { ::DeleteEnhMetaFile(h); }

using UniqueFont = UniqueHandle<HFONT, NullHandleTraits<HFONT, DeleteGdiObject>>;
using UniqueBitmap = UniqueHandle<HBITMAP, NullHandleTraits<HBITMAP, DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<HBRUSH, NullHandleTraits<HBRUSH, DeleteGdiObject>>;
using UniquePen = UniqueHandle<HPEN, NullHandleTraits<HPEN, DeleteGdiObject>>;
using UniqueRegion = UniqueHandle<HRGN, NullHandleTraits<HRGN, DeleteGdiObject>>;
using UniqueKey = UniqueHandle<HKEY, NullHandleTraits<HKEY, CloseRegistryKey>>;
using UniqueMenu = UniqueHandle<HMENU, NullHandleTraits<HMENU, DestroyMenuHandle>>;
using UniqueDC = UniqueHandle<HDC, NullHandleTraits<HDC, DeleteDeviceContext>>;
using UniqueModule = UniqueHandle<HMODULE, NullHandleTraits<HMODULE, ReleaseModule>>;
using UniqueIcon = UniqueHandle<HICON, NullHandleTraits<HICON, DestroyIconHandle>>;
using UniqueGlobal = UniqueHandle<HGLOBAL, NullHandleTraits<HGLOBAL, FreeGlobal>>;
// Processes, threads, events: the kernel handles whose failure value is null.
using UniqueKernelHandle = UniqueHandle<HANDLE, NullHandleTraits<HANDLE, CloseKernelHandle>>;
using UniqueMetafile = UniqueHandle<HENHMETAFILE, NullHandleTraits<HENHMETAFILE, DeleteMetafile>>;

// Handles whose "none" is INVALID_HANDLE_VALUE: files and file searches.
template <auto Close>
struct InvalidValueHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { Close(h); }
};
using UniqueFile = UniqueHandle<HANDLE, InvalidValueHandleTraits<CloseKernelHandle>>;
using UniqueFind = UniqueHandle<HANDLE, InvalidValueHandleTraits<CloseFindHandle>>;

// A DC borrowed from a window with GetDC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// The painting of one WM_PAINT: BeginPaint when made, EndPaint on every path out, also when the
// drawing throws.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
    ~PaintScope() { ::EndPaint(hwnd_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& Info() const { return paint_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a GDI object into a DC for the scope's lifetime.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~SelectScope() {
        if (old_) ::SelectObject(dc_, old_);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace tk
