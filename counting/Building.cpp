#include "Building.h"

namespace quarl {

std::vector<building> MakeWorkingCopy()
{
    std::vector<building> buildings;
    buildings.reserve(BuildingCatalogue.size());
    for (const auto& entry : BuildingCatalogue)
        buildings.push_back({entry.name, 0, entry.points});
    return buildings;
}

} // namespace quarl
