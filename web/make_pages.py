#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the site's pages from the one template they share (page.html):
each page's own head lines in place of @HEAD@ and its body in place of
@BODY@, then the README's words: its title in place of @HEADING@; the first
paragraph of "Cómo se juega", the line above the window that says what to
do, in place of @LINE@; the rest of that section as HTML in place of
@RULES@; and the game's version in place of @VERSION@. The README is the one
source of what the pages tell.
Usage: make_pages.py TEMPLATE README.md VERSION OUTPUT_DIR PAGE..."""

import html
import sys
from pathlib import Path

import markdown

HEADING = "## Cómo se juega\n"


def words(readme):
    """The title, the line and the rules, as HTML."""
    title = readme[readme.index("\n# ") + 3:].split("\n", 1)[0]
    start = readme.index(HEADING) + len(HEADING)
    end = readme.find("\n## ", start)
    line, rules = readme[start:end if end >= 0 else None].strip().split("\n\n", 1)
    if line.startswith("- "):
        sys.exit("make_pages.py: «Cómo se juega» does not open with the line for the page")
    return html.escape(title), markdown.markdown(line), markdown.markdown(HEADING + rules)


def between(text, start, end):
    return text[text.index(start) + len(start):text.index(end)].strip("\n")


def main(template, readme, version, output, *pages):
    shell = Path(template).read_text(encoding="utf-8")
    title, line, rules = words(Path(readme).read_text(encoding="utf-8"))
    for page in map(Path, pages):
        own = page.read_text(encoding="utf-8")
        shown = shell.replace("@HEAD@", between(own, "<head>\n", "</head>")).replace(
            "@BODY@", between(own, "<body>\n", "</body>"))
        for name, value in (("HEADING", title), ("LINE", line), ("RULES", rules),
                            ("VERSION", version)):
            shown = shown.replace(f"@{name}@", value)
        (Path(output) / page.name).write_text(shown, encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
