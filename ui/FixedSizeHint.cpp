#include "FixedSizeHint.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef Q_OS_LINUX
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <xcb/xcb.h>
#endif

namespace quarl {

#ifdef Q_OS_LINUX
namespace {

// Layout of _MOTIF_WM_HINTS: five 32-bit words, of which the first says which others count.
constexpr int MotifWords = 5;
constexpr std::uint32_t MotifFlagsFunctions = 1U << 0;
constexpr std::uint32_t MotifFunctionResize = 1U << 1;

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name)
{
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

void RemoveResizeFunction(QWindow& window)
{
    // The offscreen platform offers the X11 interface too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    const xcb_atom_t hintsAtom = Atom(connection, "_MOTIF_WM_HINTS");
    const auto id = static_cast<xcb_window_t>(window.winId());
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, id, hintsAtom, hintsAtom, 0, MotifWords),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != MotifWords * 4)
        return;

    std::array<std::uint32_t, MotifWords> hints{};
    std::memcpy(hints.data(), xcb_get_property_value(reply.get()), sizeof hints);
    if ((hints[0] & MotifFlagsFunctions) == 0)
        return;
    hints[1] &= ~MotifFunctionResize;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, hintsAtom, hintsAtom, 32, MotifWords, hints.data());
    xcb_flush(connection);
}
#else
void RemoveResizeFunction(QWindow&)
{}
#endif

} // namespace quarl
