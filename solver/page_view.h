// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The solver page's view of a report, made here rather than in the page's
// script, which knows no rule: the form's four fields in, and out one JSON
// object of what the page places where:
//   {"frase": "Sí: se llega justo a 250.", "mejor": "250 = 100x5/2",
//    "pasos": "Fichas: …", "partida": "objetivo=250&numeros=2+3+5+7+10+100",
//    "errores": {"objetivo": "…", "numeros": "…"}}
// Texts have no final line break; a part not asked for is empty, and an
// error names no option and no program, as the form has neither. "partida"
// is the game's link query for a puzzle the game could deal, else empty.

#include <string>
#include <string_view>

#include "solver/report.h"

// An empty field is one not given, and the numbers are the words of theirs.
// The exact-division box applies to the best answer, so every combination
// of the fields is a question.
Query FormQuery(std::string_view target, std::string_view numbers, std::string_view exact,
                std::string_view answer);

std::string PageJson(const Report& report);
