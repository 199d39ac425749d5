// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A solved puzzle's time, as the game computed it, for a page that lets a
// player share it. The game itself observes nothing: Form1::SolveListener
// stays null.

#include <cstdint>

class SolveObserver {
public:
    // totalSeconds includes penalty, as the best times count it.
    virtual void OnSolved(int32_t totalSeconds, int16_t penalty) = 0;

protected:
    ~SolveObserver() = default;
};
