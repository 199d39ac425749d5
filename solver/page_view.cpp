// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/page_view.h"

#include <cstdio>

#include "game/deal.h"
#include "game/puzzle_link.h"

namespace {

void AppendJson(std::string_view text, std::string& out) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendPart(std::string_view name, std::string_view lines, std::string& out) {
    if (!lines.empty() && lines.back() == '\n') {
        lines.remove_suffix(1);
    }
    AppendJson(name, out);
    out += ':';
    AppendJson(lines, out);
    out += ',';
}

// "el número «0» no está entre 1 y 32767" at its field, as a sentence.
std::string AsSentence(std::string message) {
    if (!message.empty() && message[0] >= 'a' && message[0] <= 'z') {
        message[0] = static_cast<char>(message[0] - 'a' + 'A');
    }
    return message + ".";
}

}  // namespace

Query FormQuery(std::string_view target, std::string_view numbers, std::string_view exact,
                std::string_view answer) {
    Query query;
    target = Trimmed(target);
    if (!target.empty()) {
        query.Target = std::string(target);
    }
    query.Numbers = Words(numbers);
    query.Exact = exact == "1";
    if (!answer.empty()) {
        query.Answer = std::string(answer);
    }
    return query;
}

std::string PageJson(const Report& report) {
    std::string json = "{";
    const std::string failed =
        report.InternalError.empty()
            ? std::string()
            : "No se ha podido calcular: error interno: " + report.InternalError + ".";
    AppendPart("frase", failed.empty() ? report.Sentence() : failed, json);
    AppendPart("mejor", report.BestLine(), json);
    AppendPart("pasos", report.StepsText(), json);
    const bool dealt = report.Given && DealFaults(*report.Given).empty();
    AppendPart("partida", dealt ? PuzzleQuery(*report.Given) : std::string(), json);
    json += "\"errores\":{";
    for (const FieldError& error : report.Errors) {
        json += json.back() == '{' ? "" : ",";
        AppendJson(error.Where == Field::Target ? "objetivo" : "numeros", json);
        json += ':';
        AppendJson(AsSentence(error.Message), json);
    }
    return json + "}}";
}
