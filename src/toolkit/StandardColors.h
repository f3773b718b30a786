#pragma once
// The toolkit's standard grid of 40 named colours, 5 rows of 8 from black to white, as colour
// pickers offer them. The names are English.
#include <array>

#include "toolkit/Color.h"

namespace tk {

struct NamedColor {
    const char* name;
    Color color;
};

constexpr int kStandardColorColumns = 8;
constexpr int kStandardColorRows = 5;

// Row by row.
const std::array<NamedColor, kStandardColorColumns * kStandardColorRows>& StandardColors();

}  // namespace tk
