// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line as a player meets it: what goes to standard output and
// standard error, and the exit status.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "solver/command_line.h"
#include "tests/support/case_name.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Solucion(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunSolucion(args, out, err);
    return {status, out.str(), err.str()};
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

struct BadCase {
    const char* name;
    std::vector<std::string> args;
    std::string message;
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class BadInputTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadInputTest, OneSpanishLineThenTheUsageAndStatus2) {
    const BadCase& c = GetParam();
    const Outcome run = Solucion(c.args);
    EXPECT_EQ(run.status, StatusBadInput);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(FirstLine(run.err), "quorel-solucion: " + c.message);
    EXPECT_NE(run.err.find("\nUso: quorel-solucion [--exacta] OBJETIVO N1 [N2 ... N6]\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, BadInputTest,
    testing::ValuesIn(std::vector<BadCase>{
        {"no argument", {}, "falta el objetivo"},
        {"a target without numbers", {"250"}, "faltan los números: de uno a seis"},
        {"seven numbers",
         {"250", "1", "2", "3", "4", "5", "6", "7"},
         "sobra «7»: como mucho seis números"},
        {"a word", {"cien", "1"}, "el objetivo «cien» no es un número"},
        {"an empty argument", {"250", ""}, "el número «» no es un número"},
        {"digits then a letter", {"250", "5a"}, "el número «5a» no es un número"},
        {"a plus sign", {"250", "+5"}, "el número «+5» no es un número"},
        {"zero", {"250", "0"}, "el número «0» no está entre 1 y 32767"},
        {"zeros", {"000", "1"}, "el objetivo «000» no está entre 1 y 32767"},
        {"a negative number", {"250", "-5"}, "el número «-5» es negativo: van de 1 a 32767"},
        {"a negative fraction", {"250", "-2.5"}, "el número «-2.5» es negativo: van de 1 a 32767"},
        {"a decimal point", {"250", "2.5"}, "el número «2.5» no es un número entero"},
        {"a decimal comma", {"250", "2,5"}, "el número «2,5» no es un número entero"},
        {"a fraction bar", {"250", "1/2"}, "el número «1/2» no es un número entero"},
        {"past 32767", {"32768", "1"}, "el objetivo «32768» no está entre 1 y 32767"},
        {"many digits",
         {"250", "000099999999999999999999999"},
         "el número «000099999999999999999999999» no está entre 1 y 32767"},
        {"steps without an answer", {"--pasos"}, "--pasos necesita una respuesta"},
        {"steps with a target only",
         {"--pasos", "1+2", "250"},
         "faltan los números: de uno a seis"},
        {"steps twice", {"--pasos", "1", "--pasos", "2"}, "--pasos solo puede ir una vez"},
        {"steps with exact division",
         {"--exacta", "--pasos", "1+2"},
         "--exacta y --pasos no van juntas"},
        {"an unknown option", {"--rapido", "250", "1"}, "opción desconocida: «--rapido»"},
        {"an unknown short option", {"-x", "250", "1"}, "opción desconocida: «-x»"},
        // A bad argument is quoted as game/quote.h quotes every text.
        {"40 digits, whole",
         {"250", std::string(40, '9')},
         "el número «" + std::string(40, '9') + "» no está entre 1 y 32767"},
        {"128000 digits, cut",
         {std::string(128000, '7'), "1"},
         "el objetivo «" + std::string(40, '7') +
             "»… y 127.960 caracteres más no está entre 1 y 32767"},
        {"a long word of two-byte letters, cut",
         {"250", "1", "2", "3", "4", "5", "6", "ñ" + std::string(50, 'x')},
         "sobra «ñ" + std::string(39, 'x') + "»… y 11 caracteres más: como mucho seis números"},
        {"a long option, cut",
         {"--" + std::string(60, 'z')},
         "opción desconocida: «--" + std::string(38, 'z') + "»… y 22 caracteres más"},
    }),
    NameOfCase());

struct AnswerCase {
    const char* name;
    std::vector<std::string> args;
    std::string out;
    int status;
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << c.name;
}

class BestAnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(BestAnswerTest, PrintsTheAnswerAfterTheSentence) {
    const AnswerCase& c = GetParam();
    const Outcome run = Solucion(c.args);
    EXPECT_EQ(run.out.substr(run.out.find('\n') + 1), c.out);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, BestAnswerTest,
    testing::ValuesIn(std::vector<AnswerCase>{
        {"exact, fewest numbers", {"250", "2", "3", "5", "7", "10", "100"}, "250 = 100x5/2\n", 0},
        {"left to right without parentheses", {"32", "2", "3", "10"}, "32 = 10x3+2\n", 0},
        {"within 5 is solved", {"103", "100", "2"}, "102 = 100+2\n", 0},
        {"further is not", {"1000", "1", "2"}, "3 = 2+1\n", 1},
        {"rounding reaches what exact division cannot", {"8", "15", "2"}, "8 = 15/2\n", 0},
        {"exact division only", {"--exacta", "8", "15", "2"}, "13 = 15-2\n", 0},
        {"options after the numbers", {"8", "15", "2", "--exacta"}, "13 = 15-2\n", 0},
        {"leading zeros are read", {"0008", "015", "02"}, "8 = 15/2\n", 0},
    }),
    NameOfCase());

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"250", "2", "-h"}}) {
        const Outcome help = Solucion(args);
        EXPECT_EQ(help.status, 0) << args.back();
        EXPECT_EQ(FirstLine(help.out), "Uso: quorel-solucion [--exacta] OBJETIVO N1 [N2 ... N6]");
        EXPECT_NE(help.out.find("--pasos"), std::string::npos);
        EXPECT_EQ(help.err, "");
    }
    const Outcome version = Solucion({"250", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quorel-solucion (Quorel) 1.0.0\n");
}

TEST(CommandLine, StepsExitWithStatus0WhateverTheAnswer) {
    const Outcome run = Solucion({"--pasos", "8/(2-2)", "250", "2", "8"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\n(ha usado números incorrectos: 2)\nResultado: división por cero\n"),
              std::string::npos)
        << run.out;
}

// The confirmation is the last word: an answer the game reads otherwise is
// not printed, whatever the search claimed.
struct WrongCase {
    const char* name;
    std::string text;
    int32_t claimed;
    std::string problem;
};

void PrintTo(const WrongCase& c, std::ostream* os) {
    *os << c.name;
}

class ConfirmationTest : public testing::TestWithParam<WrongCase> {};

TEST_P(ConfirmationTest, RefusesAnAnswerTheGameReadsOtherwise) {
    const WrongCase& c = GetParam();
    const Puzzle puzzle{250, {2, 3, 5, 7, 10, 100}};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ReportAnswer(puzzle, c.claimed, c.text, out, err), StatusInternalError);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "quorel-solucion: error interno: el juego no confirma la respuesta " +
                             c.text + " = " + std::to_string(c.claimed) + " (" + c.problem + ")\n");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, ConfirmationTest,
    testing::ValuesIn(std::vector<WrongCase>{
        {"parentheses left out", "100x2+5x10", 250, "el juego le da 2050, no 250"},
        {"precedence assumed", "2+3x10", 32, "el juego le da 50, no 32"},
        {"a number used twice", "100x2+(5x10)+7-7", 250, "usa números incorrectos: 7"},
        {"a number not drawn", "125x2", 250, "usa números incorrectos: 125"},
        {"a step out of range", "100x100x5", 250, "el juego no le da valor"},
        {"a step of 0", "(5-5)x3+250", 250, "el juego le da 253, no 250"},
    }),
    NameOfCase());

TEST(CommandLine, PrintsAConfirmedAnswer) {
    const Puzzle puzzle{250, {2, 3, 5, 7, 10, 100}};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ReportAnswer(puzzle, 247, "100x2+(5x10)-3", out, err), StatusSolved);
    EXPECT_TRUE(out.str().ends_with("\n247 = 100x2+(5x10)-3\n")) << out.str();
    EXPECT_EQ(err.str(), "");
}

}  // namespace
