// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's side of the glue, before its own code: a text leaves the
// module by its length, code unit by code unit, so that a NUL or a lone
// surrogate inside it reaches the page as the game holds it (emscripten's
// UTF16ToString stops at a NUL and mends surrogates).
function quorelText(pointer, length) {
    let text = "";
    for (let at = pointer >> 1, end = at + length; at < end; at += 8192) {
        text += String.fromCharCode.apply(null, HEAPU16.subarray(at, Math.min(end, at + 8192)));
    }
    return text;
}
