// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game window's widgets, laid out as runtime/window_layout.h describes
// them, with the target's colours. It knows nothing of the game; QtRuntime
// drives it and forwards its events.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "runtime/forms_runtime.h"

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

    QWidget* Widget(Control control) const;
};
