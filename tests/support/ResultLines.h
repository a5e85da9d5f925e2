#pragma once

#include "Building.h"
#include "Wrapping.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarl {

// The numbers read back from the counter's sixteen result lines.
struct ResultCounts
{
    // Empty when the lines are well-formed and the total matches the counts; otherwise what is wrong.
    std::string error;
    std::array<std::int32_t, BuildingTypeCount> counts{};
    std::int32_t total = 0;
};

namespace detail {

// A decimal number exactly as the counter writes it: an optional minus sign, no leading zeros, 32 bits.
inline std::optional<std::int32_t> ReadDecimal(std::string_view text)
{
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 10 || (digits[0] == '0' && (digits.size() > 1 || negative)))
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value != static_cast<std::int32_t>(value))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The number after `prefix` up to `suffix`, when the line is exactly that.
inline std::optional<std::int32_t> ReadBetween(std::string_view line, std::string_view prefix, std::string_view suffix)
{
    if (line.size() < prefix.size() + suffix.size() || !line.starts_with(prefix) || !line.ends_with(suffix))
        return std::nullopt;
    return ReadDecimal(line.substr(prefix.size(), line.size() - prefix.size() - suffix.size()));
}

} // namespace detail

// Checks that the lines are fourteen "<name>  (<count>)" in catalogue order, an empty line and
// "Gesamt zerstörte Punkte: <total>", with the total matching the counts and points (both wrap around at
// 32 bits), and reads the numbers.
inline ResultCounts ReadResultLines(const std::vector<std::string>& lines)
{
    ResultCounts result;
    if (lines.size() != BuildingTypeCount + 2) {
        result.error = std::to_string(lines.size()) + " lines instead of 16";
        return result;
    }
    std::int32_t total = 0;
    for (std::size_t index = 0; index < BuildingTypeCount; ++index) {
        const auto& entry = BuildingCatalogue[index];
        const auto count = detail::ReadBetween(lines[index], std::string(entry.name) + "  (", ")");
        if (!count) {
            result.error = "line " + std::to_string(index + 1) + " is \"" + lines[index] + '"';
            return result;
        }
        result.counts[index] = *count;
        total = WrappingSum(total, WrappingProduct(*count, entry.points));
    }
    const auto shownTotal = detail::ReadBetween(lines[15], "Gesamt zerstörte Punkte: ", "");
    if (!lines[14].empty() || !shownTotal) {
        result.error = "the last two lines are \"" + lines[14] + "\" and \"" + lines[15] + '"';
        return result;
    }
    result.total = *shownTotal;
    if (result.total != total)
        result.error =
            "the total is " + std::to_string(result.total) + ", but the counts give " + std::to_string(total);
    return result;
}

} // namespace quarl
