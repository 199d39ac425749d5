// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes runtime/window_layout.h into the page at build time, so that no
// script builds the window as it loads: the title, the controls and the boxes'
// buttons in place of @TITLE@, @WINDOW@, @OK@ and @CANCEL@, and the window's
// sizes, places and faces after the style sheet. Runs under node.
// Usage: window_page PAGE_IN PAGE_OUT CSS_IN CSS_OUT

#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

#include "runtime/window_layout.h"

namespace {

// In ASCII, each other character as a reference: the window's words are all
// in the Basic Multilingual Plane.
std::string Html(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        const bool plain = c < 0x7F && c != u'&' && c != u'<' && c != u'"';
        out += plain ? std::string(1, static_cast<char>(c)) : "&#" + std::to_string(+c) + ";";
    }
    return out;
}

std::string Markup(const ControlLayout& control) {
    const char* const kinds[][2] = {
        {"input", " type=\"text\" readonly autocomplete=\"off\""},
        {"input",
         " type=\"text\" autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\" "
         "spellcheck=\"false\" enterkeyhint=\"done\""},  // typed as it is, on phones too
        {"button", " type=\"button\""},
        {"div", " role=\"timer\""}};  // the clock
    const auto [tag, attributes] = kinds[static_cast<std::size_t>(control.Kind)];
    const std::string element = std::string("<") + tag + " id=\"" + control.Id + "\"" + attributes +
                                " aria-label=\"" + Html(control.Name) + "\"";
    if (control.Kind != ControlKind::Button) {
        return element + (control.Kind == ControlKind::Label ? "></div>" : ">");
    }
    // The access key follows "&" in the caption; the page underlines it.
    const std::u16string_view caption = control.Caption;
    const std::size_t at = caption.find(u'&');
    const auto key = static_cast<char>(std::toupper(caption[at + 1]));
    return element + " aria-keyshortcuts=\"Alt+" + key + "\">" + Html(caption.substr(0, at)) +
           "<u>" + Html(caption.substr(at + 1, 1)) + "</u>" + Html(caption.substr(at + 2)) +
           "</button>";
}

}  // namespace

int main(int /*argc*/, char* argv[]) {
    std::ifstream pageIn(argv[1]), cssIn(argv[3]);
    std::ofstream pageOut(argv[2]), css(argv[4]);
    css << cssIn.rdbuf()
        << "\n/* The window, from runtime/window_layout.h. */\n:root { --window-width: "
        << Pixels(WindowWidth) << "px; --window-height: " << Pixels(WindowHeight)
        << "px; --name-field: " << NameFieldCharacters
        << "em; }\n";
    std::string window;
    for (const ControlLayout& c : WindowControls) {
        css << "#Form1 > #" << c.Id << " { left: " << Pixels(c.Left) << "px; top: " << Pixels(c.Top)
            << "px; width: " << Pixels(c.Width) << "px; height: " << Pixels(c.Height)
            << "px; font: " << (c.Face == Font::SansBold ? 700 : 400) << ' ' << FontPoints << "pt "
            << (c.Face == Font::Serif ? "\"Quorel Serif\", serif" : "\"Quorel Sans\", sans-serif")
            << "; text-align: " << (c.Centred ? "center" : "left") << "; }\n";
        window += (window.empty() ? "" : "\n") + Markup(c);
    }
    std::string page{std::istreambuf_iterator<char>(pageIn), {}};
    for (const auto& [placeholder, text] : {std::pair<std::string, std::string>{"@WINDOW@", window},
                                            {"@TITLE@", Html(WindowTitle)},
                                            {"@OK@", Html(OkCaption)},
                                            {"@CANCEL@", Html(CancelCaption)}}) {
        for (auto at = page.find(placeholder); at != page.npos;
             at = page.find(placeholder, at + text.size())) {
            page.replace(at, placeholder.size(), text);
        }
    }
    pageOut << page;
    return pageOut && css ? 0 : 1;
}
