#include "counting/Building.h"
#include "counting/NameMatcher.h"
#include "counting/SaboCounter.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarl {
namespace {

constexpr std::string_view TotalPrefix = "Gesamt zerstörte Punkte: ";

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number as std::to_string writes an int32: an optional '-', then digits without a leading zero (except "0").
std::optional<std::int32_t> ParseDecimal(std::string_view text)
{
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 10 || (digits[0] == '0' && (digits.size() > 1 || negative)))
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        if (!IsDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// "<name>  (<count>)"
std::optional<std::int32_t> ParseCountLine(std::string_view line, std::string_view name)
{
    const std::string_view open = "  (";
    if (!line.starts_with(name) || !line.substr(name.size()).starts_with(open) || !line.ends_with(')'))
        return std::nullopt;
    const std::size_t start = name.size() + open.size();
    if (line.size() <= start)
        return std::nullopt;
    return ParseDecimal(line.substr(start, line.size() - start - 1));
}

std::optional<std::int32_t> ParseTotalLine(std::string_view line)
{
    if (!line.starts_with(TotalPrefix))
        return std::nullopt;
    return ParseDecimal(line.substr(TotalPrefix.size()));
}

void CheckResultLines(const std::vector<std::string>& lines)
{
    Require(lines.size() == BuildingTypeCount + 2);
    std::uint32_t weighted = 0;
    for (std::size_t index = 0; index < BuildingTypeCount; ++index) {
        const auto count = ParseCountLine(lines[index], BuildingCatalogue[index].name);
        Require(count.has_value());
        weighted += static_cast<std::uint32_t>(*count) * static_cast<std::uint32_t>(BuildingCatalogue[index].points);
    }
    Require(lines[BuildingTypeCount].empty());
    const auto total = ParseTotalLine(lines[BuildingTypeCount + 1]);
    Require(total.has_value());
    Require(static_cast<std::uint32_t>(*total) == weighted);
}

NameSet FindNamesOneByOne(std::string_view text)
{
    NameSet found = 0;
    for (std::size_t index = 0; index < BuildingCatalogue.size(); ++index) {
        if (text.find(BuildingCatalogue[index].name) != std::string_view::npos)
            found |= NameSet{1} << index;
    }
    return found;
}

// The skip search must find exactly what a plain substring search finds.
void CheckNameMatcher(std::string_view line)
{
    const NameSet expected = FindNamesOneByOne(line);
    Require(FindNames(line) == expected);
    Require(ContainsAnyName(line) == (expected != 0));
}

void CheckCounting(std::string_view input)
{
    const std::vector<std::string_view> views = SplitLines(input);
    for (const auto line : views)
        CheckNameMatcher(line);
    const std::vector<std::string> result = CountSaboReports(views);
    CheckResultLines(result);
    const std::vector<std::string> copies(views.begin(), views.end());
    Require(CountSaboReports(copies) == result);
}

} // namespace
} // namespace quarl

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quarl::CheckCounting(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
