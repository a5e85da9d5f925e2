#include "PlainTextBox.h"

#include "WaitCursor.h"

#include <QContextMenuEvent>
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

void PlainTextBox::insertFromMimeData(const QMimeData* source)
{
    // Laying out a paste of megabytes takes seconds.
    const WaitCursor busy;
    QPlainTextEdit::insertFromMimeData(source);
}

void PlainTextBox::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 is the other keyboard command for a context menu; it opens at the caret, as the Menu key's does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint caret = cursorRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, caret, viewport()->mapToGlobal(caret));
        contextMenuEvent(&menu);
        return;
    }
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
