#pragma once

#include "frontend/DisplayLines.h"

#include <QFont>
#include <QString>
#include <QTextOption>

#include <array>
#include <cstddef>
#include <string_view>

class QPlainTextEdit;
class QTextDocument;

namespace quarl {

// How a plain-text box lays out its text lines (blocks): every wrapped part of a text line is a display line, and
// a line separator (U+2028) ends one and is dropped. A text line is laid out here where the box has not laid it out
// itself, so the lines are the same whether or not the box has been shown or scrolled.
class PlainTextBoxLayout final : public EditBoxLayout
{
public:
    explicit PlainTextBoxLayout(const QPlainTextEdit& box);

    [[nodiscard]] std::u16string_view Text() const override;
    [[nodiscard]] std::u16string_view LineBreak() const override { return u"\u2029"; }
    [[nodiscard]] bool CertainlyFits(std::u16string_view line) const override;
    void LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take) override;
    [[nodiscard]] std::u16string Nfc(std::u16string_view text) const override;

private:
    QFont font_;
    QTextOption option_;
    // The width a display line may fill.
    qreal width_ = 0;
    // The advance of each character of the font's own Latin-1 range, for the quick check; NotMeasured for others.
    std::array<qreal, 256> advance_{};
    // One copy of the whole text is far quicker than asking every block for its own.
    QString text_;
    const QTextDocument& document_;
};

// Calls take(line) with the box's display lines (see ForEachDisplayLine in frontend/DisplayLines.h), but only those
// of text lines `wanted` accepts.
void ForEachDisplayLine(const QPlainTextEdit& box, TextLineFilter wanted, const DisplayLineTaker& take);

// Appends one line to the box, not as an undoable edit: after a final line break (or into an empty box) the line
// followed by a line break, otherwise a line break followed by the line. The caret ends after the new text.
void AppendLine(QPlainTextEdit& box, const QString& line);

// Text taken from an edit box, with its paragraph breaks written as CR LF for the clipboard.
[[nodiscard]] QString WithCrLf(QString text);

} // namespace quarl
