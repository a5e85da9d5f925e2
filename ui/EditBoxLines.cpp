#include "EditBoxLines.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <array>
#include <climits>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace quarl {
namespace {

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

// How the box lays out each text line (block): its font, options and the width a display line may fill.
struct BlockLayout
{
    explicit BlockLayout(const QPlainTextEdit& box)
        : font(box.document()->defaultFont()), option(box.document()->defaultTextOption())
    {
        const qreal textWidth = TextWidth(box);
        width = (textWidth > 0 ? textWidth : qreal(INT_MAX)) - 2 * box.document()->documentMargin();
        if (option.flags().testFlag(QTextOption::AddSpaceForLineAndParagraphSeparators))
            width -= QFontMetricsF(font).horizontalAdvance(QChar(0x21B5));
    }

    QFont font;
    QTextOption option;
    qreal width = 0;
};

std::u16string_view Utf16(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

// The text in NFC: the text itself where it is so already, otherwise normalised into `normalized`, which holds it.
QStringView Nfc(QStringView text, QString& normalized)
{
    if (IsNfcWithoutNormalizing(Utf16(text)))
        return text;
    normalized = text.toString().normalized(QString::NormalizationForm_C);
    return normalized;
}

QByteArray DisplayLineUtf8(QStringView shown)
{
    QString normalized;
    const std::u16string_view cut = CutDisplayLine(Utf16(Nfc(shown, normalized)));
    return QStringView(cut.data(), static_cast<qsizetype>(cut.size())).toUtf8();
}

std::string_view View(const QByteArray& utf8)
{
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

// Calls take(line) with each display line of a laid-out text line, without its line separator, as UTF-8 in NFC.
template <typename Take>
void TakeLines(const QTextLayout& layout, QStringView text, Take take)
{
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        QStringView shown = text.mid(line.textStart(), line.textLength());
        if (shown.endsWith(QChar::LineSeparator))
            shown.chop(1);
        take(View(DisplayLineUtf8(shown)));
    }
}

// Calls take(line) with each display line of one text line, laid out here.
template <typename Take>
void LayOutBlock(const QString& text, const BlockLayout& how, Take take)
{
    if (text.isEmpty()) {
        take(std::string_view());
        return;
    }
    QTextLayout layout(text, how.font);
    layout.setTextOption(how.option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(how.width);
    layout.endLayout();
    TakeLines(layout, text, take);
}

// The layout the box holds for a text line, where it is complete and made for the width and font read here: the
// box lays out the lines it shows, and laying out a long line again (one without blanks takes seconds) is
// wasted. Layouts of edited lines are dropped or redone by the box, and the last line must end where the text
// does, so a stale layout is not taken.
const QTextLayout* BoxLayout(const QTextBlock& block, QStringView text, const BlockLayout& how)
{
    const QTextLayout* layout = block.layout();
    if (layout == nullptr || layout->lineCount() == 0 || !layout->preeditAreaText().isEmpty() ||
        layout->font() != how.font)
        return nullptr;
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    if (last.textStart() + last.textLength() != text.size())
        return nullptr;
    // Line widths are kept in 1/64 pixel.
    constexpr qreal Unit = 1.0 / 64;
    const auto sameWidth = [&how, Unit](const QTextLine& line) { return std::abs(line.width() - how.width) < Unit; };
    return sameWidth(layout->lineAt(0)) && sameWidth(last) ? layout : nullptr;
}

// Decides cheaply whether a text line is certainly narrower than the box, so that it is one display line. Only
// characters of the font's own Latin-1 range are measured; anything else (tabs, separators, marks, characters
// drawn from a fallback font) sends the line to the real layout. The margin covers kerning and rounding.
class WidthBound
{
public:
    explicit WidthBound(const BlockLayout& how) : width_(how.width * 0.8)
    {
        advance_.fill(NotMeasured);
        const QFontMetricsF metrics(how.font);
        for (char16_t c = 0x20; c < advance_.size(); ++c) {
            if (c != 0x7F && (c < 0x80 || c >= 0xA0) && metrics.inFont(QChar(c)))
                advance_[c] = metrics.horizontalAdvance(QChar(c));
        }
    }

    [[nodiscard]] bool FitsOnOneLine(QStringView text) const
    {
        if (text.size() > static_cast<qsizetype>(MaxDisplayLineLength))
            return false;
        qreal sum = 0;
        for (QChar c : text) {
            if (c.unicode() >= advance_.size() || advance_[c.unicode()] == NotMeasured)
                return false;
            sum += advance_[c.unicode()];
        }
        return sum <= width_;
    }

private:
    static constexpr qreal NotMeasured = -1;

    qreal width_;
    std::array<qreal, 256> advance_{};
};

// Passes display lines on, holding empty ones back until a line follows, so that a final empty line is dropped.
class DropFinalEmptyLine
{
public:
    explicit DropFinalEmptyLine(const std::function<void(std::string_view)>& take) : take_(take) {}

    void operator()(std::string_view line)
    {
        if (line.empty()) {
            ++heldBack_;
            return;
        }
        for (; heldBack_ > 0; --heldBack_)
            take_(std::string_view());
        take_(line);
    }

    void Finish()
    {
        for (; heldBack_ > 1; --heldBack_)
            take_(std::string_view());
    }

private:
    const std::function<void(std::string_view)>& take_;
    std::size_t heldBack_ = 0;
};

bool EndsWithLineBreak(const QTextDocument& document)
{
    // The last character of a document is its closing paragraph separator; the one before it is the text's last.
    const QChar last = document.characterAt(document.characterCount() - 2);
    return last == QChar::ParagraphSeparator || last == QChar::LineSeparator;
}

} // namespace

std::vector<std::string> DisplayLines(const QPlainTextEdit& box)
{
    const BlockLayout how(box);
    std::vector<std::string> lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        LayOutBlock(block.text(), how, [&lines](std::string_view line) { lines.emplace_back(line); });
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

void ForEachDisplayLine(const QPlainTextEdit& box, TextLineFilter wanted, const DisplayLineTaker& take)
{
    const BlockLayout how(box);
    const WidthBound bound(how);
    DropFinalEmptyLine give(take);
    // One copy of the whole text is far quicker than asking every block for its own.
    const QString text = box.document()->toRawText();
    QTextBlock textBlock = box.document()->begin();
    for (const QStringView block : QStringView(text).tokenize(QChar(QChar::ParagraphSeparator))) {
        const QTextBlock current = std::exchange(textBlock, textBlock.next());
        // The filter sees the whole text line: every display line is a piece of it.
        QString normalized;
        const QByteArray whole = Nfc(block, normalized).toUtf8();
        if (!wanted(View(whole)))
            continue;
        const auto pass = [&give](std::string_view line) { give(line); };
        if (bound.FitsOnOneLine(block))
            give(View(whole));
        else if (const QTextLayout* laidOut = BoxLayout(current, block, how))
            TakeLines(*laidOut, block, pass);
        else
            LayOutBlock(block.toString(), how, pass);
    }
    give.Finish();
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
