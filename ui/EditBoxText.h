#pragma once

class QPlainTextEdit;
class QString;

namespace quarl {

// Appends one line to the box, not as an undoable edit: after a final line break (or into an empty box) the line
// followed by a line break, otherwise a line break followed by the line. The caret ends after the new text.
void AppendLine(QPlainTextEdit& box, const QString& line);

// Text taken from an edit box, with its paragraph breaks written as CR LF for the clipboard.
[[nodiscard]] QString WithCrLf(QString text);

} // namespace quarl
