// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The target box stays legible: the rendered box, measured from its pixels,
// in three schemes switched while it runs. Its arithmetic is tested in
// tests/runtime/legible_colour_test.cpp.

#include <QApplication>
#include <QImage>
#include <QTest>

#include <cmath>

#include "runtime/legible_colour.h"
#include "qt/game_window.h"
#include "qt/target_colours.h"

namespace {

double ContrastRatio(const QColor& a, const QColor& b) {
    return ContrastRatio(Rgb{a.red(), a.green(), a.blue()}, Rgb{b.red(), b.green(), b.blue()});
}

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
