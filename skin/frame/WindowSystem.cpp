// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/WindowSystem.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#if LIREM_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace lirem::skin {

bool CanIconify() {
#if LIREM_HAVE_XCB
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return true;
    // An ICCCM window manager owns the selection WM_S<screen>.
    int screen = 0;
    if (const char* display = std::getenv("DISPLAY"); display != nullptr) {
        const std::string text(display);
        if (const auto dot = text.rfind('.'); dot != std::string::npos && dot > text.rfind(':'))
            screen = std::atoi(text.c_str() + dot + 1);
    }
    const std::string name = "WM_S" + std::to_string(screen);
    const auto free = [](void* reply) { std::free(reply); };
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(free)> atom(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr),
        free);
    if (!atom)
        return true;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr), free);
    return !owner || owner->owner != XCB_NONE;
#else
    return true;
#endif
}

} // namespace lirem::skin
