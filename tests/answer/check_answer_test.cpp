// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/game_fixture.h"

namespace {

struct SolvesTold : SolveObserver {
    std::vector<std::pair<int32_t, int16_t>> solves;
    void OnSolved(int32_t total, int16_t penalty) override { solves.emplace_back(total, penalty); }
};

// Target 250, numbers 2 3 5 7 10 100, as every case below is drawn.
struct VerdictCase {
    const char* name;
    std::u16string answer;
    int ticksBefore;
    std::u16string box;
    bool solved;
};
void PrintTo(const VerdictCase& c, std::ostream* os) {
    *os << c.name;
}

class VerdictTest : public GameFixture, public testing::WithParamInterface<VerdictCase> {};

TEST_P(VerdictTest, ShowsTheBoxAndClosesOnlyASolvedPuzzle) {
    const VerdictCase& c = GetParam();
    SolvesTold told;
    form.SolveListener = &told;
    Start();
    Ticks(c.ticksBefore);
    runtime.promptAnswers = {u"Ana"};
    runtime.texts[Control::Text3] = c.answer;
    runtime.Click(Control::Command1);

    ASSERT_GE(runtime.boxes.size(), 1u);
    EXPECT_EQ(runtime.boxes[0], c.box);
    EXPECT_EQ(runtime.timerEnabled, !c.solved);
    EXPECT_EQ(runtime.IsEnabled(Control::Command1), !c.solved);
    EXPECT_EQ(runtime.boxes.size(), c.solved ? 2u : 1u);  // the listing follows a solve
    EXPECT_EQ(runtime.Text(Control::Text3), c.answer);    // never changed
    EXPECT_EQ(told.solves.size(), c.solved ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, VerdictTest,
    testing::ValuesIn(std::vector<VerdictCase>{
        {"left to right misses: 2+3x10", u"2+3x10", 7, u"50", false},
        {"exact answer", u"(100x2)+(5x10)", 7, u"250\r\ntiempo = 0 minutos y 7 segundos.", true},
        {"near miss with penalty", u"(100x2)+(5x10)-3", 65,
         u"247\r\ntiempo = 1 minutos y 5 segundos. más 30 segundos de penalización.", true},
        {"a number used twice", u"100+100", 3, u"200\r\n(ha usado números incorrectos: 100)",
         false},
        {"near miss with a misused number stays open", u"(100x2)+(5x10)-3+3-3", 3,
         u"247\r\n(ha usado números incorrectos: 3)\r\ntiempo = 0 minutos y 3 segundos. más 30 "
         u"segundos de penalización.",
         false},
        {"empty answer", u"", 3, u"0", false},
        {"step out of range", u"100x7x10x5", 3, u"resultado fuera de rango", false},
        // A number past 32767 is named as typed.
        {"typed number out of range", u"99999", 3,
         u"resultado fuera de rango\r\n(ha usado números incorrectos: 99999)", false},
        {"held number without its leading zeros", u"0099999+2", 3,
         u"resultado fuera de rango\r\n(ha usado números incorrectos: 99999)", false},
        {"20 digits are shown whole", u"12345678901234567890", 3,
         u"resultado fuera de rango\r\n(ha usado números incorrectos: 12345678901234567890)",
         false},
        {"past 20 digits the rest is cut", u"1234567890123456789012345", 3,
         u"resultado fuera de rango\r\n(ha usado números incorrectos: 12345678901234567890…)",
         false},
        {"a typed 32767 is named as 32767", u"2+32767+99999", 3,
         u"resultado fuera de rango\r\n(ha usado números incorrectos: 32767)", false},
        {"a held number after a typed 32767", u"2+3+99999+32767", 3,
         u"resultado fuera de rango\r\n(ha usado números incorrectos: 99999)", false},
        // Past the 30th token the answer has no value.
        {"30 tokens are judged", u"(100x2)+(5x10)" + std::u16string(19, u')'), 4,
         u"250\r\ntiempo = 0 minutos y 4 segundos.", true},
        {"a 31st token: too long, never solved", u"(100x2)+(5x10)" + std::u16string(20, u')'), 4,
         u"respuesta demasiado larga", false},
        {"too long still names a misused number it read", u"100+100" + std::u16string(29, u')'), 3,
         u"respuesta demasiado larga\r\n(ha usado números incorrectos: 100)", false},
        {"numbers past the 30th token are not checked",
         u"(100x2)+(5x10)" + std::u16string(19, u')') + u"+100+100", 3,
         u"respuesta demasiado larga", false},
        {"too long wins over a division by zero", u"250/(5-5)" + std::u16string(24, u')'), 3,
         u"respuesta demasiado larga\r\n(ha usado números incorrectos: 250)", false},
        {"division by zero", u"250/(5-5)", 3,
         u"división por cero\r\n(ha usado números incorrectos: 250)", false},
        {"division by zero with valid numbers", u"100/(2+3-5)", 3, u"división por cero", false},
        {"far below the target without overflow", u"-32767-1", 3,
         u"-32768\r\n(ha usado números incorrectos: 32767)", false},
        {"just past the window of 5", u"(100+7)x2+(3x10)", 3, u"244", false},
        {"distance 5 still solves", u"(100x2)+(7x5)+10", 0,
         u"245\r\ntiempo = 0 minutos y 0 segundos. más 50 segundos de penalización.", true},
        {"above the target", u"(100x2)+(5x10)+3", 0,
         u"253\r\ntiempo = 0 minutos y 0 segundos. más 30 segundos de penalización.", true},
    }),
    NameOfCase());

TEST_F(GameFixture, TicksDuringTheBoxCountTowardTheTotal) {
    SolvesTold told;
    form.SolveListener = &told;
    Start();
    Ticks(10);
    runtime.ticksPerBox = 3;
    runtime.promptAnswers = {u"Ana"};
    runtime.texts[Control::Text3] = u"(100x2)+(5x10)-3";
    runtime.Click(Control::Command1);

    EXPECT_EQ(runtime.boxes.at(0),
              u"247\r\ntiempo = 0 minutos y 10 segundos. más 30 segundos de penalización.");
    EXPECT_EQ(form.State.ElapsedSeconds, 13);
    EXPECT_EQ(form.State.Records[1].Seconds, 43);       // 13 elapsed + 30 penalty
    EXPECT_EQ(runtime.Text(Control::Label1), u"0:13");  // moved on behind the box
    EXPECT_EQ(told.solves, (std::vector<std::pair<int32_t, int16_t>>{{43, 30}}));
}

TEST_F(GameFixture, ASolvedPuzzleTakesNoFurtherSubmission) {
    Start();
    runtime.promptAnswers = {u"Ana"};
    runtime.texts[Control::Text3] = u"(100x2)+(5x10)";
    runtime.Click(Control::Command1);
    const std::size_t shown = runtime.boxes.size();
    runtime.Click(Control::Command1);
    EXPECT_EQ(runtime.boxes.size(), shown);
    Ticks(5);
    EXPECT_EQ(form.State.ElapsedSeconds, 0);  // the clock stays stopped
}

TEST_F(GameFixture, AMissLeavesWrongNumberForTheNextMessageOnly) {
    Start();
    runtime.texts[Control::Text3] = u"100+100";
    runtime.Click(Control::Command1);
    runtime.texts[Control::Text3] = u"2+3";
    runtime.Click(Control::Command1);
    EXPECT_EQ(runtime.boxes.at(1), u"5");
    EXPECT_EQ(form.State.WrongNumber, 100);
}

TEST_F(GameFixture, TotalSecondsStopsAtThe32BitLimit) {
    Start();
    form.State.ElapsedSeconds = 2147483647 - 10;
    runtime.texts[Control::Text3] = u"(100x2)+(5x10)-3";
    runtime.Click(Control::Command1);
    // Far beyond any record: no prompt, and an empty listing.
    EXPECT_TRUE(runtime.prompts.empty());
    ASSERT_EQ(runtime.boxes.size(), 2u);
    EXPECT_EQ(runtime.boxes[1], u"");
    EXPECT_EQ(form.State.Records[1].Seconds, NoRecordTime);
}

}  // namespace
