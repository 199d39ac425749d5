// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The target box stays legible: WCAG 2 contrast arithmetic, and the rendered
// box, measured from its pixels, in three schemes switched while it runs.

#include <QApplication>
#include <QImage>
#include <QTest>

#include <cmath>

#include "qt/contrast.h"
#include "qt/game_window.h"
#include "qt/target_colours.h"

namespace {

// Inside the box's frame: the background, and the pixel farthest from it in
// contrast, a glyph's solid core, which is the text colour.
std::pair<QColor, QColor> RenderedColours(QWidget* box) {
    const QImage image = box->grab().toImage();
    const QRect inside = box->rect().adjusted(6, 6, -6, -6);
    const QColor background = image.pixelColor(inside.topLeft());
    QColor text = background;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (ContrastRatio(pixel, background) > ContrastRatio(text, background)) {
                text = pixel;
            }
        }
    }
    return {background, text};
}

bool SameHueAndSaturation(const QColor& a, const QColor& b) {
    return std::abs(a.hslHueF() - b.hslHueF()) < 0.01 &&
           std::abs(a.hslSaturationF() - b.hslSaturationF()) < 0.02;
}

}  // namespace

class TargetColoursTest : public QObject {
    Q_OBJECT

private slots:
    void contrastRatios() {
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(ContrastRatio(Qt::white, Qt::black), 21.0);
        QCOMPARE(ContrastRatio(QColor("#3c7dd0"), QColor("#3c7dd0")), 1.0);
        QVERIFY(std::abs(ContrastRatio(QColor("#efefef"), Qt::white) - 1.1499) < 1e-3);
        QVERIFY(std::abs(ContrastRatio(QColor("#767676"), Qt::white) - 4.5415) < 1e-3);
    }

    void legibleTextColour_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("expected");  // empty: any that keeps hue and saturation
        QTest::newRow("grey on white: a darker grey")
            << QColor("#efefef") << QColor(Qt::white) << "#767676";
        QTest::newRow("already legible: unchanged")
            << QColor("#353535") << QColor(Qt::white) << "#353535";
        QTest::newRow("on near black: lighter")
            << QColor("#353535") << QColor("#1b1b1b") << "#838383";
        QTest::newRow("no lighter grey is enough: past, to the dark side")
            << QColor("#808080") << QColor("#777777") << "#060606";
        // Each sixth of the colour circle, on white and on black.
        for (const char* name :
             {"#f0a0a0", "#f0d8a0", "#c8f0a0", "#a0f0c8", "#a0d8f0", "#b8a0f0", "#f0a0d8"}) {
            QTest::addRow("%s on white", name) << QColor(name) << QColor(Qt::white) << "";
            QTest::addRow("%s darkened, on black", name)
                << QColor(name).darker(400) << QColor(Qt::black) << "";
        }
    }

    void legibleTextColour() {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(QString, expected);
        const QColor legible = LegibleTextColour(text, background, 4.5);
        if (!expected.isEmpty()) {
            QCOMPARE(legible.name(), expected);
        }
        QVERIFY(ContrastRatio(legible, background) >= 4.5);
        QVERIFY2(legible == text || SameHueAndSaturation(legible, text),
                 qPrintable(legible.name()));
        if (legible != text && legible.hslSaturation() == 0) {
            // The nearest grey: one lightness step back falls short.
            const int back = legible.lightness() < text.lightness() ? 1 : -1;
            const int grey = legible.red() + back;
            QVERIFY(ContrastRatio(QColor(grey, grey, grey), background) < 4.5);
        }
    }

    void theRenderedTargetIsLegibleInEveryScheme_data() {
        QTest::addColumn<QColor>("colour14");
        QTest::addColumn<QColor>("colour15");
        QTest::addColumn<bool>("keptAsGiven");
        const QPalette qt = QApplication::palette();  // Qt's own light scheme
        QTest::newRow("light") << qt.color(QPalette::HighlightedText) << qt.color(QPalette::Button)
                               << false;
        // A dark scheme that draws highlighted text dark, on a light highlight.
        QTest::newRow("dark") << QColor("#1b1b1b") << QColor("#353535") << false;
        // White highlighted text, dark buttons: already far apart.
        QTest::newRow("contrasting") << QColor(Qt::white) << QColor("#353535") << true;
    }

    // One window throughout: each row switches the scheme under it.
    void theRenderedTargetIsLegibleInEveryScheme() {
        QFETCH(QColor, colour14);
        QFETCH(QColor, colour15);
        QFETCH(bool, keptAsGiven);
        static GameWindow* window = nullptr;
        if (window == nullptr) {
            window = new GameWindow;
            window->Text1->setText("888");
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        QPalette scheme = QApplication::palette();
        scheme.setColor(QPalette::HighlightedText, colour14);
        scheme.setColor(QPalette::Button, colour15);
        QApplication::setPalette(scheme);
        QCOMPARE(ContrastRatio(colour15, colour14) >= 4.5, keptAsGiven);
        // The change reaches the widgets through the event queue.
        QTRY_COMPARE(window->Text1->palette().color(QPalette::Base), colour14);

        const auto [background, text] = RenderedColours(window->Text1);
        const double contrast = ContrastRatio(text, background);
        qInfo("%s: colour 15 %s on colour 14 %s, %.2f:1 as given; drawn %s on %s, %.2f:1",
              QTest::currentDataTag(), qPrintable(colour15.name()), qPrintable(colour14.name()),
              ContrastRatio(colour15, colour14), qPrintable(text.name()),
              qPrintable(background.name()), contrast);
        QCOMPARE(background.name(), colour14.name());
        QVERIFY(contrast >= MinimumTargetContrast);
        if (keptAsGiven) {
            QCOMPARE(text.name(), colour15.name());
        } else {
            QVERIFY(SameHueAndSaturation(text, colour15));
            QVERIFY(contrast < 4.7);  // moved only as far as needed
        }
    }
};

QTEST_MAIN(TargetColoursTest)
#include "target_colours_test.moc"
