// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An in-memory toolkit for tests: records every text, box and prompt, answers
// prompts from a script, hands out scripted draws and times of day, and
// delivers timer ticks while a box is open, as the real toolkit does.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "runtime/null_runtime.h"

class Form1;

class FakeRuntime : public NullRuntime {
public:
    struct Prompt {
        std::u16string prompt;
        std::u16string title;
        std::u16string defaultText;
    };

    // Wiring and scripts.
    Form1* form = nullptr;  // receives the ticks delivered during boxes
    std::deque<float> draws;
    mutable std::deque<TimeOfDay> times;                      // each Now() takes the next reading
    std::deque<std::optional<std::u16string>> promptAnswers;  // nullopt: cancel
    int ticksPerBox = 0;

    // What the game did.
    std::map<Control, std::u16string> texts;
    std::map<Control, bool> enabled;
    std::optional<Control> focus;
    bool timerEnabled = true;
    std::vector<int32_t> seeds;
    std::vector<std::u16string> boxes;
    std::vector<Prompt> prompts;

    // Presses a button the way the toolkit would: not at all while disabled.
    void Click(Control button);
    // One timer period; nothing happens while the timer is disabled.
    void Tick();
    bool IsEnabled(Control button) const;

    std::u16string Text(Control textBox) const override;
    void SetText(Control textBox, const std::u16string& text) override;
    void SetCaption(Control label, const std::u16string& caption) override;
    void SetEnabled(Control button, bool isEnabled) override;
    void SetFocus(Control control) override;
    void SetTimerEnabled(bool isEnabled) override;
    void MsgBox(const std::u16string& text) override;
    std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                            const std::u16string& defaultText) override;
    float Rnd() override;
    void Randomize(int32_t seed) override;
    TimeOfDay Now() const override;
};
