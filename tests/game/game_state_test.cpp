// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "game/game_state.h"

namespace {

TEST(FixedText, ReadsEmptyUntilAssigned) {
    const FixedText<25> name;
    EXPECT_EQ(name.Text(), u"");
}

TEST(FixedText, PadsShortTextWithBlanks) {
    const FixedText<25> name(u"Ana");
    EXPECT_EQ(name.Text(), u"Ana" + std::u16string(22, u' '));
}

TEST(FixedText, AnEmptyAssignmentIsAllBlanks) {
    const FixedText<25> name(u"");
    EXPECT_EQ(name.Text(), std::u16string(25, u' '));
}

TEST(FixedText, CutsLongTextToItsWidth) {
    const std::u16string longName = u"abcdefghijklmnopqrstuvwxyz0123";
    EXPECT_EQ(FixedText<25>(longName).Text(), longName.substr(0, 25));
    const std::u16string solution(250, u'7');
    EXPECT_EQ(FixedText<200>(solution).Text(), std::u16string(200, u'7'));
}

TEST(FixedText, ACutNeverSplitsASurrogatePair) {
    // 24 letters then U+1F600 (two UTF-16 units): the pair straddles the cut.
    const std::u16string name = std::u16string(24, u'a') + u"\U0001F600";
    EXPECT_EQ(FixedText<25>(name).Text(), std::u16string(24, u'a') + u" ");
}

TEST(FixedText, APairThatFitsIsKept) {
    const std::u16string name = std::u16string(23, u'a') + u"\U0001F600" + u"b";
    EXPECT_EQ(FixedText<25>(name).Text(), std::u16string(23, u'a') + u"\U0001F600");
}

TEST(OneBased, AcceptsOnlyIndicesFromOneToSize) {
    OneBased<int16_t, 6> numbers;
    numbers[1] = 3;
    numbers[6] = 100;
    EXPECT_EQ(numbers[1], 3);
    EXPECT_EQ(numbers[6], 100);
    EXPECT_THROW(numbers[0], std::out_of_range);
    EXPECT_THROW(numbers[7], std::out_of_range);
    EXPECT_THROW(numbers[-32768], std::out_of_range);
}

TEST(GameState, StartsZeroAndEmpty) {
    const GameState state;
    EXPECT_EQ(state.Target, 0);
    EXPECT_EQ(state.ElapsedSeconds, 0);
    for (const int16_t token : state.Tokens) {
        EXPECT_EQ(token, 0);
    }
    for (const RecordEntry& entry : state.Records) {
        EXPECT_EQ(entry.Seconds, 0);
        EXPECT_EQ(entry.PlayerName.Text(), u"");
    }
    EXPECT_EQ(state.LastPlayerName.Text(), u"");
}

}  // namespace
