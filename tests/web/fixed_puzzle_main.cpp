// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser game with a known puzzle for the browser tests. Everything
// else is the real page.

#include "game/form1.h"
#include "tests/support/fixed_puzzle.h"
#include "web/web_runtime.h"

int main() {
    static FixedPuzzle<WebRuntime> runtime(0);
    static Form1 form(runtime);
    runtime.Run(form);
}
