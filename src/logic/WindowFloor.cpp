#include "logic/WindowFloor.h"

#include <algorithm>

namespace logic {

OuterSize ApplyMainWindowFloor(OuterSize size) {
    return OuterSize{std::max(size.width, kMinMainWidth), std::max(size.height, kMinMainHeight)};
}

}  // namespace logic
