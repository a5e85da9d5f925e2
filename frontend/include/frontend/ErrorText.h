#pragma once

#include <string>
#include <string_view>

namespace quarl {

// The text shown for an error message: a "." is added when the message ends in a character above "." in byte
// order (a letter, a digit, ":" or "?"); a message ending in ".", ")", "!" or a blank is shown as it is.
[[nodiscard]] std::string ErrorText(std::string_view message);

} // namespace quarl
