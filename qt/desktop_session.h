// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the game joins the desktop it runs on: as the application of its
// desktop entry, so that docks and task switchers show the game's own icon
// and name, and natively on Wayland where no X display is there.

// Before the QApplication is created.
void PrepareDesktopSession();
