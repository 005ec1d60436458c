#include "ui/x11frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace ui {

std::optional<QMargins> x11FrameExtents(const QWidget& window) {
#if QT_CONFIG(xcb)
    // The toolkit keeps the frame it saw at the last configure notification, which may have come
    // before the window manager framed the window: ask the X server instead.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 && QGuiApplication::platformName() == QLatin1String("xcb")
                                       ? x11->connection()
                                       : nullptr;
    if (!connection || !window.internalWinId()) return std::nullopt;
    static const xcb_atom_t extents = [connection] {
        constexpr std::string_view name = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }();
    if (extents == XCB_ATOM_NONE) return QMargins();
    // Four 32-bit numbers: left, right, top, bottom.
    constexpr std::uint32_t Sides = 4;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.internalWinId()), extents,
                         XCB_ATOM_CARDINAL, 0, Sides),
        nullptr);
    QMargins margins;
    if (reply && reply->type == XCB_ATOM_CARDINAL && reply->format == 32 &&
        xcb_get_property_value_length(reply) == static_cast<int>(Sides * sizeof(std::uint32_t))) {
        const auto* value = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        margins = QMargins(static_cast<int>(value[0]), static_cast<int>(value[2]),
                           static_cast<int>(value[1]), static_cast<int>(value[3]));
    }
    std::free(reply);
    return margins;
#else
    (void)window;
    return std::nullopt;
#endif
}

} // namespace ui
