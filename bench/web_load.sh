#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser game's budgets: the whole site's size gzipped (at most 300 KB),
# and the median time of 21 loads, from navigation to the target shown in its
# font, against a yardstick: the same page, made from the built one, with
# the window already filled in and no script (at most 1.5 times its time), and the solver page's, from a link with a
# puzzle to its first answer shown (at most twice the yardstick's). Loads come
# from a local server into headless Chromium, with the HTTP cache and the
# service worker bypassed. Then Lighthouse's performance audit of the game
# page on its simulated phone: score, FCP, LCP and TBT (figures, no budget).
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
page = re.sub(r'<script[^>]*></script>\n?|<meta http-equiv="Content-Security-Policy"[^>]*>\n?', "", page)
faces = "".join(f'<link rel="preload" href="fonts/{name}.woff2" as="font" type="font/woff2" '
                'crossorigin>\n' for name in ("quorel-sans-bold", "quorel-sans", "quorel-serif"))
page = page.replace('<link rel="stylesheet"', faces + "<style>#Text1 { color: #767676; "
                    'background: #ffffff; }</style>\n<link rel="stylesheet"', 1)
page = page.replace('<main id="Form1" class="loading">', '<main id="Form1">')
for field, value in (("Text1", "250"), ("Text2", "2 3 5 7 10 100 ")):
    page = page.replace(f'<input id="{field}"', f'<input id="{field}" value="{value}"', 1)
(site / "yardstick.html").write_text(page)
PY

(PYTHONPATH=tests/web /usr/bin/python3 - "$served" <<'PY'
import statistics, sys
from pathlib import Path
from selenium.webdriver.support.ui import WebDriverWait
from chromium import Site, browser

site = Site(sys.argv[1])
base = site.url
driver = browser()
# Shown: the first frame in which the target has its text, in its own font,
# in a visible window. Both pages are measured by this same probe.
driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
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
    })();"""})
driver.execute_cdp_cmd("Network.enable", {})
driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})

def load(page):
    driver.get("about:blank")
    driver.get(base + page)
    WebDriverWait(driver, 20).until(
        lambda d: d.execute_script("return window.quorelShown !== undefined"))
    return driver.execute_script("return window.quorelShown")

solver = "solucion.html?objetivo=250&numeros=2+3+5+7+10+100"
has_solver = Path(sys.argv[1], "solucion.html").exists()
try:
    load("")  # warms the server and the browser's own start-up
    # In turns, so that all pages meet the same load on a shared machine.
    times = [(load(""), load("yardstick.html"), load(solver) if has_solver else 0)
             for _ in range(21)]
    game, yardstick, answer = (statistics.median(t[i] for t in times) for i in range(3))
finally:
    driver.quit()
    site.stop()
print(f"median of 21 loads to the target shown: game {game:.1f} ms, "
      f"yardstick {yardstick:.1f} ms, ratio {game / yardstick:.2f} (budget 1.50)")
missed = game > 1.5 * yardstick
if has_solver:
    print(f"median of 21 loads of the solver page to its first answer: {answer:.1f} ms, "
          f"ratio {answer / yardstick:.2f} to the yardstick (budget 2.00)")
    missed = missed or answer > 2 * yardstick
else:
    print("no solver page in this site")
sys.exit(missed)
PY
) || over=1

# Lighthouse's performance audit: timing-dependent, so figures only.
bash scripts/web tools
PYTHONPATH=tests/web /usr/bin/python3 - "$build/site" <<'PY'
import sys
from chromium import Site
from lighthouse_test import audit

site = Site(sys.argv[1])
try:
    report = audit(site.url, ["performance"])
finally:
    site.stop()
audits = report["audits"]
print(f"lighthouse performance (simulated phone): "
      f"score {report['categories']['performance']['score']:.2f}, "
      + ", ".join(f"{name} {audits[key]['numericValue'] / 1000:.2f} s" if name != "TBT" else
                  f"TBT {audits[key]['numericValue']:.0f} ms"
                  for name, key in (("FCP", "first-contentful-paint"),
                                    ("LCP", "largest-contentful-paint"),
                                    ("TBT", "total-blocking-time"))))
PY
exit "$over"
