// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The links beside the window, the page's half, and no rule of the game: it
// hands the module the page's query as it came, shows the line the module
// refuses a link with, keeps the day's link on the player's date, and
// shares the text the module makes with the link to the puzzle on screen.
// Like page.js, it never calls into the module.
"use strict";

const QuorelLinks = (() => {
    const byId = (id) => document.getElementById(id);
    const query = new URLSearchParams(location.search);
    const notice = byId("aviso"), copy = byId("enlace"), today = byId("hoy");
    let shareText = "";

    // The local date, AAAA-MM-DD; read again as the link is pressed, for a
    // page left open past midnight.
    function dayLink() {
        const now = new Date(), two = (n) => String(n).padStart(2, "0");
        const day = `${String(now.getFullYear()).padStart(4, "0")}-${two(now.getMonth() + 1)}-` +
            two(now.getDate());
        today.href = "index.html?" + new URLSearchParams({ dia: day });
    }
    dayLink();
    for (const type of ["pointerdown", "click"]) {
        today.addEventListener(type, dayLink);
    }

    // Where the browser shares (a phone), its own sheet; else the clipboard;
    // else the text in a field, selected, for the player to copy.
    byId("retar").addEventListener("click", async () => {
        if (shareText === "") {
            return;  // the game has not started
        }
        // The puzzle on screen, as page.js writes it into the solver's link.
        const puzzle = new URL(byId("solucion").href).search;
        const url = new URL("index.html" + puzzle, location.href).href;
        const text = shareText + " " + url;
        notice.textContent = "";
        if (navigator.share) {
            try {
                await navigator.share({ text: shareText, url });
                return;
            } catch (error) {
                if (error.name === "AbortError") {
                    return;  // the player closed the sheet
                }
            }
        }
        try {
            await navigator.clipboard.writeText(text);
            notice.textContent = "Enlace copiado";
        } catch {
            copy.value = text;
            copy.hidden = false;
            copy.focus();
            copy.select();
        }
    });

    return {
        field: (name) => query.get(name),
        refuse: (line) => void (notice.textContent = line),
        setShareText: (text) => void (shareText = text),
    };
})();
