#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the game's page from its template, with the README's words: its
title in place of @HEADING@; the first paragraph of "Cómo se juega", the line
above the window that says what to do, in place of @LINE@; the rest of that
section as HTML in place of @RULES@; and the game's version in place of
@VERSION@. The README is the one source of what the page tells.
Usage: make_page.py TEMPLATE README.md VERSION OUTPUT"""

import html
import sys

import markdown

HEADING = "## Cómo se juega\n"


def words(readme):
    """The title, the line and the rules, as HTML."""
    title = readme[readme.index("\n# ") + 3:].split("\n", 1)[0]
    start = readme.index(HEADING) + len(HEADING)
    end = readme.find("\n## ", start)
    line, rules = readme[start:end if end >= 0 else None].strip().split("\n\n", 1)
    if line.startswith("- "):
        sys.exit("make_page.py: «Cómo se juega» does not open with the line for the page")
    return html.escape(title), markdown.markdown(line), markdown.markdown(HEADING + rules)


def main(template, readme, version, output):
    with open(template, encoding="utf-8") as page, open(readme, encoding="utf-8") as text:
        shown = page.read()
        title, line, rules = words(text.read())
    for name, value in (("HEADING", title), ("LINE", line), ("RULES", rules), ("VERSION", version)):
        shown = shown.replace(f"@{name}@", value)
    with open(output, "w", encoding="utf-8") as out:
        out.write(shown)


if __name__ == "__main__":
    main(*sys.argv[1:])
