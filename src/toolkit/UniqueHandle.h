#pragma once
// Move-only owners for Win32 handles: one type per handle kind, each released by its own function;
// and the scopes that borrow, paint, select and lock, each undone on every path out.
#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

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

// The release functions of the platform are imported from DLLs, so their addresses are no
// constants; these plain functions stand in for them as template arguments.
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
inline void ClosePrinterHandle(HANDLE h) { ::ClosePrinter(h); }
inline void DestroyImageList(HIMAGELIST h) { ::ImageList_Destroy(h); }

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
// A printer opened with OpenPrinter.
using UniquePrinter = UniqueHandle<HANDLE, NullHandleTraits<HANDLE, ClosePrinterHandle>>;
using UniqueImageList = UniqueHandle<HIMAGELIST, NullHandleTraits<HIMAGELIST, DestroyImageList>>;

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

// Keeps GDI objects of one kind selected into a DC. The object the DC had before the scope's
// first selection goes back when the scope ends or restores; selecting again in between keeps it.
// The objects selected must outlive their selection: declare the scope after their owners.
class SelectScope {
public:
    SelectScope() = default;
    SelectScope(HDC dc, HGDIOBJ obj) { Select(dc, obj); }
    ~SelectScope() { Restore(); }
    SelectScope(SelectScope&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)),
          original_(std::exchange(other.original_, nullptr)) {}
    SelectScope& operator=(SelectScope&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            original_ = std::exchange(other.original_, nullptr);
        }
        return *this;
    }

    // Selects obj into dc. A DC other than the one the scope holds gets the first one's original
    // object back first.
    void Select(HDC dc, HGDIOBJ obj) {
        if (dc != dc_) Restore();
        HGDIOBJ previous = ::SelectObject(dc, obj);
        if (!original_ && previous) {
            dc_ = dc;
            original_ = previous;
        }
    }
    // Selects the DC's original object back; the scope then holds nothing.
    void Restore() {
        if (original_) ::SelectObject(dc_, original_);
        dc_ = nullptr;
        original_ = nullptr;
    }
    explicit operator bool() const { return original_ != nullptr; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ original_ = nullptr;
};

// A movable memory block locked for the scope's lifetime: get() gives its contents as T, null for
// a null block or a failed lock, and the block is unlocked on every path out.
template <typename T>
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL block)
        : block_(block), data_(block ? static_cast<T*>(::GlobalLock(block)) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) ::GlobalUnlock(block_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    T* get() const { return data_; }

private:
    HGLOBAL block_;
    T* data_;
};

}  // namespace tk
