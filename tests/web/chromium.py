# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Headless Chromium on this machine's closed network, and a static server
for it on a free loopback port: what the browser tests and the load
benchmark share."""

import functools
import gzip
import http.server
import os
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Site:
    """A static server for one folder on a free loopback port, never one this
    process used before: a browser kept between scenarios then meets a new
    origin each time (no storage, worker or cache of an earlier one), and a
    restarted site is not the stopped one's origin. HEADERS go with every
    answer; COMPRESSED sends text gzipped to a browser that asks for it, as
    real hosts do."""
    used = set()

    def __init__(self, folder, headers=(), compressed=False):
        served = type("Served", (Quiet,), {"extra": dict(headers), "compressed": compressed})
        handler = functools.partial(served, directory=str(folder))
        held = []
        while True:
            server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
            port = server.server_address[1]
            if port not in Site.used:
                break
            held.append(server)  # kept open so that the next bind gets another
        for old in held:
            old.server_close()
        Site.used.add(port)
        self.server = server
        self.url = f"http://127.0.0.1:{port}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class Quiet(http.server.SimpleHTTPRequestHandler):
    extra = {}
    compressed = False

    def log_message(self, *args):
        pass

    def end_headers(self):
        for name, value in self.extra.items():
            self.send_header(name, value)
        super().end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        if not (self.compressed and "gzip" in self.headers.get("Accept-Encoding", "")
                and path.endswith((".html", ".js", ".css", ".wasm", ".webmanifest", ".svg"))):
            return super().send_head()
        try:
            with open(path, "rb") as file:
                body = gzip.compress(file.read(), 6)
        except OSError:
            return super().send_head()
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
        return None


def browser(phone=False):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync"):
        options.add_argument(flag)
    profile = tempfile.mkdtemp(prefix="quorel-web-")
    options.add_argument("--user-data-dir=" + profile)
    if phone:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": 360, "height": 640, "pixelRatio": 2, "touch": True}})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    quit = driver.quit

    def quit_and_forget():
        quit()
        shutil.rmtree(profile, ignore_errors=True)
    driver.quit = quit_and_forget
    return driver
