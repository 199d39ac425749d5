// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's toolkit services on a web page: the window's controls are the
// page's elements, the two dialogs are <dialog> boxes, and the timer, random
// values and local time are the browser's. The page's script only queues
// events and writes the page; Run() takes the events from that queue, one at
// a time, and a box waits in a nested loop that goes on delivering ticks.
// It holds no game state.

#include <cstdint>

#include "game/forms_runtime.h"
#include "game/random_generator.h"

class Form1;

class WebRuntime : public FormsRuntime {
public:
    explicit WebRuntime(uint64_t entropy);

    // 64 bits from the browser's cryptographic random source.
    static uint64_t Entropy();

    // The form's load, the window shown, then its events for as long as the
    // page lives. Never returns.
    [[noreturn]] void Run(Form1& form);

    std::u16string Text(Control textBox) const override;
    void SetText(Control textBox, const std::u16string& text) override;
    void SetCaption(Control label, const std::u16string& caption) override;
    void SetEnabled(Control button, bool enabled) override;
    void SetFocus(Control control) override;
    void SetTimerEnabled(bool enabled) override;
    void MsgBox(const std::u16string& text) override;
    std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                            const std::u16string& defaultText) override;
    float Rnd() override;
    void Randomize(int32_t seed) override;
    TimeOfDay Now() const override;

private:
    // The codes the page's queue hands over; Run() gives them to the page.
    enum class Event : int {
        Wake = 0,  // a timeout, or the page shown again: only ticks may be due
        Command1Click = 1,
        Command2Click = 2,
        BoxAccepted = 3,
        BoxCancelled = 4,
        SchemeChanged = 5,
    };

    // The next event that is not a tick, delivering the ticks that fall due
    // while waiting for it.
    Event NextEvent();
    // Waits until the open box is accepted or cancelled; true when accepted.
    bool WaitForBox();
    void DeliverDueTicks();
    double MillisecondsToNextTick() const;
    void ApplyTargetColours();

    Form1* form_ = nullptr;
    RandomGenerator random_;
    bool command1Enabled_ = true;
    bool command2Enabled_ = true;

    // The clock counts real seconds from the moment the timer was enabled,
    // so ticks a throttled or hidden page missed are all delivered on waking.
    bool timerEnabled_ = false;
    double timerStart_ = 0.0;  // wall clock, milliseconds
    int64_t ticksDelivered_ = 0;
    double lastNow_ = 0.0;
};
