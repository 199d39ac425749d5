// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's toolkit services on Qt Widgets. It holds no game state; Wire()
// forwards the window's clicks and the clock's ticks to Form1.

#include "game/forms_runtime.h"
#include "game/random_generator.h"
#include "game/tick_clock.h"
#include "qt/game_window.h"

class Form1;

class QtRuntime : public SeededRuntime {
public:
    QtRuntime(GameWindow& window, uint64_t entropy);

    // Connects the buttons' clicks and the timer's ticks to the form.
    void Wire(Form1& form);

    std::u16string Text(Control textBox) const override;
    void SetText(Control textBox, const std::u16string& text) override;
    void SetCaption(Control label, const std::u16string& caption) override;
    void SetEnabled(Control button, bool enabled) override;
    void SetFocus(Control control) override;
    void SetTimerEnabled(bool enabled) override;
    void MsgBox(const std::u16string& text) override;
    std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                            const std::u16string& defaultText) override;
    TimeOfDay Now() const override;

private:
    QWidget* Widget(Control control) const;

    GameWindow& window_;
    // Timer1 only wakes it: Qt drops the timeouts a stopped process missed.
    TickClock clock_;
};
