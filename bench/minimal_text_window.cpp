// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A second yardstick: the smallest window that draws text, so that the cost
// of loading fonts shows apart from the game's own.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("0:1"));
    window.setWindowTitle(QStringLiteral("MINIMALTEXT"));
    window.resize(392, 306);
    window.show();
    return QApplication::exec();
}
