#include "ui/display_compositing.h"

#include <QByteArray>
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace liorna {

namespace {

// The X screen of the display name (":0.1" is screen 1), as the compositing manager's selection is
// named per screen.
int xScreenNumber()
{
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    const int colon = display.lastIndexOf(':');
    return dot > colon && colon >= 0 ? std::atoi(display.constData() + dot + 1) : 0;
}

// A compositing manager owns the selection _NET_WM_CM_Sn of the screen it composites.
bool x11Composites()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(xScreenNumber());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, name.size(), name.constData()),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

bool displayComposites()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
    if (platform == QLatin1String("xcb"))
        return x11Composites();
    return false;
}

} // namespace liorna
