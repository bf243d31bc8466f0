#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window of the real program as a screen reader finds it.

The program runs on a private X server (Xvfb) and a private session bus, with
the toolkit's accessibility always on, and is read through AT-SPI as Orca
reads it. Its windows are opened through the menu's buttons, pressed as a
screen reader presses them; every control and window shown has a name. The
clock's name follows its text and its description its tooltip, the
countdown's name its state; Quit ends the program with status 0.

    at_spi_walk.py RUN_DIR      (the system's language from LANG)

A missing tool is named and the test skipped (status 77); with CI set it fails.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time


def missing(tool):
    print(f"SKIP: {tool} is missing (see the test packages in zelvane.sh)", file=sys.stderr)
    sys.exit(1 if os.environ.get("CI") else 77)


try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    missing("python3-pyatspi")
for tool in ("Xvfb", "xdotool", "dbus-run-session", "/usr/libexec/at-spi-bus-launcher"):
    if not shutil.which(tool):
        missing(tool)
if not os.environ.get("ZELVANE_PRIVATE_BUS"):  # once, on a bus of its own
    os.environ["ZELVANE_PRIVATE_BUS"] = "1"
    # The accessibility bus opens its socket in the runtime folder: a folder of
    # its own keeps it apart from another run's.
    os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

PATIENCE_S = 120  # for anything to happen, however busy the machine
CONTROLS = {"push button", "toggle button", "radio button", "check box", "combo box",
            "spin button", "slider", "text", "entry", "table", "label", "list", "page tab"}
faults = []
named = set()  # the controls and windows found with a name
events = []  # (source, property) of each change told


def wait_for(what, condition):
    """The condition's value once it holds, the bus's messages read meanwhile."""
    deadline = time.monotonic() + PATIENCE_S
    while time.monotonic() < deadline:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    sys.exit(f"FAIL: {what} did not happen; found so far: {faults}")


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def children(accessible, role=None):
    return [c for c in accessible if c is not None and (role is None or c.getRoleName() == role)]


def descendants(accessible, role):
    found = []
    for child in children(accessible):
        found += ([child] if child.getRoleName() == role else []) + descendants(child, role)
    return found


def walk(accessible, path):
    """Every control shown below a window, and the window, has a name."""
    if not showing(accessible):
        return
    role = accessible.getRoleName()
    path = f"{path} > {role} {accessible.name!r}"
    if role in CONTROLS or path.count(">") == 1:
        if accessible.name.strip():
            named.add(accessible)
        else:
            faults.append(path)
    for child in children(accessible):
        walk(child, path)


def walk_all(moment):
    for window in children(app):
        walk(window, moment)


def click(accessible, button=1, across=0.5):
    """A click that far across the window, in the middle of its height."""
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + int(width * across)), str(y + height // 2),
                    "click", str(button)], env=env, check=True)


def press(button, source=None, change=None):
    """Presses as a screen reader does (the click comes a moment later); with a
    source, waits for the change the press tells of."""
    since = len(events)
    button.queryAction().doAction(0)
    if source:
        wait_for(f"{change} told", lambda: (source, change) in events[since:])


def opened_by(action):
    """The window that shows after the action and did not before it."""
    before = [w for w in children(app) if showing(w)]
    action()
    return wait_for("a window opening", lambda: next(
        (w for w in children(app) if showing(w) and w not in before), None))


def menu_row(row):
    """Opens the menu (nine rows) with a right click; the press of a row, to come.
    The clock is clicked at its right end, where no window opens over it."""
    click(clock, 3, 0.85)
    menu = wait_for("the menu", lambda: next(
        (w for w in children(app) if showing(w) and len(children(w, "push button")) == 9), None))
    return lambda: press(children(menu, "push button")[row])


xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                         "-noreset", "-nolisten", "tcp"], stdout=subprocess.PIPE)
scratch = os.environ["XDG_RUNTIME_DIR"]
env = dict(os.environ, DISPLAY=":" + xvfb.stdout.readline().decode().strip(),
           QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
           XDG_CONFIG_HOME=scratch)
pyatspi.setTimeout(PATIENCE_S * 1000, PATIENCE_S * 1000)  # a busy program answers late
desktop = pyatspi.Registry.getDesktop(0)
desktop.childCount  # the accessibility bus and its registry are up before the program
pyatspi.Registry.registerEventListener(
    lambda e: events.append((e.source, e.type.split(":")[-1])),
    "object:property-change:accessible-name", "object:property-change:accessible-description",
    "object:state-changed:enabled", "object:state-changed:checked")
program = subprocess.Popen([os.path.join(sys.argv[1], "zelvane")], cwd=sys.argv[1], env=env)
try:
    app = wait_for("the program on the bus", lambda: next(
        (a for a in children(desktop) if a.name == "zelvane"), None))
    clock = wait_for("the clock", lambda: next((w for w in children(app) if showing(w)), None))

    # The date display's tooltip is the month's traditional name, which the
    # next display shows as its text, with the English name as its tooltip.
    month = clock.description
    click(clock)
    wait_for("the clock's new name told", lambda: (clock, "accessible-name") in events)
    wait_for("its new description told", lambda: (clock, "accessible-description") in events)
    if clock.name != month or clock.description in ("", month):
        faults.append(f"clock: {clock.name!r} ({clock.description!r}) after {month!r}")

    # The countdown, started while nothing lies over it, names its new state.
    windows = [opened_by(menu_row(row)) for row in range(3)]  # Calender to Known Timer
    countdown = windows[2]
    counted = countdown.name
    click(countdown, 3)
    wait_for("the countdown's new state told", lambda: (countdown, "accessible-name") in events)
    if countdown.name == counted or "60" not in counted:
        faults.append(f"countdown: {counted!r}, then {countdown.name!r}")
    windows += [opened_by(menu_row(row)) for row in range(3, 7)]  # mini omikuji to Settings
    walk_all("windows of the menu")

    # The maxims, by the menu's radio buttons (random, in order, Chinese,
    # Japanese, Close): Chinese in order, then Japanese, then at random.
    selection = windows[1]
    for radios in ([], [3], [0], [2]):
        if radios:
            opened_by(menu_row(1))
        for radio in radios:
            button = descendants(selection, "radio button")[radio]
            press(button, button, "checked")
        opened_by(lambda: press(children(selection, "push button")[0]))
    # Five grades entered, checked, and on to the drawing; then a draw.
    buttons = children(windows[3], "push button")  # Input five times, Check, Next
    for row in range(5):
        press(buttons[row], buttons[5] if row == 4 else None, "enabled")
    press(buttons[5], buttons[6], "enabled")
    drawing = opened_by(lambda: press(buttons[6]))
    start = children(drawing, "push button")[0]
    press(start, start, "accessible-name")
    walk_all("drawing")
    press(start)
    wait_for("the fortune", lambda: len([c for c in descendants(drawing, "label")
                                          if showing(c)]) == 5)
    walk_all("fortune")

    menu_row(8)()  # Quit
    status = program.wait(PATIENCE_S)
    if status != 0:
        faults.append(f"Quit ended the program with status {status}")
finally:
    if program.poll() is None:
        program.kill()
    xvfb.kill()
    shutil.rmtree(scratch, ignore_errors=True)
print(f"{len(named)} controls and windows named")
for fault in faults:
    print("FAIL: no name, or a wrong one:", fault, file=sys.stderr)
sys.exit(1 if faults else 0)
