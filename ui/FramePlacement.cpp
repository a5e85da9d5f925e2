#include "FramePlacement.h"

#include "FixedSizeHint.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quarl {
namespace {

// Where the outer corner of a window of the given client size goes: at `corner`, moved just far enough to have the
// whole frame on the screen's free area; a frame larger than that area keeps its top left corner visible.
QPoint FrameCorner(const QWindow& window, QSize clientSize, QPoint corner)
{
    const QSize frame = clientSize.grownBy(window.frameMargins());
    const QRect available = window.screen()->availableGeometry();
    return {std::max(available.left(), std::min(corner.x(), available.right() + 1 - frame.width())),
            std::max(available.top(), std::min(corner.y(), available.bottom() + 1 - frame.height()))};
}

} // namespace

FramePlacement::FramePlacement(QWidget& window, QPoint corner) : QObject(&window), window_(window), corner_(corner)
{
    window_.move(corner_);
    window_.installEventFilter(this);
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_) {
        // Only once shown is the window's size final: placing the frame sooner would be undone when the size is set.
        if (event->type() == QEvent::Show && !event->spontaneous())
            placeFrame();
        else if (event->type() == QEvent::Move && event->spontaneous())
            placeFrameOnceFramed();
    } else if (watched == window_.windowHandle() && event->type() == QEvent::WindowStateChange &&
               event->spontaneous()) {
        // The window system's answer to a request reaches the native window as a spontaneous state change.
        refuseMaximising(true);
    }
    return QObject::eventFilter(watched, event);
}

void FramePlacement::placeFrame()
{
    // The native window takes the widget's size first, so that showing it does not set its geometry again, which
    // would place the client area's corner at `corner` instead.
    QWindow& window = *window_.windowHandle();
    window.resize(window_.size());
    const QPoint corner = FrameCorner(window, window_.size(), corner_);
    window_.move(corner);
    window.setFramePosition(corner);
    framePending_ = true;
    RemoveResizeFunction(window);
    // A request to maximise reaches the native window before the window system answers it.
    disconnect(&window, &QWindow::windowStateChanged, this, nullptr);
    connect(&window, &QWindow::windowStateChanged, this, [this] { refuseMaximising(false); });
    window.installEventFilter(this);
}

// Under X11 the frame's size is known only once the window manager has framed the shown window (the first report may
// still give the unframed place); then the frame is placed again, now that its size is known.
void FramePlacement::placeFrameOnceFramed()
{
    QWindow* window = window_.windowHandle();
    if (!framePending_ || window == nullptr || window->frameMargins().isNull())
        return;
    framePending_ = false;
    const QPoint corner = FrameCorner(*window, window_.size(), corner_);
    if (corner != window->framePosition())
        window->setFramePosition(corner);
}

// The window has one size, yet a maximise request can come: from the maximise button that Qt draws itself on
// Wayland compositors without server-side decorations, for one. It is taken back as soon as it is made. A Wayland
// compositor, though, ignores taking back a state it has not granted yet, and insists on its own size for a
// maximised window, ending a client that draws another: there the native window may take any size while the
// request stands, and the request is taken back once the granted state has been drawn.
void FramePlacement::refuseMaximising(bool fromWindowSystem)
{
    constexpr Qt::WindowStates resizing = Qt::WindowMaximized | Qt::WindowFullScreen;
    QWindow* window = window_.windowHandle();
    if (window == nullptr)
        return;
    const bool onWayland = QGuiApplication::platformName().startsWith(u"wayland"_s);
    const auto takeBack = [window, resizing] { window->setWindowStates(window->windowStates() & ~resizing); };
    if (window->windowStates() & resizing) {
        if (onWayland)
            window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        if (fromWindowSystem || !onWayland)
            QTimer::singleShot(0, this, takeBack);
    } else if (fromWindowSystem && onWayland) {
        window->setMaximumSize(window_.minimumSize());
    }
}

} // namespace quarl
