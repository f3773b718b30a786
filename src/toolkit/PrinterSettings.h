#pragma once
// The movable memory blocks in which the platform hands over printer names and document settings.
#include <windows.h>

#include "toolkit/Printer.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

// A movable block locked for the scope's lifetime; get() is null for a null block.
template <typename T>
class GlobalView {
public:
    explicit GlobalView(HGLOBAL block)
        : block_(block), data_(block ? static_cast<T*>(::GlobalLock(block)) : nullptr) {}
    ~GlobalView() {
        if (data_) ::GlobalUnlock(block_);
    }
    GlobalView(const GlobalView&) = delete;
    GlobalView& operator=(const GlobalView&) = delete;
    T* get() const { return data_; }

private:
    HGLOBAL block_;
    T* data_;
};

UniqueGlobal CopyGlobal(HGLOBAL block);
PrinterNames NamesOf(HGLOBAL devNames);
UniqueGlobal MakeDevNames(const PrinterNames& names);

}  // namespace tk
