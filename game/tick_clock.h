// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's one timer, counted alike on every toolkit. Each tick adds the
// whole seconds that passed since the clock started, as a run of ticks, so
// seconds missed while the program was stopped, the machine asleep or the
// page frozen are all delivered on waking. Times are in milliseconds, read
// from a clock the toolkit chooses.

#include <algorithm>
#include <cstdint>

class TickClock {
public:
    static constexpr int64_t TickMilliseconds = 1000;

    // Starting again restarts the period: the first tick comes a whole
    // second after now.
    void Start(int64_t now) {
        running_ = true;
        start_ = now;
        last_ = now;
        delivered_ = 0;
    }
    void Stop() { running_ = false; }

    // Whether one more tick is due at now; it counts as delivered. A clock
    // set back takes the start with it, so no tick is lost or repeated.
    bool TakeTick(int64_t now) {
        if (now < last_) {
            start_ -= last_ - now;
        }
        last_ = now;
        if (!running_ || (now - start_) / TickMilliseconds <= delivered_) {
            return false;
        }
        ++delivered_;
        return true;
    }

    // How long from now until the next tick falls due; -1 when stopped.
    int64_t UntilNextTick(int64_t now) const {
        if (!running_) {
            return -1;
        }
        return std::max<int64_t>(0, start_ + (delivered_ + 1) * TickMilliseconds - now);
    }

private:
    bool running_ = false;
    int64_t start_ = 0;
    int64_t last_ = 0;  // the latest time read
    int64_t delivered_ = 0;
};
