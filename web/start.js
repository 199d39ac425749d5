// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The module's start: it compiles, off the main thread, while the rest of the
// page loads, and emscripten's settings instantiate it. A server that does
// not send it as application/wasm leaves only the slower way, from its bytes.
// The site is then cached for offline play.
"use strict";

const quorelModule = WebAssembly.compileStreaming(fetch("quorel.wasm"));

var Module = {
    instantiateWasm(imports, receiveInstance) {
        quorelModule
            .catch(() => fetch("quorel.wasm")
                .then((response) => response.arrayBuffer())
                .then((bytes) => WebAssembly.compile(bytes)))
            .then((module) => WebAssembly.instantiate(module, imports))
            .then((instance) => receiveInstance(instance));
        return {};
    },
};

if ("serviceWorker" in navigator) {
    addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
}
