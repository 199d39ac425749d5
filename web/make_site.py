#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the site that is served from the files one build put together:
each script, style sheet, module and face renamed after its contents
(quorel.wasm becomes quorel.3f9a1c2e.wasm), every mention of it in the other
files following, then the service worker, which lists the whole release.
No cache, the browser's, a host's or the worker's, can then pair a file of
one build with a file of another: a new file is a new name. The pages, the
manifest, the icons and sw.js keep their names, which players and the
browser know them by. Each page carries its style sheets within it, so that
its first paint waits for no request but its own, and the game's page its
start script, which then asks for what the window needs at once. Each script
is served minified, which a phone fetches in half the time, with its licence
line.
Usage: make_site.py STAGED_DIR SITE_DIR SW_TEMPLATE"""

import base64
import hashlib
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

NAMED_BY_CONTENT = {".js", ".wasm", ".css", ".woff2"}
TEXT = {".js", ".css", ".html", ".webmanifest"}


def mention(name):
    # A name as a whole: "quorel.js" is not inside "fonts/x-quorel.js".
    return re.compile(r"(?<![\w./-])" + re.escape(name) + r"(?![\w-])")


def content_name(name, data):
    path = Path(name)
    return str(path.with_name(f"{path.stem}.{hashlib.sha256(data).hexdigest()[:8]}{path.suffix}"))


# Debian's terser (scripts/install-deps), under Debian's node and its modules.
NODE, NODE_PATH = "/usr/bin/node", "/usr/share/nodejs"
TERSER = NODE_PATH + "/terser/bin/terser"


def make_site(staged, site, template):
    files = {str(p.relative_to(staged)): p.read_bytes()
             for p in sorted(staged.rglob("*")) if p.is_file()}
    files.pop("sw.js", None)
    for name in files:
        if Path(name).suffix == ".js":
            files[name] = minify(files[name])
    renamed = {name for name in files if Path(name).suffix in NAMED_BY_CONTENT}
    texts = {name for name in files if Path(name).suffix in TEXT}
    patterns = {name: mention(name) for name in renamed}
    uses = {name: {other for other in renamed - {name}
                   if patterns[other].search(files[name].decode())} for name in texts}
    unmentioned = renamed - set().union(*uses.values())
    if unmentioned:
        sys.exit(f"make_site.py: nothing in the site names {sorted(unmentioned)}; "
                 "its new name would reach no one")
    # Leaves first: a file is named after its contents once the names it
    # holds are final, so a new face also renames the style sheet.
    final = {}
    while len(final) < len(renamed):
        ready = [n for n in sorted(renamed - final.keys()) if uses.get(n, set()) <= final.keys()]
        if not ready:
            sys.exit("make_site.py: files that name each other: "
                     + " ".join(sorted(renamed - final.keys())))
        for name in ready:
            rewrite(files, name, uses, patterns, final)
            final[name] = content_name(name, files[name])
    for name in texts - renamed:
        rewrite(files, name, uses, patterns, final)
    for page in ("index.html", "solucion.html"):
        inline_styles(files, page, final)
    inline_script(files, "index.html", "start.js", final)
    # A sheet that every page now carries is served by none, nor the start
    # script.
    for name in [name for name in files if Path(name).suffix == ".css"] + ["start.js"]:
        del files[name]

    if site.exists():
        shutil.rmtree(site)
    listed = []
    for name, data in files.items():
        out = site / final.get(name, name)
        out.parent.mkdir(parents=True, exist_ok=True)
        out.write_bytes(data)
        listed.append(final.get(name, name))
    listed.sort()
    version = hashlib.sha256("".join(f"{hashlib.sha256(files[n]).hexdigest()} {final.get(n, n)}\n"
                                     for n in sorted(files)).encode()).hexdigest()[:16]
    worker = template.read_text().replace("@SITE_VERSION@", version).replace(
        "@SITE_FILES@", ", ".join(f'"{name}"' for name in ["./", *listed]))
    (site / "sw.js").write_text(worker)


def minify(script):
    """The script as terser writes it: its local names shortened, comments
    gone but the licence's."""
    env = dict(os.environ, NODE_PATH=NODE_PATH)
    return subprocess.run([NODE, TERSER, "--ecma", "2020", "--compress", "--mangle",
                           "--comments", "/SPDX-License-Identifier/"],
                          input=script, stdout=subprocess.PIPE, env=env, check=True).stdout


def inline_styles(files, page, final):
    """Writes each style sheet the page links, as served, into it in place of
    its link, and lets the page's policy allow those texts by their hashes."""
    text = files[page].decode()
    hashes = []
    for sheet in sorted(name for name in files if Path(name).suffix == ".css"):
        link = f'<link rel="stylesheet" href="{final[sheet]}">'
        if link in text:
            css = files[sheet].decode()
            hashes.append(policy_hash(css))
            text = text.replace(link, f"<style>{css}</style>", 1)
    policy = "default-src 'self';"
    if not hashes or policy not in text:
        sys.exit(f"make_site.py: {page} links no style sheet, or has no policy to allow it inline")
    files[page] = text.replace(policy, f"{policy} style-src {' '.join(hashes)};", 1).encode()


def inline_script(files, page, script, final):
    """Writes SCRIPT into PAGE in place of its deferred tag, where it runs as
    the head is read, and lets the page's policy allow it by its hash."""
    text = files[page].decode()
    tag = f'<script src="{final[script]}" defer></script>'
    code = files[script].decode()
    policy = "script-src 'self'"
    if tag not in text or policy not in text or "</script" in code:
        sys.exit(f"make_site.py: {page} cannot carry {script}")
    text = text.replace(tag, f"<script>{code}</script>", 1)
    files[page] = text.replace(policy, f"{policy} {policy_hash(code)}", 1).encode()


def policy_hash(text):
    """What a page's policy names an inline text by."""
    return f"'sha256-{base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()}'"


def rewrite(files, name, uses, patterns, final):
    """Gives the names that NAME holds their final form."""
    if uses.get(name):
        text = files[name].decode()
        for used in uses[name]:
            text = patterns[used].sub(final[used], text)
        files[name] = text.encode()


if __name__ == "__main__":
    make_site(Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3]))
