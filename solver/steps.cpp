// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/steps.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "answer/step_arithmetic.h"
#include "game/form1.h"
#include "game/null_runtime.h"
#include "solver/utf8.h"

namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::string Symbol(int16_t token) {
    switch (token) {
        case TokPlus:
            return "+";
        case TokMinus:
            return "-";
        case TokTimes:
            return "x";
        case TokDivide:
            return "/";
        case TokOpen:
            return "(";
        case TokClose:
            return ")";
        default:
            return std::to_string(token);
    }
}

// A character as a player would recognise it; c may be a surrogate pair.
std::string Name(const std::u16string& c) {
    switch (c[0]) {
        case u' ':
            return "espacio";
        case u'\t':
            return "tabulador";
        case u'\n':
            return "salto de línea";
        case u'\r':
            return "retorno de carro";
        default:
            return "«" + ToUtf8(c) + "»";
    }
}

// Follows the game's events and words them. Each pass (the top level, or a
// group) keeps what the words need: whether it had a value, and whether its
// pending operator was typed since then.
class Recorder : public EvalObserver {
public:
    explicit Recorder(std::u16string_view answer) : answer_(answer) { passes_.push_back({}); }

    void OnRead(const ReadEvent& event) override;
    void OnStep(const StepEvent& event) override;

    std::set<int16_t> Slots;  // those a token went into
    bool LeadingZeroDropped = false;
    std::vector<std::size_t> Skipped;
    std::optional<std::size_t> StoppedAt;
    std::vector<std::string> Lines;

private:
    struct Pass {
        bool HadValue = false;
        int16_t Pending = TokPlus;
        bool PendingFromStart = true;  // the top level's + that no token typed
        bool Typed = false;            // an operator typed since the last value
    };

    void Say(const std::string& line) {
        Lines.push_back(std::string(2 * passes_.size(), ' ') + line);
    }
    bool TypedAt(int16_t slot) const { return Slots.count(slot) != 0; }
    std::string PendingWords(const Pass& pass) const;
    void Took(Pass& pass) {
        pass.HadValue = true;
        pass.Typed = false;
    }

    std::u16string_view answer_;
    std::size_t cursor_ = 0;
    std::vector<Pass> passes_;
};

void Recorder::OnRead(const ReadEvent& event) {
    // Every character has an event but the digits that continue a number.
    while (cursor_ > 0 && cursor_ < answer_.size() && IsDigit(answer_[cursor_]) &&
           IsDigit(answer_[cursor_ - 1])) {
        ++cursor_;
    }
    const std::size_t at = cursor_++;
    switch (event.Kind) {
        case ReadKind::Token:
            if (TypedAt(event.Slot)) {
                LeadingZeroDropped = true;  // only a leading 0 gives up its slot
            }
            Slots.insert(event.Slot);
            return;
        case ReadKind::Skipped:
            Skipped.push_back(at);
            return;
        case ReadKind::Stopped:
            StoppedAt = at;
            return;
    }
}

std::string Recorder::PendingWords(const Pass& pass) const {
    if (pass.PendingFromStart) {
        return "el signo + con que empieza toda respuesta";
    }
    return "el signo " + Symbol(pass.Pending) + " que quedó pendiente";
}

void Recorder::OnStep(const StepEvent& event) {
    Pass& pass = passes_.back();
    const std::string value = std::to_string(event.Value);
    switch (event.Kind) {
        case StepKind::Start: {
            const std::string number = std::to_string(event.Token);
            std::string line;
            if (!pass.HadValue) {
                line =
                    event.Negated ? "menos delante: empieza con " + value : "empieza con " + value;
            } else {
                line = "el valor es 0, que para el juego es no tener valor: " +
                       (event.Negated ? "con el menos, " + value : number) + " empieza de nuevo";
                if (pass.Pending != 0) {
                    line += " (el signo " + Symbol(pass.Pending) + " sigue pendiente)";
                }
            }
            Say(line);
            Took(pass);
            return;
        }
        case StepKind::NumberIgnored:
            Say(std::to_string(event.Token) + " no tiene operador delante: el juego lo ignora");
            return;
        case StepKind::NegateSet:
            Say(pass.HadValue ? "- con el valor en 0: no resta, hará negativo el número siguiente"
                              : "- al principio: hará negativo el número siguiente");
            return;
        case StepKind::OperatorSet:
            if (pass.Typed && pass.Pending != 0) {
                Say("el signo " + Symbol(event.Token) + " sustituye al " + Symbol(pass.Pending) +
                    " pendiente");
            }
            pass.Pending = event.Token;
            pass.PendingFromStart = false;
            pass.Typed = true;
            return;
        case StepKind::Applied: {
            std::string line = std::to_string(event.Left) + " " + Symbol(event.Token) + " " +
                               std::to_string(event.Right);
            if (event.Outcome == EvalOutcome::DivisionByZero) {
                line += ": división por cero";
            } else if (event.Outcome == EvalOutcome::OutOfRange) {
                line += " = " + std::to_string(ExactStep(event.Token, event.Left, event.Right)) +
                        ": fuera del rango del juego, de -32768 a 32767";
            } else {
                line += " = " + value;
            }
            if (!pass.Typed) {
                line += " (sin operador delante: usa " + PendingWords(pass) + ")";
            }
            Say(line);
            pass.Pending = 0;
            pass.PendingFromStart = false;
            Took(pass);
            return;
        }
        case StepKind::GroupOpened:
            Say("abre paréntesis");
            passes_.push_back({.Pending = 0, .PendingFromStart = false});
            return;
        case StepKind::GroupClosed: {
            passes_.pop_back();
            if (event.Token == TokClose) {
                Say("cierra paréntesis: el grupo vale " + value);
            } else if (TypedAt(event.Slot)) {
                Say("el 0 cierra el grupo: vale " + value);
            } else {
                Say("la respuesta acaba sin cerrar el paréntesis: el grupo vale " + value);
            }
            return;
        }
        case StepKind::GroupIsValue: {
            std::string line = pass.HadValue
                                   ? "el valor es 0, que para el juego es no tener valor: el "
                                     "grupo empieza de nuevo con " +
                                         value
                                   : "el grupo es el primer valor: " + value;
            if (event.Negated) {
                line += " (el menos de delante no se aplica a un paréntesis: queda pendiente)";
            }
            Say(line);
            Took(pass);
            return;
        }
        case StepKind::GroupIgnored:
            Say("el grupo no tiene operador delante: el juego lo ignora");
            return;
        case StepKind::PendingCleared:
            if (TypedAt(event.Slot)) {
                Say(event.Token != 0 ? "0 borra la operación pendiente, " + Symbol(event.Token)
                                     : "0 no hace nada: no hay operación pendiente");
            }
            pass.Pending = 0;
            pass.PendingFromStart = false;
            pass.Typed = false;
            return;
        case StepKind::CloseIgnored:
            Say(") sin paréntesis abierto: el juego lo ignora");
            return;
    }
}

std::string ValueText(int16_t value, EvalOutcome outcome) {
    switch (outcome) {
        case EvalOutcome::Value:
            return std::to_string(value);
        case EvalOutcome::OutOfRange:
            return "resultado fuera de rango";
        case EvalOutcome::DivisionByZero:
            return "división por cero";
        case EvalOutcome::TooLong:
            return "respuesta demasiado larga";
    }
    return {};
}

}  // namespace

void ShowSteps(std::u16string_view answer, const std::optional<Puzzle>& puzzle, std::ostream& out) {
    NullRuntime runtime;
    Form1 form(runtime);
    if (puzzle) {
        form.State.Target = static_cast<int16_t>(puzzle->Target);
        for (std::size_t i = 0; i < puzzle->Numbers.size() && i < NumberCount; ++i) {
            form.State.Numbers[static_cast<int>(i) + 1] = puzzle->Numbers[i];
        }
    }
    const std::u16string text(answer);
    Recorder recorder(text);
    form.Observer = &recorder;
    int16_t value = 0;
    EvalOutcome outcome = EvalOutcome::Value;
    TokenReading reading;
    form.EvaluateAnswer(text, value, outcome, reading);
    form.Observer = nullptr;

    // The tokens, in slot order, as the game holds them.
    std::string tokens;
    for (const int16_t slot : recorder.Slots) {
        const int16_t token = form.State.Tokens[slot];
        tokens += tokens.empty() ? "" : " ";
        tokens += token >= 0 ? std::to_string(token) : Symbol(token);
    }
    out << "Fichas: " << (tokens.empty() ? "ninguna" : tokens) << '\n';
    for (const HeldNumber& held : reading.Held) {
        out << "  " << ToUtf8(held.Digits) << (held.Digits.size() > HeldDigitsShown ? "…" : "")
            << " pasa de 32767: el juego lo guarda como 32767 y no evalúa la respuesta\n";
    }
    if (recorder.StoppedAt) {
        out << "  la ficha 31 y las siguientes no caben en las " << TokenSlots
            << " casillas del juego: no lee «" << ToUtf8(answer.substr(*recorder.StoppedAt))
            << "», y la respuesta es demasiado larga\n";
    }

    // What it skips: each character once, in order, with how often.
    std::vector<std::pair<std::u16string, int>> skipped;
    for (std::size_t i = 0; i < recorder.Skipped.size(); ++i) {
        const std::size_t at = recorder.Skipped[i];
        std::u16string c(1, answer[at]);
        const bool pair = c[0] >= 0xD800 && c[0] <= 0xDBFF && i + 1 < recorder.Skipped.size() &&
                          recorder.Skipped[i + 1] == at + 1 && answer[at + 1] >= 0xDC00 &&
                          answer[at + 1] <= 0xDFFF;
        if (pair) {
            c += answer[at + 1];
            ++i;
        }
        auto known = std::find_if(skipped.begin(), skipped.end(),
                                  [c](const auto& seen) { return seen.first == c; });
        if (known == skipped.end()) {
            skipped.push_back({c, 1});
        } else {
            ++known->second;
        }
    }
    std::string ignored;
    if (recorder.LeadingZeroDropped) {
        ignored = "el 0 del principio (la ficha siguiente ocupa su casilla)";
    }
    for (const auto& [c, times] : skipped) {
        ignored += ignored.empty() ? "" : ", ";
        ignored += Name(c) + (times > 1 ? " (" + std::to_string(times) + " veces)" : "");
    }
    out << "Ignora: " << (ignored.empty() ? "nada" : ignored) << '\n';

    if (recorder.Lines.empty()) {
        out << "Pasos: ninguno\n";
    } else {
        out << "Pasos:\n";
        for (const std::string& line : recorder.Lines) {
            out << line << '\n';
        }
    }
    if (puzzle) {
        bool valid = false;
        form.NumbersValid(valid);
        out << (valid ? std::string("Números: bien usados")
                      : "(ha usado números incorrectos: " +
                            ToUtf8(form.MisusedNumberText(reading)) + ")")
            << '\n';
    }
    out << "Resultado: " << ValueText(value, outcome) << '\n';
}
