// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorel-solucion --pasos: the game's own reading and evaluation, word for
// word, with each quirk named where it acts.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "solver/command_line.h"
#include "tests/support/case_name.h"

namespace {

struct StepsCase {
    const char* name;
    std::vector<std::string> args;  // after --pasos
    std::string out;
};

void PrintTo(const StepsCase& c, std::ostream* os) {
    *os << c.name;
}

class StepsTest : public testing::TestWithParam<StepsCase> {};

TEST_P(StepsTest, ShowsTheGamesSteps) {
    const StepsCase& c = GetParam();
    std::vector<std::string> args = {"--pasos"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunSolucion(args, out, err), StatusSolved);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), "");
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Quirks, StepsTest,
    testing::ValuesIn(std::vector<StepsCase>{
        {"strictly left to right",
         {"2+3x10"},
         "Fichas: 2 + 3 x 10\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  empieza con 2\n"
         "  2 + 3 = 5\n"
         "  5 x 10 = 50\n"
         "Resultado: 50\n"},
        {"a value of 0 starts afresh",
         {"5-5x3"},
         "Fichas: 5 - 5 x 3\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  empieza con 5\n"
         "  5 - 5 = 0\n"
         "  el resultado es 0, así que el juego empieza de nuevo con 3 (el 3 no se multiplica: "
         "el signo x queda para el número siguiente)\n"
         "Resultado: 3\n"},
        {"the pending operator waits for the next number",
         {"5-5x3 2"},
         "Fichas: 5 - 5 x 3 2\n"
         "Ignora: espacio\n"
         "Pasos:\n"
         "  empieza con 5\n"
         "  5 - 5 = 0\n"
         "  el resultado es 0, así que el juego empieza de nuevo con 3 (el 3 no se multiplica: "
         "el signo x queda para el número siguiente)\n"
         "  3 x 2 = 6 (sin operador delante: usa el signo x que quedó pendiente)\n"
         "Resultado: 6\n"},
        {"a leading minus",
         {"-5+10"},
         "Fichas: - 5 + 10\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  - al principio: hará negativo el número siguiente\n"
         "  menos delante: empieza con -5\n"
         "  -5 + 10 = 5\n"
         "Resultado: 5\n"},
        {"a minus before a group waits",
         {"-(5)-5+3"},
         "Fichas: - ( 5 ) - 5 + 3\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  - al principio: hará negativo el número siguiente\n"
         "  abre paréntesis\n"
         "    empieza con 5\n"
         "  cierra paréntesis: el grupo vale 5\n"
         "  el grupo es el primer valor: 5 (el menos de delante no se aplica a un paréntesis: "
         "queda pendiente)\n"
         "  5 - 5 = 0\n"
         "  el resultado es 0, así que el juego empieza de nuevo con -3, por el menos (el 3 no "
         "se suma: el signo + queda para el número siguiente)\n"
         "Resultado: -3\n"},
        {"numbers with no operator before them",
         {"100 3 4"},
         "Fichas: 100 3 4\n"
         "Ignora: espacio (2 veces)\n"
         "Pasos:\n"
         "  empieza con 100\n"
         "  100 + 3 = 103 (sin operador delante: usa el signo + con el que empieza toda "
         "respuesta)\n"
         "  4 no tiene operador delante: el juego lo ignora\n"
         "Resultado: 103\n"},
        {"tokens past the thirtieth",
         {Repeat("1+", 15) + "1 100"},
         "Fichas: " + Repeat("1 + ", 14) + "1 +\n" +
             "  la ficha 31 y las siguientes no caben en las 30 casillas del juego: no lee «1 "
             "100», y la respuesta es demasiado larga\n"
             "Ignora: nada\n"
             "Pasos: ninguno\n"
             "Resultado: respuesta demasiado larga\n"},
        {"a typed 0 clears the operator, ends a group",
         {"2x(3+0+1))"},
         "Fichas: 2 x ( 3 + 0 + 1 ) )\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  empieza con 2\n"
         "  abre paréntesis\n"
         "    empieza con 3\n"
         "  el 0 cierra el grupo: vale 3\n"
         "  2 x 3 = 6\n"
         "  6 + 1 = 7\n"
         "  ) sin paréntesis abierto: el juego lo ignora\n"
         "  ) sin paréntesis abierto: el juego lo ignora\n"
         "Resultado: 7\n"},
        {"other signs and what is skipped",
         {"0+5*[2_1]÷3 =×"},
         "Fichas: + 5 x ( 2 - 1 ) / 3\n"
         "Ignora: el 0 del principio (la ficha siguiente ocupa su casilla), espacio, «=», «×»\n"
         "Pasos:\n"
         "  empieza con 5\n"
         "  abre paréntesis\n"
         "    empieza con 2\n"
         "    2 - 1 = 1\n"
         "  cierra paréntesis: el grupo vale 1\n"
         "  5 x 1 = 5\n"
         "  5 / 3 = 2\n"
         "Resultado: 2\n"},
        {"a step out of range",
         {"200x200"},
         "Fichas: 200 x 200\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  empieza con 200\n"
         "  200 x 200 = 40000: fuera del rango del juego, de -32768 a 32767\n"
         "Resultado: resultado fuera de rango\n"},
        {"a misused number, as the box names it",
         {"100+100", "250", "2", "3", "5", "7", "10", "100"},
         "Fichas: 100 + 100\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  empieza con 100\n"
         "  100 + 100 = 200\n"
         "(ha usado números incorrectos: 100)\n"
         "Resultado: 200\n"
         "Su respuesta da 200, a 50 del objetivo 250, pero usa números incorrectos: el juego no "
         "la da por resuelta.\n"},
        {"a number past 32767, as typed",
         {"0099999+2", "250", "2", "100"},
         "Fichas: 32767 + 2\n"
         "  99999 pasa de 32767: el juego lo guarda como 32767 y no evalúa la respuesta\n"
         "Ignora: nada\n"
         "Pasos: ninguno\n"
         "(ha usado números incorrectos: 99999)\n"
         "Resultado: resultado fuera de rango\n"
         "Su respuesta no tiene valor (resultado fuera de rango): el juego no la da por "
         "resuelta.\n"},
        {"well used numbers",
         {"100x2+(5x10)", "250", "2", "3", "5", "7", "10", "100"},
         "Fichas: 100 x 2 + ( 5 x 10 )\n"
         "Ignora: nada\n"
         "Pasos:\n"
         "  empieza con 100\n"
         "  100 x 2 = 200\n"
         "  abre paréntesis\n"
         "    empieza con 5\n"
         "    5 x 10 = 50\n"
         "  cierra paréntesis: el grupo vale 50\n"
         "  200 + 50 = 250\n"
         "Números: bien usados\n"
         "Resultado: 250\n"
         "Su respuesta da 250, justo el objetivo: el juego la da por resuelta.\n"},
        {"a pasted megabyte past the thirtieth token, cut short",
         {Repeat("1+", 500000)},
         "Fichas: " + Repeat("1 + ", 14) + "1 +\n" +
             "  la ficha 31 y las siguientes no caben en las 30 casillas del juego: no lee «" +
             Repeat("1+", 20) + "»… y 999.930 caracteres más, y la respuesta es demasiado larga\n" +
             "Ignora: nada\nPasos: ninguno\nResultado: respuesta demasiado larga\n"},
        {"ten kinds skipped are named, then counted",
         {"\x1b" + Repeat(" ", 1000) + "abcdefghijkk"},
         "Fichas: ninguna\n"
         "Ignora: «^[», espacio (1.000 veces), «a», «b», «c», «d», «e», «f», «g», «h»… y 4 "
         "caracteres más\n"
         "Pasos: ninguno\nResultado: 0\n"},
        {"an empty answer", {""}, "Fichas: ninguna\nIgnora: nada\nPasos: ninguno\nResultado: 0\n"},
    }),
    NameOfCase());

}  // namespace
