#pragma once

class QWindow;

namespace quarl {

// Under X11, takes the resize function out of the window's _MOTIF_WM_HINTS: Qt offers it there even for a window
// of fixed size, and some window managers then show a resize handle or a maximise command. Call it after the
// native window is created and before it is shown. Does nothing on other platforms.
void RemoveResizeFunction(QWindow& window);

} // namespace quarl
