#include "logic/SelectionMode.h"

namespace logic {

uint8_t SelectionModeFor(int selectedCount, bool selectedListHasCurrent) {
    if (selectedCount <= 0) {
        return 0;
    }
    // A single selected font is the designated one; among several, only a current
    // entry in the selected list designates one.
    if (selectedCount == 1) {
        return kModeOneDesignated;
    }
    return selectedListHasCurrent ? kModeSeveralSelected | kModeOneDesignated
                                  : kModeSeveralSelected;
}

TabVisibility TabsForMode(uint8_t mode) {
    const bool several = (mode & kModeSeveralSelected) != 0;
    const bool designated = (mode & kModeOneDesignated) != 0;
    return TabVisibility{several, designated, designated};
}

DesignatedList DesignatedListForMode(uint8_t mode) {
    switch (mode) {
        case kModeOneDesignated:
            return DesignatedList::FontList;
        case kModeSeveralSelected | kModeOneDesignated:
            return DesignatedList::SelectedList;
        default:
            return DesignatedList::None;
    }
}

}  // namespace logic
