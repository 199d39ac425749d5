#include "game/qt/run_game.h"

#include <QApplication>

#include <cstdio>

#include "game/form1.h"
#include "game/qt/desktop_session.h"
#include "game/qt/display_check.h"

int RunGame(int argc, char* argv[], const MakeRuntime& makeRuntime) {
    PrepareDesktopSession();
    if (const std::string reason = MissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorel"));

    GameWindow window;
    const std::unique_ptr<QtRuntime> runtime = makeRuntime(window);
    Form1 form(*runtime);
    runtime->Wire(form);
    form.FormLoad();  // before the window is first shown
    window.show();
    return QApplication::exec();
}
