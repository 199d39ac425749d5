// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's start. The page, its rules and the window's empty client area
// paint first, without waiting for it; then the module compiles, off the
// main thread, while its script and the window's faces load, and it starts
// once they all have, so that the window is never drawn without its faces.
// The site is then cached for offline play.
"use strict";

let quorelModule = null;
let windowFaces = null;

// Emscripten's settings. A server that does not send the module as
// application/wasm leaves only the slower way, from its bytes.
var Module = {
    instantiateWasm(imports, receiveInstance) {
        const compiled = quorelModule.catch(() => fetch("quorel.wasm")
            .then((response) => response.arrayBuffer())
            .then((bytes) => WebAssembly.compile(bytes)));
        Promise.all([compiled, windowFaces])
            .then(([module]) => WebAssembly.instantiate(module, imports))
            .then((instance) => receiveInstance(instance));
        return {};
    },
};

function startModule() {
    quorelModule = WebAssembly.compileStreaming(fetch("quorel.wasm"));
    windowFaces = Promise.all(["bold 24px 'Quorel Sans'", "24px 'Quorel Sans'",
        "24px 'Quorel Serif'"].map((face) => document.fonts.load(face))).catch(() => {});
    const script = document.createElement("script");
    script.src = "quorel.js";
    document.head.append(script);
}
// A hidden page paints nothing, and gets no animation frame to wait for.
if (document.hidden) {
    startModule();
} else {
    requestAnimationFrame(() => setTimeout(startModule));
}

if ("serviceWorker" in navigator) {
    addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
}
