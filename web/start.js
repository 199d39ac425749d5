// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's start. The page asks for the module and its script in its
// head, and this script for the window's faces. The module compiles as its
// bytes arrive, off the main thread, while the page, its rules and the
// window's empty client area paint; it starts once that first paint is done,
// and fills the window while the faces are still on their way: the window
// opens when they have come, so that it is never drawn without them.
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
// The first paint as the screen shows it, where the browser tells it: a face
// asked for before then holds that paint back until it comes. This script
// runs as the head is read, before any paint.
const shownPaint = document.hidden || !PerformanceObserver.supportedEntryTypes?.includes("paint") ?
    firstPaint : new Promise((done) => new PerformanceObserver((_, observer) => {
        observer.disconnect();
        done();
    }).observe({ type: "paint" }));
// The faces the window shows as it opens, asked for once the page has
// painted. The answer's serif face waits for the window: nothing is typed
// before it opens.
const windowFaces = shownPaint.then(() => Promise.all(
    ["bold 24px 'Quorel Sans'", "24px 'Quorel Sans'"].map((face) => document.fonts.load(face))))
    .catch(() => {});

// Emscripten's settings.
var Module = {
    instantiateWasm(imports, receiveInstance) {
        Promise.all([quorelModule, firstPaint])
            .then(([module]) => typeof QuorelPage === "undefined" ? Promise.reject() :
                WebAssembly.instantiate(module, imports))
            .then(receiveInstance, cannotLoad);
        return {};
    },
    onAbort: cannotLoad,
};
