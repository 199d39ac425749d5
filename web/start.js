// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's start. The page, its rules and the window's empty client area
// paint first, without waiting for it; then the module compiles, off the
// main thread, while its script and the window's faces load, and it starts
// once they all have, so that the window is never drawn without its faces.
// A module that cannot load or start leaves no empty window: a message
// takes its place. The site is then cached for offline play.
"use strict";

let quorelModule = null;
let windowFaces = null;

function cannotLoad() {
    document.getElementById("Form1").hidden = true;
    document.getElementById("cargaFallida").hidden = false;
}

// Emscripten's settings. A server that does not send the module as
// application/wasm leaves only the slower way, from its bytes.
var Module = {
    instantiateWasm(imports, receiveInstance) {
        const compiled = quorelModule.catch(() => fetch("quorel.wasm")
            .then((response) => response.ok ? response.arrayBuffer() : Promise.reject(response))
            .then((bytes) => WebAssembly.compile(bytes)));
        Promise.all([compiled, windowFaces])
            .then(([module]) => WebAssembly.instantiate(module, imports))
            .then((instance) => receiveInstance(instance), cannotLoad);
        return {};
    },
    onAbort: cannotLoad,
};

function startModule() {
    if (typeof QuorelPage === "undefined") {
        cannotLoad();  // the page's own half never came
        return;
    }
    quorelModule = WebAssembly.compileStreaming(fetch("quorel.wasm"));
    windowFaces = Promise.all(["bold 24px 'Quorel Sans'", "24px 'Quorel Sans'",
        "24px 'Quorel Serif'"].map((face) => document.fonts.load(face))).catch(() => {});
    const script = document.createElement("script");
    script.src = "quorel.js";
    script.onerror = cannotLoad;
    document.head.append(script);
}
// A hidden page paints nothing, and gets no animation frame to wait for.
if (document.hidden) {
    startModule();
} else {
    requestAnimationFrame(() => setTimeout(startModule));
}

if ("serviceWorker" in navigator) {
    // The worker's own script always from the host, never the HTTP cache:
    // a new release is found on the next visit.
    addEventListener("load", () => navigator.serviceWorker.register("sw.js",
        { updateViaCache: "none" }));
}
