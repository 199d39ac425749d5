// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver page's worker, put before the module's own script: the page
// posts the form's four fields and gets back the module's answer, parsed
// from the JSON it makes (solver/page_view.h), or null if the module failed.
// It runs off the page's thread, so that however long an answer is, the
// page never waits on it.

const solucionReady = new Promise((resolve, reject) => {
    Module.onRuntimeInitialized = resolve;
    Module.onAbort = reject;
});

function solucion(fields) {
    const encoder = new TextEncoder();
    fields.forEach((field, which) => {
        const bytes = encoder.encode(String(field));
        const pointer = Module._malloc(bytes.length + 1);
        Module.HEAPU8.set(bytes, pointer);
        Module._SolucionField(which, pointer, bytes.length);
        Module._free(pointer);
    });
    const length = Module._SolucionRun();
    const text = Module._SolucionText();
    // HEAPU8 is read after the run: the memory may have grown during it.
    return JSON.parse(new TextDecoder().decode(Module.HEAPU8.subarray(text, text + length)));
}

onmessage = (event) => {
    solucionReady.then(() => solucion(event.data)).then(
        (answer) => postMessage(answer),
        () => postMessage(null));
};
