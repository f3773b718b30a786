#pragma once
// The registry raises generic errors; the settings and the window placement report them to the
// user in the words the program has always used for its stored values.
#include <functional>

namespace letterloom {

// Runs access; a registry value that cannot be read, has the wrong type or cannot be written
// leaves it as an Error worded "无法获得对 '<name>' 的数据", "对 '<name>' 的无效数据类型" or
// "无法设置对 '<name>' 的数据".
void WithSettingsWording(const std::function<void()>& access);

}  // namespace letterloom
