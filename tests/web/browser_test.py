#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser game in headless Chromium, through real key presses: a whole
game on the known-puzzle page (250 from 2 3 5 7 10 100), then the site on a
phone's screen and offline. The rules are the logic tests'; here only the
wiring and a few verdicts.
Usage: browser_test.py BUILD_DIR (with site/ and site-fixed/ built)"""

import sys
import time
import unittest
from pathlib import Path

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from chromium import Site, browser

BUILD = Path(sys.argv.pop(1) if len(sys.argv) > 1 else "build-web")
RULE = "---------------------------"


def luminance(css):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (int(v) for v in css[css.index("(") + 1:-1].split(",")[:3])
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


class Page:
    """One open page of the game, driven by keys."""

    def __init__(self, driver, url):
        self.driver = driver
        driver.get(url)
        self.until(lambda: self.js("return Text1.value") != "")

    def js(self, script):
        return self.driver.execute_script(script)

    def until(self, condition, message="", timeout=10):
        WebDriverWait(self.driver, timeout).until(lambda _: condition(), message)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def spoken(self):
        """(role, name) of every node the browser's accessibility tree shows."""
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return {(n["role"]["value"], n.get("name", {}).get("value")) for n in nodes
                if not n["ignored"]}

    def focused(self):
        return self.js("return document.activeElement.id")

    def box(self, dialog):
        """Waits for the named dialog; its title and text."""
        self.until(lambda: self.js(f"return {dialog}.open && {dialog}.matches(':modal')"),
                   f"{dialog} did not open")
        return self.js(f"return [{dialog}Title.textContent, "
                       f"document.getElementById('{dialog}Text')?.textContent ?? '']")

    def closed(self, dialog):
        self.until(lambda: not self.js(f"return {dialog}.open"), f"{dialog} did not close")

    def answer(self, text):
        """Replaces the answer and submits it with Alt+H; the verdict's text."""
        self.js("Text3.focus()")
        self.chord(Keys.CONTROL, "a")
        self.keys(text)
        self.chord(Keys.ALT, "h")
        title, shown = self.box("message")
        assert title == "Quorel", title
        return shown


class WholeGame(unittest.TestCase):
    def setUp(self):
        self.site = Site(BUILD / "site-fixed")
        self.driver = browser()
        self.addCleanup(self.site.stop)
        self.addCleanup(self.driver.quit)
        self.page = Page(self.driver, self.site.url)

    def test_window_as_loaded(self):
        p = self.page
        self.assertEqual(p.js("return [document.title, document.documentElement.lang]"),
                         ["QUOREL", "es"])
        self.assertEqual(p.js("return Text2.value").split(), "2 3 5 7 10 100".split())
        self.assertEqual(p.focused(), "Text1")
        self.assertEqual(p.js("return Form1.getBoundingClientRect().toJSON()")["width"], 392)
        colours = p.js("const s = getComputedStyle(Text1); return [s.color, s.backgroundColor]")
        high, low = sorted(map(luminance, colours), reverse=True)
        self.assertGreaterEqual((high + 0.05) / (low + 0.05), 4.5, colours)
        # The clock: a timer region, read with its time; Text1 takes no typing.
        p.until(lambda: p.js("return Label1.textContent") != "")
        clock = p.js("return Label1.textContent")
        self.assertLessEqual({("textbox", "Objetivo"), ("textbox", "Números"),
                              ("textbox", "Respuesta"), ("button", "Hecho"), ("button", "Nuevo"),
                              ("timer", "Tiempo " + clock)}, p.spoken())
        p.keys("9")
        self.assertEqual(p.js("return Text1.value"), "250")
        # A page the browser froze gets every tick it missed as soon as it wakes.
        def seconds():
            minutes, secs = p.js("return Label1.textContent").split(":")
            return 60 * int(minutes) + int(secs)
        self.driver.execute_cdp_cmd("Page.setWebLifecycleState", {"state": "frozen"})
        frozen = seconds()
        time.sleep(3.5)
        self.driver.execute_cdp_cmd("Page.setWebLifecycleState", {"state": "active"})
        p.until(lambda: seconds() != frozen)
        self.assertGreaterEqual(seconds(), frozen + 3)
        # Tab goes round the window in the desktop's order.
        order = []
        for _ in range(5):
            p.keys(Keys.TAB)
            order.append(p.focused())
        self.assertEqual(order, ["Text2", "Text3", "Command1", "Command2", "Text1"])

    def test_verdicts_solve_and_best_times(self):
        p, d = self.page, self.driver
        # Left to right; the box's Ctrl+C copies it whole, in the desktop's format.
        self.assertEqual(p.answer("2+3x10"), "50")
        d.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.site.url[:-1], "permissions": ["clipboardReadWrite"]})
        p.chord(Keys.CONTROL, "c")
        copied = d.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0])")
        self.assertEqual(copied, f"{RULE}\nQuorel\n{RULE}\n50\n{RULE}\nAceptar\n{RULE}\n")
        self.assertIn(("dialog", "Quorel"), p.spoken())
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
        self.assertIn(("dialog", "Ha establecido un nuevo récord!"), p.spoken())
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


class Site_(unittest.TestCase):
    def setUp(self):
        self.site = Site(BUILD / "site")
        self.addCleanup(self.site.stop)

    def test_phone_shows_the_whole_window(self):
        driver = browser(phone=True)
        self.addCleanup(driver.quit)
        p = Page(driver, self.site.url)
        self.assertEqual(p.js("return innerWidth"), 360)
        self.assertLessEqual(p.js("return document.documentElement.scrollWidth"), 360)
        box = p.js("return Form1.getBoundingClientRect().toJSON()")
        self.assertAlmostEqual(box["right"], 360, delta=1)
        # The answer box is a real text field for the on-screen keyboard.
        self.assertEqual(p.js("return [Text3.type, Text3.readOnly]"), ["text", False])
        driver.find_element("id", "Text3").send_keys("7")
        driver.find_element("id", "Command1").click()
        p.box("message")
        self.assertLessEqual(p.js("return message.getBoundingClientRect().right"), 360)

    def test_plays_offline_from_nothing_but_its_own_origin(self):
        driver = browser()
        self.addCleanup(driver.quit)
        p = Page(driver, self.site.url)
        origins = p.js("return performance.getEntriesByType('resource').map(e => e.name)")
        self.assertTrue(all(url.startswith(self.site.url) for url in origins), origins)
        self.assertEqual(driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
                         ["installabilityErrors"], [])
        p.until(lambda: p.js("return navigator.serviceWorker.controller !== null"),
                "no service worker took the page")
        self.site.stop()
        self.site = Site(BUILD / "site")  # stop() again in cleanup is harmless
        driver.refresh()
        p.until(lambda: p.js("return Text1.value") != "")
        self.assertTrue(p.js("return document.fonts.check('bold 24px \"Quorel Sans\"')"))
        self.assertEqual(p.answer(""), "0")


if __name__ == "__main__":
    result = unittest.main(exit=False, verbosity=2).result
    failed = len(result.failures) + len(result.errors)
    print(f"browser tests: {result.testsRun - failed} passed, {failed} failed")
    sys.exit(1 if failed or not result.wasSuccessful() else 0)
