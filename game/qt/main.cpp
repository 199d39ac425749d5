// Creates the window, runs the game's start-up, shows the window and runs the
// event loop. No command line, no environment, no files.

#include <QApplication>

#include <cstdio>
#include <random>

#include "game/form1.h"
#include "game/qt/display_check.h"
#include "game/qt/game_window.h"
#include "game/qt/qt_runtime.h"

int main(int argc, char* argv[]) {
    if (const std::string reason = MissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorel"));

    GameWindow window;
    std::random_device entropy;
    QtRuntime runtime(window, (uint64_t{entropy()} << 32) | entropy());
    Form1 form(runtime);
    runtime.Wire(form);
    form.FormLoad();
    window.show();
    return QApplication::exec();
}
