#include "BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace quarl {

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent)
{}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1);
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
}

} // namespace quarl
