// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/toolkit_runtime.h"

#include "runtime/box_texts.h"

void ToolkitRuntime::SetEnabled(Control button, bool enabled) {
    // A button disabled while it has the focus hands it to "Nuevo", the one
    // thing left to press after a solved puzzle.
    const bool hadFocus = HasFocus(button);
    EnableControl(button, enabled);
    if (!enabled && hadFocus && button != Control::Command2) {
        SetFocus(Control::Command2);
    }
}

void ToolkitRuntime::SetFocus(Control control) {
    // The target takes the focus for a new puzzle: its words go first, so
    // that a screen reader reads them with the box as it is focused, or at
    // once when the focus is there already and does not move.
    if (control == Control::Text1) {
        DescribePuzzle();
    }
    FocusControl(control);
}

void ToolkitRuntime::SetTimerEnabled(bool enabled) {
    if (enabled) {
        clock_.Start(Milliseconds());  // first: the timer never wakes before a tick is due
    } else {
        clock_.Stop();
    }
    RunTimer(enabled);
}

void ToolkitRuntime::DescribePuzzle() {
    DescribeTarget(SpokenPuzzle(Text(Control::Text1), Text(Control::Text2)));
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
