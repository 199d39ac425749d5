// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real dialogs on the offscreen platform: the verdict and listing box, the
// name prompt, and ticks that go on while a box is open.

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "runtime/box_texts.h"
#include "game/form1.h"
#include "qt/game_window.h"
#include "qt/message_boxes.h"
#include "qt/qt_runtime.h"
#include "tests/support/dialog_buttons.h"
#include "tests/support/when_modal.h"

namespace {

QStringList ButtonTexts(QWidget* dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->isVisible()) {
            texts << button->text();
        }
    }
    texts.sort();
    return texts;
}

// The real window, its toolkit layer and the game, wired and loaded.
struct WiredGame {
    GameWindow window;
    QtRuntime runtime{window, 1};
    Form1 form{runtime};

    WiredGame() {
        runtime.Wire(form);
        form.FormLoad();
    }
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void verdictBoxShowsPlainTextWithOneButtonAndNoIcon() {
        QMessageBox* seen = nullptr;
        QString text, title, copied;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::Warning;
        Qt::TextFormat format = Qt::RichText;
        WhenModal([&](QWidget* modal) {
            seen = qobject_cast<QMessageBox*>(modal);
            if (seen == nullptr) {
                modal->close();
                return;
            }
            text = seen->text();
            title = seen->windowTitle();
            icon = seen->icon();
            format = seen->textFormat();
            buttons = ButtonTexts(seen);
            // The shortcut answers only in the active window.
            if (QTest::qWaitForWindowActive(seen)) {
                QTest::keyClick(seen, Qt::Key_C, Qt::ControlModifier);
            }
            copied = QGuiApplication::clipboard()->text();
            ButtonNamed(seen, "Aceptar")->click();
        });
        ShowMessageBox(nullptr,
                       u"247\r\ntiempo = 1 minutos y 5 segundos. más 30 segundos de penalización.");
        QVERIFY(seen != nullptr);
        QCOMPARE(text, QString("247\ntiempo = 1 minutos y 5 segundos. más 30 segundos de "
                               "penalización."));
        QCOMPARE(title, QString("Quorel"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(buttons, QStringList{"Aceptar"});
        QCOMPARE(copied,
                 QString::fromStdU16String(CopiedBoxText(u"Quorel", text.toStdU16String())));
        QVERIFY(copied.contains("Quorel\n") && copied.contains(text));
    }

    void markupInANameIsShownLiterally() {
        QString labelText;
        Qt::TextFormat labelFormat = Qt::RichText;
        WhenModal([&](QWidget* modal) {
            for (QLabel* label : modal->findChildren<QLabel*>()) {
                if (label->text().contains("Ana")) {
                    labelText = label->text();
                    labelFormat = label->textFormat();
                }
            }
            modal->close();
        });
        ShowMessageBox(nullptr, u"<b>Ana</b>: 0 minutos y 40 segundos: 250 = 5x50\r\n");
        QCOMPARE(labelText, QString("<b>Ana</b>: 0 minutos y 40 segundos: 250 = 5x50\n"));
        QCOMPARE(labelFormat, Qt::PlainText);
    }

    void promptOffersTheStoredDefaultAndSpanishButtons() {
        const QString stored = "  Ana" + QString(20, ' ');
        QString title, label, offered;
        QStringList buttons;
        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            title = dialog->windowTitle();
            label = dialog->labelText();
            offered = dialog->textValue();
            buttons = ButtonTexts(dialog);
            dialog->setTextValue("Luis");
            ButtonNamed(dialog, "Aceptar")->click();
        });
        const QString typed = ShowTextPrompt(nullptr, "Introduzca su nombre",
                                             "Ha establecido un nuevo récord!", stored);
        QCOMPARE(title, QString("Ha establecido un nuevo récord!"));
        QCOMPARE(label, QString("Introduzca su nombre"));
        QCOMPARE(offered, stored);
        QCOMPARE(buttons, (QStringList{"Aceptar", "Cancelar"}));
        QCOMPARE(typed, QString("Luis"));
    }

    void cancellingThePromptGivesAnEmptyText() {
        WhenModal([](QWidget* modal) {
            qobject_cast<QInputDialog*>(modal)->setTextValue("Luis");
            ButtonNamed(modal, "Cancelar")->click();
        });
        QCOMPARE(ShowTextPrompt(nullptr, "Introduzca su nombre", "t", "x"), QString());
    }

    void theClockMovesOnBehindAnOpenBox() {
        WiredGame game;
        auto& [window, runtime, form] = game;
        window.show();
        window.Text3->setText("x");  // no number: the box shows 0, the puzzle stays open
        QString labelWhileOpen;
        int32_t elapsedAtOpen = -1;
        WhenModal([&](QWidget* modal) {
            elapsedAtOpen = form.State.ElapsedSeconds;
            // Ticks behind the open box; generous for a loaded machine.
            for (int waited = 0; waited < 6000 && window.Label1->text() != "0:2"; waited += 50) {
                QTest::qWait(50);
            }
            labelWhileOpen = window.Label1->text();
            modal->close();
        });
        window.Command1->click();
        QVERIFY(elapsedAtOpen >= 0 && elapsedAtOpen < 2);
        QCOMPARE(labelWhileOpen, QString("0:2"));
    }

    void aSolvedPuzzleListsTheTable() {
        WiredGame game;
        auto& [window, runtime, form] = game;
        form.State.Target = 250;
        window.Text3->setText("  (100x2)+(5x10) ");
        QString listing;
        WhenModal([&](QWidget* prompt) {
            qobject_cast<QInputDialog*>(prompt)->setTextValue("<i>Ana</i>");
            ButtonNamed(prompt, "Aceptar")->click();
            WhenModal([&](QWidget* box) {
                listing = qobject_cast<QMessageBox*>(box)->text();
                box->close();
            });
        });
        const int32_t total = 40;
        const int16_t value = 250;
        form.RecordResult(total, value);
        QCOMPARE(listing, QString("<i>Ana</i>: 0 minutos y 40 segundos: 250 = (100x2)+(5x10)\n"));
    }

    // The title bar's font is bold on most desktops; at least the title and
    // a few buttons' room beside it. The field shows a name whole when its
    // cursor, at the end, sits as far from the start as the text is wide.
    void thePromptShowsItsTitleAndATwentyFiveCharacterName_data() {
        QTest::addColumn<int>("characters");
        QTest::addColumn<bool>("whole");
        QTest::newRow("25 wide characters, the longest name") << 25 << true;
        QTest::newRow("60 wide characters scroll, as they should") << 60 << false;
    }

    void thePromptShowsItsTitleAndATwentyFiveCharacterName() {
        QFETCH(int, characters);
        QFETCH(bool, whole);
        const QString title = "Ha establecido un nuevo récord!";
        int width = 0;
        int cursorAdvance = 0;
        int textAdvance = 0;
        QString titleShown;
        WhenModal([&](QWidget* modal) {
            auto* field = modal->findChild<QLineEdit*>();
            width = modal->width();
            titleShown = modal->windowTitle();
            field->clear();
            const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            const QString name(characters, QLatin1Char('M'));
            field->setText(name);
            field->end(false);
            field->repaint();  // QLineEdit scrolls as it paints
            cursorAdvance =
                field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() - start;
            textAdvance = field->fontMetrics().horizontalAdvance(name);
            ButtonNamed(modal, "Cancelar")->click();
        });
        ShowTextPrompt(nullptr, "Introduzca su nombre", title, "Ana");
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        const QFontMetrics metrics(titleFont);
        QCOMPARE(titleShown, title);
        QVERIFY2(width >= metrics.horizontalAdvance(title) + 4 * metrics.height(),
                 qPrintable(QString("%1 pixels wide").arg(width)));
        QVERIFY(width <= QGuiApplication::primaryScreen()->availableGeometry().width());
        QCOMPARE(std::abs(cursorAdvance - textAdvance) <= 1, whole);
    }

    // A listing line with a 60-character solution, through the game's own
    // table: whole on any screen with room for it, and the box never wider
    // than the screen. The 25-character name needs a screen of 1280 pixels;
    // the wide-screen run of this test has one.
    void listingLinesStayWholeWhereTheScreenHasRoom_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("roomFrom");
        QTest::newRow("a short name") << "Ana" << 800;
        QTest::newRow("a 25-character name") << "María José Fernández Ruiz" << 1280;
    }

    void listingLinesStayWholeWhereTheScreenHasRoom() {
        QFETCH(QString, name);
        QFETCH(int, roomFrom);
        const QString solution = "(100x75)-(50x25)+(10x9)-(8x7)+(6x5)-(4x3)+(2x1)-(75/25)+(50/";
        QCOMPARE(solution.size(), 60);
        WiredGame game;
        auto& [window, runtime, form] = game;
        form.State.Target = 1000;
        window.Text3->setText(solution);
        QString line;
        int boxWidth = 0;
        int labelWidth = 0;
        WhenModal([&](QWidget* prompt) {
            qobject_cast<QInputDialog*>(prompt)->setTextValue(name);
            ButtonNamed(prompt, "Aceptar")->click();
            WhenModal([&](QWidget* box) {
                for (QLabel* label : box->findChildren<QLabel*>()) {
                    if (label->text().contains(name)) {
                        line = label->text().trimmed();
                        labelWidth = label->contentsRect().width();
                    }
                }
                boxWidth = box->width();
                box->close();
            });
        });
        const int32_t total = 59 * 60 + 59;
        const int16_t value = 995;
        form.RecordResult(total, value);

        QCOMPARE(line, name + ": 59 minutos y 59 segundos: 1000 aprox. " + solution);
        const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
        const int advance = QFontMetrics(QApplication::font("QMessageBox")).horizontalAdvance(line);
        qInfo("screen %d, line %d, box %d pixels", screen, advance, boxWidth);
        QVERIFY(boxWidth <= screen);
        if (screen >= roomFrom) {
            QVERIFY2(labelWidth >= advance,
                     qPrintable(QString("%1 < %2").arg(labelWidth).arg(advance)));
        } else {
            QVERIFY(labelWidth < advance);  // no room: it wraps, within the screen
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
