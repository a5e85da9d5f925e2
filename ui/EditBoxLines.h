#pragma once

#include "frontend/DisplayLines.h"

#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;
class QString;

namespace quarl {

// The lines of an edit box as it displays them: every wrapped part of a text line is a line of its own, a line
// separator (U+2028) ends a line and is dropped, a final empty line after the last line break is not counted, and
// each line is cut and normalised as both front ends do it (see frontend/DisplayLines.h).
// Gives the same lines whether or not the box has been shown or scrolled, since each text line is laid out here.
[[nodiscard]] std::vector<std::string> DisplayLines(const QPlainTextEdit& box);

// Calls take(line) with the display lines DisplayLines() gives, but only those of text lines `wanted` accepts.
// Text lines certainly narrower than the box are taken whole and only the rest is laid out, which together with
// the filter keeps reading a large paste quick. A line given to take() lives only until take() returns.
void ForEachDisplayLine(const QPlainTextEdit& box, TextLineFilter wanted, const DisplayLineTaker& take);

// Appends one line to the box, not as an undoable edit: after a final line break (or into an empty box) the line
// followed by a line break, otherwise a line break followed by the line. The caret ends after the new text.
void AppendLine(QPlainTextEdit& box, const QString& line);

// Text taken from an edit box, with its paragraph breaks written as CR LF for the clipboard.
[[nodiscard]] QString WithCrLf(QString text);

} // namespace quarl
