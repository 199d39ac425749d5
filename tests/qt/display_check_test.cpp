// Which desktops the start-up check accepts, and what it says when there is
// none: Wayland compositors are real listening sockets here; X displays are
// unset or unreachable (the end-to-end tests have the real X servers).

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "game/qt/desktop_session.h"
#include "game/qt/display_check.h"

namespace {

// A socket that accepts connections as a compositor's would, until destroyed.
class ListeningSocket {
public:
    explicit ListeningSocket(const QString& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray bytes = path.toLocal8Bit();
        qstrncpy(address.sun_path, bytes.constData(), sizeof address.sun_path);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        listening_ =
            fd_ >= 0 &&
            ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(fd_, 8) == 0;
    }
    ~ListeningSocket() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;
    bool listening() const { return listening_; }

private:
    int fd_ = -1;
    bool listening_ = false;
};

void Set(const char* name, const QString& value) {
    if (value.isNull()) {
        qunsetenv(name);
    } else {
        qputenv(name, value.toLocal8Bit());
    }
}

}  // namespace

class DisplayCheckTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir runtime_;  // XDG_RUNTIME_DIR, with a compositor's socket "live-0"
    std::unique_ptr<ListeningSocket> live_;
    std::unique_ptr<ListeningSocket> default_;

    // XDG_RUNTIME_DIR holds "live-0" always, "wayland-0" only when asked.
    void Environment(const QString& platform, const QString& wayland, const QString& display,
                     bool defaultSocket) {
        Set("QT_QPA_PLATFORM", platform);
        Set("WAYLAND_DISPLAY", QString(wayland).replace("RUNTIME", runtime_.path()));
        Set("DISPLAY", display);
        qunsetenv("WAYLAND_SOCKET");
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        default_.reset(defaultSocket ? new ListeningSocket(runtime_.filePath("wayland-0"))
                                     : nullptr);
        if (!defaultSocket) {
            QFile::remove(runtime_.filePath("wayland-0"));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        live_ = std::make_unique<ListeningSocket>(runtime_.filePath("live-0"));
        QVERIFY(live_->listening());
    }

    void missingDisplayReason_data() {
        QTest::addColumn<QString>("platform");  // null: unset
        QTest::addColumn<QString>("wayland");   // WAYLAND_DISPLAY; RUNTIME stands for the folder
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("defaultSocket");
        QTest::addColumn<QString>("expected");  // empty: a desktop is there
        const QString none;
        const QString both =
            "Quorel necesita un escritorio gráfico: no hay ningún compositor Wayland "
            "(WAYLAND_DISPLAY no está definida) y no hay ninguna pantalla X (DISPLAY no está "
            "definida).";
        QTest::newRow("nothing at all: both named") << none << none << none << false << both;
        QTest::newRow("a compositor by name, no X") << none << "live-0" << none << false << "";
        QTest::newRow("a compositor by path") << none << "RUNTIME/live-0" << none << false << "";
        QTest::newRow("the default socket, as libwayland finds it")
            << none << none << none << true << "";
        QTest::newRow("an unreachable compositor and X display")
            << none << "gone-0"
            << ":4095" << false
            << "Quorel necesita un escritorio gráfico: no se puede conectar con el compositor "
               "Wayland gone-0 y no se puede abrir la pantalla X :4095.";
        QTest::newRow("X asked for: a compositor does not count")
            << "xcb"
            << "live-0" << none << false
            << "Quorel necesita un escritorio gráfico: no hay ninguna pantalla X (DISPLAY no "
               "está definida).";
        QTest::newRow("X with options") << "xcb:nograb"
                                        << "live-0"
                                        << ":4095" << false
                                        << "Quorel necesita un escritorio gráfico: no se puede "
                                           "abrir la pantalla X :4095.";
        QTest::newRow("Wayland asked for, none there")
            << "wayland"
            << "gone-0" << none << false
            << "Quorel necesita un escritorio gráfico: no se puede conectar con el compositor "
               "Wayland gone-0.";
        QTest::newRow("Wayland asked for and there") << "wayland-egl"
                                                     << "live-0" << none << false << "";
        QTest::newRow("a list of both, neither there")
            << "wayland;xcb" << none << none << false << both;
        QTest::newRow("a list of both, the compositor there") << "xcb;wayland"
                                                              << "live-0" << none << false << "";
        QTest::newRow("offscreen: Qt's own business") << "offscreen" << none << none << false << "";
    }

    void missingDisplayReason() {
        QFETCH(QString, platform);
        QFETCH(QString, wayland);
        QFETCH(QString, display);
        QFETCH(bool, defaultSocket);
        QFETCH(QString, expected);
        Environment(platform, wayland, display, defaultSocket);
        QCOMPARE(QString::fromStdString(MissingDisplayReason()), expected);
    }

    void aHandedDownConnectionCounts() {
        Environment(QString(), "gone-0", QString(), false);
        QVERIFY(!WaylandReachable());
        qputenv("WAYLAND_SOCKET", "3");
        QVERIFY(WaylandReachable());
    }

    // Qt keeps to X by itself on some desktops even where a compositor is
    // there; without an X display the game asks for Wayland.
    void theSessionGoesNativeWhereThereIsNoX_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("chosen");
        const QString none;
        QTest::newRow("a compositor, no X: Wayland") << none << "live-0" << none << "wayland";
        QTest::newRow("a compositor and X: Qt's choice") << none << "live-0"
                                                         << ":0" << none;
        QTest::newRow("no compositor: Qt's choice") << none << "gone-0" << none << none;
        QTest::newRow("a platform asked for stays") << "xcb"
                                                    << "live-0" << none << "xcb";
    }

    void theSessionGoesNativeWhereThereIsNoX() {
        QFETCH(QString, platform);
        QFETCH(QString, wayland);
        QFETCH(QString, display);
        QFETCH(QString, chosen);
        Environment(platform, wayland, display, false);
        PrepareDesktopSession();
        QCOMPARE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                     ? qEnvironmentVariable("QT_QPA_PLATFORM")
                     : QString(),
                 chosen);
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.quorel.Quorel"));
    }
};

QTEST_APPLESS_MAIN(DisplayCheckTest)
#include "display_check_test.moc"
