// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real widgets on the offscreen platform: layout, fonts, colours, focus,
// keyboard, and the wiring to the game through the real toolkit layer.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>

#include "game/form1.h"
#include "runtime/legible_colour.h"
#include "qt/game_window.h"
#include "qt/qt_runtime.h"
#include "qt/target_colours.h"

class GameWindowTest : public QObject {
    Q_OBJECT

private:
    GameWindow* window = nullptr;
    QtRuntime* runtime = nullptr;
    Form1* form = nullptr;

    void Press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    }

private slots:
    void init() {
        window = new GameWindow;
        runtime = new QtRuntime(*window, 42);
        form = new Form1(*runtime);
        runtime->Wire(*form);
        form->FormLoad();
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    void cleanup() {
        delete form;
        delete runtime;
        delete window;
    }

    void geometryInPixels_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Text1") << "Text1" << QRect(0, 0, 400, 40);
        QTest::newRow("Text2") << "Text2" << QRect(0, 67, 400, 40);
        QTest::newRow("Text3") << "Text3" << QRect(0, 133, 400, 40);
        QTest::newRow("Command1") << "Command1" << QRect(33, 200, 133, 40);
        QTest::newRow("Command2") << "Command2" << QRect(233, 200, 133, 40);
        QTest::newRow("Label1") << "Label1" << QRect(133, 267, 133, 40);
    }

    void geometryInPixels() {
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        const std::map<QString, QWidget*> widgets = {
            {"Text1", window->Text1},       {"Text2", window->Text2},
            {"Text3", window->Text3},       {"Command1", window->Command1},
            {"Command2", window->Command2}, {"Label1", window->Label1}};
        QCOMPARE(widgets.at(control)->geometry(), expected);
    }

    void windowIsTitledAndSizedAndResizable() {
        QCOMPARE(window->windowTitle(), QString("QUOREL"));
        QCOMPARE(window->size(), QSize(392, 306));
        QVERIFY(window->minimumSize() != window->maximumSize());
        window->resize(600, 500);
        QCOMPARE(window->Text1->geometry(), QRect(0, 0, 400, 40));  // nothing follows the size
    }

    void fonts() {
        const QFontInfo target(window->Text1->font());
        QCOMPARE(target.family(), QString("Liberation Sans"));  // Arial's metric twin
        QCOMPARE(target.pointSize(), 18);
        QVERIFY(target.bold());
        for (QWidget* w :
             {static_cast<QWidget*>(window->Text2), static_cast<QWidget*>(window->Command1),
              static_cast<QWidget*>(window->Command2), static_cast<QWidget*>(window->Label1)}) {
            const QFontInfo info(w->font());
            QCOMPARE(info.family(), QString("Liberation Sans"));
            QCOMPARE(info.pointSize(), 18);
            QVERIFY(!info.bold());
            QVERIFY(!info.italic());
        }
        const QFontInfo answer(window->Text3->font());
        QVERIFY2(answer.family().contains("Serif"), qPrintable(answer.family()));
        QCOMPARE(answer.pointSize(), 18);
        QVERIFY(!answer.bold());
    }

    void targetBoxColoursAndAlignment() {
        const QPalette system = QApplication::palette();
        QCOMPARE(window->Text1->palette().color(QPalette::Base),
                 system.color(QPalette::HighlightedText));
        // Colour 15 where it contrasts enough with 14; in Qt's light scheme it
        // does not, and the text is its legible shade.
        const QColor button = system.color(QPalette::Button);
        const QColor highlighted = system.color(QPalette::HighlightedText);
        const Rgb legible = LegibleTextColour(
            {button.red(), button.green(), button.blue()},
            {highlighted.red(), highlighted.green(), highlighted.blue()}, MinimumTargetContrast);
        QCOMPARE(window->Text1->palette().color(QPalette::Text),
                 QColor(legible.Red, legible.Green, legible.Blue));
        QVERIFY(window->Text1->palette().color(QPalette::Text) != system.color(QPalette::Button));
        QCOMPARE(window->Text1->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(window->Text2->alignment() & Qt::AlignLeft, Qt::AlignLeft);
        QCOMPARE(window->Text2->palette().color(QPalette::Base), system.color(QPalette::Base));
    }

    void readOnlyBoxesTakeFocusAndSelectionButNoTyping() {
        for (QLineEdit* box : {window->Text1, window->Text2}) {
            const QString before = box->text();
            box->setFocus();
            QVERIFY(box->hasFocus());
            QTest::keyClicks(box, "123+x");
            Press(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), before);
            box->selectAll();
            QVERIFY(box->hasSelectedText());
        }
        window->Text3->setFocus();
        QTest::keyClicks(window->Text3, "2+3");
        QCOMPARE(window->Text3->text(), QString("2+3"));
    }

    void focusStartsInTheTargetAndTabFollowsTheOrder() {
        QCOMPARE(QApplication::focusWidget(), window->Text1);
        const QList<QWidget*> order = {window->Text2, window->Text3, window->Command1,
                                       window->Command2, window->Text1};
        for (QWidget* next : order) {
            Press(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QCOMPARE(window->Label1->focusPolicy(), Qt::NoFocus);
    }

    void startStateOfTheControls() {
        QCOMPARE(window->Label1->text(), QString());
        QCOMPARE(window->Text3->text(), QString());
        QVERIFY(window->Command1->isEnabled());
        QVERIFY(window->Command2->isEnabled());
        QVERIFY(window->Timer1->isActive());
        QCOMPARE(window->Timer1->interval(), 1000);
        const int target = window->Text1->text().toInt();
        QVERIFY(target >= 100 && target <= 1000);
        QCOMPARE(window->Text2->text().split(' ', Qt::SkipEmptyParts).size(), 6);
        QVERIFY(window->Text2->text().endsWith(' '));
    }

    void accessKeysPressEnabledButtonsOnly() {
        QSignalSpy nuevo(window->Command2, &QPushButton::clicked);
        QSignalSpy hecho(window->Command1, &QPushButton::clicked);
        window->Text3->setFocus();
        QTest::keyClicks(window->Text3, "12");
        Press(window->Text3, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(nuevo.count(), 1);              // an access key animates the press first
        QCOMPARE(window->Text3->text(), QString());  // the new puzzle cleared it
        QCOMPARE(QApplication::focusWidget(), window->Text1);

        window->Command1->setEnabled(false);
        window->Text3->setFocus();
        Press(window->Text3, Qt::Key_H, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(hecho.count(), 0);
        QCOMPARE(window->Text3->text(), QString());  // no stray "h"
    }

    void enterAndSpacePressTheFocusedButton() {
        QSignalSpy nuevo(window->Command2, &QPushButton::clicked);
        window->Command2->setFocus();
        Press(window->Command2, Qt::Key_Return);
        Press(window->Command2->window()->focusWidget(), Qt::Key_Tab);  // back from Text1
        window->Command2->setFocus();
        Press(window->Command2, Qt::Key_Enter);
        window->Command2->setFocus();
        Press(window->Command2, Qt::Key_Space);
        QCOMPARE(nuevo.count(), 3);
    }

    void enterOrEscapeInATextBoxPressesNothing() {
        QSignalSpy hecho(window->Command1, &QPushButton::clicked);
        QSignalSpy nuevo(window->Command2, &QPushButton::clicked);
        window->Text3->setFocus();
        QTest::keyClicks(window->Text3, "2+3");
        Press(window->Text3, Qt::Key_Return);
        Press(window->Text3, Qt::Key_Escape);
        QCOMPARE(hecho.count() + nuevo.count(), 0);
        QCOMPARE(window->Text3->text(), QString("2+3"));
    }

    void aLongAnswerIsKeptWhole() {
        const QString pasted(100000, QChar('7'));
        QGuiApplication::clipboard()->setText(pasted);
        window->Text3->setFocus();
        Press(window->Text3, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->Text3->text().size(), 100000);
        QCOMPARE(runtime->Text(Control::Text3).size(), std::size_t{100000});
    }

    void disablingTheFocusedSubmitButtonMovesFocusToNew() {
        window->Command1->setFocus();
        runtime->SetEnabled(Control::Command1, false);
        QCOMPARE(QApplication::focusWidget(), window->Command2);
    }

    void everyControlHasASpanishAccessibleName() {
        const QList<QPair<QWidget*, QString>> expected = {
            {window->Text1, "Objetivo"}, {window->Text2, "Números"},  {window->Text3, "Respuesta"},
            {window->Command1, "Hecho"}, {window->Command2, "Nuevo"}, {window->Label1, "Tiempo"}};
        for (const auto& [widget, name] : expected) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible != nullptr);
            QCOMPARE(accessible->text(QAccessible::Name), name);
        }
    }

    void theTimerTicksTheClock() {
        QTRY_COMPARE_WITH_TIMEOUT(window->Label1->text(), QString("0:1"), 5000);
    }

    // A plain QWidget would be a nameless filler, and the name "Tiempo"
    // alone would hide the time.
    void screenReadersSeeAFrameWithItsTitleAndTheTime() {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), QString("QUOREL"));
        QCOMPARE(frame->childCount(), 6);
        QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(window->Label1);
        QCOMPARE(clock->text(QAccessible::Name), QString("Tiempo"));
        QTRY_COMPARE_WITH_TIMEOUT(window->Label1->text(), QString("0:1"), 5000);
        QCOMPARE(clock->text(QAccessible::Name), QString("Tiempo 0:1"));
        // A plain widget of the game's own is still what it was.
        QWidget plain;
        QCOMPARE(QAccessible::queryAccessibleInterface(&plain)->role(), QAccessible::Client);
    }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
