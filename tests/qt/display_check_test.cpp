// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which desktops the start-up check accepts, and what it says when there is
// none. Compositors and X servers are sockets listening here, as theirs do;
// the end-to-end tests have the real ones.

#include <QGuiApplication>
#include <QLocalServer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "qt/display_check.h"

namespace {

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
    QTemporaryDir runtime_;  // XDG_RUNTIME_DIR: a compositor listens at "live-0"
    QLocalServer compositor_;
    QLocalServer defaultCompositor_;  // "wayland-0", for the rows that want it
    // X displays numbered clear of any real server's: one local, in the
    // abstract namespace as X servers listen, one over TCP.
    const int localX_ = 3000 + static_cast<int>(::getpid() % 1000);
    const int tcpX_ = 50000 + static_cast<int>(::getpid() % 1000);
    QLocalServer localXServer_;
    QTcpServer tcpXServer_;

    void Environment(const QString& platform, const QString& wayland, const QString& display,
                     bool defaultSocket) {
        Set("QT_QPA_PLATFORM", platform);
        Set("WAYLAND_DISPLAY", QString(wayland).replace("RUNTIME", runtime_.path()));
        Set("DISPLAY", display);
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        defaultCompositor_.close();
        if (defaultSocket) {
            QVERIFY(defaultCompositor_.listen(runtime_.filePath("wayland-0")));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        QVERIFY(compositor_.listen(runtime_.filePath("live-0")));
        localXServer_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        QVERIFY(localXServer_.listen(QString("/tmp/.X11-unix/X%1").arg(localX_)));
        QVERIFY(tcpXServer_.listen(QHostAddress::LocalHost, static_cast<quint16>(6000 + tcpX_)));
    }

    void missingDisplayReason_data() {
        QTest::addColumn<QString>("platform");  // null: unset
        QTest::addColumn<QString>("wayland");   // WAYLAND_DISPLAY; RUNTIME stands for the folder
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("defaultSocket");
        QTest::addColumn<QString>("expected");  // empty: a desktop is there
        const QString none;
        const QString prefix = "Quorel necesita un escritorio gráfico: ";
        const QString both = prefix +
                             "no hay ningún compositor Wayland (WAYLAND_DISPLAY no está definida) "
                             "y no hay ninguna pantalla X (DISPLAY no está definida).";
        const QString local = ":" + QString::number(localX_);
        const QString tcp = "127.0.0.1:" + QString::number(tcpX_) + ".0";
        QTest::newRow("nothing at all: both named") << none << none << none << false << both;
        QTest::newRow("a compositor, no X") << none << "live-0" << none << false << "";
        QTest::newRow("a compositor by path") << none << "RUNTIME/live-0" << none << false << "";
        QTest::newRow("the default socket") << none << none << none << true << "";
        QTest::newRow("a local X display") << none << "gone-0" << local << false << "";
        QTest::newRow("unix/, with a screen")
            << none << none << "unix/" + local + ".0" << false << "";
        QTest::newRow("X over TCP") << none << none << tcp << false << "";
        QTest::newRow("neither answers")
            << none << "gone-0"
            << ":" + QString::number(localX_ + 1) << false
            << prefix +
                   "no se puede conectar con el compositor Wayland gone-0 y no se puede abrir "
                   "la pantalla X :" +
                   QString::number(localX_ + 1) + ".";
        QTest::newRow("X asked for: a compositor does not count")
            << "xcb"
            << "live-0"
            << "nonsense" << false << prefix + "no se puede abrir la pantalla X nonsense.";
        QTest::newRow("Wayland asked for, none there")
            << "wayland"
            << "gone-0" << local << false
            << prefix + "no se puede conectar con el compositor Wayland gone-0.";
        QTest::newRow("a list of both, neither there")
            << "wayland;xcb" << none << none << false << both;
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

    // Qt keeps to X by itself on some desktops where a compositor is there;
    // without an X display, the game asks for Wayland.
    void theSessionGoesNativeWhereThereIsNoX() {
        Environment(QString(), "live-0", ":0", false);
        PrepareDesktopSession();
        QVERIFY(!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
        Environment(QString(), "live-0", QString(), false);
        PrepareDesktopSession();
        QCOMPARE(qEnvironmentVariable("QT_QPA_PLATFORM"), QString("wayland"));
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.quorel.Quorel"));
    }
};

QTEST_GUILESS_MAIN(DisplayCheckTest)
#include "display_check_test.moc"
