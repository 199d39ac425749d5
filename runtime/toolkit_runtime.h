// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every toolkit does alike, written once on the few primitives each one
// gives: the clock, a disabled button's focus passing to "Nuevo", and random
// values (the target box's colours are TargetColoursIn, legible_colour.h). A toolkit adds its
// controls, boxes and time of day, and delivers Timer1's ticks as TakeDueTick() says.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/forms_runtime.h"
#include "runtime/random_generator.h"
#include "runtime/tick_clock.h"

class ToolkitRuntime : public FormsRuntime {
public:
    explicit ToolkitRuntime(uint64_t entropy) : random_(entropy) {}

    void SetEnabled(Control button, bool enabled) final;
    void SetFocus(Control control) final;
    void SetTimerEnabled(bool enabled) final;
    float Rnd() override;
    void Randomize(int32_t seed) override;

    // A linked puzzle: Rnd() hands out these draws first, in order, then the
    // generator's own.
    void QueueDraws(std::span<const float> draws) {
        queued_.insert(queued_.end(), draws.begin(), draws.end());
    }
    // The day's puzzle (days since 1970-01-01): Randomize seeds from the day
    // in place of the time of day, so every start that day draws alike.
    void UseDay(int32_t day) { day_ = day; }

    // The clock: Timer1 ticks once for each whole second since it was
    // enabled, counted on Milliseconds(), whatever wakes the toolkit. The
    // seconds a stopped program, a sleeping machine or a frozen page missed
    // all come, as a run of ticks, at the next wake. Whether one more tick is
    // due now, which counts it as delivered.
    bool TakeDueTick() { return clock_.TakeTick(Milliseconds()); }
    // From now until the next tick is due; -1 when the timer is off.
    int64_t MillisecondsToNextTick() const { return clock_.UntilNextTick(Milliseconds()); }

    // Tells a screen reader the puzzle the window shows. A toolkit calls it
    // once the form has loaded; a new puzzle, which gives the target the
    // focus, tells it anew.
    void DescribePuzzle();

protected:
    virtual bool HasFocus(Control control) const = 0;
    virtual void FocusControl(Control control) = 0;
    virtual void EnableControl(Control button, bool enabled) = 0;
    // A clock that counts on while the machine sleeps and never jumps back.
    virtual int64_t Milliseconds() const = 0;
    // Wakes the toolkit about once a second while running; may do nothing
    // where the toolkit waits for MillisecondsToNextTick() instead.
    virtual void RunTimer(bool running) = 0;
    // Gives a screen reader the puzzle's words: heard at once where the
    // target box has the focus already, else with the box as it takes it.
    virtual void DescribeTarget(const std::u16string& words) = 0;

private:
    RandomGenerator random_;
    std::vector<float> queued_;
    std::size_t nextQueued_ = 0;
    std::optional<int32_t> day_;
    TickClock clock_;
};
