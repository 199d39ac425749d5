// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's toolkit services on Qt Widgets. It holds no game state; Wire()
// forwards the window's clicks and the clock's ticks to Form1.

#include "qt/announcer.h"
#include "qt/game_window.h"
#include "runtime/toolkit_runtime.h"

class Form1;

class QtRuntime : public ToolkitRuntime {
public:
    QtRuntime(GameWindow& window, uint64_t entropy);

    // Connects the buttons' clicks and the timer's ticks to the form.
    void Wire(Form1& form);

    std::u16string Text(Control textBox) const override;
    void SetText(Control textBox, const std::u16string& text) override;
    void SetCaption(Control label, const std::u16string& caption) override;
    void MsgBox(const std::u16string& text) override;
    std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                            const std::u16string& defaultText) override;
    TimeOfDay Now() const override;

private:
    bool HasFocus(Control control) const override;
    void FocusControl(Control control) override;
    void EnableControl(Control button, bool enabled) override;
    int64_t Milliseconds() const override;
    // Timer1 only wakes the clock: Qt drops the timeouts a stopped process
    // missed.
    void RunTimer(bool running) override;
    // The target box's accessible description, and an announcement when the
    // box has the focus already.
    void DescribeTarget(const std::u16string& words) override;

    GameWindow& window_;
    Announcer announcer_;
};
