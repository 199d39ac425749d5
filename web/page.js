// SPDX-FileCopyrightText: 2026 Los autores de Quorel
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's half of the browser runtime, and no rule of the game: it queues
// the page's events for the module to take, and writes what the module tells
// it to. It never calls into the module, which may be suspended waiting.
"use strict";

// Emscripten's settings: instantiate the module that index.html began to
// compile. A server that does not send it as application/wasm leaves only
// the slower way, from its bytes.
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

const QuorelPage = (() => {
    // In the order of the game's Control enum.
    const controls = ["Text1", "Text2", "Text3", "Command1", "Command2", "Label1"]
        .map((id) => document.getElementById(id));
    const [text1, , , command1, command2] = controls;
    const form = document.getElementById("Form1");
    const message = document.getElementById("message");
    const prompt = document.getElementById("textPrompt");
    const promptField = document.getElementById("textPromptField");

    // Event codes; keep in step with WebRuntime::Event.
    const Wake = 0, Command1Click = 1, Command2Click = 2, BoxAccepted = 3, BoxCancelled = 4,
        SchemeChanged = 5;

    const queue = [];
    let waiting = null;  // the module's resolver while it waits
    let timeout = 0;
    function post(event) {
        if (waiting) {
            const resolve = waiting;
            waiting = null;
            clearTimeout(timeout);
            resolve(event);
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

    command1.addEventListener("click", () => post(Command1Click));
    command2.addEventListener("click", () => post(Command2Click));
    document.getElementById("messageOk").addEventListener("click", () => answerBox(BoxAccepted));
    document.getElementById("textPromptOk").addEventListener("click", () => answerBox(BoxAccepted));
    document.getElementById("textPromptCancel")
        .addEventListener("click", () => answerBox(BoxCancelled));

    function altOnly(event) {
        // AltGr types real characters; it may come as Ctrl+Alt.
        return event.altKey && !event.ctrlKey && !event.metaKey &&
            !event.getModifierState("AltGraph");
    }
    document.addEventListener("keydown", (event) => {
        if (altOnly(event)) {
            // Alt never types, and the browser's own Alt keys stay out.
            event.preventDefault();
            if (!message.open && !prompt.open) {
                if (event.code === "KeyH" && !command1.disabled) {
                    post(Command1Click);
                } else if (event.code === "KeyN" && !command2.disabled) {
                    post(Command2Click);
                }
            }
        } else if (event.key === "Escape") {
            // A message box's one button is also its cancel button.
            event.preventDefault();
            answerBox(prompt.open ? BoxCancelled : BoxAccepted);
        } else if (event.key === "Enter" && event.target === promptField) {
            event.preventDefault();
            answerBox(BoxAccepted);
        } else if (event.key === "Tab" && !event.altKey && !event.ctrlKey && !openBox) {
            // The tab order goes round the window, not out into the browser.
            const last = command2, first = text1;
            if (!event.shiftKey && document.activeElement === last) {
                event.preventDefault();
                first.focus();
            } else if (event.shiftKey && document.activeElement === first) {
                event.preventDefault();
                last.focus();
            }
        }
    }, true);
    for (const box of [message, prompt]) {
        box.addEventListener("cancel", (event) => {
            event.preventDefault();
            answerBox(box === prompt ? BoxCancelled : BoxAccepted);
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
            post(Wake);  // the ticks a hidden page missed are due now
        }
    });
    matchMedia("(prefers-color-scheme: dark)")
        .addEventListener("change", () => post(SchemeChanged));

    // On a screen narrower than the window, the whole window scaled to fit.
    function fit() {
        // The layout viewport's width: innerWidth would grow to the window's.
        const width = document.documentElement.clientWidth;
        form.style.zoom = width < 392 ? String(width / 392) : "";
    }
    addEventListener("resize", fit);
    fit();

    function colourText(rgb) {
        return "#" + rgb.toString(16).padStart(6, "0");
    }
    function showBox(box) {
        focusBeforeBox = document.activeElement;
        openBox = box;
        box.showModal();
    }

    if ("serviceWorker" in navigator) {
        addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
    }

    return {
        nextEvent(milliseconds) {
            if (queue.length > 0) {
                return Promise.resolve(queue.shift());
            }
            return new Promise((resolve) => {
                waiting = resolve;
                if (milliseconds >= 0) {
                    timeout = setTimeout(() => post(Wake), milliseconds);
                }
            });
        },
        decode(heap, pointer, length) {
            let text = "";
            for (let at = pointer >> 1, end = at + length; at < end; at += 8192) {
                text += String.fromCharCode.apply(null, heap.subarray(at, Math.min(end, at + 8192)));
            }
            return text;
        },
        encode(text, heap, heap32, malloc, lengthOut) {
            const pointer = malloc(2 * text.length + 2);
            for (let i = 0; i < text.length; ++i) {
                heap[(pointer >> 1) + i] = text.charCodeAt(i);
            }
            heap32[lengthOut >> 2] = text.length;
            return pointer;
        },
        text: (control) => controls[control].value,
        setText(control, text) {
            controls[control].value = text;
        },
        setCaption(control, text, spoken) {
            controls[control].textContent = text;
            controls[control].setAttribute("aria-label", spoken);
        },
        setEnabled(control, enabled) {
            controls[control].disabled = !enabled;
        },
        hasFocus: (control) => document.activeElement === controls[control],
        focus(control) {
            controls[control].focus();
        },
        showWindow() {
            form.classList.remove("loading");
            text1.focus();
        },
        systemColour(index) {
            const probe = document.createElement("div");
            probe.style.color = index === 14 ? "HighlightText" : "ButtonFace";
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
            document.getElementById("messageTitle").textContent = title;
            document.getElementById("messageText").textContent = text;
            copiedBox = copied;
            showBox(message);
            document.getElementById("messageOk").focus();
        },
        openPrompt(title, line, text) {
            document.getElementById("textPromptTitle").textContent = title;
            document.getElementById("textPromptLine").textContent = line;
            promptField.value = text;
            showBox(prompt);
            promptField.focus();
            promptField.select();
        },
        promptText: () => promptField.value,
        closeBox() {
            openBox = null;
            for (const box of [message, prompt]) {
                if (box.open) {
                    box.close();
                }
            }
            if (focusBeforeBox && !focusBeforeBox.disabled) {
                focusBeforeBox.focus();
            }
        },
    };
})();
