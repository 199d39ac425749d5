// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/trim_blanks.h"
#include "tests/support/game_fixture.h"

namespace {

class RecordsTest : public GameFixture {
protected:
    void SetUp() override { Start(); }  // target 250, an empty table

    // Hands one solved result to the table, as CheckAnswer does.
    void Record(int32_t total, std::u16string answer = u"(100x2)+(5x10)", int16_t value = 250,
                std::optional<std::u16string> name = u"Ana") {
        runtime.texts[Control::Text3] = std::move(answer);
        if (total < form.State.Records[5].Seconds) {
            runtime.promptAnswers.push_back(std::move(name));
        }
        form.RecordResult(total, value);
    }

    void FillWith(std::vector<int32_t> totals) {
        for (const int32_t total : totals) {
            Record(total, u"(100x2)+(5x10)", 250, Decimal(total));
        }
    }

    std::vector<int32_t> Times() const {
        std::vector<int32_t> out;
        for (const RecordEntry& entry : form.State.Records) {
            out.push_back(entry.Seconds);
        }
        return out;
    }

    std::vector<std::u16string> Names() const {
        std::vector<std::u16string> out;
        for (const RecordEntry& entry : form.State.Records) {
            out.push_back(TrimBlanks(entry.PlayerName.Text()));
        }
        return out;
    }
};

constexpr int32_t None = NoRecordTime;

TEST_F(RecordsTest, TheFirstResultAlwaysQualifiesWithAnEmptyDefault) {
    Record(125, u"(100x2)+(5x10)", 250, u"XY");
    ASSERT_EQ(runtime.prompts.size(), 1u);
    EXPECT_EQ(runtime.prompts[0].prompt, u"Introduzca su nombre");
    EXPECT_EQ(runtime.prompts[0].title, u"Ha establecido un nuevo récord!");
    EXPECT_EQ(runtime.prompts[0].defaultText, u"");
    EXPECT_EQ(runtime.boxes.back(), u"XY: 2 minutos y 5 segundos: 250 = (100x2)+(5x10)\r\n");
    EXPECT_EQ(Times(), (std::vector<int32_t>{125, None, None, None, None}));
}

TEST_F(RecordsTest, InsertionKeepsTheTableSortedNewerFirstOnTies) {
    struct Case {
        const char* name;
        int32_t total;
        std::vector<int32_t> times;
        std::vector<std::u16string> names;
    };
    const std::vector<Case> cases = {
        {"equal to the fifth: not entered",
         50,
         {10, 20, 30, 40, 50},
         {u"10", u"20", u"30", u"40", u"50"}},
        {"tie above the fifth goes first",
         30,
         {10, 20, 30, 30, 40},
         {u"10", u"20", u"new", u"30", u"40"}},
        {"better than all five", 5, {5, 10, 20, 30, 40}, {u"new", u"10", u"20", u"30", u"40"}},
        {"between fourth and fifth replaces the fifth",
         45,
         {10, 20, 30, 40, 45},
         {u"10", u"20", u"30", u"40", u"new"}},
        {"tie with the first", 10, {10, 10, 20, 30, 40}, {u"new", u"10", u"20", u"30", u"40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (RecordEntry& entry : form.State.Records) {
            entry = RecordEntry{};
            entry.Seconds = NoRecordTime;
        }
        runtime.prompts.clear();
        FillWith({10, 20, 30, 40, 50});
        const std::size_t promptsBefore = runtime.prompts.size();
        const std::size_t boxesBefore = runtime.boxes.size();
        Record(c.total, u"(100x2)+(5x10)", 250, u"new");
        EXPECT_EQ(Times(), c.times);
        EXPECT_EQ(Names(), c.names);
        EXPECT_EQ(runtime.prompts.size() - promptsBefore, c.total < 50 ? 1u : 0u);
        EXPECT_EQ(runtime.boxes.size() - boxesBefore, 1u);  // the listing, always
    }
}

TEST_F(RecordsTest, PartlyFilledTableFillsFromTheTop) {
    FillWith({30, 10, 20});
    EXPECT_EQ(Times(), (std::vector<int32_t>{10, 20, 30, None, None}));
    EXPECT_EQ(runtime.boxes.back(),
              u"10: 0 minutos y 10 segundos: 250 = (100x2)+(5x10)\r\n"
              u"20: 0 minutos y 20 segundos: 250 = (100x2)+(5x10)\r\n"
              u"30: 0 minutos y 30 segundos: 250 = (100x2)+(5x10)\r\n");
}

TEST_F(RecordsTest, ACancelledPromptEntersABlankName) {
    Record(40, u"(100x2)+(5x10)", 250, std::nullopt);
    EXPECT_EQ(runtime.boxes.back(), u": 0 minutos y 40 segundos: 250 = (100x2)+(5x10)\r\n");
    Record(30);
    EXPECT_EQ(runtime.prompts.back().defaultText, std::u16string(25, u' '));
}

TEST_F(RecordsTest, BlanksAroundANameAreListedWithoutButOfferedAsStored) {
    Record(40, u"(100x2)+(5x10)", 250, u"  Ana María  ");
    EXPECT_EQ(runtime.boxes.back(),
              u"Ana María: 0 minutos y 40 segundos: 250 = (100x2)+(5x10)\r\n");
    Record(30);
    EXPECT_EQ(runtime.prompts.back().defaultText, u"  Ana María" + std::u16string(14, u' '));
}

TEST_F(RecordsTest, ALongNameIsCutTo25) {
    Record(40, u"(100x2)+(5x10)", 250, u"Bartolomé de las Casas y Salazar");
    EXPECT_EQ(form.State.Records[1].PlayerName.Text(), u"Bartolomé de las Casas y ");
    EXPECT_EQ(runtime.boxes.back().substr(0, 25), u"Bartolomé de las Casas y:");
}

TEST_F(RecordsTest, MinuteWordingInTheListing) {
    const std::vector<std::pair<int32_t, std::u16string>> cases = {
        {59, u"0 minutos y 59 segundos"},         {60, u"1 minuto y 0 segundos"},
        {61, u"1 minuto y 1 segundos"},           {125, u"2 minutos y 5 segundos"},
        {999999, u"16666 minutos y 39 segundos"},
    };
    for (const auto& [total, words] : cases) {
        for (RecordEntry& entry : form.State.Records) {
            entry.Seconds = NoRecordTime;
        }
        Record(total);
        EXPECT_EQ(runtime.boxes.back(), u"Ana: " + words + u": 250 = (100x2)+(5x10)\r\n");
    }
}

TEST_F(RecordsTest, SolutionSaysExactOrApproximateAndKeepsInnerBlanks) {
    Record(40, u"  (100x2) + (5x10)-3  ", 247);
    EXPECT_EQ(TrimBlanks(form.State.Records[1].Solution.Text()), u"250 aprox. (100x2) + (5x10)-3");
    Record(30, u"\t(100x2)+(5x10)", 250);
    EXPECT_EQ(TrimBlanks(form.State.Records[1].Solution.Text()), u"250 = \t(100x2)+(5x10)");
}

TEST_F(RecordsTest, ASolutionIsCutTo200) {
    const std::u16string answer = u"(100x2)+(5x10)" + std::u16string(300, u'a');
    Record(40, answer);
    const std::u16string expected = (u"250 = " + answer).substr(0, 200);
    EXPECT_EQ(form.State.Records[1].Solution.Text(), expected);
    EXPECT_EQ(runtime.boxes.back(), u"Ana: 0 minutos y 40 segundos: " + expected + u"\r\n");
}

TEST_F(RecordsTest, AMillionSecondsNeverEntersAndAnEmptyTableListsNothing) {
    Record(NoRecordTime);
    EXPECT_TRUE(runtime.prompts.empty());
    EXPECT_EQ(runtime.boxes.back(), u"");
    EXPECT_EQ(form.State.Records[1].Seconds, NoRecordTime);
}

TEST_F(RecordsTest, TheTableOutlivesANewPuzzle) {
    Record(40);
    runtime.draws.assign(Puzzle250.begin(), Puzzle250.end());
    runtime.Click(Control::Command2);
    EXPECT_EQ(form.State.Records[1].Seconds, 40);
    EXPECT_EQ(TrimBlanks(form.State.LastPlayerName.Text()), u"Ana");
}

}  // namespace
