#pragma once

#include <string>

namespace quarl {

// The window's data as JSON, for the page's script to build the window from: caption and titles, client size,
// fonts, the controls in tab order with their kind, parent, 96-dpi area, text, states and click command, and the
// menus with their items.
[[nodiscard]] std::string WindowDataJson();

} // namespace quarl
