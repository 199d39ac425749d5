// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the toolkit itself shows or takes in the game's text fields: its
// context menu speaks Spanish, and an Alt key types nothing, in the window's
// boxes and in the name prompt alike.

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "qt/game_window.h"
#include "qt/message_boxes.h"
#include "tests/support/dialog_buttons.h"
#include "tests/support/when_modal.h"

namespace {

// The entries of the menu a right-click on the field shows, without
// access-key marks and shortcuts. The menu is closed once read.
QStringList MenuTexts(QLineEdit* field) {
    QStringList texts;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &texts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
            }
        }
        menu->close();
    });
    poll->start(10);
    const QPoint at(4, 4);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &click);
    // An empty list tells the caller no menu came.
    static_cast<void>(QTest::qWaitFor([&texts] { return !texts.isEmpty(); }, 5000));
    return texts;
}

const QStringList SpanishMenu = {"Deshacer", "Rehacer", "Cortar",          "Copiar",
                                 "Pegar",    "Borrar",  "Seleccionar todo"};

}  // namespace

class ToolkitTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The test runs under an English locale too: the game ignores it.
        QLocale::setDefault(QLocale(QLocale::English));
    }

    void aTextBoxMenuIsSpanish() {
        GameWindow window;
        window.show();
        QCOMPARE(MenuTexts(window.Text3), SpanishMenu);
        // A read-only box offers only what cannot change it.
        QCOMPARE(MenuTexts(window.Text1), (QStringList{"Copiar", "Seleccionar todo"}));
    }

    void theNamePromptIsSpanishAndTakesNoAltKeys() {
        QStringList menu;
        QString afterAlt;
        WhenModal([&](QWidget* modal) {
            auto* field = modal->findChild<QLineEdit*>();
            if (field == nullptr) {
                modal->close();
                return;
            }
            menu = MenuTexts(field);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_H, Qt::AltModifier);
            QTest::keyClick(field, Qt::Key_A, Qt::AltModifier | Qt::ShiftModifier);
            afterAlt = field->text();
            field->end(false);  // the offered name comes selected
            QTest::keyClicks(field, "va");
            ButtonNamed(modal, "Aceptar")->click();
        });
        const QString typed =
            ShowTextPrompt(nullptr, "Introduzca su nombre", "Ha establecido un nuevo récord!", "E");
        QCOMPARE(menu, SpanishMenu);
        QCOMPARE(afterAlt, QString("E"));
        QCOMPARE(typed, QString("Eva"));
    }

    void altGrStillTypes() {
        // AltGr, seen as Ctrl+Alt, types characters such as "[" on many layouts.
        GameWindow window;
        window.show();
        window.Text3->setFocus();
        QTest::keyClick(window.Text3, '[', Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(window.Text3->text(), QString("["));
    }
};

QTEST_MAIN(ToolkitTextsTest)
#include "toolkit_texts_test.moc"
