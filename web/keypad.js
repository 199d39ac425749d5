// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The keypad under the window, which the style sheet shows for a coarse
// pointer only: the puzzle's numbers as Números shows them, the game's signs,
// Borrar and Teclado. A key types what it shows into Respuesta, at its caret,
// and judges nothing. No key takes the focus, and while the keypad shows,
// Respuesta asks for no system keyboard: Teclado brings that back. A hardware
// keyboard types as ever.
"use strict";

(() => {
    const pad = document.getElementById("teclado");
    const shown = document.getElementById("Text2"), answer = document.getElementById("Text3");
    const coarse = matchMedia("(pointer: coarse)");

    // The number keys read what Números shows, whenever the window writes it.
    const numberKeys = Array.from({length: 6}, () => {
        const key = document.createElement("button");
        key.type = "button";
        key.tabIndex = -1;
        key.className = "numero";
        return key;
    });
    pad.prepend(...numberKeys);
    function renew() {
        const numbers = shown.value.split(" ").filter((n) => n !== "");
        numberKeys.forEach((key, i) => void (key.textContent = numbers[i] ?? ""));
    }
    shown.addEventListener("written", renew);
    renew();

    // Without a keypad, Respuesta stays as the page made it.
    function noKeyboard() {
        if (coarse.matches) {
            answer.inputMode = "none";
        } else {
            answer.removeAttribute("inputmode");
        }
    }
    coarse.addEventListener("change", noKeyboard);
    answer.addEventListener("blur", noKeyboard);
    noKeyboard();
    function keyboard() {
        answer.blur();  // a keyboard opens as the field takes the focus
        answer.inputMode = "text";
        answer.focus();
    }

    // As a key of a keyboard types: over the selection, the caret after it.
    // A number typed beside a digit gets a blank between them, so that two
    // numbers never run together.
    const digit = (c) => c !== undefined && c >= "0" && c <= "9";
    function type(key) {
        const text = answer.value, start = answer.selectionStart, end = answer.selectionEnd;
        if (key.id === "tecladoBorrar") {
            // The selection, or the character before the caret: a surrogate
            // pair is one.
            let from = start;
            if (start === end && start > 0) {
                from -= /[\uD800-\uDBFF][\uDC00-\uDFFF]$/.test(text.slice(0, start)) ? 2 : 1;
            }
            answer.setRangeText("", from, end, "end");
        } else if (key.classList.contains("numero")) {
            answer.setRangeText((digit(text[start - 1]) ? " " : "") + key.textContent,
                                start, end, "end");
            if (digit(text[end])) {
                answer.setRangeText(" ", answer.selectionEnd, answer.selectionEnd, "start");
            }
        } else {
            answer.setRangeText(key.textContent, start, end, "end");
        }
    }

    // The focus stays where it is, in Respuesta or elsewhere, by touch or
    // by mouse.
    pad.addEventListener("pointerdown", (event) => event.preventDefault());
    pad.addEventListener("mousedown", (event) => event.preventDefault());
    pad.addEventListener("click", (event) => {
        const key = event.target.closest("button");
        if (key?.id === "tecladoSistema") {
            keyboard();
        } else if (key) {
            type(key);
        }
    });
})();
