#include "counting/SaboCounter.h"

#include "Building.h"
#include "IntegerConversion.h"
#include "NameMatcher.h"

#include <cstdint>

namespace quarl {
namespace {

// Report numbers are summed with 32-bit wrap-around, computed unsigned so that overflow is defined.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t WrappingMultiply(std::int32_t a, std::int32_t b) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

// The value a report line adds to each building type it names.
std::int32_t LineValue(std::string_view line) noexcept
{
    // Without a "(" the number starts at the beginning of the line.
    const auto open = line.find('(');
    const auto close = line.find(')');
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    if (close == std::string_view::npos || close <= start)
        return 1;
    return ParseInteger(line.substr(start, close - start)).value_or(1);
}

template <typename Line>
std::vector<std::string> CountLines(std::span<const Line> lines)
{
    SaboCounter counter;
    for (const auto& line : lines)
        counter.AddLine(line);
    return counter.ResultLines();
}

} // namespace

SaboCounter::SaboCounter() : buildings_(MakeWorkingCopy())
{}

void SaboCounter::AddLine(std::string_view line) noexcept
{
    const NameSet names = FindNames(line);
    if (names == 0)
        return;
    const std::int32_t value = LineValue(line);
    for (std::size_t index = 0; index < buildings_.size(); ++index) {
        if ((names >> index & 1u) != 0)
            buildings_[index].count = WrappingAdd(buildings_[index].count, value);
    }
}

std::vector<std::string> SaboCounter::ResultLines() const
{
    std::vector<std::string> lines;
    lines.reserve(buildings_.size() + 2);
    std::int32_t total = 0;
    for (const auto& b : buildings_) {
        lines.push_back(std::string(b.name) + "  (" + std::to_string(b.count) + ")");
        total = WrappingAdd(total, WrappingMultiply(b.count, b.points));
    }
    lines.emplace_back();
    lines.push_back("Gesamt zerstörte Punkte: " + std::to_string(total));
    return lines;
}

bool CanChangeCount(std::string_view line) noexcept
{
    return ContainsAnyName(line);
}

std::vector<std::string> CountSaboReports(std::span<const std::string_view> lines)
{
    return CountLines(lines);
}

std::vector<std::string> CountSaboReports(std::span<const std::string> lines)
{
    return CountLines(lines);
}

} // namespace quarl
