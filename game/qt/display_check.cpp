#include "game/qt/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

// Where libwayland connects: WAYLAND_DISPLAY, or wayland-0 when it is unset,
// inside XDG_RUNTIME_DIR unless the name is a path.
std::string WaylandSocketPath() {
    std::string_view name = Variable("WAYLAND_DISPLAY");
    if (name.empty()) {
        name = "wayland-0";
    }
    if (name.front() == '/') {
        return std::string(name);
    }
    const std::string_view runtime = Variable("XDG_RUNTIME_DIR");
    if (runtime.empty()) {
        return {};
    }
    return std::string(runtime) + "/" + std::string(name);
}

bool XReachable(std::string_view display) {
    if (display.empty()) {
        return false;
    }
    xcb_connection_t* connection = xcb_connect(std::string(display).c_str(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return !failed;
}

std::string WaylandFailure() {
    const std::string_view name = Variable("WAYLAND_DISPLAY");
    if (name.empty()) {
        return "no hay ningún compositor Wayland (WAYLAND_DISPLAY no está definida)";
    }
    return "no se puede conectar con el compositor Wayland " + std::string(name);
}

std::string XFailure() {
    const std::string_view display = Variable("DISPLAY");
    if (display.empty()) {
        return "no hay ninguna pantalla X (DISPLAY no está definida)";
    }
    return "no se puede abrir la pantalla X " + std::string(display);
}

}  // namespace

bool WaylandReachable() {
    if (!Variable("WAYLAND_SOCKET").empty()) {
        return true;  // a connection handed down by whoever started the game
    }
    const std::string path = WaylandSocketPath();
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool connected =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return connected;
}

std::string MissingDisplayReason() {
    // Unset, Qt tries Wayland and X; otherwise the platforms named, in a
    // list separated by ';', each perhaps with options after a ':'.
    std::string_view platforms = Variable("QT_QPA_PLATFORM");
    bool wayland = platforms.empty();
    bool x = platforms.empty();
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        const std::string_view entry = platforms.substr(0, end);
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (name == "xcb") {
            x = true;
        } else if (name.starts_with("wayland")) {
            wayland = true;
        } else if (!name.empty()) {
            return {};  // offscreen, vnc...: Qt reports on those itself
        }
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    if ((wayland && WaylandReachable()) || (x && XReachable(Variable("DISPLAY")))) {
        return {};
    }
    std::string reason = "Quorel necesita un escritorio gráfico: ";
    if (wayland) {
        reason += WaylandFailure();
    }
    if (wayland && x) {
        reason += " y ";
    }
    if (x) {
        reason += XFailure();
    }
    return reason + ".";
}
