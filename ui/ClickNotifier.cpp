#include "ClickNotifier.h"

#include <QMouseEvent>
#include <QWidget>

namespace quarl {

ClickNotifier::ClickNotifier(QWidget* watched) : QObject(watched)
{
    watched->installEventFilter(this);
}

bool ClickNotifier::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
            emit clicked();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quarl
