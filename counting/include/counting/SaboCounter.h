#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The counting core's one public header: what a front end needs to count sabotage reports. Lines are UTF-8.
namespace quarl {

// One building type during one counter run: its name as the reports write it, the number destroyed so far and the
// points one destroyed building is worth.
struct building
{
    std::string_view name;
    std::int32_t count = 0;
    std::int32_t points = 0;
};

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

// Whether adding this line can change a count: only a line that names a building type can. A line that cannot
// has no piece that can either, so a front end may skip such a text line before splitting it into the lines it
// displays. Cheap: one pass over the line, stopping at the first name.
[[nodiscard]] bool CanChangeCount(std::string_view line) noexcept;

// Counts the report lines in one fresh run and returns the sixteen result lines. Never fails on any input.
[[nodiscard]] std::vector<std::string> CountSaboReports(std::span<const std::string_view> lines);
[[nodiscard]] std::vector<std::string> CountSaboReports(std::span<const std::string> lines);

} // namespace quarl
