// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver page: hands the query's four fields to quorel-solucion's module,
// which runs in a worker, and places the parts of its answer and its errors
// where the page has room for them. The words are the module's; this script
// knows no rule of the game.
"use strict";

(() => {
    // Read as the form sends it: a '+' is a blank, so a link spells an
    // answer's plus as %2B.
    const query = new URLSearchParams(location.search);
    const names = ["objetivo", "numeros", "exacta", "respuesta"];
    const field = (name) => query.get(name) ?? "";
    const form = document.getElementById("consulta");
    const output = document.getElementById("salida");

    // The form shows the query it made, ready for the next one. A text
    // field takes a second or more to lay out a megabyte, which only a link
    // made to that end holds: such a text stays out of the form, whose field
    // is left empty, and the module still gets it whole.
    const longestShown = 10000;
    for (const name of ["objetivo", "numeros", "respuesta"]) {
        const text = field(name);
        form.elements[name].value = text.length <= longestShown ? text : "";
    }
    form.elements.exacta.checked = field("exacta") === "1";

    // Each part in its place, each error at its field, and the focus on the
    // first field to put right.
    function show(result) {
        output.setAttribute("aria-busy", "false");
        if (!result) {
            document.getElementById("frase").textContent = "No se ha podido calcular: este " +
                "navegador no ha podido ejecutar quorel-solucion.";
            return;
        }
        for (const part of ["frase", "mejor", "pasos"]) {
            document.getElementById(part).textContent = result[part];
        }
        document.getElementById("leyenda").hidden = result.pasos === "";
        document.getElementById("jugar").href = "index.html?" + result.partida;
        document.getElementById("jugar").hidden = result.partida === "";
        const wrong = Object.entries(result.errores).map(([name, message]) => {
            document.getElementById(name + "Error").textContent = message;
            form.elements[name].setAttribute("aria-invalid", "true");
            return form.elements[name];
        });
        wrong[0]?.focus();
    }

    // A query asks, even with every field empty ("Calcular" on an empty
    // form); the page opened without one just waits for it.
    if (names.some((name) => query.has(name))) {
        output.setAttribute("aria-busy", "true");
        const worker = new Worker("quorel-solucion.js");
        worker.onmessage = (event) => {
            show(event.data);
            worker.terminate();
        };
        worker.onerror = () => {
            show(null);
            worker.terminate();
        };
        worker.postMessage(names.map(field));
    }
})();
