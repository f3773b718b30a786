#pragma once
// Registry keys as the tests open them, with the platform's functions rather than the program's:
// owned, so that they are closed on every way out.
#include <windows.h>

#include "toolkit/UniqueHandle.h"

namespace testshared {

// root\path opened with the access; empty when it does not open.
inline tk::UniqueKey OpenKey(HKEY root, const char* path, REGSAM access = KEY_READ) {
    HKEY key = nullptr;
    return tk::UniqueKey(::RegOpenKeyExA(root, path, 0, access, &key) == ERROR_SUCCESS ? key
                                                                                       : nullptr);
}

// root\path opened with all access, made with its parents when missing; empty when that fails.
inline tk::UniqueKey CreateKey(HKEY root, const char* path) {
    HKEY key = nullptr;
    return tk::UniqueKey(::RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                           nullptr) == ERROR_SUCCESS
                             ? key
                             : nullptr);
}

}  // namespace testshared
