#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarl {

// The fourteen building names in the order of the result, written out here rather than taken from the counter's
// catalogue.
inline constexpr std::string_view ExpectedBuildingNames[] = {"Planetenzentrale",
                                                             "Raumhafen",
                                                             "Wohngebäude",
                                                             "Solarpark",
                                                             "Eisenmine",
                                                             "Siliziumraffinerie",
                                                             "Kohlenstoffgewinnungsanlage",
                                                             "Bohrturm",
                                                             "Chemiefabrik",
                                                             "Recyclinganlage",
                                                             "Rohstofflager",
                                                             "Schiffsfabrik",
                                                             "Waffenfabrik",
                                                             "Forschungszentrum"};

// Building names with their expected counts; a building left out is expected at 0.
using BuildingCounts = std::vector<std::pair<std::string_view, std::int32_t>>;

// The sixteen result lines expected for the counts and the total: the fourteen buildings in their order, an empty
// line and the total. UTF-8.
inline std::vector<std::string> ExpectedResultLines(const BuildingCounts& counts, std::int32_t total)
{
    std::size_t named = 0;
    std::vector<std::string> lines;
    for (const std::string_view building : ExpectedBuildingNames) {
        std::int32_t count = 0;
        for (const auto& [name, value] : counts) {
            if (name == building) {
                count = value;
                ++named;
            }
        }
        lines.push_back(std::string(building) + "  (" + std::to_string(count) + ")");
    }
    if (named != counts.size())
        throw std::invalid_argument("a name that is no building");
    lines.emplace_back();
    lines.push_back("Gesamt zerstörte Punkte: " + std::to_string(total));
    return lines;
}

} // namespace quarl
