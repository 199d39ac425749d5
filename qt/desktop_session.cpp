// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/desktop_session.h"

#include <QGuiApplication>

#include "qt/display_check.h"

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
