#include "DisplayLines.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

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

// The width a line may fill, as the plain-text layout computes it from the text width.
qreal LineWidth(const QPlainTextEdit& box, const QTextOption& option)
{
    const qreal textWidth = TextWidth(box);
    qreal width = textWidth > 0 ? textWidth : qreal(INT_MAX);
    width -= 2 * box.document()->documentMargin();
    if (option.flags().testFlag(QTextOption::AddSpaceForLineAndParagraphSeparators))
        width -= QFontMetricsF(box.document()->defaultFont()).horizontalAdvance(QChar(0x21B5));
    return width;
}

void AppendBlockLines(const QTextBlock& block, const QFont& font, const QTextOption& option, qreal width,
                      QStringList& lines)
{
    const QString text = block.text();
    if (text.isEmpty()) {
        lines.append(QString());
        return;
    }
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    for (int index = 0; index < layout.lineCount(); ++index) {
        const QTextLine line = layout.lineAt(index);
        QString shown = text.mid(line.textStart(), line.textLength());
        if (shown.endsWith(QChar::LineSeparator))
            shown.chop(1);
        lines.append(shown);
    }
}

std::string ForCounter(const QString& line)
{
    QString text = line.normalized(QString::NormalizationForm_C);
    if (text.size() > MaxLineLength)
        text.truncate(text.at(MaxLineLength - 1).isHighSurrogate() ? MaxLineLength - 1 : MaxLineLength);
    return text.toStdString();
}

} // namespace

std::vector<std::string> DisplayLines(const QPlainTextEdit& box)
{
    const QTextDocument& document = *box.document();
    const QTextOption option = document.defaultTextOption();
    const qreal width = LineWidth(box, option);
    QStringList shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        AppendBlockLines(block, document.defaultFont(), option, width, shown);
    if (!shown.isEmpty() && shown.constLast().isEmpty())
        shown.removeLast();

    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(shown.size()));
    for (const QString& line : std::as_const(shown))
        lines.push_back(ForCounter(line));
    return lines;
}

} // namespace quarl
