#pragma once

#include "Building.h"
#include "NameMatcher.h"

#include <string_view>

namespace quarl {

// The building names in the text, found by searching for each name on its own: the plain reference for the
// counter's one-pass search.
inline NameSet FindNamesOneByOne(std::string_view text)
{
    NameSet found = 0;
    for (std::size_t index = 0; index < BuildingCatalogue.size(); ++index) {
        if (text.find(BuildingCatalogue[index].name) != std::string_view::npos)
            found |= NameSet{1} << index;
    }
    return found;
}

} // namespace quarl
