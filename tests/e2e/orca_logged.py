#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the screen reader Orca with its debug log written line by line, so
that what it speaks can be read as it speaks it (its own file is block
buffered). Braille is off: there is no display for it.
Usage: orca_logged.py LOG"""

import builtins
import runpy
import sys

log = sys.argv[1]
real_open = builtins.open


def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return real_open(file, mode, buffering=1)
    return real_open(file, mode, *args, **kwargs)


builtins.open = line_buffered
sys.argv = ["orca", "--disable=braille", "--disable=braille-monitor", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
