# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lighthouse's audits that give the same answer on every run
(accessibility, best practices, SEO), on its default mobile preset in
Debian's Chromium: each scores 1.00 on every page of the site. And the
pages' markup, by html-validate's recommended rules: no problem at all."""

import json
import os
import signal
import subprocess
import unittest
from pathlib import Path

from chromium import Site

HERE = Path(__file__).resolve().parent
CATEGORIES = ("accessibility", "best-practices", "seo")


def audit(url, categories, limit=150):
    """Lighthouse's report on one page, as a dictionary. Its Chromium leads
    a process group of its own, which Lighthouse ends on an interrupt: it is
    sent one before its own group is killed, whatever happens."""
    command = ["node", str(HERE / "node_modules/lighthouse/cli/index.js"), url,
               "--output=json", "--output-path=stdout", "--quiet",
               "--only-categories=" + ",".join(categories),
               "--chrome-flags=--headless=new --no-sandbox --disable-gpu"]
    env = dict(os.environ, CHROME_PATH="/usr/bin/chromium")
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, text=True,
                               start_new_session=True)
    try:
        out, _ = process.communicate(timeout=limit)
    finally:
        end(process)
    if process.returncode != 0:
        raise RuntimeError(f"lighthouse exited with {process.returncode}")
    return json.loads(out)


def end(process):
    if process.poll() is None:
        process.send_signal(signal.SIGINT)
        try:
            process.wait(timeout=3)
        except subprocess.TimeoutExpired:
            pass
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


def lost_points(report, category):
    """The audits of a category that lost it points, with their titles."""
    audits = report["audits"]
    return [f"{ref['id']}: {audits[ref['id']]['title']}"
            for ref in report["categories"][category]["auditRefs"]
            if ref["weight"] > 0 and audits[ref["id"]]["score"] is not None
            and audits[ref["id"]]["score"] < 1]


class Lighthouse(unittest.TestCase):
    folder = None

    @classmethod
    def on(cls, folder):
        return type("Lighthouse", (cls,), {"folder": folder})

    def check(self, page):
        site = Site(self.folder)
        try:
            report = audit(site.url + page, CATEGORIES)
        finally:
            site.stop()
        for category in CATEGORIES:
            with self.subTest(category=category):
                score = report["categories"][category]["score"]
                self.assertEqual(score, 1, f"{category} {score}: "
                                 + "; ".join(lost_points(report, category)))

    def test_game_page(self):
        self.check("index.html")

    def test_solver_page(self):
        self.check("solucion.html")

    def test_markup(self):
        pages = [str(Path(self.folder) / page) for page in ("index.html", "solucion.html")]
        checked = subprocess.run(
            ["node", str(HERE / "node_modules/html-validate/bin/html-validate.mjs"),
             "--preset", "recommended", *pages], capture_output=True, text=True, timeout=60)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
