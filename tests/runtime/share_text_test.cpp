// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "runtime/share_text.h"

namespace {

TEST(ShareText, InvitesBeforeASolveAndGivesTheGamesTimeAfterIt) {
    const std::u16string puzzle = u"Quorel: 250 con 2 3 5 7 10 100";
    const std::pair<std::optional<SolvedTime>, std::u16string> rows[] = {
        {std::nullopt, u". ¿Lo resuelve?"},
        {SolvedTime{5, 0}, u", resuelto en 0:05. ¿Lo mejora?"},
        {SolvedTime{97, 30},
         u", resuelto en 1:37, 30 segundos de penalización incluidos. ¿Lo mejora?"},
    };
    for (const auto& [solved, said] : rows) {
        EXPECT_EQ(ShareText(u"250", u"2 3 5 7 10 100 ", solved), puzzle + said);  // as shown
    }
}

}  // namespace
