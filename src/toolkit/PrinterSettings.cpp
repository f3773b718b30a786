#include "toolkit/PrinterSettings.h"

#include <commdlg.h>

#include <cstring>

#include "toolkit/Error.h"

namespace tk {

UniqueGlobal CopyGlobal(HGLOBAL block) {
    const SIZE_T size = ::GlobalSize(block);
    UniqueGlobal copy(::GlobalAlloc(GHND, size));
    if (!copy) ThrowLastError("GlobalAlloc");
    const GlobalLockScope<BYTE> from(block);
    const GlobalLockScope<BYTE> to(copy.get());
    std::memcpy(to.get(), from.get(), size);
    return copy;
}

PrinterNames NamesOf(HGLOBAL devNames) {
    const GlobalLockScope<char> block(devNames);
    const auto* names = reinterpret_cast<const DEVNAMES*>(block.get());
    if (!names) return {};
    return {block.get() + names->wDeviceOffset, block.get() + names->wDriverOffset,
            block.get() + names->wOutputOffset};
}

UniqueGlobal MakeDevNames(const PrinterNames& names) {
    const size_t header = sizeof(DEVNAMES);
    const size_t size = header + names.driver.size() + names.device.size() + names.port.size() + 3;
    UniqueGlobal block(::GlobalAlloc(GHND, size));
    if (!block) ThrowLastError("GlobalAlloc");
    const GlobalLockScope<char> view(block.get());
    auto* devNames = reinterpret_cast<DEVNAMES*>(view.get());
    size_t offset = header;
    auto put = [&](const std::string& text) {
        std::memcpy(view.get() + offset, text.c_str(), text.size() + 1);
        const WORD at = static_cast<WORD>(offset);
        offset += text.size() + 1;
        return at;
    };
    devNames->wDriverOffset = put(names.driver);
    devNames->wDeviceOffset = put(names.device);
    devNames->wOutputOffset = put(names.port);
    return block;
}

}  // namespace tk
