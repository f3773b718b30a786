#pragma once
// Keeps the main window's stored placement out of a benchmark: none is found as the window first
// shows (a first start, whose window shows maximised), and the one the window stores as it goes is
// removed, so that the tests sharing the Wine prefix never find it.
#include <windows.h>

class NoStoredPlacement {
public:
    NoStoredPlacement() { Remove(); }
    ~NoStoredPlacement() { Remove(); }
    NoStoredPlacement(const NoStoredPlacement&) = delete;
    NoStoredPlacement& operator=(const NoStoredPlacement&) = delete;

private:
    static void Remove() {
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "SOFTWARE\\Orvane\\Letterloom\\FormPosition");
    }
};
