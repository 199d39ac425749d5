// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/command_line.h"

#include <string_view>

#include "game/quote.h"
#include "solver/report.h"

namespace {

constexpr std::string_view Program = "quorel-solucion";

constexpr std::string_view Usage =
    "Uso: quorel-solucion [--exacta] OBJETIVO N1 [N2 ... N6]\n"
    "     quorel-solucion --pasos RESPUESTA [OBJETIVO N1 ... N6]\n";

constexpr std::string_view Help =
    "\n"
    "Busca la respuesta que más se acerca al OBJETIVO con los números dados (de\n"
    "uno a seis; cada uno, como mucho tantas veces como aparezca), calculada como\n"
    "la calcula el juego: de izquierda a derecha, sin prioridad entre operaciones,\n"
    "y con la división redondeada al entero más cercano. Dice primero si el juego\n"
    "daría la partida por resuelta, y después muestra la respuesta: entre las\n"
    "igual de cercanas, la de menos números y, entre esas, la más corta.\n"
    "\n"
    "  --exacta    solo divisiones exactas, sin resto\n"
    "  --pasos     muestra cómo lee y evalúa el juego la RESPUESTA, paso a paso;\n"
    "              con el objetivo y los números, dice también si usa alguno mal\n"
    "              y si el juego la daría por resuelta\n"
    "  -h, --help  muestra esta ayuda\n"
    "  --version   muestra la versión\n"
    "\n"
    "El objetivo y los números van de 1 a 32767.\n"
    "\n"
    "Estado de salida: 0 si la respuesta queda a 5 o menos del objetivo (el juego\n"
    "la daría por resuelta), y siempre con --pasos; 1 si queda más lejos; 2 si los\n"
    "argumentos no son válidos.\n";

struct BadInput {
    std::string Message;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool LooksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && !IsDigit(arg[1]) && arg[1] != '.' && arg[1] != ',';
}

// The command's view of a report: the first sentence and the best answer,
// or the steps; bad input on standard error, with the usage.
int Write(const Report& report, std::ostream& out, std::ostream& err) {
    if (!report.Errors.empty()) {
        throw BadInput{report.Errors.front().Message};
    }
    if (!report.InternalError.empty()) {
        err << Program << ": error interno: " << report.InternalError << '\n';
        return StatusInternalError;
    }
    if (report.Steps) {
        out << report.StepsText();
        return StatusSolved;
    }
    out << report.Sentence() << report.BestLine();
    return report.BestSolves() ? StatusSolved : StatusNotSolved;
}

}  // namespace

int ReportAnswer(const Puzzle& puzzle, int32_t value, const std::string& text, std::ostream& out,
                 std::ostream& err) {
    Report report;
    report.Given = puzzle;
    ConfirmBest(report, value, text);
    return Write(report, out, err);
}

int RunSolucion(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        Query query;
        std::vector<std::string> positional;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg == "--help" || arg == "-h") {
                out << Usage << Help;
                return StatusSolved;
            }
            if (arg == "--version") {
                out << Program << " (Quorel) " << QUOREL_VERSION << '\n';
                return StatusSolved;
            }
            if (arg == "--exacta") {
                query.Exact = true;
            } else if (arg == "--pasos") {
                if (query.Answer) {
                    throw BadInput{"--pasos solo puede ir una vez"};
                }
                if (i + 1 == args.size()) {
                    throw BadInput{"--pasos necesita una respuesta"};
                }
                query.Answer = args[++i];  // whatever it looks like: "-5+10" is an answer
            } else if (LooksLikeOption(arg)) {
                throw BadInput{"opción desconocida: " + Quote(arg)};
            } else {
                positional.push_back(arg);
            }
        }
        if (query.Answer && query.Exact) {
            throw BadInput{"--exacta y --pasos no van juntas"};
        }
        // --pasos explains an answer without giving the puzzle's away.
        query.WithBest = !query.Answer;
        if (!positional.empty()) {
            query.Target = positional.front();
            query.Numbers.assign(positional.begin() + 1, positional.end());
        }
        return Write(MakeReport(query), out, err);
    } catch (const BadInput& bad) {
        err << Program << ": " << bad.Message << '\n'
            << Usage << "Pruebe «" << Program << " --help» para más información.\n";
        return StatusBadInput;
    }
}
