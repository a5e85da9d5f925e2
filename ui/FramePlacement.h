#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace quarl {

// Keeps a top-level window of fixed size where it belongs: its outer corner, frame included, at `corner`, moved
// just far enough to have the whole frame on a small or scaled screen; placed again once a window manager has framed
// it; and never maximised, whatever the window system asks. It watches the window's events, so the window needs
// nothing but to make it.
class FramePlacement : public QObject
{
    Q_OBJECT

public:
    FramePlacement(QWidget& window, QPoint corner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeFrame();
    void placeFrameOnceFramed();
    void refuseMaximising(bool fromWindowSystem);

    QWidget& window_;
    QPoint corner_;
    // Set when the frame is placed, until the window system has reported where the framed window went.
    bool framePending_ = false;
};

} // namespace quarl
