#include "FormTest.h"

#include "ui/Application.h"
#include "ui/Main.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDevice>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QWindow>

#ifdef Q_OS_LINUX
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QColor DarkButton(0x35, 0x35, 0x35);
const QColor DarkWindow(0x24, 0x24, 0x24);
const QColor DarkText(0xee, 0xee, 0xee);

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, DarkWindow);
    dark.setColor(QPalette::Button, DarkButton);
    dark.setColor(QPalette::Base, QColor(0x1a, 0x1a, 0x1a));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, DarkText);
    return dark;
}

// The colour the widget is drawn with at a point of its own where no control or text covers it.
QColor PaintedAt(QWidget& widget, QPoint point)
{
    return widget.grab().toImage().pixelColor(point * widget.devicePixelRatioF());
}

// Handles events until the condition holds or five seconds have passed, as the QTRY_ macros do; their expansion
// narrows a duration's count to int, which -Wconversion reports with Qt 6.8. The check that follows shows what is.
template <typename Condition>
void WaitUntil(Condition condition)
{
    static_cast<void>(QTest::qWaitFor(condition));
}

bool OnWayland()
{
    return QGuiApplication::platformName() == u"wayland"_s;
}

// Keys and the clipboard need a seat on Wayland, which headless Weston lacks; asked before any simulated event.
bool HasSeat()
{
    return !OnWayland() || !QInputDevice::seatNames().isEmpty();
}

#ifdef Q_OS_LINUX
// The window's _MOTIF_WM_HINTS as the window manager reads them; empty where they are not set.
std::vector<std::uint32_t> MotifHints(const QWindow& window)
{
    auto* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()), atom->atom, atom->atom, 0, 5),
        nullptr);
    const auto* words = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    std::vector<std::uint32_t> hints(words, words + xcb_get_property_value_length(reply) / 4);
    std::free(reply);
    std::free(atom);
    return hints;
}
#endif

} // namespace

// The window as a player's desktop meets it: themes switched at run time, small screens, window managers, busy
// work and keyboard and screen-reader use.
class DesktopTest : public quarl::FormTest
{
    Q_OBJECT

private:
    bool hasSeat_ = true;
    QPalette original_;

    void showAndActivate()
    {
        form_->show();
        // A window manager may leave a new window unfocused until asked.
        form_->activateWindow();
        if (!QTest::qWaitForWindowActive(form_.get()))
            qFatal("the window did not become active");
    }

private slots:
    void initTestCase()
    {
        hasSeat_ = HasSeat();
        original_ = QApplication::palette();
    }

    void init() { form_ = std::make_unique<quarl::TMainForm>(); }

    void cleanup()
    {
        form_.reset();
        QApplication::setPalette(original_);
    }

    void coloursFollowThePalette_data()
    {
        QTest::addColumn<bool>("switchedWhileShown");
        QTest::newRow("dark at start") << false;
        QTest::newRow("dark switched while shown") << true;
    }

    void coloursFollowThePalette()
    {
        QFETCH(bool, switchedWhileShown);
        if (!switchedWhileShown) {
            QApplication::setPalette(DarkPalette());
            form_ = std::make_unique<quarl::TMainForm>();
        }
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QWidget& client = *form_->centralWidget();
        if (switchedWhileShown) {
            QCOMPARE(PaintedAt(client, QPoint(2, 2)), QApplication::palette().color(QPalette::Button));
            QCOMPARE(output()->palette().color(QPalette::Base), QApplication::palette("QMenu").color(QPalette::Window));
            QApplication::setPalette(DarkPalette());
        }
        // The window is drawn in the button colour, Output's background in the menu colour (here the window's).
        WaitUntil([&client] { return PaintedAt(client, QPoint(2, 2)) == DarkButton; });
        QCOMPARE(PaintedAt(client, QPoint(2, 2)), DarkButton);
        const QWidget& viewport = *output()->viewport();
        QCOMPARE(PaintedAt(*output()->viewport(), QPoint(viewport.width() - 3, viewport.height() - 3)), DarkWindow);
        QCOMPARE(control<QLabel>(u"Label1"_s)->palette().color(QPalette::WindowText), DarkText);
        QCOMPARE(output()->palette().color(QPalette::Text), DarkText);
    }

    void contextMenuHasTheWindowFont()
    {
        const std::unique_ptr<QMenu> menu(input()->createStandardContextMenu());
        QCOMPARE(QFontInfo(menu->font()).family(), QFontInfo(form_->font()).family());
        QCOMPARE(QFontInfo(menu->font()).pointSize(), 8);
    }

    void keysOpenTheContextMenu_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("Input, Shift+F10") << u"Input"_s << QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
        QTest::newRow("Output, Shift+F10") << u"Output"_s << QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
    }

    void keysOpenTheContextMenu()
    {
        QFETCH(QString, box);
        QFETCH(QKeyCombination, key);
        if (!hasSeat_)
            QSKIP("no seat for key input");
        showAndActivate();
        control<QWidget>(box)->setFocus();
        QTest::keyClick(form_->windowHandle(), key.key(), key.keyboardModifiers());
        WaitUntil([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; });
        QVERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
        QVERIFY(!QApplication::activePopupWidget()->actions().isEmpty());
        QApplication::activePopupWidget()->close();
    }

    void waitCursorWhileWorking_data()
    {
        // The box whose text the command changes, and the command: a button or a menu item.
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("command");
        QTest::newRow("count") << u"Output"_s << u"Sabo"_s;
        QTest::newRow("paste") << u"Input"_s << u"EditPasteItem"_s;
    }

    void waitCursorWhileWorking()
    {
        QFETCH(QString, box);
        QFETCH(QString, command);
        if (!hasSeat_)
            QSKIP("no seat for the clipboard");
        QGuiApplication::clipboard()->setText(u"Raumhafen (2)\n"_s);
        std::optional<Qt::CursorShape> during;
        connect(control<QPlainTextEdit>(box)->document(), &QTextDocument::contentsChanged, form_.get(), [&during] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            during = cursor != nullptr ? cursor->shape() : Qt::ArrowCursor;
        });
        if (command == u"Sabo"_s)
            QTest::mouseClick(sabo(), Qt::LeftButton);
        else
            choose(command);
        QCOMPARE(during, std::optional(Qt::WaitCursor));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void maximiseRequestIsRefused()
    {
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        const QSize fixed = form_->size();
        form_->windowHandle()->showMaximized();
        // Long enough for a compositor's answer and the next frame, which a maximised fixed window would fail.
        QTest::qWait(500);
        form_->repaint();
        WaitUntil([this, fixed] { return form_->size() == fixed; });
        QCOMPARE(form_->size(), fixed);
        QVERIFY(!form_->windowHandle()->windowStates().testFlag(Qt::WindowMaximized));
        QVERIFY(!form_->isMaximized());
        QCOMPARE(form_->windowHandle()->maximumSize(), form_->windowHandle()->minimumSize());
    }

    // On a small screen, or with a large scale factor, the whole frame is moved onto the screen's free area; where
    // it fits, its corner stays at 196, 141.
    void wholeFrameIsOnTheScreen()
    {
        if (OnWayland())
            QSKIP("Wayland lets the compositor, not the program, place a window");
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        const QRect available = form_->screen()->availableGeometry();
        // A window manager frames the window after it is shown; the frame may move once more then.
        WaitUntil([this, available] { return available.contains(form_->frameGeometry()); });
        const QRect frame = form_->frameGeometry();
        QVERIFY2(available.contains(frame), qPrintable(u"frame %1,%2 %3x%4 on a free area of %5x%6"_s.arg(frame.x())
                                                           .arg(frame.y())
                                                           .arg(frame.width())
                                                           .arg(frame.height())
                                                           .arg(available.width())
                                                           .arg(available.height())));
        // On each axis the frame stands at its corner where it fits there, and otherwise is moved just onto the free
        // area: flush with its right or bottom edge.
        if (196 + frame.width() <= available.right() + 1)
            QCOMPARE(frame.left(), 196);
        else
            QCOMPARE(frame.right(), available.right());
        if (141 + frame.height() <= available.bottom() + 1)
            QCOMPARE(frame.top(), 141);
        else
            QCOMPARE(frame.bottom(), available.bottom());
    }

    void windowManagerMayNotResize()
    {
#ifdef Q_OS_LINUX
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("the window manager hints are X11's");
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        // Words: which fields count (1: functions), then the functions: 2 resize, 4 move, 8 minimise, 32 close.
        const std::vector<std::uint32_t> hints = MotifHints(*form_->windowHandle());
        QCOMPARE(hints.size(), std::size_t(5));
        QVERIFY(hints[0] & 1U);
        QCOMPARE(hints[1] & (2U | 4U | 8U | 32U), 4U | 8U | 32U);
#else
        QSKIP("the window manager hints are X11's");
#endif
    }
};

// Like MainFormTest, fonts follow the screen's dots per inch.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quarl::UseProgramFont();
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "DesktopTest.moc"
