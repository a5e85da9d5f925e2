#pragma once

#include <windows.h>

namespace quarl {

// A panel in the button-face colour with a raised inner and a lowered outer bevel. Tab and arrow keys move into
// its controls, and their notifications (button clicks, colours) go on to the panel's parent.
[[nodiscard]] HWND CreateBevelPanel(HWND parent, int left, int top, int width, int height);

} // namespace quarl
