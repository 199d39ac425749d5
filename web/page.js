// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's half of the browser runtime, and no rule of the game: it queues
// the page's events for the module to take, and writes what the module tells
// it to, in plain strings. It never calls into the module, which may be
// suspended waiting.
"use strict";

const QuorelPage = (() => {
    const byId = (id) => document.getElementById(id);
    const form = byId("Form1"), text1 = byId("Text1"), text2 = byId("Text2");
    const command1 = byId("Command1"), command2 = byId("Command2");
    const message = byId("message"), prompt = byId("textPrompt");
    const promptField = byId("textPromptField"), solution = byId("solucion");

    // Events queue by name; the module gives their codes when it starts.
    let codes = null;
    const queue = [];
    let waiting = null;  // the module's resolver while it waits
    let timeout = 0;
    function post(event) {
        if (waiting) {
            const resolve = waiting;
            waiting = null;
            clearTimeout(timeout);
            resolve(codes[event]);
        } else {
            queue.push(event);
        }
    }

    let openBox = null;  // the open dialog, until it has posted its answer
    let focusBeforeBox = null;
    let copiedBox = "";
    function answerBox(event) {
        if (openBox) {
            openBox = null;
            post(event);
        }
    }

    command1.addEventListener("click", () => post("command1Click"));
    command2.addEventListener("click", () => post("command2Click"));
    byId("messageOk").addEventListener("click", () => answerBox("boxAccepted"));
    byId("textPromptOk").addEventListener("click", () => answerBox("boxAccepted"));
    byId("textPromptCancel").addEventListener("click", () => answerBox("boxCancelled"));

    // The focusable controls of the open box, in tab order.
    function ring() {
        return [...openBox.querySelectorAll("input, button")].filter((c) => !c.disabled);
    }
    document.addEventListener("keydown", (event) => {
        const plain = !event.altKey && !event.ctrlKey && !event.metaKey;
        // AltGr types real characters; it may come as Ctrl+Alt.
        if (event.altKey && !event.ctrlKey && !event.metaKey &&
            !event.getModifierState("AltGraph")) {
            // Alt never types, and the browser's own Alt keys stay out.
            event.preventDefault();
            // A button's access key, which its aria-keyshortcuts names, presses
            // it; a disabled one takes no click.
            const key = event.code.replace(/^Key/, "Alt+");
            if (!message.open && !prompt.open) {
                form.querySelector(`button[aria-keyshortcuts="${key}"]`)?.click();
            }
        } else if (event.key === "Escape") {
            // A message box's one button is also its cancel button.
            event.preventDefault();
            answerBox(prompt.open ? "boxCancelled" : "boxAccepted");
        } else if (plain && (event.key === "Enter" && openBox && event.target.type !== "button" ||
                             event.key === " " && openBox === message)) {
            // The default button takes Enter from anywhere in its box.
            event.preventDefault();
            answerBox("boxAccepted");
        } else if ((event.key === "Tab" || event.code === "Tab") && !event.altKey &&
                   !event.ctrlKey && openBox) {
            // The tab order goes round the open box, which is modal, never
            // out of it. The window is part of the page: its order is the
            // page's, on to the links below it. WebKitGTK names Shift+Tab's
            // key "Unidentified"; its code is still Tab.
            event.preventDefault();
            const controls = ring(), at = controls.indexOf(document.activeElement);
            const step = event.shiftKey ? controls.length - 1 : 1;
            const next = at >= 0 ? (at + step) % controls.length : event.shiftKey ? step : 0;
            controls[next].focus();
        }
    }, true);
    for (const box of [message, prompt]) {
        box.addEventListener("cancel", (event) => {
            event.preventDefault();
            answerBox(box === prompt ? "boxCancelled" : "boxAccepted");
        });
    }
    document.addEventListener("copy", (event) => {
        if (message.open) {
            event.preventDefault();
            event.clipboardData.setData("text/plain", copiedBox);
        }
    });
    document.addEventListener("visibilitychange", () => {
        if (!document.hidden) {
            post("wake");  // the ticks a hidden page missed are due now
        }
    });
    matchMedia("(prefers-color-scheme: dark)")
        .addEventListener("change", () => post("schemeChanged"));

    // On a screen narrower than the window, the whole window scaled to fit;
    // an open box stays centred on the window, as on its parent.
    function fit() {
        form.style.zoom = "";
        // The layout viewport's width: innerWidth would grow to the window's.
        const room = document.documentElement.clientWidth, width = form.offsetWidth;
        form.style.zoom = room < width ? String(room / width) : "";
        const centre = (start, size, own, space) =>
            Math.max(0, Math.min(start + (size - own) / 2, space - own)) + "px";
        for (const box of [message, prompt].filter((b) => b.open)) {
            const parent = form.getBoundingClientRect(), own = box.getBoundingClientRect();
            box.style.left = centre(parent.left, parent.width, own.width, room);
            box.style.top = centre(parent.top, parent.height, own.height, innerHeight);
        }
    }
    addEventListener("resize", fit);
    fit();

    const colourText = (rgb) => "#" + rgb.toString(16).padStart(6, "0");
    function showBox(box) {
        focusBeforeBox = document.activeElement;
        openBox = box;
        box.showModal();
        fit();
    }

    return {
        nameEvents: (eventCodes) => void (codes = eventCodes),
        nextEvent(milliseconds) {
            if (queue.length > 0) {
                return Promise.resolve(codes[queue.shift()]);
            }
            return new Promise((resolve) => {
                waiting = resolve;
                if (milliseconds >= 0) {
                    timeout = setTimeout(() => post("wake"), milliseconds);
                }
            });
        },
        text: (id) => byId(id).value,
        setText(id, text) {
            byId(id).value = text;
            byId(id).dispatchEvent(new Event("written"));  // for the keypad beside the window
            // The link to the solver carries the puzzle as the window shows it.
            const puzzle = new URLSearchParams({
                objetivo: text1.value.trim(),
                numeros: text2.value.trim().replace(/\s+/g, " "),
            });
            solution.href = "solucion.html?" + puzzle;
        },
        setCaption(id, text, spoken) {
            byId(id).textContent = text;
            byId(id).setAttribute("aria-label", spoken);
        },
        // A new element each time: a screen reader drops a text it has just
        // announced when the same text comes again, as for the same puzzle
        // twice.
        describePuzzle(words) {
            const said = document.createElement("span");
            said.textContent = words;
            byId("partida").replaceChildren(said);
        },
        setEnabled: (id, enabled) => void (byId(id).disabled = !enabled),
        hasFocus: (id) => document.activeElement === byId(id),
        focus: (id) => byId(id).focus(),
        // The window opens once its faces, which the start script asks for,
        // have come; until then its controls are not laid out and take no
        // focus. Then the answer's face is asked for: nothing needs it before.
        showWindow() {
            windowFaces.then(() => {
                form.classList.remove("loading");
                if (!openBox) {
                    text1.focus();
                }
                document.fonts.load("24px 'Quorel Serif'").catch(() => {});
            });
        },
        systemColour(name) {
            const probe = document.createElement("div");
            probe.style.color = name;
            document.body.append(probe);
            const [r, g, b] = getComputedStyle(probe).color.match(/\d+/g).map(Number);
            probe.remove();
            return (r << 16 | g << 8 | b) >>> 0;
        },
        setTargetColours(background, text) {
            text1.style.backgroundColor = colourText(background);
            text1.style.color = colourText(text);
        },
        openMessage(title, text, copied) {
            byId("messageTitle").textContent = title;
            // One text, which a screen reader reads whole.
            byId("messageText").textContent = text;
            copiedBox = copied;
            showBox(message);
            message.focus();
        },
        openPrompt(title, line, text) {
            byId("textPromptTitle").textContent = title;
            byId("textPromptLine").textContent = line;
            promptField.value = text;
            showBox(prompt);
            promptField.focus();
            promptField.select();
        },
        closeBox() {
            openBox = null;
            message.close();
            prompt.close();
            if (focusBeforeBox && !focusBeforeBox.disabled) {
                focusBeforeBox.focus();
            }
        },
    };
})();
