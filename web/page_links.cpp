// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The links beside the window, the module's half: the page's query read into
// a puzzle to deal, a day to seed from or a line that refuses it
// (game/puzzle_link.h), and the text "Retar" shares. The page's half is
// links.js, which only reads the query and writes what it is given.

#include <emscripten/emscripten.h>

#include <string>

#include "game/deal.h"
#include "game/puzzle_link.h"
#include "web/web_runtime.h"

// clang-format off
// A field of the page's query in UTF-8, by its size: -1 when absent.
EM_JS(int, JsLinkFieldSize, (const char* name), {
    const value = QuorelLinks.field(UTF8ToString(name));
    return value === null ? -1 : lengthBytesUTF8(value);
});
EM_JS(void, JsCopyLinkField, (const char* name, char* out, int size), {
    stringToUTF8(QuorelLinks.field(UTF8ToString(name)), out, size + 1);
});
EM_JS(void, JsRefuseLink, (const char* line), {
    QuorelLinks.refuse(UTF8ToString(line));
});
EM_JS(void, JsSetShareText, (const char16_t* text, int length), {
    QuorelLinks.setShareText(quorelText(text, length));
});
// clang-format on

namespace {

std::optional<std::string> LinkField(const char* name) {
    const int size = JsLinkFieldSize(name);
    if (size < 0) {
        return std::nullopt;
    }
    std::string field(static_cast<std::size_t>(size), '\0');
    JsCopyLinkField(name, field.data(), size);
    return field;
}

}  // namespace

void WebRuntime::FollowLink() {
    const PuzzleLink link =
        ReadPuzzleLink(LinkField("objetivo"), LinkField("numeros"), LinkField("dia"));
    if (link.Deal) {
        QueueDraws(DrawsFor(*link.Deal));
    } else if (link.Day) {
        UseDay(*link.Day);
    } else if (!link.Refused.empty()) {
        JsRefuseLink(link.Refused.c_str());
    }
}

void WebRuntime::Solves::OnSolved(int32_t totalSeconds, int16_t penalty) {
    runtime_.solved_ = SolvedTime{totalSeconds, penalty};
    runtime_.ShowShareText();
}

void WebRuntime::ShowShareText() {
    const std::u16string text = ShareText(Text(Control::Text1), Text(Control::Text2), solved_);
    JsSetShareText(text.data(), static_cast<int>(text.size()));
}
