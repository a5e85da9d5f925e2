#include "PlainTextBoxLines.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;

namespace quarl {
namespace {

constexpr qreal NotMeasured = -1;

// The viewport gets its size only when the box is first shown; until then it is measured the way the scroll area
// will lay it out, with the vertical scroll bar always there.
qreal TextWidth(const QPlainTextEdit& box)
{
    if (box.lineWrapMode() == QPlainTextEdit::NoWrap)
        return 0;
    if (!box.testAttribute(Qt::WA_PendingResizeEvent))
        return box.viewport()->width();
    box.ensurePolished();
    return box.maximumViewportSize().width();
}

qreal LineWidth(const QPlainTextEdit& box)
{
    const qreal textWidth = TextWidth(box);
    qreal width = (textWidth > 0 ? textWidth : qreal(INT_MAX)) - 2 * box.document()->documentMargin();
    if (box.document()->defaultTextOption().flags().testFlag(QTextOption::AddSpaceForLineAndParagraphSeparators))
        width -= QFontMetricsF(box.document()->defaultFont()).horizontalAdvance(QChar(0x21B5));
    return width;
}

QStringView View(std::u16string_view text)
{
    return {text.data(), static_cast<qsizetype>(text.size())};
}

std::u16string_view View(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// Calls take with each display line of a laid-out text line, without its line separator.
void TakeLines(const QTextLayout& layout, QStringView text, const ShownLineTaker& take)
{
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        QStringView shown = text.mid(line.textStart(), line.textLength());
        if (shown.endsWith(QChar::LineSeparator))
            shown.chop(1);
        take(View(shown));
    }
}

// The layout the box holds for a text line, where it is complete and made for this width and font: the box lays
// out the lines it shows, and laying out a long line again (one without blanks takes seconds) is wasted. Layouts
// of edited lines are dropped or redone by the box, and the last line must end where the text does, so a stale
// layout is not taken.
const QTextLayout* BoxLayout(const QTextBlock& block, QStringView text, const QFont& font, qreal width)
{
    const QTextLayout* layout = block.layout();
    if (layout == nullptr || layout->lineCount() == 0 || !layout->preeditAreaText().isEmpty() || layout->font() != font)
        return nullptr;
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    if (last.textStart() + last.textLength() != text.size())
        return nullptr;
    // Line widths are kept in 1/64 pixel.
    constexpr qreal Unit = 1.0 / 64;
    const auto sameWidth = [width, Unit](const QTextLine& line) { return std::abs(line.width() - width) < Unit; };
    return sameWidth(layout->lineAt(0)) && sameWidth(last) ? layout : nullptr;
}

bool EndsWithLineBreak(const QTextDocument& document)
{
    // The last character of a document is its closing paragraph separator; the one before it is the text's last.
    const QChar last = document.characterAt(document.characterCount() - 2);
    return last == QChar::ParagraphSeparator || last == QChar::LineSeparator;
}

} // namespace

PlainTextBoxLayout::PlainTextBoxLayout(const QPlainTextEdit& box)
    : font_(box.document()->defaultFont()), option_(box.document()->defaultTextOption()), width_(LineWidth(box)),
      text_(box.document()->toRawText()), document_(*box.document())
{
    // Only characters of the font's own Latin-1 range are measured; anything else (separators, marks, characters
    // drawn from a fallback font) sends the line to the real layout.
    advance_.fill(NotMeasured);
    const QFontMetricsF metrics(font_);
    for (char16_t c = 0x20; c < advance_.size(); ++c) {
        if (c != 0x7F && (c < 0x80 || c >= 0xA0) && metrics.inFont(QChar(c)))
            advance_[c] = metrics.horizontalAdvance(QChar(c));
    }
}

std::u16string_view PlainTextBoxLayout::Text() const
{
    return View(QStringView(text_));
}

// The margin of a fifth of the width covers kerning and rounding.
bool PlainTextBoxLayout::CertainlyFits(std::u16string_view line) const
{
    qreal sum = 0;
    for (const char16_t c : line) {
        if (c >= advance_.size() || advance_[c] == NotMeasured)
            return false;
        sum += advance_[c];
    }
    return sum <= width_ * 0.8;
}

void PlainTextBoxLayout::LayOut(std::size_t index, std::u16string_view line, const ShownLineTaker& take)
{
    if (line.empty()) {
        take(line);
        return;
    }
    // Found by number, not by walking from the last one: stepping through hundreds of thousands of blocks costs more
    // than the few long lines that need it.
    const QTextBlock block = document_.findBlockByNumber(static_cast<int>(index));
    if (const QTextLayout* laidOut = BoxLayout(block, View(line), font_, width_)) {
        TakeLines(*laidOut, View(line), take);
        return;
    }
    const QString text = View(line).toString();
    QTextLayout layout(text, font_);
    layout.setTextOption(option_);
    layout.beginLayout();
    for (QTextLine shown = layout.createLine(); shown.isValid(); shown = layout.createLine())
        shown.setLineWidth(width_);
    layout.endLayout();
    TakeLines(layout, text, take);
}

std::u16string PlainTextBoxLayout::Nfc(std::u16string_view text) const
{
    const QString normalized = View(text).toString().normalized(QString::NormalizationForm_C);
    return std::u16string(View(QStringView(normalized)));
}

void ForEachDisplayLine(const QPlainTextEdit& box, TextLineFilter wanted, const DisplayLineTaker& take)
{
    PlainTextBoxLayout layout(box);
    ForEachDisplayLine(layout, wanted, take);
}

void AppendLine(QPlainTextEdit& box, const QString& line)
{
    QTextDocument& document = *box.document();
    const bool atLineStart = document.isEmpty() || EndsWithLineBreak(document);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);

    // Switching undo off also forgets the earlier steps, as replacing text without undo does in a plain edit box.
    const bool undoEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    cursor.insertText(atLineStart ? line + u'\n' : u'\n' + line);
    document.setUndoRedoEnabled(undoEnabled);
    box.setTextCursor(cursor);
}

QString WithCrLf(QString text)
{
    return text.replace(QChar::ParagraphSeparator, "\r\n"_L1);
}

} // namespace quarl
