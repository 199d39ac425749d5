// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the browser: the module's entry, started by the page.

#include "game/form1.h"
#include "web/web_runtime.h"

int main() {
    // Static: the event loop suspends and resumes main's frame for the life
    // of the page.
    static WebRuntime runtime(WebRuntime::Entropy());
    static Form1 form(runtime);
    runtime.Run(form);
}
