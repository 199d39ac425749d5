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
#include <optional>

#include "game/solve_observer.h"
#include "runtime/share_text.h"
#include "runtime/toolkit_runtime.h"

class Form1;

class WebRuntime : public ToolkitRuntime {
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
    void MsgBox(const std::u16string& text) override;
    std::u16string InputBox(const std::u16string& prompt, const std::u16string& title,
                            const std::u16string& defaultText) override;
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
    void ApplyTargetColours();

    bool HasFocus(Control control) const override;
    void FocusControl(Control control) override;
    void EnableControl(Control button, bool enabled) override;
    // The wall clock: the ticks a throttled or hidden page missed all come
    // on waking.
    int64_t Milliseconds() const override;
    // Nothing: the page waits for the next event no longer than the next
    // tick is due.
    void RunTimer(bool) override {}
    // Announced from a live region beside the window.
    void DescribeTarget(const std::u16string& words) override;

    // web/page_links.cpp: what the page's link asks for, before the form
    // loads; and what "Retar" shares, after each puzzle and each solve.
    void FollowLink();
    void ShowShareText();

    // Told by the form of each solve.
    class Solves final : public SolveObserver {
    public:
        explicit Solves(WebRuntime& runtime) : runtime_(runtime) {}
        void OnSolved(int32_t totalSeconds, int16_t penalty) override;

    private:
        WebRuntime& runtime_;
    };

    Form1* form_ = nullptr;
    std::optional<SolvedTime> solved_;  // the puzzle on screen's, once solved
    Solves solves_{*this};
    bool command1Enabled_ = true;
    bool command2Enabled_ = true;
};
