#pragma once
// The face of the program's own windows and dialogs.

namespace logic {

inline constexpr char kProgramFace[] = "宋体";

}  // namespace logic
