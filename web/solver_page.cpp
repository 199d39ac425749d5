// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorel-solucion on the solver page: the module's entry, called from the
// page's worker. The worker hands over the argument list one argument at a
// time, then runs the program's own command line on it and reads back what
// it printed.

#include <emscripten/emscripten.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "solver/command_line.h"

namespace {

std::vector<std::string> arguments;
std::string shown;

}  // namespace

extern "C" {

// Bytes, not a C string: an argument may hold a NUL.
EMSCRIPTEN_KEEPALIVE void SolucionArgument(const char* bytes, std::size_t size) {
    arguments.emplace_back(bytes, size);
}

// Runs quorel-solucion on the arguments handed over, and forgets them. What
// the page shows is its standard output, or, when that is empty, the first
// line of its error output: the error message, without the usage lines a
// terminal user reads after it. Returns the shown text's length in bytes.
EMSCRIPTEN_KEEPALIVE std::size_t SolucionRun() {
    std::ostringstream out;
    std::ostringstream err;
    RunSolucion(arguments, out, err);
    arguments.clear();
    shown = out.str();
    if (shown.empty()) {
        shown = err.str();
        const std::size_t end = shown.find('\n');
        if (end != std::string::npos) {
            shown.resize(end + 1);
        }
    }
    return shown.size();
}

// The text SolucionRun shows, UTF-8, until the next run.
EMSCRIPTEN_KEEPALIVE const char* SolucionText() {
    return shown.data();
}

}  // extern "C"
