// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/run_game.h"

#include <QApplication>

#include <cstdio>

#include "game/form1.h"
#include "qt/display_check.h"

int RunGame(char* programName, const MakeRuntime& makeRuntime) {
    PrepareDesktopSession();
    if (const std::string reason = MissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    // The game takes no command line: the toolkit's own options (-style,
    // -qwindowtitle, ...) must not reach it, so it sees the program's name only.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {programName, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    QApplication::setApplicationName(QStringLiteral("Quorel"));

    GameWindow window;
    const std::unique_ptr<QtRuntime> runtime = makeRuntime(window);
    Form1 form(*runtime);
    runtime->Wire(form);
    form.FormLoad();  // before the window is first shown
    runtime->DescribePuzzle();
    window.show();
    return QApplication::exec();
}
