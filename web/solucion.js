// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver page: hands the query's four fields to quorel-solucion's module,
// which runs in a worker, and places the parts of its answer and its errors
// where the page has room for them. The words are the module's; this script
// knows no rule of the game.
"use strict";

(() => {
    const names = ["objetivo", "numeros", "exacta", "respuesta"];
    const form = document.getElementById("consulta");
    const output = document.getElementById("salida");
    const sentence = document.getElementById("frase");
    let worker = null;

    // The form shows the query it made, ready for the next one. A text
    // field takes a second or more to lay out a megabyte, which only a link
    // made to that end holds: such a text stays out of the form, whose field
    // is left empty, and the module still gets it whole.
    const longestShown = 10000;
    function fill(query) {
        for (const name of ["objetivo", "numeros", "respuesta"]) {
            const text = query.get(name) ?? "";
            form.elements[name].value = text.length <= longestShown ? text : "";
        }
        form.elements.exacta.checked = query.get("exacta") === "1";
    }

    // Each part in its place, each error at its field, and the focus on the
    // first field to put right, else on the sentence, so that a screen reader
    // reads the answer as it comes.
    function show(result) {
        output.setAttribute("aria-busy", "false");
        if (!result) {
            sentence.textContent = "No se ha podido calcular: este " +
                "navegador no ha podido ejecutar quorel-solucion.";
            sentence.focus();
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
        (wrong[0] ?? sentence).focus();
    }

    // A query asks, even with every field empty ("Calcular" on an empty
    // form); the page opened without one just waits for it. Read as the form
    // sends it: a '+' is a blank, so a link spells an answer's plus as %2B.
    function ask(query) {
        if (!names.some((name) => query.has(name))) {
            return;
        }
        worker?.terminate();
        output.setAttribute("aria-busy", "true");
        for (const part of ["frase", "mejor", "pasos"]) {
            document.getElementById(part).textContent = "";
        }
        document.getElementById("jugar").hidden = true;
        for (const error of form.querySelectorAll(".error")) {
            error.textContent = "";
        }
        for (const field of form.elements) {
            field.removeAttribute("aria-invalid");
        }
        worker = new Worker("quorel-solucion.js");
        const done = (result) => {
            show(result);
            worker.terminate();
            worker = null;
        };
        worker.onmessage = (event) => done(event.data);
        worker.onerror = () => done(null);
        worker.postMessage(names.map((name) => query.get(name) ?? ""));
    }

    // "Calcular" asks in place, with the query in the address as a link
    // would have it: the answer comes to the page a screen reader is in,
    // rather than to a new one, which it would start reading from the top.
    form.addEventListener("submit", (event) => {
        event.preventDefault();
        const query = new URLSearchParams(new FormData(form));
        history.pushState(null, "", "?" + query);
        ask(query);
    });
    const fromAddress = () => {
        const query = new URLSearchParams(location.search);
        fill(query);
        ask(query);
    };
    addEventListener("popstate", fromAddress);
    fromAddress();
})();
