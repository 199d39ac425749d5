// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver/steps.h"

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "answer/step_arithmetic.h"
#include "answer/token_symbols.h"
#include "answer/verdict.h"
#include "game/form1.h"
#include "game/quote.h"
#include "game/surrogates.h"
#include "runtime/null_runtime.h"
#include "solver/utf8.h"

namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A character as a player would recognise it; c may be a surrogate pair.
std::string Name(const std::u16string& c) {
    constexpr std::pair<char16_t, const char*> Named[] = {{u' ', "espacio"},
                                                          {u'\t', "tabulador"},
                                                          {u'\n', "salto de línea"},
                                                          {u'\r', "retorno de carro"}};
    for (const auto& [character, name] : Named) {
        if (c[0] == character) {
            return name;
        }
    }
    return Quote(ToUtf8(c));
}

// What an operator would have done, in the words of "el 3 no se suma".
std::string OperationVerb(int16_t op) {
    constexpr const char* Verbs[] = {"suma", "resta", "multiplica", "divide"};  // TokPlus on
    return Verbs[TokPlus - op];
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
    void ClearPending(Pass& pass) {
        pass.Pending = 0;
        pass.PendingFromStart = false;
    }

    void OnStart(Pass& pass, const StepEvent& event);
    void OnOperator(Pass& pass, const StepEvent& event);
    void OnApplied(Pass& pass, const StepEvent& event);
    void OnGroupClosed(const StepEvent& event);
    void OnGroupIsValue(Pass& pass, const StepEvent& event);
    void OnPendingCleared(Pass& pass, const StepEvent& event);

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
        return "el signo + con el que empieza toda respuesta";
    }
    return "el signo " + TokenText(pass.Pending) + " que quedó pendiente";
}

void Recorder::OnStep(const StepEvent& event) {
    Pass& pass = passes_.back();
    switch (event.Kind) {
        case StepKind::Start:
            OnStart(pass, event);
            return;
        case StepKind::NumberIgnored:
            Say(std::to_string(event.Token) + " no tiene operador delante: el juego lo ignora");
            return;
        case StepKind::NegateSet:
            Say(pass.HadValue ? "- con el valor en 0: no resta, hará negativo el número siguiente"
                              : "- al principio: hará negativo el número siguiente");
            return;
        case StepKind::OperatorSet:
            OnOperator(pass, event);
            return;
        case StepKind::Applied:
            OnApplied(pass, event);
            return;
        case StepKind::GroupOpened:
            Say("abre paréntesis");
            passes_.push_back({.Pending = 0, .PendingFromStart = false});
            return;
        case StepKind::GroupClosed:
            OnGroupClosed(event);
            return;
        case StepKind::GroupIsValue:
            OnGroupIsValue(pass, event);
            return;
        case StepKind::GroupIgnored:
            Say("el grupo no tiene operador delante: el juego lo ignora");
            return;
        case StepKind::PendingCleared:
            OnPendingCleared(pass, event);
            return;
        case StepKind::CloseIgnored:
            Say(") sin paréntesis abierto: el juego lo ignora");
            return;
    }
}

void Recorder::OnStart(Pass& pass, const StepEvent& event) {
    const std::string value = std::to_string(event.Value);
    std::string line;
    if (!pass.HadValue) {
        line = event.Negated ? "menos delante: empieza con " + value : "empieza con " + value;
    } else {
        line = "el resultado es 0, así que el juego empieza de nuevo con " + value +
               (event.Negated ? ", por el menos" : "");
        if (pass.Pending != 0) {
            line += " (el " + std::to_string(event.Token) + " no se " +
                    OperationVerb(pass.Pending) + ": el signo " + TokenText(pass.Pending) +
                    " queda para el número siguiente)";
        }
    }
    Say(line);
    Took(pass);
}

void Recorder::OnOperator(Pass& pass, const StepEvent& event) {
    if (pass.Typed && pass.Pending != 0) {
        Say("el signo " + TokenText(event.Token) + " sustituye al " + TokenText(pass.Pending) +
            " pendiente");
    }
    pass.Pending = event.Token;
    pass.PendingFromStart = false;
    pass.Typed = true;
}

void Recorder::OnApplied(Pass& pass, const StepEvent& event) {
    std::string line = std::to_string(event.Left) + " " + TokenText(event.Token) + " " +
                       std::to_string(event.Right);
    if (event.Outcome == EvalOutcome::DivisionByZero) {
        line += ": división por cero";
    } else if (event.Outcome == EvalOutcome::OutOfRange) {
        line += " = " + std::to_string(ExactStep(event.Token, event.Left, event.Right)) +
                ": fuera del rango del juego, de -32768 a 32767";
    } else {
        line += " = " + std::to_string(event.Value);
    }
    if (!pass.Typed) {
        line += " (sin operador delante: usa " + PendingWords(pass) + ")";
    }
    Say(line);
    ClearPending(pass);
    Took(pass);
}

void Recorder::OnGroupClosed(const StepEvent& event) {
    passes_.pop_back();
    const std::string value = std::to_string(event.Value);
    if (event.Token == TokClose) {
        Say("cierra paréntesis: el grupo vale " + value);
    } else if (TypedAt(event.Slot)) {
        Say("el 0 cierra el grupo: vale " + value);
    } else {
        Say("la respuesta acaba sin cerrar el paréntesis: el grupo vale " + value);
    }
}

void Recorder::OnGroupIsValue(Pass& pass, const StepEvent& event) {
    const std::string value = std::to_string(event.Value);
    std::string line =
        pass.HadValue
            ? "el resultado es 0, así que el juego empieza de nuevo con el grupo: " + value
            : "el grupo es el primer valor: " + value;
    if (event.Negated) {
        line += " (el menos de delante no se aplica a un paréntesis: queda pendiente)";
    }
    Say(line);
    Took(pass);
}

void Recorder::OnPendingCleared(Pass& pass, const StepEvent& event) {
    if (TypedAt(event.Slot)) {
        Say(event.Token != 0 ? "0 borra la operación pendiente, " + TokenText(event.Token)
                             : "0 no hace nada: no hay operación pendiente");
    }
    ClearPending(pass);
    pass.Typed = false;
}

// The game's own reading and evaluation of the answer, told to recorder.
void Evaluate(Form1& form, const std::u16string& answer, const std::optional<Puzzle>& puzzle,
              Recorder& recorder, int16_t& value, EvalOutcome& outcome, TokenReading& reading) {
    if (puzzle) {
        form.State.Target = static_cast<int16_t>(puzzle->Target);
        LoadNumbers(form.State, puzzle->Numbers);
    }
    form.Observer = &recorder;
    form.EvaluateAnswer(answer, value, outcome, reading);
    form.Observer = nullptr;
}

// The tokens, in slot order, as the game holds them, and what did not fit.
void WriteTokens(const Form1& form, const Recorder& recorder, const TokenReading& reading,
                 std::u16string_view answer, std::ostream& out) {
    std::string tokens;
    for (const int16_t slot : recorder.Slots) {
        tokens += tokens.empty() ? "" : " ";
        tokens += TokenText(form.State.Tokens[slot]);
    }
    out << "Fichas: " << (tokens.empty() ? "ninguna" : tokens) << '\n';
    for (const HeldNumber& held : reading.Held) {
        out << "  " << ToUtf8(held.Digits) << (held.Digits.size() > HeldDigitsShown ? "…" : "")
            << " pasa de 32767: el juego lo guarda como 32767 y no evalúa la respuesta\n";
    }
    if (recorder.StoppedAt) {
        out << "  la ficha 31 y las siguientes no caben en las " << TokenSlots
            << " casillas del juego: no lee " << Quote(ToUtf8(answer.substr(*recorder.StoppedAt)))
            << ", y la respuesta es demasiado larga\n";
    }
}

// What it skips: each character once, in order, with how often; past the
// first few, only how many more, so that a pasted page makes a short line.
void WriteIgnored(const Recorder& recorder, std::u16string_view answer, std::ostream& out) {
    constexpr std::size_t KindsNamed = 10;
    std::vector<std::u16string> order;
    std::map<std::u16string, std::size_t> times;
    for (std::size_t i = 0; i < recorder.Skipped.size(); ++i) {
        const std::size_t at = recorder.Skipped[i];
        std::u16string c(1, answer[at]);
        const bool pair = IsHighSurrogate(c[0]) && i + 1 < recorder.Skipped.size() &&
                          recorder.Skipped[i + 1] == at + 1 && IsLowSurrogate(answer[at + 1]);
        if (pair) {
            c += answer[at + 1];
            ++i;
        }
        if (times[c]++ == 0) {
            order.push_back(c);
        }
    }
    std::string ignored;
    if (recorder.LeadingZeroDropped) {
        ignored = "el 0 del principio (la ficha siguiente ocupa su casilla)";
    }
    std::size_t unnamed = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t n = times[order[i]];
        if (i >= KindsNamed) {
            unnamed += n;
            continue;
        }
        ignored += ignored.empty() ? "" : ", ";
        ignored += Name(order[i]) + (n > 1 ? " (" + Thousands(n) + " veces)" : "");
    }
    if (unnamed > 0) {
        ignored += MoreCharacters(unnamed);
    }
    out << "Ignora: " << (ignored.empty() ? "nada" : ignored) << '\n';
}

void WriteSteps(const Recorder& recorder, std::ostream& out) {
    if (recorder.Lines.empty()) {
        out << "Pasos: ninguno\n";
        return;
    }
    out << "Pasos:\n";
    for (const std::string& line : recorder.Lines) {
        out << line << '\n';
    }
}

}  // namespace

StepsShown ShowSteps(std::u16string_view answer, const std::optional<Puzzle>& puzzle) {
    const std::u16string text(answer);
    NullRuntime runtime;
    Form1 form(runtime);
    Recorder recorder(text);
    StepsShown shown;
    TokenReading reading;
    Evaluate(form, text, puzzle, recorder, shown.Value, shown.Outcome, reading);

    std::ostringstream out;
    WriteTokens(form, recorder, reading, answer, out);
    WriteIgnored(recorder, answer, out);
    WriteSteps(recorder, out);
    if (puzzle) {
        form.NumbersValid(shown.NumbersValid);
        out << (shown.NumbersValid ? std::string("Números: bien usados")
                                   : ToUtf8(MisusedNumberLine(form.MisusedNumberText(reading))))
            << '\n';
    }
    out << "Resultado: " << ToUtf8(ValueLine(shown.Value, shown.Outcome)) << '\n';
    shown.Text = out.str();
    return shown;
}
