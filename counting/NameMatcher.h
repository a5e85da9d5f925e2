#pragma once

#include <cstdint>
#include <string_view>

namespace quarl {

// A set of catalogue positions: bit i stands for BuildingCatalogue[i].
using NameSet = std::uint32_t;

// The catalogue names that occur in the text, each at most once, found in one pass.
[[nodiscard]] NameSet FindNames(std::string_view text) noexcept;

// Whether any catalogue name occurs in the text; stops at the first one.
[[nodiscard]] bool ContainsAnyName(std::string_view text) noexcept;

} // namespace quarl
