// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver page: turns the query into quorel-solucion's argument list, as
// a terminal user would type it, and shows what the program prints. The
// module runs in a worker; this script knows no rule of the game.
"use strict";

(() => {
    const query = new URLSearchParams(location.search);
    const field = (name) => query.get(name) ?? "";
    const form = document.getElementById("consulta");
    const output = document.getElementById("salida");

    // The form shows the query it made, ready for the next one. A text
    // field takes a second or more to lay out a megabyte, which only a link
    // made to that end holds: such a text stays out of the form, whose field
    // is left empty, and the program still gets it whole.
    const longestShown = 10000;
    for (const name of ["objetivo", "numeros", "respuesta"]) {
        const text = field(name);
        form.elements[name].value = text.length <= longestShown ? text : "";
    }
    form.elements.exacta.checked = field("exacta") === "1";

    // An empty field counts as not given, as the form sends every field. The
    // numbers are words, as a shell splits them; the target and the answer
    // are one argument each, so that an empty target with numbers is still a
    // target, and the program names it.
    function commandLine() {
        const target = field("objetivo").trim();
        const numbers = field("numeros").split(/\s+/).filter((word) => word !== "");
        const answer = field("respuesta");
        const puzzle = target !== "" || numbers.length > 0 ? [target, ...numbers] : [];
        const exact = field("exacta") === "1" ? ["--exacta"] : [];
        if (answer !== "") {
            return [...exact, "--pasos", answer, ...puzzle];
        }
        return puzzle.length > 0 ? [...exact, ...puzzle] : null;
    }

    function show(text) {
        output.textContent = text ?? "No se ha podido calcular: este navegador no ha podido " +
            "ejecutar quorel-solucion.";
        output.setAttribute("aria-busy", "false");
    }

    const args = commandLine();
    if (args) {
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
        worker.postMessage(args);
    }

    if ("serviceWorker" in navigator) {
        addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
    }
})();
