#pragma once
// A window's placement record as the registry keeps it: nine text values in one key.
#include <windows.h>

#include <cstdint>

#include "logic/PlacementValues.h"

namespace tk {
class RegistryKey;
}

namespace letterloom {

// The stored placement version; 0 when none is stored.
int32_t StoredPlacementVersion(const tk::RegistryKey& values);
// Moves and sizes the window as stored, when a position was stored on a screen of this density.
// A window not yet shown stays hidden.
void ApplyStoredPosition(const tk::RegistryKey& values, HWND hwnd);
// The stored show state; maximised when none is stored.
logic::WindowState StoredShowState(const tk::RegistryKey& values);
// Puts the window into the state; minimised comes through a posted command.
void ShowInState(HWND hwnd, logic::WindowState state);
// Writes the window's placement record, value by value in their order.
void StorePlacement(tk::RegistryKey& values, HWND hwnd, bool visible);

}  // namespace letterloom
