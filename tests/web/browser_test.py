#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser game in Chromium, WebKitGTK and Firefox, one list of
scenarios for all three, through real key presses: a whole game on the
known-puzzle page (250 from 2 3 5 7 10 100), the page around the window and
its boxes, the site on a phone's screen and offline, and the solver page.
Or Lighthouse's audits, in Chromium; or the game heard through the screen
reader Orca in Firefox (tests/e2e/orca_e2e.sh). The rules are the logic
tests'; here only the wiring and a few verdicts.
Usage: browser_test.py BUILD_DIR ENGINE   (site/ and site-fixed/ built;
ENGINE: chromium, webkit, firefox, lighthouse or orca)"""

import datetime
import json
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

from selenium.webdriver.common.keys import Keys

import engines
from chromium import Site
from lighthouse_test import Lighthouse

BUILD = Path(sys.argv[1] if len(sys.argv) > 1 else "build-web")
ROOT = Path(__file__).resolve().parents[2]
RULE = "---------------------------"
PUZZLE = "solucion.html?objetivo=250&numeros=2+3+5+7+10+100"
GAME = "index.html?objetivo=250&numeros=2+3+5+7+10+100"
EngineUnderTest = engines.Chromium  # set by run()


def luminance(css):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (int(v) for v in css[css.index("(") + 1:-1].split(",")[:3])
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def readme_example(command):
    """What the README shows a command printing (checked against the
    native program by the solver's own tests)."""
    lines = (ROOT / "README.md").read_text().splitlines()
    at = lines.index("    $ " + command) + 1
    shown = []
    while at < len(lines) and lines[at].startswith("    "):
        shown.append(lines[at][4:])
        at += 1
    return "\n".join(shown) + "\n"


# The window filled in and open: it opens once its faces have come.
OPEN = "Text1.value !== '' && !Form1.classList.contains('loading')"


class Page:
    """One open page of the game in one engine, driven by keys."""

    def __init__(self, engine, url, ready=OPEN):
        self.engine = engine
        engine.open(url)
        self.opened(ready)

    def opened(self, ready=OPEN):
        """Waits for the window, or what READY names, as after a reload."""
        self.until(lambda: self.js(f"return {ready}"), f"not loaded: {ready}")

    def js(self, script):
        return self.engine.js(script)

    def until(self, condition, message="", timeout=10):
        end = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > end:
                raise AssertionError(f"waited {timeout} s: {message}")
            time.sleep(0.05)

    def keys(self, *keys):
        self.engine.keys(*keys)

    def chord(self, modifier, key):
        self.engine.chord(modifier, key)

    def focused(self):
        return self.js("return document.activeElement.id")

    def rect(self, element):
        return self.js(f"return {element}.getBoundingClientRect().toJSON()")

    def box(self, dialog, timeout=10):
        """Waits for the named dialog; its title and text."""
        self.until(lambda: self.js(f"return {dialog}.open && {dialog}.matches(':modal')"),
                   f"{dialog} did not open", timeout)
        return self.js(f"return [{dialog}Title.textContent, "
                       f"document.getElementById('{dialog}Text')?.textContent ?? '']")

    def closed(self, dialog):
        self.until(lambda: not self.js(f"return {dialog}.open"), f"{dialog} did not close")

    def answer(self, text):
        """Replaces the answer and submits it with Alt+H; the verdict's text."""
        self.js("Text3.focus()")
        self.chord(Keys.CONTROL, "a")
        self.keys(text) if text else self.keys(Keys.BACK_SPACE)
        self.chord(Keys.ALT, "h")
        title, shown = self.box("message")
        assert title == "Quorel", title
        return shown

    def solve(self):
        """Solves the known puzzle from Text3; leaves the record's box open."""
        assert self.answer("(100x2)+(5x10)").startswith("250\n")
        self.keys(Keys.ENTER)
        self.box("textPrompt")


class Scenario(unittest.TestCase):
    folder = "site-fixed"
    window = (None, None)
    phone = False

    def setUp(self):
        self.site = Site(BUILD / self.folder)
        self.addCleanup(self.site.stop)
        self.engine = EngineUnderTest(*self.window, phone=self.phone)
        self.addCleanup(self.engine.quit)

    def page(self, path="", **kwargs):
        return Page(self.engine, self.site.url + path, **kwargs)


class WholeGame(Scenario):
    def setUp(self):
        super().setUp()
        self.p = self.page()

    def test_window_as_loaded(self):
        p = self.p
        self.assertEqual(p.js("return [document.title, document.documentElement.lang, "
                              "document.querySelector('h1').textContent]"),
                         ["QUOREL", "es", "Quorel"])
        self.assertEqual(p.js("return Text2.value").split(), "2 3 5 7 10 100".split())
        self.assertEqual(p.focused(), "Text1")
        self.assertEqual(p.rect("Form1")["width"], 392)
        # Each control where the desktop puts it, as the build wrote it in.
        places = p.js("return [...Form1.children].map((c) => "
                      "[c.offsetLeft, c.offsetTop, c.offsetWidth, c.offsetHeight])")
        self.assertEqual(places, [[0, 0, 400, 40], [0, 67, 400, 40], [0, 133, 400, 40],
                                  [33, 200, 133, 40], [233, 200, 133, 40], [133, 267, 133, 40]])
        colours = p.js("const s = getComputedStyle(Text1); return [s.color, s.backgroundColor]")
        high, low = sorted(map(luminance, colours), reverse=True)
        self.assertGreaterEqual((high + 0.05) / (low + 0.05), 4.5, colours)
        # The clock: a timer region, read with its time; Text1 takes no typing.
        p.until(lambda: p.js("return Label1.textContent") != "")
        self.assertEqual(self.engine.spoken({
            ("textbox", "Objetivo"), ("textbox", "Números"), ("textbox", "Respuesta"),
            ("button", "Hecho"), ("button", "Nuevo")}), set())
        for _ in range(3):  # a slow engine's question may meet the next tick
            clock = p.js("return Label1.textContent")
            missing = self.engine.spoken({("timer", "Tiempo " + clock)})
            if not missing:
                break
        self.assertEqual(missing, set())
        p.keys("9")
        self.assertEqual(p.js("return Text1.value"), "250")
        # Tab goes through the window in the desktop's order, then on to the
        # page below it; Shift+Tab comes back.
        order = []
        for _ in range(5):
            p.keys(Keys.TAB)
            order.append(p.focused())
        p.chord(Keys.SHIFT, Keys.TAB)
        order.append(p.focused())
        self.assertEqual(order, ["Text2", "Text3", "Command1", "Command2", "solucion",
                                 "Command2"])

    def test_frozen_page_gets_every_tick_it_missed(self):
        p = self.p
        p.until(lambda: p.js("return Label1.textContent") != "")

        def seconds():
            minutes, secs = p.js("return Label1.textContent").split(":")
            return 60 * int(minutes) + int(secs)
        self.engine.freeze(True)
        frozen = seconds()
        time.sleep(3.5)
        self.engine.freeze(False)
        p.until(lambda: seconds() != frozen)
        self.assertGreaterEqual(seconds(), frozen + 3)

    def test_verdicts_solve_and_best_times(self):
        p = self.p
        # Left to right; the box's Ctrl+C copies it whole, in the desktop's format.
        self.assertEqual(p.answer("2+3x10"), "50")
        p.chord(Keys.CONTROL, "c")
        copied = self.engine.clipboard(self.site.url[:-1])
        self.assertEqual(copied, f"{RULE}\nQuorel\n{RULE}\n50\n{RULE}\nAceptar\n{RULE}\n")
        self.assertEqual(self.engine.spoken({("alertdialog", "Quorel")}), set())
        p.keys(Keys.ENTER)
        p.closed("message")
        self.assertEqual(p.focused(), "Text3")

        self.assertEqual(p.answer("100+100"), "200\n(ha usado números incorrectos: 100)")
        p.keys(Keys.ESCAPE)  # the message box's one button is also Esc's
        p.closed("message")

        for answer, verdict in (("(100x2)+(5x10)" + ")" * 20, "respuesta demasiado larga"),
                                ("100x10x7x5", "resultado fuera de rango")):
            self.assertEqual(p.answer(answer), verdict, answer)
            p.keys(Keys.ENTER)
            p.closed("message")

        # The solve, from the button itself: Space on the focused Hecho.
        p.js("Text3.focus()")
        p.chord(Keys.CONTROL, "a")
        p.keys("(100x2)+(5x10)", Keys.TAB, " ")
        verdict = p.box("message")[1].split("\n")
        self.assertEqual(verdict[0], "250")
        self.assertRegex(verdict[1], r"^tiempo = 0 minutos y \d+ segundos\.$")
        shown = int(verdict[1].split()[5])
        # The clock goes on behind the open box, and the time is read after it.
        before = p.js("return Label1.textContent")
        p.until(lambda: p.js("return Label1.textContent") != before, "no tick behind the box")
        self.assertTrue(p.js("return message.open"))
        p.keys(Keys.ENTER)
        self.assertEqual(p.box("textPrompt")[0], "Ha establecido un nuevo récord!")
        self.assertEqual(p.focused(), "textPromptField")
        self.assertEqual(self.engine.spoken({("dialog", "Ha establecido un nuevo récord!")}),
                         set())
        p.chord(Keys.ALT, "h")  # out of habit: it types nothing into the name
        p.keys("Ana", Keys.ENTER)
        listing = p.box("message")[1]
        self.assertRegex(listing, r"^Ana: 0 minutos y \d+ segundos: 250 = \(100x2\)\+\(5x10\)$")
        self.assertGreater(int(listing.split()[4]), shown)
        p.keys(Keys.ENTER)
        p.closed("message")
        # Hecho, disabled while it had the focus, handed it to Nuevo.
        self.assertEqual(p.focused(), "Command2")
        self.assertTrue(p.js("return Command1.disabled"))

        # A solved puzzle takes no second submission; Alt+N opens the next.
        p.chord(Keys.ALT, "h")
        p.chord(Keys.ALT, "n")
        p.until(lambda: not p.js("return Command1.disabled"))
        self.assertFalse(p.js("return message.open"))
        self.assertEqual(p.focused(), "Text1")
        self.assertIn("más 30 segundos de penalización.", p.answer("(100x2)+(5x10)-3"))
        p.keys(Keys.ENTER)
        p.box("textPrompt")
        self.assertEqual(p.js("return [textPromptField.value, textPromptField.selectionStart, "
                              "textPromptField.selectionEnd]"), ["Ana" + " " * 22, 0, 25])
        p.keys(Keys.ENTER)  # the default, as stored
        listing = p.box("message")[1].splitlines()
        self.assertEqual([line.split(":")[0] for line in listing], ["Ana", "Ana"])
        self.assertIn("250 aprox. (100x2)+(5x10)-3", listing[1])

        # The solver opens beside the game: the page that holds the puzzle and
        # the best times stays.
        p.keys(Keys.ENTER)
        p.js("window.stayed = true; solucion.focus()")
        p.keys(Keys.ENTER)
        p.until(lambda: self.engine.tabs() == 2, "the solver did not open beside the game")
        self.assertEqual(p.js("return [window.stayed, Text1.value]"), [True, "250"])

    def test_tab_stays_in_the_open_box_and_its_keys_still_work(self):
        p = self.p
        p.answer("2+3x10")
        for key in (Keys.TAB, Keys.TAB, Keys.TAB):
            p.keys(key)
            self.assertEqual(p.focused(), "messageOk")
        for _ in range(3):
            p.chord(Keys.SHIFT, Keys.TAB)
            self.assertEqual(p.focused(), "messageOk")
        p.keys(" ")
        p.closed("message")
        # The record's box: its field and two buttons, round both ways.
        p.solve()
        ahead, back = [], []
        for _ in range(4):
            p.keys(Keys.TAB)
            ahead.append(p.focused())
        for _ in range(4):
            p.chord(Keys.SHIFT, Keys.TAB)
            back.append(p.focused())
        self.assertEqual(ahead, ["textPromptOk", "textPromptCancel", "textPromptField",
                                 "textPromptOk"])
        self.assertEqual(back, ["textPromptField", "textPromptCancel", "textPromptOk",
                                "textPromptField"])
        p.keys(Keys.TAB)
        p.keys(Keys.ENTER)  # Aceptar, after all those Tabs
        self.assertRegex(p.box("message")[1], r"^\s*: 0 minutos y \d+ segundos: 250 = ")

    def test_enter_accepts_a_box_after_a_click_on_its_text(self):
        p = self.p
        p.answer("2+3x10")
        self.engine.click("messageText")
        p.keys(Keys.ENTER)
        p.closed("message")

    def test_ten_million_characters_pasted_then_hecho(self):
        p = self.p
        p.js("Text3.value = '1+'.repeat(5e6); Text3.focus()")
        self.engine.click("Command1")
        verdict = p.box("message", timeout=20)[1]
        self.assertEqual(verdict.split("\n")[0], "respuesta demasiado larga")
        p.keys(Keys.ENTER)
        p.closed("message")
        self.engine.click("Command2")
        p.until(lambda: p.js("return Text3.value") == "", "Nuevo did not clear the answer")
        self.assertEqual(p.answer(""), "0")


class PageAround(Scenario):
    window = (1280, 800)

    def setUp(self):
        super().setUp()
        self.p = self.page()

    def test_window_centred_near_the_top_on_another_shade(self):
        p = self.p
        self.assertEqual(p.js("return innerWidth"), 1280)
        width = p.js("return document.documentElement.clientWidth")  # less a scroll bar
        form = p.rect("Form1")
        self.assertAlmostEqual(form["left"] + form["width"] / 2, width / 2, delta=1)
        self.assertLessEqual(form["top"], 100)
        shades = p.js("""const shade = (e) => getComputedStyle(e).backgroundColor;
            const page = [document.body, document.documentElement].map(shade)
                .find((c) => !/rgba\\(.*, 0\\)$|transparent/.test(c));
            return [page, shade(Form1)]""")
        self.assertIsNotNone(shades[0], "the page has no shade of its own")
        self.assertNotEqual(shades[0], shades[1])
        # With a mouse, no keypad, and Respuesta as the page made it.
        self.assertEqual(p.js("return [teclado.checkVisibility(), "
                              "Text3.hasAttribute('inputmode')]"), [False, False])

    def test_message_box_opens_centred_over_the_window(self):
        p = self.p
        p.answer("2+3x10")
        form, box = p.rect("Form1"), p.rect("message")
        for axis, size in (("left", "width"), ("top", "height")):
            self.assertAlmostEqual(box[axis] + box[size] / 2, form[axis] + form[size] / 2,
                                   delta=2, msg=axis)

    def test_clicking_the_answer_moves_nothing(self):
        p = self.p
        where = "return [Form1.getBoundingClientRect().toJSON(), Form1.scrollTop, " \
                "Form1.scrollLeft, scrollX, scrollY]"
        before = p.js(where)
        self.engine.click("Text3")
        self.assertEqual(p.focused(), "Text3")
        self.assertEqual(p.js(where), before)
        p.js("Text1.focus(); Text3.focus()")
        self.assertEqual(p.js(where), before)

    def test_rules_and_the_solver_link(self):
        p = self.p
        self.assertEqual(p.js("return document.querySelector('#reglas h2, #reglas h1, "
                              "#reglas h3')?.textContent.trim()"), "Cómo se juega")
        self.assertIn("2+3x10", p.js("return reglas.textContent"))
        self.assertEqual(p.js("return solucion.getAttribute('href')"), PUZZLE)


class Phone(Scenario):
    phone = True

    def test_phone_shows_the_whole_window(self):
        p = self.page()
        self.assertEqual(p.js("return innerWidth"), 360)
        self.assertLessEqual(p.js("return document.documentElement.scrollWidth"), 360)
        box = p.rect("Form1")
        self.assertAlmostEqual(box["right"], 360, delta=1)
        # The answer box is a real text field for the on-screen keyboard.
        self.assertEqual(p.js("return [Text3.type, Text3.readOnly]"), ["text", False])
        self.engine.type_into("Text3", "7")
        self.engine.click("Command1")
        p.box("message")
        self.assertLessEqual(p.js("return message.getBoundingClientRect().right"), 360)

    def test_best_times_break_lines_only_at_blanks(self):
        p = self.page()
        p.solve()
        p.keys("Ana Beatriz de la Fuente", Keys.ENTER)
        p.box("message")
        # Each character's line, across the listing's text nodes, in order.
        breaks = p.js("""const walk = document.createTreeWalker(messageText, NodeFilter.SHOW_TEXT);
            const range = document.createRange(), out = [];
            let before = "", top = null;
            for (let node = walk.nextNode(); node; node = walk.nextNode()) {
                for (let i = 0; i < node.data.length; ++i) {
                    const c = node.data[i];
                    range.setStart(node, i); range.setEnd(node, i + 1);
                    const r = range.getClientRects()[0];
                    if (r && !/\\s/.test(c)) {
                        if (top !== null && r.top > top + 1) out.push(before.slice(-3) + c);
                        top = r.top;
                    }
                    before += c;
                }
            }
            return [out, messageText.scrollWidth <= messageText.clientWidth]""")
        self.assertTrue(breaks[1], "the listing runs out of its box")
        self.assertNotEqual(breaks[0], [], "the listing fits one line: nothing tested")
        for at in breaks[0]:
            self.assertRegex(at, r"\s$|\s\S$", "a line broken inside a word")


class Keypad(Scenario):
    """The keypad on Chromium's emulated touch screen, which the other
    engines cannot emulate: the drawn puzzle's numbers, typed into Respuesta
    without taking the focus or opening the system keyboard."""
    folder = "site"
    phone = True
    keys = "[...teclado.querySelectorAll('button')]"

    def tap(self, key):
        self.engine.tap(f"#teclado > :nth-child({key})")

    def test_keys_type_into_the_answer_and_keep_the_focus(self):
        p = self.page()
        numbers = f"return [{self.keys}.slice(0, 6).map((k) => k.textContent).join(' '), " \
            "Text2.value.trim()]"
        shown, drawn = p.js(numbers)
        self.assertEqual(shown, drawn)
        # Under the window, all on the phone's screen, keys of 48 px or more.
        self.assertLessEqual(p.js(f"return Math.max(...{self.keys}.map((k) => "
                                  "k.getBoundingClientRect().bottom))"), 640)
        self.assertGreaterEqual(p.js(f"return Math.min(...{self.keys}.map((k) => "
                                     "Math.min(k.offsetWidth, k.offsetHeight)))"), 48)
        self.assertEqual(self.engine.spoken({("group", "Teclado de la respuesta"),
                                             ("button", shown.split()[0]), ("button", "por")}),
                         set())

        self.engine.tap("#Text3")
        state = "return [document.activeElement.id, Text3.inputMode, Text3.value]"
        first, second = shown.split()[:2]
        for key in (1, 2, 9, 13):  # two numbers, x, Borrar
            self.tap(key)
        self.assertEqual(p.js(state), ["Text3", "none", f"{first} {second}"])
        self.tap(14)  # Teclado
        self.assertEqual(p.js(state), ["Text3", "text", f"{first} {second}"])

        # A new puzzle, and the keys follow Números.
        self.engine.tap("#Command2")
        p.until(lambda: p.js("return Text3.value") == "", "Nuevo did not clear the answer")
        shown, drawn = p.js(numbers)
        self.assertEqual(shown, drawn)
        self.assertEqual(p.js("return Text3.inputMode"), "none")


class FocusSeen(Scenario):
    """Each control's focus, as screenshots of a region show it (Chromium
    only): around it, pixels as many as in a 2-px ring round the control
    change by 3:1 or more."""
    window = (1280, 800)
    # How many pixels of two screenshots (base64 PNG) differ by 3:1 or more.
    changed = """async (...shots) => {
        const [a, b] = await Promise.all(shots.map(async (png) => {
            const image = await createImageBitmap(
                new Blob([Uint8Array.from(atob(png), (c) => c.charCodeAt(0))]));
            const g = new OffscreenCanvas(image.width, image.height).getContext("2d");
            g.drawImage(image, 0, 0);
            return g.getImageData(0, 0, image.width, image.height).data;
        }));
        const linear = (c) => (c /= 255) <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
        const lit = (d, i) => 0.2126 * linear(d[i]) + 0.7152 * linear(d[i + 1]) +
            0.0722 * linear(d[i + 2]) + 0.05;
        return a.filter((_, i) => i % 4 === 0 &&
            Math.max(lit(a, i), lit(b, i)) >= 3 * Math.min(lit(a, i), lit(b, i))).length;
    }"""

    def rings(self, p, within):
        controls = f"[...{within}.querySelectorAll('a[href], input, button')]" \
            ".filter((c) => c.checkVisibility())"
        for i in range(p.js(f"return {controls}.length")):
            shown, region, ring = p.js(f"""const c = {controls}[{i}], out = 6; c.focus();
                const r = c.getBoundingClientRect();
                return [c.matches(":focus-visible"), {{x: r.x + scrollX - out,
                    y: r.y + scrollY - out, width: r.width + 2 * out, height: r.height + 2 * out}},
                    [...c.getClientRects()].reduce((sum, q) => sum + 4 * (q.width + q.height), 0)]""")
            focused = self.engine.shot(region)
            p.js("document.activeElement.blur()")
            changed = p.js(f"return ({self.changed})({json.dumps(focused)}, "
                           f"{json.dumps(self.engine.shot(region))})")
            self.assertTrue(shown and changed >= ring, (within, i, shown, changed, ring))

    def test_every_control_shows_its_focus_in_light_and_dark(self):
        for scheme in ("light", "dark"):
            with self.subTest(scheme):
                self.engine.scheme(scheme)
                p = self.page()
                self.assertEqual(p.js("return matchMedia('(prefers-color-scheme: dark)').matches"),
                                 scheme == "dark")
                self.rings(p, "document")
                p.answer("2+3x10")
                self.rings(p, "message")
                p.keys(Keys.ENTER)
                p.solve()
                self.rings(p, "textPrompt")
                self.rings(self.page("solucion.html", ready="true"), "document")


class WholeSite(Scenario):
    folder = "site"

    def test_plays_offline_from_a_subfolder_and_nothing_but_its_own_origin(self):
        self.site.stop()
        self.site = Site(BUILD)
        p = self.page("site/")
        origins = p.js("return performance.getEntriesByType('resource').map(e => e.name)")
        self.assertTrue(all(url.startswith(self.site.url) for url in origins), origins)
        p.until(lambda: p.js("return navigator.serviceWorker.controller !== null"),
                "no service worker took the page")
        self.site.stop()
        self.site = Site(BUILD)  # stop() again in cleanup is harmless
        self.engine.reload()
        p.opened()
        self.assertTrue(p.js("return document.fonts.check('bold 24px \"Quorel Sans\"')"))
        self.assertEqual(p.answer(""), "0")

    def test_a_module_that_cannot_load_says_so(self):
        served = Path(tempfile.mkdtemp(prefix="quorel-site-"))
        self.addCleanup(shutil.rmtree, served)
        shutil.copytree(BUILD / "site", served, dirs_exist_ok=True)
        next(served.glob("quorel.*.wasm")).unlink()
        self.site.stop()
        self.site = Site(served)
        p = self.page(ready="!cargaFallida.hidden")
        self.assertEqual(p.js("return [Form1.checkVisibility(), cargaFallida.textContent]"),
                         [False, "No se ha podido cargar el juego. Vuelva a cargar la página."])
        # The worker's failed install leaves no half cache behind.
        self.assertEqual(self.engine.js_promise(
            "navigator.serviceWorker.register('sw.js').then((r) => new Promise((done) => {"
            "  const w = r.installing; if (!w || w.state === 'redundant') return done();"
            "  w.onstatechange = () => w.state === 'redundant' && done();"
            "})).then(() => caches.keys())"), [])

    def test_installable(self):
        self.page()
        self.assertEqual(self.engine.installability_errors(), [])


class SolverPage(Scenario):
    """One check per kind of answer, against the README's checked examples."""
    folder = "site"
    done = "salida.getAttribute('aria-busy') === 'false'"

    def shown(self, query):
        """The page's parts, each as the command prints it."""
        p = self.page("solucion.html?" + query, ready=self.done)
        return p.js("return [frase, mejor, pasos].map((e) => e.textContent)"
                    ".filter((t) => t !== '').map((t) => t + '\\n')")

    def test_first_sentence_then_the_best_answer(self):
        for query, args in ((PUZZLE.split("?")[1], "250 2 3 5 7 10 100"),
                            ("objetivo=887&numeros=2+3+4+5+6+7", "887 2 3 4 5 6 7"),
                            ("objetivo=953&numeros=1+2+3+4+5+6", "953 1 2 3 4 5 6")):
            with self.subTest(args):
                self.assertEqual("".join(self.shown(query)),
                                 readme_example("quorel-solucion " + args))

    def test_steps(self):
        self.assertEqual(self.shown("respuesta=2%2B3x10"),
                         [readme_example("quorel-solucion --pasos 2+3x10")])

    def test_answer_beside_the_best_one(self):
        sentence, best, steps = self.shown(PUZZLE.split("?")[1] + "&respuesta=100x5%2F2-3")
        self.assertEqual(sentence + best, readme_example("quorel-solucion 250 2 3 5 7 10 100"))
        self.assertEqual(steps, readme_example(
            "quorel-solucion --pasos 100x5/2-3 250 2 3 5 7 10 100"))
        self.assertFalse(self.engine.js("return leyenda.hidden"))

    def test_jugar_esta_partida_opens_the_game_beside(self):
        p = self.page(PUZZLE, ready=self.done)
        self.assertEqual(p.js("return [jugar.hidden, jugar.getAttribute('href'), jugar.target]"),
                         [False, GAME, "_blank"])
        self.engine.click("jugar")
        p.until(lambda: self.engine.tabs() == 2, "the game did not open beside the solver")

    def test_empty_calcular_says_what_to_fill_in(self):
        p = self.page("solucion.html", ready="document.readyState === 'complete'")
        p.js("objetivo.focus()")
        p.keys(Keys.ENTER)

        def answered():
            try:  # the old page may go while it is asked
                return p.js(f"return location.search !== '' && {self.done}")
            except Exception:
                return False
        p.until(answered, "Calcular on an empty form did not answer")
        self.assertEqual(p.js("return [objetivoError.textContent, numerosError.textContent, "
                              "objetivo.getAttribute('aria-invalid'), frase.textContent]"),
                         ["Falta el objetivo.", "Faltan los números: de uno a seis.", "true", ""])
        self.assertEqual(p.focused(), "objetivo")


class Links(Scenario):
    """A link's puzzle, a refused link and the day's puzzle, on the real site."""
    folder = "site"
    shown = "return [Text1.value, Text2.value, message.open, aviso.textContent]"

    def test_a_link_deals_its_puzzle(self):
        p = self.page("index.html?objetivo=250&numeros=100+2+3+5+7+10")
        self.assertEqual(p.js(self.shown), ["250", "2 3 5 7 10 100 ", False, ""])
        self.assertEqual(p.js("return [hoy.getAttribute('href'), hoy.target]"),
                         [f"index.html?dia={datetime.date.today()}", "_blank"])

    def test_a_bad_link_says_why_and_the_game_draws(self):
        _, numbers, box, line = self.page("index.html?objetivo=2000&numeros=2+3").js(self.shown)
        self.assertEqual((len(numbers.split()), box), (6, False))
        self.assertIn("«2000»", line)  # the words are the module's, tested there

    def test_two_loads_of_one_days_link_give_one_puzzle(self):
        p = self.page("index.html?dia=2026-05-01")
        first = p.js(self.shown)
        self.engine.reload()
        p.opened()
        self.assertEqual(p.js(self.shown), first)


class Retar(Scenario):
    folder = "site"

    def test_retar_after_a_solve_copies_a_text_with_the_time(self):
        p = self.page(GAME)
        p.solve()
        p.keys(Keys.ENTER)
        p.box("message")
        p.keys(Keys.ENTER)
        p.closed("message")
        self.engine.click("retar")
        p.until(lambda: p.js("return aviso.textContent") == "Enlace copiado")
        copied = self.engine.clipboard(self.site.url[:-1])
        self.assertRegex(copied, r"^Quorel: 250 con 2 3 5 7 10 100, resuelto en 0:\d\d\. "
                         r"¿Lo mejora\? " + re.escape(self.site.url + GAME) + "$")


class Update(Scenario):
    """A second release, deployed while a player has the first: the first
    visit after it still plays the first release, whole, as it installs the
    second; the visit after that plays the second, whole, also offline."""
    folder = "site"

    def release_two(self):
        """The staged files of this build with one visible difference, and
        a module that differs in a custom section, made into a site."""
        staged = Path(tempfile.mkdtemp(prefix="quorel-staged-"))
        self.addCleanup(shutil.rmtree, staged)
        shutil.copytree(BUILD / "web" / "site", staged, dirs_exist_ok=True)
        page = staged / "index.html"
        page.write_text(page.read_text().replace("<footer>", '<footer><b id="dos">2</b>'))
        with open(staged / "quorel.wasm", "ab") as module:
            module.write(bytes([0, 8, 6]) + b"quorel" + b"2")
        site = staged / "made"
        subprocess.run([sys.executable, ROOT / "web/make_site.py", staged, site,
                        ROOT / "web/sw.js.in"], check=True)
        return site

    def cached(self):
        """Each cache's name and URLs, once no worker is deleting one: opening
        a cache as it goes makes it anew, empty, and it stays."""
        return self.engine.js_promise(
            "caches.keys().then((names) => Promise.all(names.map((name) => caches.open(name)"
            "  .then((c) => c.keys()).then((keys) => [name, keys.map((r) => r.url).sort()]))))")

    def deploy_and_update(self, cache_control):
        served = Path(tempfile.mkdtemp(prefix="quorel-served-"))
        self.addCleanup(shutil.rmtree, served)
        shutil.copytree(BUILD / "site", served, dirs_exist_ok=True)
        second = self.release_two()
        self.site.stop()
        self.site = Site(served, headers={"Cache-Control": cache_control})
        p = self.page()
        p.until(lambda: p.js("return navigator.serviceWorker.controller !== null"))
        [(first, _)] = self.cached()
        shutil.rmtree(served)
        shutil.copytree(second, served)

        self.engine.reload()  # the first visit after the deploy
        p.opened()
        self.assertFalse(p.js("return document.getElementById('dos') !== null"))
        p.until(lambda: len(names := self.engine.js_promise("caches.keys()")) == 1 and
                names != [first], "the second release did not replace the first")
        self.assertEqual(p.answer(""), "0")  # the game in play goes on
        p.keys(Keys.ENTER)

        self.engine.reload()  # the second visit
        p.opened()
        self.assertTrue(p.js("return document.getElementById('dos') !== null"))
        files = {self.site.url + path.relative_to(second).as_posix()
                 for path in second.rglob("*") if path.is_file()}
        loaded = set(p.js("return performance.getEntriesByType('resource')"
                          ".map((e) => e.name.split('?')[0])"))
        self.assertLessEqual(loaded - {self.site.url + "sw.js"}, files)
        self.assertIn(self.site.url + next(second.glob("quorel.*.wasm")).name, loaded)
        [(_, urls)] = self.cached()
        self.assertEqual(set(urls), files - {self.site.url + "sw.js"} | {self.site.url})

        self.site.stop()
        self.site = Site(served)
        self.engine.reload()
        p.opened()
        self.assertTrue(p.js("return document.getElementById('dos') !== null"))
        self.assertEqual(p.answer(""), "0")

    def test_second_release_on_the_second_visit_with_a_host_cache(self):
        self.deploy_and_update("max-age=3600")

    def test_second_release_on_the_second_visit_without_one(self):
        self.deploy_and_update("no-cache")


SCENARIOS = (WholeGame, PageAround, Phone, WholeSite, SolverPage, Links)
CHROMIUM_ONLY = (Keypad, FocusSeen, Update, Retar)


class Timed(unittest.TextTestResult):
    """Each scenario's time beside its verdict: where a slow run goes."""

    def startTest(self, test):
        self.started = time.monotonic()
        super().startTest(test)

    def stopTest(self, test):
        self.stream.writeln(f"    {time.monotonic() - self.started:5.1f} s")
        super().stopTest(test)


def ended_by_term(*_):
    # Every finally runs (browsers, Xvfb, the Firefox bridge), and a second
    # TERM, as the whole process group gets one, does not cut it short.
    # unittest records any other exception in a test and goes on to the
    # next; an interrupt it lets through.
    signal.signal(signal.SIGTERM, signal.SIG_IGN)
    raise KeyboardInterrupt("TERM")


def run(name):
    """One engine's scenarios, Lighthouse's audits or Orca's game; its counts."""
    global EngineUnderTest
    if name == "orca":
        heard = subprocess.run(["bash", ROOT / "tests/e2e/orca_e2e.sh", "firefox",
                                BUILD / "site-fixed"]).returncode == 0
        return int(heard), int(not heard), []
    if name == "lighthouse":
        classes = [Lighthouse.on(BUILD / "site")]
    else:
        EngineUnderTest = engines.ENGINES[name]
        classes = SCENARIOS + (CHROMIUM_ONLY if name == "chromium" else ())
    loader = unittest.TestLoader()
    suite = unittest.TestSuite(loader.loadTestsFromTestCase(c) for c in classes)
    display = engines.Display() if name == "webkit" else None
    try:
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout,
                                         resultclass=Timed).run(suite)
    finally:
        if name != "lighthouse":
            EngineUnderTest.stop()
        if display:
            display.stop()
    # A test whose subtests failed counts once.
    failed = len({getattr(test, "test_case", test).id()
                  for test, _ in result.failures + result.errors})
    failed += len(result.unexpectedSuccesses)
    return result.testsRun - failed - len(result.skipped), failed, result.skipped


def main():
    """Runs one engine and prints its counts last: scripts/web test runs the
    engines side by side, one process each, and adds them up."""
    signal.signal(signal.SIGTERM, ended_by_term)
    if len(sys.argv) != 3 or sys.argv[2] not in (*engines.ENGINES, "lighthouse", "orca"):
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        passed, failed, skipped = run(sys.argv[2])
    except KeyboardInterrupt:
        return 128 + signal.SIGTERM
    for test, reason in skipped:
        print(f"    skipped {test.id().split('.', 1)[1]}: {reason}")
    print(f"{sys.argv[2]}: passed {passed}, failed {failed}, skipped {len(skipped)} "
          f"({time.monotonic() - started:.0f} s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
