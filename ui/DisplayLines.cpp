#include "DisplayLines.h"

#include "counting/SaboCounter.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <climits>

namespace quarl {
namespace {

constexpr qsizetype MaxLineLength = 4096;

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

// Calls take(line) with each display line of one text line, without its line separator.
template <typename Take>
void LayOutBlock(const QString& text, const BlockLayout& how, Take take)
{
    if (text.isEmpty()) {
        take(QStringView());
        return;
    }
    QTextLayout layout(text, how.font);
    layout.setTextOption(how.option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(how.width);
    layout.endLayout();
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        QStringView shown = QStringView(text).mid(line.textStart(), line.textLength());
        if (shown.endsWith(QChar::LineSeparator))
            shown.chop(1);
        take(shown);
    }
}

std::string ForCounter(QStringView line)
{
    QString text = line.toString().normalized(QString::NormalizationForm_C);
    if (text.size() > MaxLineLength)
        text.truncate(text.at(MaxLineLength - 1).isHighSurrogate() ? MaxLineLength - 1 : MaxLineLength);
    return text.toStdString();
}

// Text without characters from U+0300 on (combining marks and beyond) is in NFC already; checking that first
// spares the copy that normalising needs.
QByteArray NormalizedUtf8(QStringView text)
{
    const bool mayCompose = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x300; });
    return mayCompose ? text.toString().normalized(QString::NormalizationForm_C).toUtf8() : text.toUtf8();
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
        if (text.size() > MaxLineLength)
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

} // namespace

std::vector<std::string> DisplayLines(const QPlainTextEdit& box)
{
    const BlockLayout how(box);
    std::vector<std::string> lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        LayOutBlock(block.text(), how, [&lines](QStringView line) { lines.push_back(ForCounter(line)); });
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

void CountDisplayLines(const QPlainTextEdit& box, SaboCounter& counter)
{
    const BlockLayout how(box);
    const WidthBound bound(how);
    // One copy of the whole text is far quicker than asking every block for its own.
    const QString text = box.document()->toRawText();
    for (const QStringView block : QStringView(text).tokenize(QChar(QChar::ParagraphSeparator))) {
        // Every display line is a piece of its text line, so a text line without a name has no display line with one.
        const QByteArray utf8 = NormalizedUtf8(block);
        const std::string_view whole(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        if (!CanChangeCount(whole))
            continue;
        if (bound.FitsOnOneLine(block))
            counter.AddLine(whole);
        else
            LayOutBlock(block.toString(), how, [&counter](QStringView line) { counter.AddLine(ForCounter(line)); });
    }
}

} // namespace quarl
