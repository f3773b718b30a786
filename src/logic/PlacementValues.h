#pragma once
// The texts of the main window's stored placement and the rules that read them back.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logic {

inline constexpr char kFormVersionName[] = "FormVersion";
inline constexpr char kFlagsName[] = "Flags";
inline constexpr char kShowCmdName[] = "ShowCmd";
inline constexpr char kPixelsPerInchName[] = "PixelsPerInch";
inline constexpr char kMinMaxPosName[] = "MinMaxPos";
inline constexpr char kNormPosName[] = "NormPos";
inline constexpr char kVisibleName[] = "Visible";
inline constexpr int32_t kPlacementVersion = 0;

using FourNumbers = std::array<int32_t, 4>;

// "%d,%d,%d,%d"
std::string FormatFourNumbers(const FourNumbers& numbers);
// Splits at commas and spaces; a missing or unreadable number takes its fallback.
FourNumbers ParseFourNumbers(std::string_view text, const FourNumbers& fallback);
// A stored number, or the fallback when the text is not one.
int32_t ParseStoredNumber(std::string_view text, int32_t fallback);

// The name with the primary screen's size appended: "NormPos(800x600)".
std::string ScreenSizedName(std::string_view name, int32_t screenWidth, int32_t screenHeight);

enum class WindowState { Normal, Minimized, Maximized };
// 1, 5, 9 normal; 2, 6, 7 minimised; anything else, a missing value too, maximised.
WindowState StateForShowCmd(std::optional<int32_t> showCmd);

// The stored position is applied only on a screen of the same pixels per inch, when at least one
// of the two position values was found.
bool PositionApplies(int32_t storedPixelsPerInch, int32_t screenPixelsPerInch, bool minMaxFound,
                     bool normPosFound);

}  // namespace logic
