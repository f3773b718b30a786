#include "logic/PlacementValues.h"

#include "logic/IntegerText.h"

namespace logic {

std::string FormatFourNumbers(const FourNumbers& numbers) {
    return std::to_string(numbers[0]) + "," + std::to_string(numbers[1]) + "," +
           std::to_string(numbers[2]) + "," + std::to_string(numbers[3]);
}

FourNumbers ParseFourNumbers(std::string_view text, const FourNumbers& fallback) {
    FourNumbers numbers = fallback;
    size_t next = 0;
    size_t i = 0;
    while (next < numbers.size() && i < text.size()) {
        if (text[i] == ',' || text[i] == ' ') {
            ++i;
            continue;
        }
        const size_t end = text.find_first_of(", ", i);
        const std::string_view word = text.substr(i, end == std::string_view::npos ? end : end - i);
        numbers[next] = ParseStoredNumber(word, fallback[next]);
        ++next;
        i += word.size();
    }
    return numbers;
}

int32_t ParseStoredNumber(std::string_view text, int32_t fallback) {
    return ParseInteger(text).value_or(fallback);
}

std::string ScreenSizedName(std::string_view name, int32_t screenWidth, int32_t screenHeight) {
    return std::string(name) + "(" + std::to_string(screenWidth) + "x" +
           std::to_string(screenHeight) + ")";
}

WindowState StateForShowCmd(std::optional<int32_t> showCmd) {
    switch (showCmd.value_or(0)) {
        case 1:
        case 5:
        case 9:
            return WindowState::Normal;
        case 2:
        case 6:
        case 7:
            return WindowState::Minimized;
        default:
            return WindowState::Maximized;
    }
}

bool PositionApplies(int32_t storedPixelsPerInch, int32_t screenPixelsPerInch, bool minMaxFound,
                     bool normPosFound) {
    return storedPixelsPerInch == screenPixelsPerInch && (minMaxFound || normPosFound);
}

}  // namespace logic
