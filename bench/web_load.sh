#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser game's budgets: the whole site's size gzipped (at most 300 KB);
# the time from navigation to the target shown in its font, against a
# yardstick: the same page, made from the built one, with the window already
# filled in and no script. On a slow phone (Chromium throttled: 150 ms round
# trip, 1.6 Mbit/s down, 750 kbit/s up, CPU 4x slower; the site served
# gzipped), the median of 9 loads, with each page's own LCP, at most 1.4
# times the yardstick's. Locally, unthrottled and uncompressed, the median of
# 21 loads, a guard at twice the yardstick's, and the solver page's, from a
# link with a puzzle to its first answer (at most twice the yardstick's).
# The HTTP cache and the service worker are bypassed. Then Lighthouse's
# performance audit of the game page on its simulated phone, served gzipped:
# score, FCP, LCP and TBT (figures, no budget).
# Usage: bench/web_load.sh [BUILD_DIR]   (default build-web; built first)
# Exits non-zero when a budget is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-web}
QUOREL_WEB_BUILD_DIR=$build bash scripts/web build >/dev/null

bytes=0
while IFS= read -r -d '' file; do
    bytes=$((bytes + $(gzip -9 -c "$file" | wc -c)))
done < <(find "$build/site" -type f -print0)
echo "site, gzipped file by file: $bytes bytes ($((bytes / 1024)) KB; budget 300 KB)"
over=$((bytes > 300 * 1024))

# The yardstick beside a copy of the site, so both share fonts and styles:
# the game's own page, rules and footer included, with the known puzzle
# written into the window, its faces preloaded, and no script, no module.
served=$(mktemp -d)
trap 'rm -rf "$served"' EXIT
cp -r "$build/site/." "$served/"
/usr/bin/python3 - "$served" <<'PY'
import re, sys
from pathlib import Path
site = Path(sys.argv[1])
page = (site / "index.html").read_text()
page = re.sub(r'<script[^>]*>.*?</script>\n?|<link rel="preload"[^>]*>\n?|'
              r'<meta http-equiv="Content-Security-Policy"[^>]*>\n?', "", page, flags=re.S)
fonts = sorted(p.name for p in (site / "fonts").glob("*.woff2"))
faces = "".join(f'<link rel="preload" href="fonts/{name}" as="font" type="font/woff2" '
                'crossorigin>\n' for name in fonts)
page = page.replace("<style>", faces + "<style>#Text1 { color: #767676; "
                    "background: #ffffff; }</style>\n<style>", 1)
page = page.replace('<main id="Form1" class="loading">', '<main id="Form1">')
for field, value in (("Text1", "250"), ("Text2", "2 3 5 7 10 100 ")):
    page = page.replace(f'<input id="{field}"', f'<input id="{field}" value="{value}"', 1)
(site / "yardstick.html").write_text(page)
PY

(PYTHONPATH=tests/web /usr/bin/python3 - "$served" <<'PY'
import statistics, sys
from selenium.webdriver.support.ui import WebDriverWait
from chromium import Site, browser

# Shown: the first frame in which the target has its text, in its own font,
# in a visible window. Both pages are measured by this same probe, which also
# keeps the page's own largest contentful paint.
PROBE = """
    new PerformanceObserver((list) => {
        window.quorelLcp = list.getEntries().at(-1).startTime;
    }).observe({ type: "largest-contentful-paint", buffered: true });
    (function probe() {
        const target = document.getElementById("Text1");
        const answer = document.getElementById("salida");
        if (location.pathname.endsWith("solucion.html")
            ? answer && answer.textContent !== "" && answer.checkVisibility() &&
              answer.getAttribute("aria-busy") !== "true"
            : target && target.value !== "" && target.checkVisibility() &&
              document.fonts.check('bold 24px "Quorel Sans"')) {
            window.quorelShown = performance.now();
        } else {
            requestAnimationFrame(probe);
        }
    })();"""
SOLVER = "solucion.html?objetivo=250&numeros=2+3+5+7+10+100"


def measure(site, rounds, phone):
    """Medians of ROUNDS loads of each page, in turns, so that all meet the
    same load on a shared machine: (shown, LCP) for the game, the
    yardstick and the solver page."""
    driver = browser()
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
        driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
        if phone:
            # A slow phone: 150 ms round trip, 1.6 Mbit/s down, 750 kbit/s up,
            # its processor four times slower.
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8,
                "uploadThroughput": 750e3 / 8})
            driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})

        def load(page):
            driver.get("about:blank")
            driver.get(site.url + page)
            WebDriverWait(driver, 60).until(
                lambda d: d.execute_script("return window.quorelShown !== undefined"))
            driver.execute_script("return new Promise((done) => requestAnimationFrame(() => "
                                  "setTimeout(done, 100)))")
            return driver.execute_script("return [window.quorelShown, window.quorelLcp ?? 0]")

        load("")  # warms the server and the browser's own start-up
        times = [(load(""), load("yardstick.html"), load(SOLVER)) for _ in range(rounds)]
    finally:
        driver.quit()
    return [[statistics.median(t[page][i] for t in times) for i in range(2)]
            for page in range(3)]


site = Site(sys.argv[1])
try:
    (game, _), (yardstick, _), (answer, _) = measure(site, 21, phone=False)
finally:
    site.stop()
print(f"local, median of 21 loads to the target shown: game {game:.1f} ms, "
      f"yardstick {yardstick:.1f} ms, ratio {game / yardstick:.2f} (guard 2.00)")
print(f"local, median of 21 loads of the solver page to its first answer: {answer:.1f} ms, "
      f"ratio {answer / yardstick:.2f} to the yardstick (budget 2.00)")
missed = game > 2 * yardstick or answer > 2 * yardstick

site = Site(sys.argv[1], compressed=True)
try:
    (game, game_lcp), (yardstick, yard_lcp), _ = measure(site, 9, phone=True)
finally:
    site.stop()
print(f"slow phone, gzipped, median of 9 loads to the target shown: game {game:.0f} ms "
      f"(LCP {game_lcp:.0f} ms), yardstick {yardstick:.0f} ms (LCP {yard_lcp:.0f} ms), "
      f"ratio {game / yardstick:.2f} (budget 1.40)")
missed = missed or game > 1.4 * yardstick
sys.exit(missed)
PY
) || over=1

# Lighthouse's performance audit: timing-dependent, so figures only.
bash scripts/web tools
PYTHONPATH=tests/web /usr/bin/python3 - "$build/site" <<'PY'
import sys
from chromium import Site
from lighthouse_test import audit

site = Site(sys.argv[1], compressed=True)
try:
    report = audit(site.url, ["performance"])
finally:
    site.stop()
audits = report["audits"]
print(f"lighthouse performance (simulated phone, gzipped): "
      f"score {report['categories']['performance']['score']:.2f}, "
      + ", ".join(f"{name} {audits[key]['numericValue'] / 1000:.2f} s" if name != "TBT" else
                  f"TBT {audits[key]['numericValue']:.0f} ms"
                  for name, key in (("FCP", "first-contentful-paint"),
                                    ("LCP", "largest-contentful-paint"),
                                    ("TBT", "total-blocking-time"))))
PY
exit "$over"
