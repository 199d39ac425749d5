// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The report's words: whether the game would count the best answer, or a
// given one, as solved; and the page's view of it, field by field.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "solver/page_view.h"
#include "solver/report.h"

namespace {

// The puzzle as the command line gives it, then the first sentence.
TEST(Report, FirstSentenceSaysWhetherTheGameCountsTheBestAnswerSolved) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"1000", "100", "10"}, "Sí: se llega justo a 1000."},
        {{"105", "100"},
         "Sí, para el juego: la mejor respuesta queda a 5 del objetivo 105, y el juego da por "
         "resuelta una respuesta a 5 o menos."},
        {{"106", "100"},
         "No: la mejor respuesta queda a 6 del objetivo 106, y el juego solo da por resuelta una "
         "respuesta a 5 o menos."},
        {{"99", "100"},
         "Sí, para el juego: la mejor respuesta queda a 1 del objetivo 99, y el juego da por "
         "resuelta una respuesta a 5 o menos. El juego sortea objetivos de 100 a 1000: 99 no "
         "saldría en una partida."},
    };
    for (const auto& [puzzle, said] : rows) {
        const Report report = MakeReport(
            {.Target = puzzle[0], .Numbers = {puzzle.begin() + 1, puzzle.end()}, .Answer = {}});
        EXPECT_EQ(report.Sentence(), said + "\n");
    }
}

// The last line of a given answer's steps, as the game's box would judge it.
TEST(Report, AnswersVerdictSaysWhetherTheGameCountsItSolved) {
    const std::pair<std::string, std::string> rows[] = {
        {"100x5/2-3", "Su respuesta da 247, a 3 del objetivo 250: el juego la da por resuelta."},
        {"100x5/2+10-7+3",
         "Su respuesta da 256, a 6 del objetivo 250: el juego no la da por resuelta."},
        {"100x5/2+2-2",
         "Su respuesta da 250, justo el objetivo, pero usa números incorrectos: el juego no la "
         "da por resuelta."},
    };
    for (const auto& [answer, said] : rows) {
        const std::string steps =
            MakeReport(
                {.Target = "250", .Numbers = {"2", "3", "5", "7", "10", "100"}, .Answer = answer})
                .StepsText();
        EXPECT_EQ(steps.substr(steps.rfind('\n', steps.size() - 2) + 1), said + "\n");
    }
}

std::string Page(std::string_view target, std::string_view numbers, std::string_view exact,
                 std::string_view answer) {
    return PageJson(MakeReport(FormQuery(target, numbers, exact, answer)));
}

TEST(PageView, EveryFieldIsPlacedAndEveryCombinationAnswered) {
    EXPECT_EQ(Page("", "", "1", ""), R"({"frase":"","mejor":"","pasos":"","partida":"",)"
                                     R"("errores":{"objetivo":"Falta el objetivo.",)"
                                     R"("numeros":"Faltan los números: de uno a seis."}})");
    // Blanks around and between the numbers; exact division for the best
    // answer only, and the given answer read as the game reads it.
    const std::string both = Page(" 8 ", "\t15  2 ", "1", "15/2 \"\\");
    for (const char* part : {R"("mejor":"13 = 15-2",)", R"(\nIgnora: espacio, «\"», «\\»\n)",
                             R"(\nSu respuesta da 8, justo el objetivo: el juego la da por)"}) {
        EXPECT_NE(both.find(part), std::string::npos) << part << " in " << both;
    }
    // The game's link, for a puzzle it could deal.
    EXPECT_NE(Page("0250", "100 2 3 5 7 10", "", "")
                  .find(R"("partida":"objetivo=250&numeros=100+2+3+5+7+10",)"),
              std::string::npos);
}

}  // namespace
