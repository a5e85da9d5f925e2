#pragma once

#include "frontend/MainFormData.h"

#include <array>
#include <cstddef>

namespace quarl {

// The application's title, the caption of its error boxes and of its task-bar entry, as the window system's text:
// made while compiling (it is ASCII), so that showing an error needs no memory for it.
inline constexpr auto ApplicationTitle = [] {
    constexpr std::string_view title = MainFormData::ApplicationTitle;
    std::array<wchar_t, title.size() + 1> wide{};
    for (std::size_t index = 0; index < title.size(); ++index)
        wide[index] = static_cast<wchar_t>(title[index]);
    return wide;
}();

} // namespace quarl
