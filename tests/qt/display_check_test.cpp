// Which desktops the start-up check accepts, and what it says when there is
// none: Wayland compositors are real listening sockets here; X displays are
// unset or unreachable (the end-to-end tests have the real X servers).

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

#include "game/qt/desktop_session.h"
#include "game/qt/display_check.h"

namespace {

// A socket that accepts connections as a compositor's or an X server's
// would, until destroyed.
class ListeningSocket {
public:
    // A Unix socket by path, or by name in the abstract namespace.
    explicit ListeningSocket(const QString& path, bool abstract = false) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        const std::size_t offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, name.constData(),
                    std::min(sizeof address.sun_path - offset - 1, std::size_t(name.size())));
        const auto length = static_cast<socklen_t>(abstract ? offsetof(sockaddr_un, sun_path) +
                                                                  offset + std::size_t(name.size())
                                                            : sizeof address);
        Listen(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
    }
    // TCP on the loopback address.
    explicit ListeningSocket(int port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        Listen(AF_INET, reinterpret_cast<const sockaddr*>(&address), sizeof address);
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
    void Listen(int family, const sockaddr* address, socklen_t length) {
        fd_ = ::socket(family, SOCK_STREAM, 0);
        listening_ = fd_ >= 0 && ::bind(fd_, address, length) == 0 && ::listen(fd_, 8) == 0;
    }

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

    // X displays of this test's own, numbered clear of any real server's:
    // one by its abstract local socket, one over TCP on the loopback.
    const int localX_ = 3000 + static_cast<int>(::getpid() % 1000);
    const int tcpX_ = 50000 + static_cast<int>(::getpid() % 1000);
    std::unique_ptr<ListeningSocket> localXServer_;
    std::unique_ptr<ListeningSocket> tcpXServer_;

private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        live_ = std::make_unique<ListeningSocket>(runtime_.filePath("live-0"));
        QVERIFY(live_->listening());
        localXServer_ =
            std::make_unique<ListeningSocket>(QString("/tmp/.X11-unix/X%1").arg(localX_), true);
        QVERIFY(localXServer_->listening());
        tcpXServer_ = std::make_unique<ListeningSocket>(6000 + tcpX_);
        QVERIFY(tcpXServer_->listening());
    }

    // Display names as X clients read them; only a listening server counts.
    void xDisplays_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("reachable");
        const QString local = QString::number(localX_);
        const QString tcp = QString::number(tcpX_);
        QTest::newRow("local") << ":" + local << true;
        QTest::newRow("local, with a screen") << ":" + local + ".0" << true;
        QTest::newRow("local, by the unix protocol") << "unix/:" + local << true;
        QTest::newRow("local, by the unix host") << "unix:" + local << true;
        QTest::newRow("over TCP") << "127.0.0.1:" + tcp + ".0" << true;
        QTest::newRow("over TCP, by the inet protocol") << "inet/127.0.0.1:" + tcp << true;
        QTest::newRow("local, nobody there") << ":" + QString::number(localX_ + 1) << false;
        QTest::newRow("over TCP, nobody there")
            << "127.0.0.1:" + QString::number(tcpX_ + 1) << false;
        QTest::newRow("no number") << ":" << false;
        QTest::newRow("no colon") << "localhost" << false;
    }

    void xDisplays() {
        QFETCH(QString, display);
        QFETCH(bool, reachable);
        Environment("xcb", QString(), display, false);
        QCOMPARE(MissingDisplayReason().empty(), reachable);
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
