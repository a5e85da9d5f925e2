#pragma once

#include "frontend/DisplayLines.h"

#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace quarl {

// The lines of a multi-line edit box as it displays them, read through its own line messages: every wrapped part
// of a text line is a line of its own, a final empty line after the last line break is not counted, and each line
// is cut and normalised as both front ends do it (see frontend/DisplayLines.h).
[[nodiscard]] std::vector<std::string> DisplayLines(HWND box);

// Calls take(line) with the display lines DisplayLines() gives, but only those of text lines `wanted` accepts.
// The display lines of other text lines are never read, and text lines certainly narrower than the box are taken
// whole, which keeps reading a large paste quick. A line given to take() lives only until take() returns.
void ForEachDisplayLine(HWND box, TextLineFilter wanted, const DisplayLineTaker& take);

// Appends one line to the box, not as an undoable edit: after a final line break (or into an empty box) the line
// followed by CR LF, otherwise CR LF followed by the line.
void AppendLine(HWND box, std::wstring_view line);

} // namespace quarl
