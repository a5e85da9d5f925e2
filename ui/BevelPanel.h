#pragma once

#include <QWidget>

namespace quarl {

// A panel framed by a lowered outer bevel around a raised inner one; children are placed relative to its corner.
class BevelPanel : public QWidget
{
    Q_OBJECT

public:
    explicit BevelPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quarl
