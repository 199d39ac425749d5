// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's start. The page asks for the module and its script in its
// head, and this script for the window's faces. The module compiles as its
// bytes arrive, off the main thread, while the page, its rules and the
// window's empty client area paint; it starts once that first paint is done
// and the faces it shows have come, so that the window is never drawn
// without them.
// A module or page script that cannot load, or a module that cannot start,
// leaves no empty window: a message takes its place.
"use strict";

function cannotLoad() {
    document.getElementById("Form1").hidden = true;
    document.getElementById("cargaFallida").hidden = false;
}
// The page's scripts come after this one; an error does not bubble, but
// passes by the document on its way down.
document.addEventListener("error", (event) => {
    if (event.target instanceof HTMLScriptElement) {
        cannotLoad();
    }
}, true);

// A server that does not send the module as application/wasm leaves only
// the slower way, from its bytes.
const quorelModule = WebAssembly.compileStreaming(fetch("quorel.wasm")).catch(() =>
    fetch("quorel.wasm")
        .then((response) => response.ok ? response.arrayBuffer() : Promise.reject(response))
        .then((bytes) => WebAssembly.compile(bytes)));
// A hidden page paints nothing, and gets no animation frame to wait for.
const firstPaint = new Promise((done) => document.hidden ? done() :
    requestAnimationFrame(() => setTimeout(done)));
// The faces the window shows as it opens. Asked for here, not preloaded by
// the page, whose first paint a preloaded face would hold back; the answer's
// serif face waits for the window: nothing is typed before it opens.
const windowFaces = Promise.all(["bold 24px 'Quorel Sans'", "24px 'Quorel Sans'"]
    .map((face) => document.fonts.load(face))).catch(() => {});

// Emscripten's settings.
var Module = {
    instantiateWasm(imports, receiveInstance) {
        Promise.all([quorelModule, windowFaces, firstPaint])
            .then(([module]) => typeof QuorelPage === "undefined" ? Promise.reject() :
                WebAssembly.instantiate(module, imports))
            .then((instance) => {
                receiveInstance(instance);
                document.fonts.load("24px 'Quorel Serif'").catch(() => {});
            }, cannotLoad);
        return {};
    },
    onAbort: cannotLoad,
};
