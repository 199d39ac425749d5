// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Checks for a desktop, creates the window and its toolkit layer, runs the
// game's start-up, shows the window and runs the event loop.

#include <functional>
#include <memory>

#include "qt/game_window.h"
#include "qt/qt_runtime.h"

using MakeRuntime = std::function<std::unique_ptr<QtRuntime>(GameWindow&)>;

// The command line is ignored; programName is argv[0].
int RunGame(char* programName, const MakeRuntime& makeRuntime);
