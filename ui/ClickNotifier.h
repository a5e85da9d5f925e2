#pragma once

#include <QObject>

class QWidget;

namespace quarl {

// Reports left-button clicks on a widget that has no click signal of its own, and leaves the events to it.
class ClickNotifier : public QObject
{
    Q_OBJECT

public:
    explicit ClickNotifier(QWidget* watched);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quarl
