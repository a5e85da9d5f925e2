#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;

namespace quarl {

class SaboCounter;

// The lines of an edit box as it displays them: every wrapped part of a text line is a line of its own, a line
// separator (U+2028) ends a line and is dropped, a final empty line after the last line break is not counted, and
// each line is cut to 4096 characters. The lines come as UTF-8 in NFC, the form the building names are written in.
// Gives the same lines whether or not the box has been shown or scrolled, since each block is laid out here.
[[nodiscard]] std::vector<std::string> DisplayLines(const QPlainTextEdit& box);

// Adds the box's display lines to the counter, with the same effect as adding every line DisplayLines() gives.
// Only a line with a building name can change a count, so text lines without one are skipped and those certainly
// narrower than the box are taken whole: only the rest is laid out, which keeps a click on a large paste quick.
void CountDisplayLines(const QPlainTextEdit& box, SaboCounter& counter);

} // namespace quarl
