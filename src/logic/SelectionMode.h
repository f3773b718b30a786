#pragma once

#include <cstdint>

namespace logic {

// A selection mode is a pair of bits, 0..3.
inline constexpr uint8_t kModeSeveralSelected = 0x01;  // two or more fonts selected
inline constexpr uint8_t kModeOneDesignated = 0x02;    // one font designated

uint8_t SelectionModeFor(int selectedCount, bool selectedListHasCurrent);

struct TabVisibility {
    bool selectedFonts;
    bool fontTest;
    bool charMap;
};

TabVisibility TabsForMode(uint8_t mode);

// Which list supplies the designated font.
enum class DesignatedList { None, FontList, SelectedList };

DesignatedList DesignatedListForMode(uint8_t mode);

}  // namespace logic
