// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The toolkit's own texts (a text field's context menu) in Spanish whatever
// the system's locale, from the translation Qt ships.

// Loads the translation into the running application, once. False when it is
// not installed; the toolkit then stays in its built-in English.
bool EnsureToolkitSpanish();
