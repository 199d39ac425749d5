#include "game/qt/display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

std::string MissingDisplayReason() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && std::string_view(platform) != "xcb" &&
        std::string_view(platform) != "") {
        return {};  // offscreen, vnc...: Qt reports on those itself
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return "Quorel necesita un escritorio gráfico: no hay ninguna pantalla (DISPLAY no "
               "está definida).";
    }
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed) {
        return std::string(
                   "Quorel necesita un escritorio gráfico: no se puede abrir la pantalla ") +
               display + ".";
    }
    return {};
}
