#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca has spoken, from its debug log: one utterance a line, its line
breaks as " / ", from log line FROM on. Key echo ("tab ", "a ") is left out.
Usage: orca_heard.py LOG [FROM]"""

import re
import sys

try:
    text = open(sys.argv[1], encoding="utf-8", errors="replace").read().split("\n")
except FileNotFoundError:
    sys.exit(0)
start = int(sys.argv[2]) if len(sys.argv) > 2 else 0
# An utterance runs from "SPEECH OUTPUT: '" to the quote before its voice.
spoken = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", "\n".join(text[start:]), re.S)
for utterance in spoken:
    if not re.fullmatch(r"\S+( \S+)? ", utterance):
        # The log indents an utterance's later lines.
        print(re.sub(r"\n\s*", " / ", utterance))
