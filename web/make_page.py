#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the game's page from its template: the README's section "Cómo se
juega" as HTML in place of @RULES@, and the game's version in place of
@VERSION@. The README is the one source of the rules the page tells.
Usage: make_page.py TEMPLATE README.md VERSION OUTPUT"""

import sys

import markdown

HEADING = "## Cómo se juega\n"


def rules(readme):
    start = readme.index(HEADING)
    end = readme.find("\n## ", start + len(HEADING))
    return markdown.markdown(readme[start:end if end >= 0 else None])


def main(template, readme, version, output):
    with open(template, encoding="utf-8") as page, open(readme, encoding="utf-8") as text:
        html = page.read().replace("@RULES@", rules(text.read())).replace("@VERSION@", version)
    with open(output, "w", encoding="utf-8") as out:
        out.write(html)


if __name__ == "__main__":
    main(*sys.argv[1:])
