#pragma once

#include "Building.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarl {

// Sums the destroyed buildings of sabotage report lines. Each line adds the number between its first "(" and
// its first ")" (1 when that is not a number) to every building type it names, once per type and line.
// Counts and the total wrap around as 32-bit two's complement.
class SaboCounter
{
public:
    SaboCounter();

    void AddLine(std::string_view line) noexcept;

    // Fourteen lines "<name>  (<count>)" in catalogue order, an empty line, and the weighted total.
    [[nodiscard]] std::vector<std::string> ResultLines() const;

private:
    std::vector<building> buildings_;
};

// Counts the report lines in one fresh run and returns the sixteen result lines. Never fails on any input.
[[nodiscard]] std::vector<std::string> CountSaboReports(std::span<const std::string_view> lines);
[[nodiscard]] std::vector<std::string> CountSaboReports(std::span<const std::string> lines);

} // namespace quarl
