// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into the start-up benchmark's builds only (the game's and the
// yardsticks' alike): prints the wall-clock time, in nanoseconds, once the
// first paint of the first window has been done.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

class FirstPaintProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint) {
            seen_ = true;
            // Every widget of the window paints in the same pass; the timer
            // fires when the pass has finished and reached the screen.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::fprintf(stderr, "first-paint %lld\n",
                             static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stderr);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
