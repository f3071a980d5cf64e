#include "app/quietwindowtitle.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

void QuietWindowTitle::set(QWidget &window, const QString &title)
{
    if (title == window.windowTitle())
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    // Elsewhere (Wayland, offscreen) a new title is told to nobody.
    if (!connection || QGuiApplication::platformName() != QLatin1String("xcb") || !window.windowHandle()) {
        window.setWindowTitle(title);
        return;
    }
    const auto id = xcb_window_t(window.winId());
    if (id != m_window) {
        // Asked once for each window Qt makes: the answer is a round trip.
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
        if (!attributes) {
            window.setWindowTitle(title);
            return;
        }
        m_eventMask = attributes->your_event_mask;
        m_window = id;
        std::free(attributes);
    }
    const quint32 deaf = m_eventMask & ~quint32(XCB_EVENT_MASK_PROPERTY_CHANGE);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &deaf);
    window.setWindowTitle(title);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &m_eventMask);
    xcb_flush(connection);
}
