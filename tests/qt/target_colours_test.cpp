// The target box stays legible: WCAG 2 contrast arithmetic, and the rendered
// box, measured from its pixels, in three schemes switched while it runs.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QTest>

#include <cmath>

#include "game/qt/contrast.h"
#include "game/qt/game_window.h"
#include "game/qt/target_colours.h"

namespace {

// The text colour of a rendered box: of the pixels inside its frame, the
// one farthest in contrast from the background, a glyph's solid core.
struct Rendered {
    QColor background;
    QColor text;
};

Rendered Measure(QWidget* box) {
    const QImage image = box->grab().toImage();
    const QRect inside = box->rect().adjusted(6, 6, -6, -6);
    Rendered seen{image.pixelColor(inside.topLeft()), image.pixelColor(inside.topLeft())};
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (ContrastRatio(pixel, seen.background) > ContrastRatio(seen.text, seen.background)) {
                seen.text = pixel;
            }
        }
    }
    return seen;
}

QPalette Scheme(const QColor& colour14, const QColor& colour15, const QColor& window) {
    QPalette scheme = QApplication::palette();
    scheme.setColor(QPalette::HighlightedText, colour14);
    scheme.setColor(QPalette::Button, colour15);
    scheme.setColor(QPalette::Window, window);
    return scheme;
}

}  // namespace

class TargetColoursTest : public QObject {
    Q_OBJECT

private slots:
    void contrastRatios_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("expected");
        QTest::newRow("black on white, the most there is")
            << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("either order") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("equal colours") << QColor("#3c7dd0") << QColor("#3c7dd0") << 1.0;
        QTest::newRow("the light scheme's 15 on 14")
            << QColor("#efefef") << QColor(Qt::white) << 1.1499;
        QTest::newRow("#767676 on white, just legible")
            << QColor("#767676") << QColor(Qt::white) << 4.5415;
        QTest::newRow("#777777 on white, just not")
            << QColor("#777777") << QColor(Qt::white) << 4.4784;
        QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 3.9985;
    }

    void contrastRatios() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, expected);
        QVERIFY2(std::abs(ContrastRatio(a, b) - expected) < 0.001,
                 qPrintable(QString::number(ContrastRatio(a, b), 'f', 4)));
    }

    void legibleTextColour_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("grey on white: a darker grey")
            << QColor("#efefef") << QColor(Qt::white) << QColor("#767676");
        QTest::newRow("already legible: unchanged")
            << QColor("#353535") << QColor(Qt::white) << QColor("#353535");
        QTest::newRow("dark grey on near black: lighter")
            << QColor("#353535") << QColor("#1b1b1b") << QColor("#838383");
        QTest::newRow("light blue on white: a darker blue")
            << QColor("#a0c8f0") << QColor(Qt::white) << QColor("#2178cf");
        QTest::newRow("lighter than a mid grey: lighter still")
            << QColor("#808080") << QColor("#767676") << QColor("#fefefe");
        QTest::newRow("no lighter grey is enough: past, to the dark side")
            << QColor("#808080") << QColor("#777777") << QColor("#060606");
    }

    void legibleTextColour() {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(QColor, expected);
        const QColor legible = LegibleTextColour(text, background, 4.5);
        QCOMPARE(legible.name(), expected.name());
        QVERIFY(ContrastRatio(legible, background) >= 4.5);
        if (legible != text) {
            // The nearest: one lightness step back towards the start falls short.
            const QColor hsl = legible.toHsl();
            const int back = hsl.lightness() < text.toHsl().lightness() ? 1 : -1;
            const QColor nearer =
                QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), hsl.lightness() + back);
            QVERIFY(ContrastRatio(nearer, background) < 4.5 || nearer.rgb() == legible.rgb());
            // Hue and saturation kept, to within 8-bit rounding.
            QVERIFY(std::abs(legible.hslHueF() - text.hslHueF()) < 0.01);
            QVERIFY(std::abs(legible.hslSaturationF() - text.hslSaturationF()) < 0.01);
        }
    }

    // The luminance table against the formula, level by level.
    void luminanceFollowsTheSrgbFormula() {
        for (int level = 0; level < 256; ++level) {
            const double c = level / 255.0;
            const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            QVERIFY2(std::abs(RelativeLuminance(QColor(level, level, level)) - linear) < 1e-12,
                     qPrintable(QString::number(level)));
        }
        QVERIFY(std::abs(RelativeLuminance(QColor(0, 255, 0)) - 0.7152) < 1e-12);
    }

    // Each sixth of the colour circle, on white and on black.
    void everyHueKeepsItsHueAndSaturation_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        for (const char* name :
             {"#f0a0a0", "#f0d8a0", "#c8f0a0", "#a0f0c8", "#a0d8f0", "#b8a0f0", "#f0a0d8"}) {
            QTest::addRow("%s on white", name) << QColor(name) << QColor(Qt::white);
            const QColor dark = QColor(name).darker(400);
            QTest::addRow("%s on black", qPrintable(dark.name())) << dark << QColor(Qt::black);
        }
    }

    void everyHueKeepsItsHueAndSaturation() {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QVERIFY(ContrastRatio(text, background) < 4.5);
        const QColor legible = LegibleTextColour(text, background, 4.5);
        QVERIFY(ContrastRatio(legible, background) >= 4.5);
        QVERIFY2(std::abs(legible.hslHueF() - text.hslHueF()) < 0.01,
                 qPrintable(legible.name() + " from " + text.name()));
        QVERIFY2(std::abs(legible.hslSaturationF() - text.hslSaturationF()) < 0.02,
                 qPrintable(legible.name() + " from " + text.name()));
        const bool onWhite = background == QColor(Qt::white);
        QCOMPARE(legible.lightnessF() < text.lightnessF(), onWhite);  // away from the background
    }

    void anUnreachableMinimumGivesTheBetterExtreme() {
        QCOMPARE(LegibleTextColour(QColor("#808080"), QColor("#202020"), 30.0).name(),
                 QString("#ffffff"));
        QCOMPARE(LegibleTextColour(QColor("#808080"), QColor("#e0e0e0"), 30.0).name(),
                 QString("#000000"));
    }

    void theRenderedTargetIsLegibleInEveryScheme_data() {
        QTest::addColumn<QPalette>("scheme");
        QTest::addColumn<bool>("keptAsGiven");
        // Qt's own light scheme: 15 is #efefef, 14 white.
        QTest::newRow("light") << QApplication::palette() << false;
        // A dark scheme that draws highlighted text dark, on a light highlight.
        QTest::newRow("dark") << Scheme(QColor("#1b1b1b"), QColor("#353535"), QColor("#2a2a2a"))
                              << false;
        // White highlighted text, dark buttons: already far apart.
        QTest::newRow("contrasting")
            << Scheme(QColor(Qt::white), QColor("#353535"), QColor("#2a2a2a")) << true;
    }

    // One window throughout: each row switches the scheme under it.
    void theRenderedTargetIsLegibleInEveryScheme() {
        QFETCH(QPalette, scheme);
        QFETCH(bool, keptAsGiven);
        static GameWindow* window = nullptr;
        if (window == nullptr) {
            window = new GameWindow;
            window->Text1->setText("888");
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        QApplication::setPalette(scheme);
        const QColor colour14 = scheme.color(QPalette::HighlightedText);
        const QColor colour15 = scheme.color(QPalette::Button);
        QCOMPARE(ContrastRatio(colour15, colour14) >= 4.5, keptAsGiven);
        // The change reaches the widgets through the event queue.
        QTRY_COMPARE(window->Text1->palette().color(QPalette::Base), colour14);

        const Rendered seen = Measure(window->Text1);
        const double contrast = ContrastRatio(seen.text, seen.background);
        qInfo("%s: colour 15 %s on colour 14 %s, %.2f:1 as given; drawn %s on %s, %.2f:1",
              QTest::currentDataTag(), qPrintable(colour15.name()), qPrintable(colour14.name()),
              ContrastRatio(colour15, colour14), qPrintable(seen.text.name()),
              qPrintable(seen.background.name()), contrast);
        QCOMPARE(seen.background.name(), colour14.name());
        QVERIFY2(contrast >= MinimumTargetContrast, qPrintable(QString::number(contrast)));
        if (keptAsGiven) {
            QCOMPARE(seen.text.name(), colour15.name());
        } else {
            QVERIFY(std::abs(seen.text.hslHueF() - colour15.hslHueF()) < 0.01);
            QVERIFY(std::abs(seen.text.hslSaturationF() - colour15.hslSaturationF()) < 0.01);
            QVERIFY(contrast < 4.7);  // moved only as far as needed
        }
        // The rest of the window follows the scheme as before.
        QCOMPARE(window->Text2->palette().color(QPalette::Base), scheme.color(QPalette::Base));
    }
};

QTEST_MAIN(TargetColoursTest)
#include "target_colours_test.moc"
