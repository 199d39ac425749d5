// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/command_line.h"

#include <cstdlib>
#include <exception>
#include <optional>
#include <string_view>

#include "answer/verdict.h"
#include "solver/confirm.h"
#include "solver/quote.h"
#include "solver/search.h"
#include "solver/steps.h"
#include "solver/utf8.h"

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
    "y con la división redondeada al entero más cercano. Entre las respuestas\n"
    "igual de cercanas muestra la de menos números y, entre esas, la más corta.\n"
    "\n"
    "  --exacta    solo divisiones exactas, sin resto\n"
    "  --pasos     muestra cómo lee y evalúa el juego la RESPUESTA, paso a paso;\n"
    "              con el objetivo y los números, dice también si usa alguno mal\n"
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

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A whole number from 1 to 32767, however it is written wrong.
int32_t ParseNumber(const std::string& arg, std::string_view what) {
    const std::string quoted = std::string(what) + " " + Quote(arg);
    std::string_view digits = arg;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.remove_prefix(1);
    }
    const std::size_t mark = digits.find_first_of(".,/");
    const bool fraction = mark != std::string_view::npos && AllDigits(digits.substr(0, mark)) &&
                          AllDigits(digits.substr(mark + 1));
    if (!AllDigits(digits) && !fraction) {
        throw BadInput{quoted + " no es un número"};
    }
    if (negative) {
        throw BadInput{quoted + " es negativo: van de 1 a 32767"};
    }
    if (fraction) {
        throw BadInput{quoted + " no es un número entero"};
    }
    const std::size_t first = digits.find_first_not_of('0');
    const std::string_view significant =
        first == std::string_view::npos ? std::string_view{} : digits.substr(first);
    if (significant.empty() || significant.size() > 5 ||
        std::stol(std::string(significant)) > 32767) {
        throw BadInput{quoted + " no está entre 1 y 32767"};
    }
    return static_cast<int32_t>(std::stol(std::string(significant)));
}

Puzzle ParsePuzzle(const std::vector<std::string>& positional) {
    if (positional.empty()) {
        throw BadInput{"falta el objetivo"};
    }
    if (positional.size() == 1) {
        throw BadInput{"faltan los números: de uno a seis"};
    }
    if (positional.size() > 7) {
        throw BadInput{"sobra " + Quote(positional[7]) + ": como mucho seis números"};
    }
    Puzzle puzzle;
    puzzle.Target = ParseNumber(positional[0], "el objetivo");
    for (std::size_t i = 1; i < positional.size(); ++i) {
        puzzle.Numbers.push_back(static_cast<int16_t>(ParseNumber(positional[i], "el número")));
    }
    return puzzle;
}

bool LooksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && !IsDigit(arg[1]) && arg[1] != '.' && arg[1] != ',';
}

int BestAnswer(const Puzzle& puzzle, bool exact, std::ostream& out, std::ostream& err) {
    Search search;
    SearchResult found;
    try {
        found = search.Run(puzzle.Target, puzzle.Numbers, exact);
    } catch (const std::exception& e) {
        err << Program << ": error interno: " << e.what() << '\n';
        return StatusInternalError;
    }
    return ReportAnswer(puzzle, found.Value, found.Answer.Text(), out, err);
}

}  // namespace

int ReportAnswer(const Puzzle& puzzle, int32_t value, const std::string& text, std::ostream& out,
                 std::ostream& err) {
    const Confirmation confirmation = ConfirmAnswer(text, value, puzzle.Numbers);
    if (!confirmation.Confirmed) {
        err << Program << ": error interno: el juego no confirma la respuesta " << text << " = "
            << value << " (" << confirmation.Problem << ")\n";
        return StatusInternalError;
    }
    const int32_t distance = std::abs(value - puzzle.Target);
    out << value << " = " << text << '\n';
    if (distance != 0) {
        out << "a " << distance << " del objetivo " << puzzle.Target << '\n';
    }
    return distance <= MaxDistanceForSolved ? StatusSolved : StatusNotSolved;
}

int RunSolucion(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        bool exact = false;
        std::optional<std::string> answer;
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
                exact = true;
            } else if (arg == "--pasos") {
                if (answer) {
                    throw BadInput{"--pasos solo puede ir una vez"};
                }
                if (i + 1 == args.size()) {
                    throw BadInput{"--pasos necesita una respuesta"};
                }
                answer = args[++i];  // whatever it looks like: "-5+10" is an answer
            } else if (LooksLikeOption(arg)) {
                throw BadInput{"opción desconocida: " + Quote(arg)};
            } else {
                positional.push_back(arg);
            }
        }
        if (answer) {
            if (exact) {
                throw BadInput{"--exacta y --pasos no van juntas"};
            }
            std::optional<Puzzle> puzzle;
            if (!positional.empty()) {
                puzzle = ParsePuzzle(positional);
            }
            ShowSteps(FromUtf8(*answer), puzzle, out);
            return StatusSolved;
        }
        return BestAnswer(ParsePuzzle(positional), exact, out, err);
    } catch (const BadInput& bad) {
        err << Program << ": " << bad.Message << '\n'
            << Usage << "Pruebe «" << Program << " --help» para más información.\n";
        return StatusBadInput;
    }
}
