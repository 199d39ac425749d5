// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/toolkit_runtime.h"

void ToolkitRuntime::SetEnabled(Control button, bool enabled) {
    // A button disabled while it has the focus hands it to "Nuevo", the one
    // thing left to press after a solved puzzle.
    const bool hadFocus = HasFocus(button);
    EnableControl(button, enabled);
    if (!enabled && hadFocus && button != Control::Command2) {
        SetFocus(Control::Command2);
    }
}

void ToolkitRuntime::SetTimerEnabled(bool enabled) {
    if (enabled) {
        clock_.Start(Milliseconds());  // first: the timer never wakes before a tick is due
    } else {
        clock_.Stop();
    }
    RunTimer(enabled);
}

float ToolkitRuntime::Rnd() {
    return nextQueued_ < queued_.size() ? queued_[nextQueued_++] : random_.Next();
}

void ToolkitRuntime::Randomize(int32_t seed) {
    if (day_) {
        random_.ReseedFromDay(*day_);
    } else {
        random_.Reseed(seed);
    }
}
