#include "ProcessCounts.h"

#include <psapi.h>

namespace {

// Wine's GDI handles are an index into the process's table in the low 16 bits and a reuse count
// in the high ones; a value with the high bits clear names whatever object holds the index.
void CountGdiObjects(ProcessCounts& counts) {
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        const DWORD type = ::GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (!type) continue;
        ++counts.gdi;
        ++counts.gdiOfType[type & 15];
    }
}

// USER handles are even indexes from 0x20 with the same convention.
void CountUserObjects(ProcessCounts& counts) {
    const DWORD self = ::GetCurrentProcessId();
    for (UINT_PTR index = 0x20; index <= 0xFFFE; index += 2) {
        HWND window = reinterpret_cast<HWND>(index);
        DWORD owner = 0;
        if (::IsWindow(window) && ::GetWindowThreadProcessId(window, &owner) && owner == self)
            ++counts.windows;
        if (::IsMenu(reinterpret_cast<HMENU>(index))) ++counts.menus;
    }
}

// Kernel handles are multiples of 4.
long CountKernelHandles() {
    long count = 0;
    DWORD flags = 0;
    for (UINT_PTR value = 4; value <= 0xFFFF; value += 4)
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    return count;
}

// The commit charge: PrivateUsage where the platform fills it, PagefileUsage (the same figure
// on Windows) under Wine.
int64_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(),
                                reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        return -1;
    return static_cast<int64_t>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
}

}  // namespace

ProcessCounts ReadProcessCounts() {
    ProcessCounts counts;
    CountGdiObjects(counts);
    CountUserObjects(counts);
    counts.kernel = CountKernelHandles();
    counts.privateBytes = PrivateBytes();
    return counts;
}
