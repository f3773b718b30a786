#include "toolkit/StandardColors.h"

namespace tk {

const std::array<NamedColor, kStandardColorColumns * kStandardColorRows>& StandardColors() {
    static constexpr std::array<NamedColor, kStandardColorColumns * kStandardColorRows> colors{{
        {"Black", RGB(0, 0, 0)},
        {"Brown", RGB(153, 51, 0)},
        {"Olive Green", RGB(51, 51, 0)},
        {"Dark Green", RGB(0, 51, 0)},
        {"Dark Teal", RGB(0, 51, 102)},
        {"Dark blue", RGB(0, 0, 128)},
        {"Indigo", RGB(51, 51, 153)},
        {"Gray-80%", RGB(51, 51, 51)},

        {"Dark Red", RGB(128, 0, 0)},
        {"Orange", RGB(255, 102, 0)},
        {"Dark Yellow", RGB(128, 128, 0)},
        {"Green", RGB(0, 128, 0)},
        {"Teal", RGB(0, 128, 128)},
        {"Blue", RGB(0, 0, 255)},
        {"Blue-Gray", RGB(102, 102, 153)},
        {"Gray-50%", RGB(128, 128, 128)},

        {"Red", RGB(255, 0, 0)},
        {"Light Orange", RGB(255, 153, 0)},
        {"Lime", RGB(153, 204, 0)},
        {"Sea Green", RGB(51, 153, 102)},
        {"Aqua", RGB(51, 204, 204)},
        {"Light Blue", RGB(51, 102, 255)},
        {"Violet", RGB(128, 0, 128)},
        {"Gray-40%", RGB(150, 150, 150)},

        {"Pink", RGB(255, 0, 255)},
        {"Gold", RGB(255, 204, 0)},
        {"Yellow", RGB(255, 255, 0)},
        {"Bright Green", RGB(0, 255, 0)},
        {"Turquoise", RGB(0, 255, 255)},
        {"Sky Blue", RGB(0, 204, 255)},
        {"Plum", RGB(153, 51, 102)},
        {"Gray-25%", RGB(192, 192, 192)},

        {"Rose", RGB(255, 153, 204)},
        {"Tan", RGB(255, 204, 153)},
        {"Light Yellow", RGB(255, 255, 153)},
        {"Light Green", RGB(204, 255, 204)},
        {"Light Turquoise", RGB(204, 255, 255)},
        {"Pale Blue", RGB(153, 204, 255)},
        {"Lavender", RGB(204, 153, 255)},
        {"White", RGB(255, 255, 255)},
    }};
    return colors;
}

}  // namespace tk
