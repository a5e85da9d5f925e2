#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarl {

// Converts the whole text to a 32-bit integer, or fails; it never stops early at a character it does not know.
// Accepted: leading blanks (the space character only), then either a decimal number with an optional sign
// directly before its digits, or a hexadecimal number after "$", "x", "X", "0x" or "0X" (no sign) with at most
// eight significant digits read as a two's-complement bit pattern. Nothing may follow the last digit.
[[nodiscard]] std::optional<std::int32_t> ParseInteger(std::string_view text) noexcept;

} // namespace quarl
