#include "IntegerConversion.h"

namespace quarl {
namespace {

constexpr int HexDigitValue(char c) noexcept
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr bool IsDecimalDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

std::optional<std::int32_t> ParseHexDigits(std::string_view digits) noexcept
{
    if (digits.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        if (significant > 0 || digit != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) noexcept
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;

    // The magnitude saturates just past the limit, so any number of digits is safe to read.
    constexpr std::uint64_t limit = std::uint64_t{1} << 31;
    std::uint64_t magnitude = 0;
    for (char c : text) {
        if (!IsDecimalDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > limit)
            magnitude = limit + 1;
    }
    if (magnitude > (negative ? limit : limit - 1))
        return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) noexcept
{
    const auto firstNonBlank = text.find_first_not_of(' ');
    if (firstNonBlank == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(firstNonBlank);

    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X')
        return ParseHexDigits(text.substr(1));
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHexDigits(text.substr(2));
    return ParseDecimal(text);
}

} // namespace quarl
