#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;

namespace quarl {

// The lines of an edit box as it displays them: every wrapped part of a text line is a line of its own, a line
// separator (U+2028) ends a line and is dropped, a final empty line after the last line break is not counted, and
// each line is cut to 4096 characters. The lines come as UTF-8 in NFC, the form the building names are written in.
// Gives the same lines whether or not the box has been shown or scrolled, since each block is laid out here.
[[nodiscard]] std::vector<std::string> DisplayLines(const QPlainTextEdit& box);

} // namespace quarl
