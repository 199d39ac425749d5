// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ten thousand random events against the real widgets, from a fixed seed that
// the test prints: clicks, access keys, Tab, Enter, typing, pastes of any
// length, ticks, and every box and prompt answered at random. After each
// event the game's invariants must hold.

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>

#include "game/form1.h"
#include "qt/game_window.h"
#include "qt/qt_runtime.h"
#include "tests/support/dialog_buttons.h"
#include "tests/support/fake_runtime.h"

namespace {

constexpr unsigned Seed = 20261207;
constexpr int Events = 10000;

class Monkey {
public:
    explicit Monkey(std::mt19937& random) : random_(random) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString Text(int maxLength) {
        static const QStringList pieces = {
            "0", "1", "2", "3", "5", "7",          "10",     "25",  "50", "75",    "100",  "9",
            "+", "-", "_", "x", "X", "*",          "/",      "÷",   "(",  ")",     "[",    "]",
            " ", "a", "Ñ", "=", ".", "\U0001F600", "\u0301", "<b>", "&",  "32767", "99999"};
        QString text;
        const int length = Below(maxLength + 1);
        while (text.size() < length) {
            text += pieces[Below(static_cast<int>(pieces.size()))];
        }
        return text;
    }

private:
    std::mt19937& random_;
};

// Types any text, one key event per character (a surrogate pair is one);
// QTest::keyClicks takes ASCII only.
void Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, character, Qt::NoModifier);
        i += length - 1;
    }
}

// A left-to-right answer (no parentheses) within 5 of the target, using each
// drawn number at most once, or an empty text. Keeps every step positive and
// exact, so the game's quirks never come into play.
QString Solve(const Form1& form) {
    std::array<int, 6> numbers{};
    for (int j = 1; j <= NumberCount; ++j) {
        numbers[static_cast<std::size_t>(j - 1)] = form.State.Numbers[j];
    }
    const int target = form.State.Target;
    std::set<std::pair<int, int>> seen;
    std::function<QString(int, int, const QString&)> search = [&](int value, int used,
                                                                  const QString& text) {
        if (used != 0 && std::abs(value - target) <= 5) {
            return text;
        }
        if (!seen.insert({value, used}).second) {
            return QString();
        }
        for (std::size_t j = 0; j < numbers.size(); ++j) {
            if (used & (1 << j)) {
                continue;
            }
            const int n = numbers[j];
            const int mask = used | (1 << j);
            const QString digits = QString::number(n);
            if (used == 0) {
                if (QString found = search(n, mask, digits); !found.isEmpty()) {
                    return found;
                }
                continue;
            }
            const std::array<std::pair<int, QString>, 4> steps = {
                {{value + n, "+"},
                 {value - n, "-"},
                 {value * n, "x"},
                 {value % n == 0 ? value / n : -1, "/"}}};
            for (const auto& [next, op] : steps) {
                if (next > 0 && next <= 32767) {
                    if (QString found = search(next, mask, text + op + digits); !found.isEmpty()) {
                        return found;
                    }
                }
            }
        }
        return QString();
    };
    return search(0, 0, QString());
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void tenThousandRandomEvents() {
        qInfo("monkey seed: %u", Seed);
        std::mt19937 random(Seed);
        Monkey monkey(random);

        GameWindow window;
        QtRuntime runtime(window, Seed);
        Form1 form(runtime);

        // Connected before the game's own handlers, so it runs first.
        bool solved = false;
        bool awaitingVerdict = false;
        QString submitted;
        QObject::connect(window.Command1, &QPushButton::clicked, [&] {
            awaitingVerdict = true;
            submitted = window.Text3->text();
        });
        QObject::connect(window.Command2, &QPushButton::clicked, [&] { solved = false; });
        runtime.Wire(form);
        form.FormLoad();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        int boxes = 0;
        int prompts = 0;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++boxes;
                if (awaitingVerdict) {
                    awaitingVerdict = false;
                    solved = box->text().contains("tiempo =") && !box->text().contains("(ha usado");
                }
                if (monkey.Below(2) == 0) {
                    ButtonNamed(box, "Aceptar")->click();
                } else {
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            } else if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
                ++prompts;
                const int longest = monkey.Below(20) == 0 ? 5000 : monkey.Below(4) == 0 ? 200 : 30;
                prompt->setTextValue(monkey.Text(longest));
                if (monkey.Below(3) == 0) {
                    ButtonNamed(prompt, "Cancelar")->click();
                } else {
                    ButtonNamed(prompt, "Aceptar")->click();
                }
            } else {
                modal->close();
            }
        });
        answerer.start(0);

        for (int event = 0; event < Events; ++event) {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
            switch (monkey.Below(14)) {
                case 0:
                    QTest::mouseClick(window.Command1, Qt::LeftButton);
                    break;
                case 1:
                    QTest::mouseClick(window.Command2, Qt::LeftButton);
                    break;
                case 2:
                    QTest::keyClick(focus, Qt::Key_H, Qt::AltModifier);
                    break;
                case 3:
                    QTest::keyClick(focus, Qt::Key_N, Qt::AltModifier);
                    break;
                case 4:
                    QTest::keyClick(focus, Qt::Key_Tab);
                    break;
                case 5:
                    QTest::keyClick(focus, monkey.Below(2) ? Qt::Key_Return : Qt::Key_Enter);
                    break;
                case 6:
                case 7:
                    Type(focus, monkey.Text(12));
                    break;
                case 8: {
                    const bool huge = monkey.Below(50) == 0;
                    QGuiApplication::clipboard()->setText(
                        huge ? QString(100000 + monkey.Below(50000), QChar('7')) : monkey.Text(80));
                    QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
                    break;
                }
                case 9:
                    if (window.Timer1->isActive()) {
                        form.Timer1Tick();
                    }
                    break;
                case 10:
                    QTest::mouseClick(window.Text3, Qt::LeftButton);
                    break;
                case 11:
                    QTest::keyClick(focus, Qt::Key_Space);
                    break;
                case 12:
                    QTest::keyClick(focus, Qt::Key_Escape);
                    break;
                default:  // a solving answer, sometimes submitted at once
                    window.Text3->setFocus();
                    QTest::keyClick(window.Text3, Qt::Key_A, Qt::ControlModifier);
                    Type(window.Text3, Solve(form));
                    if (monkey.Below(2) == 0) {
                        QTest::keyClick(window.Text3, Qt::Key_H, Qt::AltModifier);
                    }
                    break;
            }
            QCoreApplication::processEvents();
            if (QTest::currentTestFailed()) {
                return;
            }
            CheckInvariants(form, window, solved, event);
            if (!QTest::currentTestFailed()) {
                CheckTokens(form, submitted, event);
            }
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        qInfo("monkey: %d events, %d boxes, %d prompts, %d records", Events, boxes, prompts,
              FilledRecords(form));
        QVERIFY(boxes > 100);
        QVERIFY(prompts > 0);
    }

private:
    static int FilledRecords(const Form1& form) {
        int filled = 0;
        for (const RecordEntry& entry : form.State.Records) {
            filled += entry.Seconds < NoRecordTime ? 1 : 0;
        }
        return filled;
    }

    // Tokens hold what the last submitted answer reads as, within 30 slots.
    static void CheckTokens(const Form1& form, const QString& submitted, int event) {
        const QByteArray where = "after event " + QByteArray::number(event);
        FakeRuntime scratchRuntime;
        Form1 scratch(scratchRuntime);
        int16_t lastSlot = 0;
        TokenReading reading;
        scratch.Tokenize(submitted.toStdU16String(), lastSlot, reading);
        QVERIFY2(lastSlot >= 1 && lastSlot <= TokenSlots, where + ": LastSlot out of bounds");
        QVERIFY2(scratch.State.Tokens == form.State.Tokens, where + ": Tokens differ");
        for (int i = lastSlot + 1; i <= TokenSlots; ++i) {
            QVERIFY2(form.State.Tokens[i] == 0, where + ": a token after LastSlot");
        }
    }

    static void CheckInvariants(const Form1& form, const GameWindow& window, bool solved,
                                int event) {
        const QByteArray where = "after event " + QByteArray::number(event);
        bool emptySeen = false;
        int32_t previous = 0;
        for (const RecordEntry& entry : form.State.Records) {
            const bool empty = entry.Seconds == NoRecordTime;
            QVERIFY2(entry.Seconds >= 0 && entry.Seconds <= NoRecordTime, where);
            QVERIFY2(!emptySeen || empty, where + ": a filled slot after an empty one");
            QVERIFY2(empty || entry.Seconds >= previous, where + ": records out of order");
            emptySeen = emptySeen || empty;
            previous = entry.Seconds;
        }
        for (const int16_t token : form.State.Tokens) {
            QVERIFY2(token >= TokClose, where + ": a token below the codes");
        }
        QVERIFY2(window.Command1->isEnabled() == !solved,
                 where + ": Hecho must be disabled exactly while a solved puzzle shows");
        QVERIFY2(form.State.ElapsedSeconds >= 0, where);
        const int target = form.State.Target;
        QVERIFY2(target >= 100 && target <= 1000, where);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
