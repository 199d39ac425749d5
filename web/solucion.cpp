// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// quorel-solucion on the solver page: the module's entry, called from the
// page's worker. The worker hands over the form's four fields, then asks for
// the page's view of the report on them (solver/page_view.h).

#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <string>

#include "solver/page_view.h"

namespace {

std::array<std::string, 4> fields;  // objetivo, numeros, exacta, respuesta
std::string shown;

}  // namespace

extern "C" {

// Bytes, not a C string: a field may hold a NUL.
EMSCRIPTEN_KEEPALIVE void SolucionField(std::size_t which, const char* bytes, std::size_t size) {
    if (which < fields.size()) {
        fields[which].assign(bytes, size);
    }
}

// Answers the fields handed over, and forgets them. Returns the length in
// bytes of the JSON text that SolucionText gives.
EMSCRIPTEN_KEEPALIVE std::size_t SolucionRun() {
    shown = PageJson(MakeReport(FormQuery(fields[0], fields[1], fields[2], fields[3])));
    fields = {};
    return shown.size();
}

// The text SolucionRun made, UTF-8, until the next run.
EMSCRIPTEN_KEEPALIVE const char* SolucionText() {
    return shown.data();
}

}  // extern "C"
