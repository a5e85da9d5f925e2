#pragma once

#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace quarl {

class SaboCounter;

// The whole text of a window or control.
[[nodiscard]] std::wstring WindowText(HWND window);

// The lines of a multi-line edit box as it displays them, read through its own line messages: every wrapped part
// of a text line is a line of its own, a final empty line after the last line break is not counted, and each line
// is cut to 4096 characters. The lines come as UTF-8 in NFC.
[[nodiscard]] std::vector<std::string> DisplayLines(HWND box);

// Adds the box's display lines to the counter, with the same effect as adding every line DisplayLines() gives.
// Only a line with a building name can change a count, so the display lines of text lines without one are never
// read, which keeps a click on a large paste quick.
void CountDisplayLines(HWND box, SaboCounter& counter);

// Appends one line to the box, not as an undoable edit: after a final line break (or into an empty box) the line
// followed by CR LF, otherwise CR LF followed by the line.
void AppendLine(HWND box, std::wstring_view line);

} // namespace quarl
