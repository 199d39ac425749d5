#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser game's budgets: the whole site's size gzipped (at most 300 KB),
# and the median time of 21 loads, from navigation to the target shown in its
# font, against a yardstick page with the same window in plain HTML and CSS
# (at most 1.5 times its time). Loads come from a local server into headless
# Chromium, with the HTTP cache and the service worker bypassed.
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

# The yardstick beside a copy of the site, so both share fonts and styles.
served=$(mktemp -d)
trap 'rm -rf "$served"' EXIT
cp -r "$build/site/." "$served/"
cp bench/web_yardstick.html "$served/yardstick.html"

PYTHONPATH=tests/web /usr/bin/python3 - "$served" <<'PY'
import statistics, sys
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
        if (target && target.value !== "" && target.checkVisibility() &&
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

try:
    load("")  # warms the server and the browser's own start-up
    # In turns, so that both pages meet the same load on a shared machine.
    times = [(load(""), load("yardstick.html")) for _ in range(21)]
    game = statistics.median(t[0] for t in times)
    yardstick = statistics.median(t[1] for t in times)
finally:
    driver.quit()
    site.stop()
print(f"median of 21 loads to the target shown: game {game:.1f} ms, "
      f"yardstick {yardstick:.1f} ms, ratio {game / yardstick:.2f} (budget 1.50)")
sys.exit(game > 1.5 * yardstick)
PY
exit "$over"
