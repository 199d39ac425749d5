// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/window_accessibility.h"

#include <QAccessibleWidget>

#include "qt/game_window.h"

namespace {

QAccessibleInterface* FrameFactory(const QString& className, QObject* object) {
    // A GameWindow declares no meta-object of its own, so it comes as a QWidget.
    if (className == QLatin1String("QWidget")) {
        if (auto* window = dynamic_cast<GameWindow*>(object)) {
            return new QAccessibleWidget(window, QAccessible::Window);
        }
    }
    return nullptr;
}

}  // namespace

void ExposeGameWindowsAsFrames() {
    static const bool installed = [] {
        QAccessible::installFactory(FrameFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString SpokenClock(const QString& shown) {
    const QString name = QStringLiteral("Tiempo");
    return shown.isEmpty() ? name : name + QLatin1Char(' ') + shown;
}
