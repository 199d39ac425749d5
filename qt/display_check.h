// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whether a desktop is there to show the window on. Qt aborts with a toolkit
// error when it cannot reach one; the game says so in one line instead.

#include <string>

// Empty when a platform Qt will try can open a window: a Wayland compositor
// or an X display, or any other platform asked for by name; otherwise one
// line, in Spanish, that names what was tried.
std::string MissingDisplayReason();

// How the game joins the desktop it runs on, before the QApplication is
// created: as the application of its desktop entry, so that docks and task
// switchers show the game's own icon and name, and natively on Wayland where
// no X display is there.
void PrepareDesktopSession();
