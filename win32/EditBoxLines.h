#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace quarl {

// The lines of a multi-line edit box as it displays them, read through its own line messages: every wrapped part
// of a text line is a line of its own, a final empty line after the last line break is not counted, and each line
// is cut to 4096 characters. The lines come as UTF-8 in NFC.
[[nodiscard]] std::vector<std::string> DisplayLines(HWND box);

// Decides from a whole text line (UTF-8, NFC) whether its display lines are wanted at all.
using TextLineFilter = bool (*)(std::string_view textLine);

// Calls take(line) with the display lines DisplayLines() gives, but only those of text lines `wanted` accepts.
// The display lines of other text lines are never read, and text lines certainly narrower than the box are taken
// whole, which keeps reading a large paste quick. A line given to take() lives only until take() returns.
void ForEachDisplayLine(HWND box, TextLineFilter wanted, const std::function<void(std::string_view line)>& take);

// Appends one line to the box, not as an undoable edit: after a final line break (or into an empty box) the line
// followed by CR LF, otherwise CR LF followed by the line.
void AppendLine(HWND box, std::wstring_view line);

} // namespace quarl
