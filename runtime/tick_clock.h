// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The arithmetic of the toolkits' clock, whose rule toolkit_runtime.h
// states: whole seconds since Start(), handed out one tick at a time.
// Milliseconds, of a clock the toolkit chooses.

#include <algorithm>
#include <cstdint>

class TickClock {
public:
    // Restarts the period: the first tick comes a whole second after now.
    void Start(int64_t now) {
        running_ = true;
        start_ = last_ = now;
        delivered_ = 0;
    }
    void Stop() { running_ = false; }

    // Whether one more tick is due at now, which counts it as delivered. A
    // clock set back takes the start with it: no tick lost or repeated.
    bool TakeTick(int64_t now) {
        start_ -= std::max<int64_t>(0, last_ - now);
        last_ = now;
        if (!running_ || (now - start_) / 1000 <= delivered_) {
            return false;
        }
        ++delivered_;
        return true;
    }

    // From now until the next tick is due; -1 when stopped.
    int64_t UntilNextTick(int64_t now) const {
        return running_ ? std::max<int64_t>(0, start_ + (delivered_ + 1) * 1000 - now) : -1;
    }

private:
    bool running_ = false;
    int64_t start_ = 0;
    int64_t last_ = 0;  // the latest time read
    int64_t delivered_ = 0;
};
