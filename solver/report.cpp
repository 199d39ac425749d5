// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/report.h"

#include <cstdlib>
#include <exception>
#include <utility>

#include "answer/verdict.h"
#include "game/game_state.h"
#include "solver/confirm.h"
#include "solver/search.h"
#include "solver/utf8.h"

namespace {

int32_t Distance(int32_t target, int32_t value) {
    return std::abs(target - value);
}

std::string Away(int32_t target, int32_t distance) {
    return "a " + std::to_string(distance) + " del objetivo " + std::to_string(target);
}

const std::string Within = "una respuesta a " + std::to_string(MaxDistanceForSolved) + " o menos";

}  // namespace

std::string Report::Sentence() const {
    if (!Best) {
        return {};
    }
    const int32_t target = Given->Target;
    const int32_t distance = Distance(target, Best->Value);
    std::string line;
    if (distance == 0) {
        line = "Sí: se llega justo a " + std::to_string(target) + ".";
    } else if (BestSolves()) {
        line = "Sí, para el juego: la mejor respuesta queda " + Away(target, distance) +
               ", y el juego da por resuelta " + Within + ".";
    } else {
        line = "No: la mejor respuesta queda " + Away(target, distance) +
               ", y el juego solo da por resuelta " + Within + ".";
    }
    // Any other target is solved all the same, with a word that a game never
    // has it.
    if (target < LowestTarget || target > HighestTarget) {
        line += " El juego sortea objetivos de " + std::to_string(LowestTarget) + " a " +
                std::to_string(HighestTarget) + ": " + std::to_string(target) +
                " no saldría en una partida.";
    }
    return line + "\n";
}

std::string Report::BestLine() const {
    return Best ? std::to_string(Best->Value) + " = " + Best->Text + "\n" : std::string();
}

bool Report::BestSolves() const {
    return Best && Distance(Given->Target, Best->Value) <= MaxDistanceForSolved;
}

std::string Report::StepsText() const {
    if (!Steps || !Given) {
        return Steps ? Steps->Text : std::string();
    }
    // As the game's box judges a submission: a value, valid numbers, close.
    const StepsShown& steps = *Steps;
    std::string verdict;
    bool solves = false;
    if (steps.Outcome != EvalOutcome::Value) {
        verdict =
            "Su respuesta no tiene valor (" + ToUtf8(ValueLine(steps.Value, steps.Outcome)) + ")";
    } else {
        const int32_t distance = Distance(Given->Target, steps.Value);
        solves = steps.NumbersValid && distance <= MaxDistanceForSolved;
        verdict = "Su respuesta da " + std::to_string(steps.Value) + ", " +
                  (distance == 0 ? "justo el objetivo" : Away(Given->Target, distance)) +
                  (steps.NumbersValid ? "" : ", pero usa números incorrectos");
    }
    return steps.Text + verdict +
           (solves ? ": el juego la da por resuelta.\n" : ": el juego no la da por resuelta.\n");
}

void ConfirmBest(Report& report, int32_t value, std::string text) {
    const Confirmation confirmation = ConfirmAnswer(text, value, report.Given->Numbers);
    if (!confirmation.Confirmed) {
        report.InternalError = "el juego no confirma la respuesta " + text + " = " +
                               std::to_string(value) + " (" + confirmation.Problem + ")";
        return;
    }
    report.Best = BestAnswer{value, std::move(text)};
}

Report MakeReport(const Query& query) {
    Report report;
    // An answer alone is shown without a puzzle; anything else needs one.
    if (query.Target || !query.Numbers.empty() || !query.Answer) {
        PuzzleInput input = ReadPuzzle(query.Target, query.Numbers);
        if (!input.Errors.empty()) {
            report.Errors = std::move(input.Errors);
            return report;
        }
        report.Given = input.Read;
    }
    if (report.Given && query.WithBest) {
        try {
            Search search;
            const SearchResult found =
                search.Run(report.Given->Target, report.Given->Numbers, query.Exact);
            ConfirmBest(report, found.Value, found.Answer.Text());
        } catch (const std::exception& e) {
            report.InternalError = e.what();
        }
        if (!report.InternalError.empty()) {
            return report;
        }
    }
    if (query.Answer) {
        report.Steps = ShowSteps(FromUtf8(*query.Answer), report.Given);
    }
    return report;
}
