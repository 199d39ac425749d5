// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game window's widgets, exactly as the game lays them out: positions and
// sizes in twips at 15 per pixel, fonts, colours, tab order, access keys. It
// knows nothing of the game; QtRuntime drives it and forwards its events.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

class GameWindow : public QWidget {
public:
    GameWindow();

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
    QTimer* Timer1;

    // 1440 twips an inch, 96 pixels an inch: 15 twips a pixel, rounded.
    static int Pixels(int twips) { return (twips + 7) / 15; }
};
