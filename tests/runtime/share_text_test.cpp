// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/share_text.h"

namespace {

TEST(ShareText, InvitesBeforeASolveAndGivesTheGamesTimeAfterIt) {
    const struct {
        std::optional<SolvedTime> solved;
        std::u16string said;
    } rows[] = {
        {std::nullopt, u"Quorel: 250 con 2 3 5 7 10 100. ¿Lo resuelve?"},
        {SolvedTime{42, 0}, u"Quorel: 250 con 2 3 5 7 10 100, resuelto en 0:42. ¿Lo mejora?"},
        {SolvedTime{5, 0}, u"Quorel: 250 con 2 3 5 7 10 100, resuelto en 0:05. ¿Lo mejora?"},
        {SolvedTime{97, 30},
         u"Quorel: 250 con 2 3 5 7 10 100, resuelto en 1:37, 30 segundos de penalización "
         u"incluidos. ¿Lo mejora?"},
        {SolvedTime{3607, 0}, u"Quorel: 250 con 2 3 5 7 10 100, resuelto en 60:07. ¿Lo mejora?"},
    };
    for (const auto& row : rows) {
        // As the window shows the puzzle: Números ends with a blank.
        EXPECT_EQ(ShareText(u"250", u"2 3 5 7 10 100 ", row.solved), row.said);
    }
}

}  // namespace
