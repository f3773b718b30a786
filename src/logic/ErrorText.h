#pragma once

#include <string>
#include <string_view>

namespace logic {

// The error box ends a message with "." unless its last byte already is '.' or
// another byte at or below it ('!', ')', ...). GBK trail bytes are all above it.
std::string WithFullStop(std::string_view message);

}  // namespace logic
