// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop the game joins. Qt aborts with a toolkit error when it cannot
// reach one; the game says so in one line instead.

#include <string>

// Empty when a platform Qt will try can open a window: a Wayland compositor
// or an X display, or any other platform asked for by name; otherwise one
// line, in Spanish, that names what was tried.
std::string MissingDisplayReason();

// Before the QApplication: the game joins as its desktop entry's application,
// so that docks show its own icon and name, natively on Wayland without X.
void PrepareDesktopSession();
