// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/display_check.h"

#include <QGuiApplication>

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstddef>
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

// Whether anything accepts a connection at this address. No protocol is
// spoken: the server sees a client come and go.
bool Connects(int family, const sockaddr* address, socklen_t length) {
    const int socket = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool connected = ::connect(socket, address, length) == 0;
    ::close(socket);
    return connected;
}

// A Unix socket by path, or in the abstract namespace, where the name's
// length is part of the address.
bool ConnectsLocal(std::string_view path, bool abstract) {
    sockaddr_un address{};
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = static_cast<socklen_t>(
        abstract ? offsetof(sockaddr_un, sun_path) + offset + path.size() : sizeof address);
    return Connects(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
}

// Where an X client connects for "[protocol/][host]:number[.screen]", as
// libxcb reads it: the local socket of display number, or TCP port
// 6000 + number on the host. Only the connection is tried; the X handshake
// is Qt's, which it does anyway, so the check costs the start-up next to
// nothing.
bool XReachable(std::string_view display) {
    char* parsedHost = nullptr;
    int number = 0;
    if (display.empty() ||
        xcb_parse_display(std::string(display).c_str(), &parsedHost, &number, nullptr) == 0) {
        return false;
    }
    std::string host = parsedHost;
    std::free(parsedHost);
    if (host.empty() || host == "unix" || display.starts_with("unix/")) {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
        return ConnectsLocal(path, false) || ConnectsLocal(path, true);
    }
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);  // an IPv6 address
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(6000 + number).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool connected = false;
    for (const addrinfo* a = found; a != nullptr && !connected; a = a->ai_next) {
        connected = Connects(a->ai_family, a->ai_addr, a->ai_addrlen);
    }
    ::freeaddrinfo(found);
    return connected;
}

// Whether a Wayland compositor answers where Qt would look for it.
bool WaylandReachable() {
    if (!Variable("WAYLAND_SOCKET").empty()) {
        return true;  // a connection handed down by whoever started the game
    }
    return ConnectsLocal(WaylandSocketPath(), false);
}

}  // namespace

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
    const std::string compositor(Variable("WAYLAND_DISPLAY"));
    const std::string display(Variable("DISPLAY"));
    const std::string waylandFailure =
        compositor.empty() ? "no hay ningún compositor Wayland (WAYLAND_DISPLAY no está definida)"
                           : "no se puede conectar con el compositor Wayland " + compositor;
    const std::string xFailure = display.empty()
                                     ? "no hay ninguna pantalla X (DISPLAY no está definida)"
                                     : "no se puede abrir la pantalla X " + display;
    return "Quorel necesita un escritorio gráfico: " + (wayland ? waylandFailure : "") +
           (wayland && x ? " y " : "") + (x ? xFailure : "") + ".";
}

void PrepareDesktopSession() {
    // Wayland's app_id: the desktop finds the entry, and so the icon, by it.
    // Under X the window's class, the application's name, matches the
    // entry's StartupWMClass instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorel.Quorel"));

    // Qt goes native by itself in most Wayland sessions but keeps to X on
    // some desktops, and when only the default socket is there; without an
    // X display that would fail.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        WaylandReachable()) {
        qputenv("QT_QPA_PLATFORM", "wayland");
    }
}
