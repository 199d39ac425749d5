#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader reads from the game, over AT-SPI, the way one reads
it: the window's tree of roles and names, the clock's time as it changes,
and the verdict box, the name prompt and the listing as a game goes on.
Buttons are pressed and answers typed through the same interfaces a screen
reader offers its user. The game is the fixed-puzzle build (250 from
2 3 5 7 10 100), already running on the accessibility bus.
With --first-box-only, it stops at the open verdict box: on a compositor
without a seat, Qt 6.4's Wayland input context dereferences the missing
keyboard as soon as a focused editable box draws its cursor, which the
answer box does when the box closes."""

import re
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 60  # seconds; generous for a loaded machine


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find):
    """Asks until find() answers; a tree that changes while it is read (a
    box closing) raises GError, and is asked again."""
    deadline = time.monotonic() + TIMEOUT
    error = None
    while time.monotonic() < deadline:
        try:
            found = find()
        except GLib.GError as e:
            found, error = None, e
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what + (f" (last error: {error})" if error else ""))


def children(node):
    """The children still there: a box being destroyed loses them between
    the count and the fetch, as None or as an unknown object path."""
    try:
        count = node.childCount
    except GLib.GError:
        return []
    found = []
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except GLib.GError:
            continue
        if child is not None:
            found.append(child)
    return found


def role_and_name(node):
    """(role, name), or (None, None) for an object that has vanished."""
    try:
        return node.getRoleName(), node.name
    except GLib.GError:
        return None, None


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def dump(node, depth=0):
    text = text_of(node)
    shown = f" text={text!r}" if text else ""
    print(f"{'  ' * depth}[{node.getRoleName()}] {node.name!r}{shown}")
    for child in children(node):
        dump(child, depth + 1)


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in children(desktop) if role_and_name(app)[1] == "Quorel"), None)


def window(application, role, name):
    return next((w for w in children(application) if role_and_name(w) == (role, name)), None)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"{node.name!r} cannot be pressed: {names}")
    action.doAction(names.index("Press"))


def button(dialog, name):
    found = [n for n in descendants(dialog) if n.getRoleName() == "push button" and n.name == name]
    if not found:
        fail(f"no button {name!r}")
    return found[0]


def clock_names_heard(clock, count):
    """The clock's names announced to a screen reader, as the events come."""
    heard = []

    def on_name(event):
        if event.source == clock:
            heard.append(event.source.name)
            if len(heard) >= count:
                pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    timer = GLib.timeout_add_seconds(TIMEOUT, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
    if len(heard) >= count:
        GLib.source_remove(timer)  # otherwise it has fired, and is gone
    return heard


def alert_text(alert):
    return "\n".join(n.name for n in children(alert) if n.getRoleName() == "label" and n.name)


def close(dialog, application, role, name):
    press(button(dialog, "Aceptar"))
    wait_for(f"{role} {name!r} to close", lambda: window(application, role, name) is None)


application = wait_for("application Quorel on the accessibility bus", game)
frame = wait_for("frame 'QUOREL'", lambda: window(application, "frame", "QUOREL"))
clock = children(frame)[-1]
wait_for("tick", lambda: re.fullmatch(r"Tiempo \d+:\d+", clock.name))
print("== the window")
dump(application)

controls = [(c.getRoleName(), c.name) for c in children(frame)]
expected = [("text", "Objetivo"), ("text", "Números"), ("text", "Respuesta"),
            ("push button", "Hecho"), ("push button", "Nuevo"), ("label", clock.name)]
if controls != expected:
    fail(f"controls {controls}")
target, numbers, answer, hecho = children(frame)[:4]
if text_of(target) != "250" or text_of(numbers) != "2 3 5 7 10 100 ":
    fail(f"target {text_of(target)!r}, numbers {text_of(numbers)!r}")

heard = clock_names_heard(clock, 2)
print("== the clock, as announced:", heard)
if len(heard) < 2 or not all(re.fullmatch(r"Tiempo 0:\d+", name) for name in heard) or heard[0] == heard[1]:
    fail(f"the clock's time was not heard: {heard}")

# A miss: the verdict box, and the clock going on behind it.
answer.queryEditableText().setTextContents("2+3x10")
press(hecho)
verdict = wait_for("verdict box", lambda: window(application, "alert", "Quorel"))
print("== the verdict box")
dump(verdict)
if alert_text(verdict) != "50":
    fail(f"verdict {alert_text(verdict)!r}")
behind = clock_names_heard(clock, 1)
print("== the clock behind the open box:", behind)
if not behind:
    fail("no tick behind the verdict box")
if "--first-box-only" in sys.argv[1:]:
    print("accessibility tree, up to the first box: all checks passed")
    sys.exit(0)
close(verdict, application, "alert", "Quorel")

# The solve: verdict, name prompt, listing.
answer.queryEditableText().setTextContents("(100x2)+(5x10)")
press(hecho)
verdict = wait_for("verdict box", lambda: window(application, "alert", "Quorel"))
if not re.fullmatch(r"250\ntiempo = 0 minutos y \d+ segundos\.", alert_text(verdict)):
    fail(f"verdict {alert_text(verdict)!r}")
close(verdict, application, "alert", "Quorel")

title = "Ha establecido un nuevo récord!"
prompt = wait_for("name prompt", lambda: window(application, "dialog", title))
print("== the name prompt")
dump(prompt)
labels = [n.name for n in descendants(prompt) if n.getRoleName() == "label"]
fields = [n for n in descendants(prompt) if n.getRoleName() == "text"]
buttons = sorted(n.name for n in descendants(prompt) if n.getRoleName() == "push button")
if "Introduzca su nombre" not in labels or len(fields) != 1 or buttons != ["Aceptar", "Cancelar"]:
    fail(f"prompt: labels {labels}, {len(fields)} fields, buttons {buttons}")
fields[0].queryEditableText().setTextContents("Ana")
close(prompt, application, "dialog", title)

listing = wait_for("listing", lambda: window(application, "alert", "Quorel"))
print("== the listing")
dump(listing)
if not re.fullmatch(r"Ana: 0 minutos y \d+ segundos: 250 = \(100x2\)\+\(5x10\)\n?", alert_text(listing)):
    fail(f"listing {alert_text(listing)!r}")
close(listing, application, "alert", "Quorel")
print("accessibility tree: all checks passed")
