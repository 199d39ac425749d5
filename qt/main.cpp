// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game. No environment, no files; from the command line only --help and
// --version, which a terminal user expects of any program and which need no
// desktop. Everything else on the command line is ignored.

#include <cstdio>
#include <random>
#include <string_view>

#include "qt/run_game.h"

namespace {

constexpr std::string_view Help =
    "Uso: quorel [--help | --version]\n"
    "\n"
    "Quorel es un juego de números para el escritorio. Abre una ventana con un\n"
    "objetivo entre 100 y 1000 y seis números sorteados: alcance el objetivo con\n"
    "algunos de ellos, con suma, resta, multiplicación, división y paréntesis.\n"
    "\n"
    "Teclas en la ventana:\n"
    "  Alt+H  Hecho: evalúa la respuesta escrita\n"
    "  Alt+N  Nuevo: sortea otra partida\n"
    "  Tab    pasa al recuadro o al botón siguiente\n"
    "\n"
    "Las reglas del juego están en «man quorel». La orden quorel-solucion busca\n"
    "la mejor respuesta a una partida («man quorel-solucion»).\n"
    "\n"
    "  -h, --help  muestra esta ayuda\n"
    "  --version   muestra la versión\n";

enum class Request { Play, Help, Version };

// As with GNU programs, --help and --version count wherever they stand; the
// first one wins, and "--" ends the options.
Request ReadCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            return Request::Help;
        }
        if (arg == "--version") {
            return Request::Version;
        }
    }
    return Request::Play;
}

// 0 only if the text really got out: "quorel --help > /dev/full" fails.
int Print(std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    switch (ReadCommandLine(argc, argv)) {
        case Request::Help:
            return Print(Help);
        case Request::Version:
            return Print("quorel (Quorel) " QUOREL_VERSION "\n");
        case Request::Play:
            break;
    }
    return RunGame(argv[0], [](GameWindow& window) {
        std::random_device entropy;
        return std::make_unique<QtRuntime>(window, (uint64_t{entropy()} << 32) | entropy());
    });
}
