#!/usr/bin/env bash
# Plays a short Play & Solve game through the desktop's accessibility bus
# alone, as a screen reader or desktop automation does: finds "New" by its
# name and presses it, chooses "3 x 3 (Pure Novlet)", reads a cell of the grid
# by its name, presses "Hint" and reads the "Time" label. No mouse or key
# event reaches the program.
#   bash scripts/acceptance_a11y.sh [output folder]     (default build/acceptance/a11y)
# Set NOVLET_BUILD to use a build folder other than build/release.
#
# The bus under Xvfb: dbus-launch starts a private session bus; the
# accessibility bus (at-spi-bus-launcher, then at-spi2-registryd) is started
# by that bus on the first request for it. Qt joins the accessibility bus
# when the bus's org.a11y.Status says IsEnabled or ScreenReaderEnabled (a
# desktop sets them when the user turns assistive technology on), or always
# with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Each works under Xvfb. A fresh
# Debian session bus happens to report IsEnabled true already, which desktops
# configured otherwise do not; the script sets it as a desktop does, so the
# program is tested as users meet it and not by the machine's default.
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/acceptance/a11y}
build=${NOVLET_BUILD:-build/release}
script=acceptance_a11y.sh
source scripts/xvfb_session.sh

bus_pid=
stop_bus() {
  if [[ -n $bus_pid ]]; then kill "$bus_pid" 2>/dev/null || true; fi
}
# The session bus goes last, after the program and the X server: the
# accessibility daemons it started end with it.
trap 'cleanup; stop_bus' EXIT

mkdir -p "$out"
start_xvfb 1024x768
eval "$(DISPLAY=:$display dbus-launch --sh-syntax)"
bus_pid=$DBUS_SESSION_BUS_PID
export DBUS_SESSION_BUS_ADDRESS
# Starts the accessibility bus and turns it on, as a desktop does for a
# screen reader.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

start_program
find_main_window 2.5  # past the splash

DISPLAY=:$display timeout 120 /usr/bin/python3 - <<'PYTHON'
"""Plays through AT-SPI only; prints what it reads, fails on what it misses."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print(f"acceptance_a11y.sh: {message}", file=sys.stderr)
    sys.exit(1)


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "corvex-novlet":
            return app
    return None


def wait_for(what, find, seconds=15):
    """Asks again until find() answers: the program works while we ask."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            found = find()
        except Exception:  # an object went away while we looked
            found = None
        if found:
            return found
        time.sleep(0.3)
    fail(f"no {what}")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(role, name, match=lambda text, name: text == name):
    app = program()
    if app is None:
        return None
    for node in walk(app):
        if node.getRole() == role and match(node.name, name) and showing(node):
            return node
    return None


def act(node, name):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if name not in names:
        fail(f"{node.name!r} has no {name} action, only {names}")
    try:
        action.doAction(names.index(name))
    except Exception:
        pass  # the program may take longer to answer than the bus waits; what it does is checked next


def press(node):
    act(node, "Press")


def press_for_popup(node, seconds=10):
    """Presses and returns the popup menu that opens: Qt keeps popups out of
    the application's children and tells of them only by their events."""
    popups = []

    def showing_changed(event):
        if event.source.getRole() == pyatspi.ROLE_POPUP_MENU and event.detail1:
            popups.append(event.source)
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(showing_changed, "object:state-changed:showing")
    GLib.idle_add(lambda: press(node))
    GLib.timeout_add(seconds * 1000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(showing_changed, "object:state-changed:showing")
    return popups[0] if popups else None


def cells():
    table = find(pyatspi.ROLE_TABLE, "Novlet grid")
    return [table.getChildAtIndex(i).name for i in range(table.childCount)] if table else []


new = wait_for('"New" button', lambda: find(pyatspi.ROLE_PUSH_BUTTON, "New"))
print(f'found {new.name!r}: {new.getRoleName()}, "{new.description}"')
menu = press_for_popup(new)
if menu is None:
    fail('pressing "New" opened no menu')
pure = next((item for item in walk(menu) if item.getRole() == pyatspi.ROLE_MENU_ITEM
             and item.name == "3 x 3 (Pure Novlet)"), None)
if pure is None:
    fail('no "3 x 3 (Pure Novlet)" in the shape menu')
press(pure)

given = re.compile(r"^row \d, column \d: \d, given$")
board = wait_for("new 3 x 3 puzzle", lambda: (lambda names: names if len(names) == 81 and any(
    given.match(n) for n in names) else None)(cells()), 30)
first = wait_for("cell named row 1, column 1", lambda: find(
    pyatspi.ROLE_TABLE_CELL, "row 1, column 1: ", lambda text, name: text.startswith(name)))
print(f"read {first.name!r}")
if not re.match(r"^row 1, column 1: (\d(, given)?|empty)$", first.name):
    fail(f"cell name {first.name!r}")
empty_before = sum(name.endswith(": empty") for name in board)

press(wait_for('"Hint" button', lambda: find(pyatspi.ROLE_PUSH_BUTTON, "Hint")))
wait_for("hinted value in the grid", lambda: sum(name.endswith(": empty") for name in cells()) == empty_before - 1)
print(f"the hint filled a cell: {empty_before} empty cells before, {empty_before - 1} after")

# Explain is a named action of every cell; its sentence shows in a label.
time.sleep(2)  # the hint's flash, during which Explain waits
cell = find(pyatspi.ROLE_TABLE_CELL, "row 1, column 1: ", lambda text, name: text.startswith(name))
act(cell, "Explain")
explained = wait_for("the explanation", lambda: find(
    pyatspi.ROLE_LABEL, r"^[A-Z][a-z-]+( [a-z-]+)*: .*\.$", lambda text, pattern: re.match(pattern, text) is not None))
print(f"explained: {explained.name!r}")

time_label = wait_for('"Time" label', lambda: find(
    pyatspi.ROLE_LABEL, r"^Time \d\d:\d\d$", lambda text, pattern: re.match(pattern, text) is not None))
print(f"read {time_label.name!r}")
gauge = find(pyatspi.ROLE_PROGRESS_BAR, "Clock")
if gauge is None:
    fail("no clock gauge")
print(f"read {gauge.name!r} at {gauge.queryValue().currentValue}")
PYTHON

import -display ":$display" -window root "$out/a11y-after-hint.png"
echo "Played through the accessibility bus; screenshot in $out"
