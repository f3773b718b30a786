#pragma once
// The maker's two web pages, opened from the Help menu and the about box.

namespace letterloom {

inline constexpr const char* kSoftwarePage =
    "http://www.orvane.example/orvanepage/go.php?id=software";
inline constexpr const char* kDonatePage =
    "http://www.orvane.example/orvanepage/go.php?id=software_donate";

}  // namespace letterloom
