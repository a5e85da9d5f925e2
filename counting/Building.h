#pragma once

#include "counting/SaboCounter.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quarl {

struct CatalogueEntry
{
    std::string_view name;
    std::int32_t points;
};

inline constexpr std::size_t BuildingTypeCount = 14;

// The order is the order of matching and of the result lines; it is not alphabetical.
// No name is a substring of another, so a line naming one type never matches a second by accident.
inline constexpr std::array<CatalogueEntry, BuildingTypeCount> BuildingCatalogue{{
    {"Planetenzentrale", 2},
    {"Raumhafen", 3},
    {"Wohngebäude", 1},
    {"Solarpark", 1},
    {"Eisenmine", 1},
    {"Siliziumraffinerie", 1},
    {"Kohlenstoffgewinnungsanlage", 1},
    {"Bohrturm", 1},
    {"Chemiefabrik", 2},
    {"Recyclinganlage", 2},
    {"Rohstofflager", 1},
    {"Schiffsfabrik", 3},
    {"Waffenfabrik", 3},
    {"Forschungszentrum", 3},
}};

// A fresh working copy of the catalogue for one counter run: fourteen records in catalogue order, all counts 0.
[[nodiscard]] std::vector<building> MakeWorkingCopy();

} // namespace quarl
