#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Cuts a system font down to the characters the game shows and a player
types, as WOFF2, under a family name of its own: a subset is a modified font,
and the fonts' licences keep their reserved names for the originals.
Usage: subset_font.py SOURCE.ttf OUTPUT.woff2 FAMILY STYLE"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# ASCII, Latin-1 (÷ × « » and the accented letters among them), dashes,
# quotes, bullet, ellipsis, euro and the minus sign.
CHARACTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), 0x2013, 0x2014, 0x2018, 0x2019,
              0x201A, 0x201C, 0x201D, 0x201E, 0x2022, 0x2026, 0x20AC, 0x2212]


def main(source, output, family, style):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.hinting = False  # browsers scale these outlines without it
    options.drop_tables += ["FFTM"]  # the font editor's timestamps
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # copyright, names, licence
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    names = font["name"]
    full = family if style == "Regular" else f"{family} {style}"
    for name_id, text in ((1, family), (2, style), (3, f"{full};subset"), (4, full),
                          (6, full.replace(" ", "-"))):
        names.removeNames(nameID=name_id)
        names.setName(text, name_id, 3, 1, 0x409)
    font.flavor = "woff2"
    font.save(output)


if __name__ == "__main__":
    main(*sys.argv[1:])
