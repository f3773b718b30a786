#pragma once
// Colours as the program stores them: 0x00BBGGRR, or a negative value naming a system colour
// by its low byte (0x8000000F is the button face).
#include <windows.h>

#include <cstdint>

namespace tk {

using Color = int32_t;

constexpr Color SystemColor(int index) { return static_cast<Color>(0x80000000u | unsigned(index)); }
constexpr Color kClBtnFace = SystemColor(COLOR_BTNFACE);
constexpr Color kClWindow = SystemColor(COLOR_WINDOW);
constexpr Color kClWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr Color kClHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr Color kClHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr Color kClBlack = 0x000000;
constexpr Color kClWhite = 0xFFFFFF;
constexpr Color kClYellow = 0x00FFFF;

inline COLORREF ToRGB(Color c) {
    return c < 0 ? ::GetSysColor(c & 0xFF) : static_cast<COLORREF>(c);
}

}  // namespace tk
