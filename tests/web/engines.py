# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""One small driver per browser engine, with the few primitives the
scenarios use: Chromium and WebKitGTK through Selenium, Firefox through
puppeteer over WebDriver BiDi (firefox_bridge.mjs). What an engine cannot
do raises unittest.SkipTest with the reason."""

import json
import os
import select
import signal
import subprocess
import time
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.remote_connection import RemoteConnection

import chromium

HERE = Path(__file__).resolve().parent
LIMIT = 30  # seconds: the bound of every single request to a browser
RemoteConnection.set_timeout(LIMIT)  # also a driver's start, which may hang


class BrowserEngine:
    """What an engine without Chromium's debugging protocol does: reads the
    clipboard by pasting it, and cannot say why a page is not installable."""

    def clipboard(self, origin):
        """The clipboard's text, pasted with Ctrl+V into a field put in the
        open box (the page around it is inert); the focus goes back."""
        self.js("const f = document.createElement('textarea'); f.id = 'pasted';"
                "window.quorelFocus = document.activeElement;"
                "document.querySelector('dialog[open]').append(f); f.focus()")
        self.chord(Keys.CONTROL, "v")
        return self.js("const f = pasted, text = f.value; f.remove();"
                       "quorelFocus.focus(); return text")

    def installability_errors(self):
        raise unittest.SkipTest("only Chromium reports why a page is not installable")


class Selenium(BrowserEngine):
    """What Chromium and WebKitGTK share: Selenium's own primitives."""

    def open(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def js(self, script):
        return self.driver.execute_script(script)

    def js_promise(self, expression):
        return self.driver.execute_async_script(
            f"Promise.resolve({expression}).then(arguments[0])")

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def click(self, element_id):
        self.driver.find_element("id", element_id).click()

    def type_into(self, element_id, text):
        self.driver.find_element("id", element_id).send_keys(text)

    def tabs(self):
        return len(self.driver.window_handles)

    def close_others(self):
        """Closes the tabs the page opened; the driver stays on its own."""
        here = self.driver.current_window_handle
        for handle in set(self.driver.window_handles) - {here}:
            self.driver.switch_to.window(handle)
            self.driver.close()
        self.driver.switch_to.window(here)

    # One browser serves the whole run (starting one is most of a short
    # scenario's time); each scenario's site has an origin of its own.
    browsers = {}  # key: (driver, its window's size as started)

    @classmethod
    def kept(cls, key, start):
        if key not in cls.browsers:
            driver = start()
            cls.browsers[key] = (driver, driver.get_window_rect())
        return cls.browsers[key]

    def quit(self):
        """Leaves the browser clean for the next scenario; one that cannot
        be is ended, and the next scenario starts another."""
        try:
            self.clean()
        except Exception:
            self.browsers.pop(self.key, None)
            self.driver.quit()
            raise

    @classmethod
    def stop(cls):
        for driver, _ in cls.browsers.values():
            try:
                driver.quit()
            except Exception:
                pass
        cls.browsers.clear()


class Chromium(Selenium):
    """Headless Chromium: a browser kept for the run (a phone's apart, as
    it is emulated from the start), a new tab for each scenario, and what
    the scenario's origins stored wiped when it ends."""
    browsers = {}

    def __init__(self, width=None, height=None, phone=False):
        self.key = phone
        self.driver, started = self.kept(phone, lambda: chromium.browser(phone=phone))
        self.origins = set()
        if not phone:
            size = (width or started["width"], height or started["height"])
            if tuple(self.driver.get_window_size().values()) != size:
                self.driver.set_window_size(*size)

    def open(self, url):
        self.origins.add("/".join(url.split("/")[:3]))
        super().open(url)

    def clean(self):
        self.close_others()
        for origin in self.origins:
            self.driver.execute_cdp_cmd("Storage.clearDataForOrigin",
                                        {"origin": origin, "storageTypes": "all"})
        used = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        fresh = self.driver.current_window_handle
        self.driver.switch_to.window(used)
        self.driver.close()
        self.driver.switch_to.window(fresh)
        # The new tab takes the focus a first one has, which the closed
        # one kept.
        self.driver.execute_cdp_cmd("Page.bringToFront", {})

    def spoken(self, pairs):
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        tree = {(n["role"]["value"], n.get("name", {}).get("value")) for n in nodes
                if not n["ignored"]}
        return set(pairs) - tree

    def freeze(self, frozen):
        self.driver.execute_cdp_cmd("Page.setWebLifecycleState",
                                    {"state": "frozen" if frozen else "active"})

    def clipboard(self, origin):
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": origin, "permissions": ["clipboardReadWrite"]})
        return self.js_promise("navigator.clipboard.readText()")

    def installability_errors(self):
        return self.driver.execute_cdp_cmd("Page.getInstallabilityErrors",
                                           {})["installabilityErrors"]

    def scheme(self, scheme):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": scheme}]})

    def tap(self, selector):
        """A finger's tap on the middle of the element, as a touch screen
        sends it."""
        x, y = self.js(f"const r = document.querySelector({selector!r}).getBoundingClientRect();"
                       "return [r.x + r.width / 2, r.y + r.height / 2]")
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def shot(self, region):
        """A region of the page, in CSS pixels from its top left, as base64 PNG."""
        return self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "clip": {**region, "scale": 1}, "captureBeyondViewport": True})["data"]


class WebKit(Selenium):
    """WebKitGTK's MiniBrowser, driven by WebKitWebDriver, on the X display
    the runner started."""
    minimum_width = 447  # MiniBrowser's window is no narrower

    browsers = {}

    def __init__(self, width=None, height=None, phone=False):
        if phone:
            raise unittest.SkipTest("WebKitGTK cannot emulate a phone's 360-px screen "
                                    f"(its window is at least {self.minimum_width} px wide)")
        self.key = None
        self.driver, started = self.kept(None, self.start)
        if width:
            # The window's size is the viewport's plus MiniBrowser's own bars.
            self.driver.set_window_rect(width=width, height=height)
            extra = self.js("return [outerWidth - innerWidth, outerHeight - innerHeight]")
            self.driver.set_window_rect(width=width + extra[0], height=height + extra[1])
        elif self.driver.get_window_rect() != started:
            self.driver.set_window_rect(**started)

    @staticmethod
    def start():
        options = webdriver.WebKitGTKOptions()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                     options=options)
        driver.set_script_timeout(LIMIT)
        return driver

    def clean(self):
        """The page left for a blank one: its boxes, timers and workers end.
        What it stored stays with its origin, which no later site has."""
        self.close_others()
        self.driver.get("about:blank")

    def spoken(self, pairs):
        """WebKitWebDriver tells an element's computed role and name; the
        pairs are looked for among the shown elements that have an id (a
        hidden one has no role to tell, and WebKitWebDriver fails on it)."""
        shown = set()
        for element in self.js("return [...document.querySelectorAll('[id]')]"
                               ".filter((e) => e.checkVisibility())"):
            shown.add((element.aria_role, element.accessible_name))
        return set(pairs) - shown

    def freeze(self, frozen):
        raise unittest.SkipTest("WebKitWebDriver has no way to freeze a page")


KEY_NAMES = {Keys.TAB: "Tab", Keys.ENTER: "Enter", Keys.RETURN: "Enter",
             Keys.ESCAPE: "Escape", Keys.SPACE: " ", Keys.BACK_SPACE: "Backspace",
             Keys.SHIFT: "Shift", Keys.CONTROL: "Control", Keys.ALT: "Alt"}


class Bridge:
    """firefox_bridge.mjs in its own process group; every answer is waited
    for at most LIMIT seconds. Its Firefox leads a group of its own, which
    puppeteer ends as the bridge ends, or at once on an interrupt."""

    def __init__(self):
        self.process = subprocess.Popen(
            ["node", str(HERE / "firefox_bridge.mjs")], cwd=HERE, text=True,
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, start_new_session=True)
        self.answer()

    def answer(self):
        ready, _, _ = select.select([self.process.stdout], [], [], LIMIT)
        if not ready:
            raise TimeoutError(f"Firefox's bridge gave no answer in {LIMIT} s")
        line = self.process.stdout.readline()
        if not line:
            raise RuntimeError("Firefox's bridge ended")
        reply = json.loads(line)
        if not reply["ok"]:
            raise RuntimeError(reply["error"])
        return reply["value"]

    def __call__(self, op, **args):
        self.process.stdin.write(json.dumps({"op": op, **args}) + "\n")
        self.process.stdin.flush()
        return self.answer()

    def stop(self):
        try:
            self.process.stdin.close()
            self.process.wait(timeout=3)
        except (OSError, subprocess.TimeoutExpired):
            self.process.send_signal(signal.SIGINT)
            try:
                self.process.wait(timeout=3)
            except subprocess.TimeoutExpired:
                pass
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()


class Firefox(BrowserEngine):
    """Debian's Firefox ESR: one browser for the whole run (it starts
    slowly), a fresh private context for each scenario."""
    bridge = None

    def __init__(self, width=None, height=None, phone=False):
        if Firefox.bridge is None:
            Firefox.bridge = Bridge()
        self.call = Firefox.bridge
        self.call("newPage", width=360 if phone else width or 1280,
                  height=640 if phone else height or 800, phone=phone)

    @classmethod
    def stop(cls):
        if cls.bridge:
            cls.bridge.stop()
            cls.bridge = None

    def open(self, url):
        self.call("goto", url=url)

    def reload(self):
        self.call("reload")

    def js(self, script):
        return self.call("run", body=script)

    def js_promise(self, expression):
        return self.call("run", body=f"return await ({expression})")

    def keys(self, *keys):
        steps = []
        for key in keys:
            if key in KEY_NAMES:
                steps.append(["press", KEY_NAMES[key]])
            else:
                steps.append(["type", key])
        self.call("keys", keys=steps)

    def chord(self, modifier, key):
        self.call("chord", modifier=KEY_NAMES[modifier], key=KEY_NAMES.get(key, key))

    def click(self, element_id):
        self.call("click", id=element_id)

    def type_into(self, element_id, text):
        self.call("type", id=element_id, text=text)

    def tabs(self):
        return self.call("tabs")

    def spoken(self, pairs):
        return {(role, name) for role, name in pairs
                if self.call("spoken", role=role, name=name) == 0}

    def freeze(self, frozen):
        raise unittest.SkipTest("WebDriver BiDi has no way to freeze a page")

    def quit(self):
        pass  # the browser stays for the next scenario; its context goes then


ENGINES = {"chromium": Chromium, "webkit": WebKit, "firefox": Firefox}


class Display:
    """An Xvfb display of our own for WebKitGTK, which has no headless mode."""

    def __init__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
            pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        end = time.monotonic() + LIMIT
        while not number.endswith(b"\n") and time.monotonic() < end:
            ready, _, _ = select.select([read], [], [], max(0, end - time.monotonic()))
            chunk = os.read(read, 16) if ready else b""
            if not chunk:
                break
            number += chunk
        os.close(read)
        number = number.decode().strip()
        if not number:
            self.stop()
            raise TimeoutError("Xvfb did not start")
        os.environ["DISPLAY"] = ":" + number
        if self.process.poll() is not None:
            raise RuntimeError("Xvfb ended as it started")

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
