#include "PlainTextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>

namespace quarl {

PlainTextBox::PlainTextBox(QWidget* parent) : QPlainTextEdit(parent)
{}

QMimeData* PlainTextBox::createMimeDataFromSelection() const
{
    auto* mime = new QMimeData;
    mime->setText(textCursor().selection().toPlainText());
    return mime;
}

void PlainTextBox::keyPressEvent(QKeyEvent* event)
{
    // The menus are disabled, so Alt+letter does nothing. AltGr, which types characters such as "@", is not Alt.
    // On macOS the Option key, which Qt reports as Alt, types characters itself, so it is left alone there.
#ifndef Q_OS_MACOS
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) && !event->text().isEmpty() &&
        event->text().front().isPrint()) {
        event->ignore();
        return;
    }
#endif
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace quarl
