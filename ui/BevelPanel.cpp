#include "BevelPanel.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <qdrawutil.h>

namespace quarl {
namespace {

// Screen readers announce a named panel when the focus enters it; a plain widget would be a nameless filler.
QAccessibleInterface* AccessiblePanel(const QString&, QObject* object)
{
    if (auto* panel = qobject_cast<BevelPanel*>(object))
        return new QAccessibleWidget(panel, QAccessible::Grouping);
    return nullptr;
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(AccessiblePanel), true);
    Q_UNUSED(accessible);
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
}

} // namespace quarl
