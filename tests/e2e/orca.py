#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The screen reader Orca for the tests, and what it has said.
  orca.py run LOG         Orca, its debug log written line by line (its own
                          file is block buffered), braille off, and a loaded
                          page not read aloud, which moves the focus as it goes
  orca.py heard LOG FROM  its utterances from log line FROM on, joined by
                          " | ", an utterance's line breaks as " / ", without
                          key echo ("tab ", "alt izquierdo ")"""

import builtins
import re
import runpy
import sys

command, log = sys.argv[1:3]
if command == "heard":
    try:
        lines = open(log, encoding="utf-8", errors="replace").read().split("\n")
    except FileNotFoundError:
        lines = []
    spoken = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", "\n".join(lines[int(sys.argv[3]):]), re.S)
    print(" | ".join(re.sub(r"\n\s*", " / ", said) for said in spoken
                     if not re.fullmatch(r"\S+( \S+)? ", said)))
    sys.exit(0)

real_open = builtins.open
builtins.open = lambda file, mode="r", *args, **kwargs: (
    real_open(file, mode, buffering=1) if file == log and "w" in mode
    else real_open(file, mode, *args, **kwargs))
sys.path.insert(0, "/usr/lib/python3/dist-packages")
from orca import settings_manager  # noqa: E402

setting = settings_manager.SettingsManager.getSetting
settings_manager.SettingsManager.getSetting = lambda self, name: (
    False if name == "sayAllOnLoad" else setting(self, name))
sys.argv = ["orca", "--disable=braille", "--disable=braille-monitor", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
