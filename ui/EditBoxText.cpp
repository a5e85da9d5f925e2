#include "EditBoxText.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace quarl {
namespace {

bool EndsWithLineBreak(const QTextDocument& document)
{
    // The last character of a document is its closing paragraph separator; the one before it is the text's last.
    const QChar last = document.characterAt(document.characterCount() - 2);
    return last == QChar::ParagraphSeparator || last == QChar::LineSeparator;
}

} // namespace

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
