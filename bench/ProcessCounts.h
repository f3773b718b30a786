#pragma once
// What this process holds: GDI objects, USER objects, kernel handles and private bytes, counted
// in a way that works under Wine, where GetGuiResources and GetProcessHandleCount answer 0 and
// PROCESS_MEMORY_COUNTERS_EX::PrivateUsage stays 0.
#include <windows.h>

#include <cstdint>

struct ProcessCounts {
    long gdi = 0;  // handle values whose GetObjectType names a GDI object
    long gdiOfType[16] =
        {};            // the same by GetObjectType's answer (OBJ_PEN 1 ... OBJ_COLORSPACE 14)
    long windows = 0;  // windows of this process (USER)
    long menus = 0;    // menus (USER)
    long kernel = 0;   // handle values that GetHandleInformation accepts
    int64_t privateBytes = 0;
};

ProcessCounts ReadProcessCounts();
