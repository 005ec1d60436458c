#!/usr/bin/python3
"""The real program driven through AT-SPI, as a screen reader or an automation tool drives it.

Usage: atspi_window.py [--wayland] PROGRAM [SCREENSHOT.png]

Run it inside its own session bus (dbus-run-session): it runs the program with accessibility
switched on, reads the table through the accessibility tree, writes a longitude, presses the
buttons, and checks that the reminder frame is announced when it appears. Under X it takes the
display DISPLAY names, a 1024x768 screen with a window manager that frames and places windows as
a desktop does (scripts/with-display.sh --window-manager openbox), and checks that Ctrl+P opens
the print preview with its whole toolbar, the print button included, in sight on the screen.
With --wayland it starts a headless weston on a socket of its own instead, runs the program as
a Wayland client, and also fails when the program writes anything on its standard error.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi, GLib

RULE_180 = ("Ο αριθμός πρέπει να είναι ακέραιος μεγαλύτερος ή ίσος του 0 "
            "και μικρότερος ή ίσος του 180")
# 1 January in zone GMT +02:00 at the start-up longitude, 23° 31' 43" East, and with 20 written
# over the degrees: 3 degrees further west, so the clock runs exactly 12 minutes further ahead.
FIRST_OF_JANUARY = "+29 min  +15 sec"
FIRST_OF_JANUARY_AT_20 = "+41 min  +15 sec"
# The picture boxes are plain frames (QAccessible::Border): Qt 6.4's AT-SPI bridge (Debian 12)
# calls that role a frame, Qt 6.8's (Debian 13) a panel.
CONTAINER = (pyatspi.ROLE_FRAME, pyatspi.ROLE_PANEL)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def wait_for(predicate, seconds=15.0, what="condition"):
    """Polls `predicate` while serving the main loop (events arrive through it)."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def descendants(root):
    for child in root:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name):
    """The first node under `root` of that name and role (or one of a tuple of roles)."""
    roles = role if isinstance(role, tuple) else (role,)
    for node in descendants(root):
        if node.getRole() in roles and node.name == name:
            return node
    # Says what there is instead: the nodes of that name, else every named node, by role.
    named = [(node.getRoleName(), node.name) for node in descendants(root) if node.name]
    seen = [pair for pair in named if pair[1] == name] or named
    raise AssertionError("no %s named %r under %r; found: %s" % (
        " or ".join(Atspi.role_get_name(r) for r in roles), name, root.name,
        ", ".join("%s %r" % pair for pair in seen)))


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, "%r offers no Press action: %r" % (button.name, names))
    action.doAction(names.index("Press"))


def check_print_preview(app):
    """Ctrl+P opens the preview, and its print button is on show within the preview and the
    screen; Escape closes it again."""
    subprocess.run(["xdotool", "search", "--name", "^Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ$", "windowactivate",
                    "--sync", "key", "ctrl+p"], check=False, timeout=30)
    preview = wait_for(lambda: next((w for w in app if w is not None and w.name == "Εκτύπωση"
                                     and showing(w)), None), what="the print preview")
    button = find(preview, pyatspi.ROLE_PUSH_BUTTON, "Εκτύπωση")
    wait_for(lambda: showing(button), 5, "the preview's print button on show")
    inside = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    around = preview.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    check(around.x <= inside.x and inside.x + inside.width <= around.x + around.width and
          0 <= around.x and around.x + around.width <= 1024 and
          0 <= around.y and around.y + around.height <= 768,
          "the print button at %r, the preview at %r" % (
              (inside.x, inside.y, inside.width, inside.height),
              (around.x, around.y, around.width, around.height)))
    subprocess.run(["xdotool", "key", "Escape"], check=False, timeout=30)
    wait_for(lambda: not showing(preview), what="the preview to close")


def start_weston(runtime):
    """A headless weston (desktop shell, 1024x768) on a socket in the private `runtime` folder.

    It draws with pixman, so that weston-screenshooter (allowed by --debug) has a picture to
    take. Option names: weston 10 (Debian 12) and 14 (Debian 13) both take the backend's file
    name; 14 names the renderer --renderer=pixman, 10 only --use-pixman (14's deprecated alias).
    """
    usage = subprocess.run(["weston", "--help"], capture_output=True, text=True).stdout
    renderer = "--renderer=pixman" if "--renderer=" in usage else "--use-pixman"
    socket = "wayland-exisosi"
    log = open(os.path.join(runtime, "weston.log"), "w")
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", renderer, "--socket=" + socket,
         "--idle-time=0", "--width=1024", "--height=768", "--no-config", "--debug"],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime), stdout=log, stderr=subprocess.STDOUT)
    # weston makes the socket once it listens on it.
    deadline = time.monotonic() + 30
    while not os.path.exists(os.path.join(runtime, socket)):
        if weston.poll() is not None or time.monotonic() > deadline:
            raise SystemExit("weston did not start: " + open(log.name).read())
        time.sleep(0.05)
    return weston, socket


def take_screenshot(path, wayland_env):
    if wayland_env is None:
        subprocess.run(["import", "-window", "root", path], check=False)
        return
    # weston-screenshooter writes wayland-screenshot-<time>.png into its working folder.
    folder = tempfile.mkdtemp()
    subprocess.run(["weston-screenshooter"], cwd=folder, env=wayland_env, check=False)
    for name in os.listdir(folder):
        shutil.move(os.path.join(folder, name), path)
    shutil.rmtree(folder)


def main():
    arguments = sys.argv[1:]
    wayland = arguments[:1] == ["--wayland"]
    if wayland:
        arguments = arguments[1:]
    program = arguments[0]
    screenshot = arguments[1] if len(arguments) > 1 else None
    if not wayland and not os.environ.get("DISPLAY"):
        raise SystemExit("no DISPLAY: run this under scripts/with-display.sh, or give --wayland")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_SCALE_FACTOR", None)
    runtime = tempfile.mkdtemp(prefix="exisosi-runtime-")  # mode 0700, as Wayland wants it
    server = None
    if wayland:
        # No X server at all: the program and this script reach the accessibility bus through
        # the session bus alone.
        server, socket = start_weston(runtime)
        for name in ("DISPLAY", "WAYLAND_DISPLAY"):
            os.environ.pop(name, None)
            env.pop(name, None)
        env.update(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=socket, XDG_RUNTIME_DIR=runtime)
    else:
        env.update(QT_QPA_PLATFORM="xcb")
    stderr = open(os.path.join(runtime, "program.stderr"), "w+")
    shown_alerts = []

    def on_showing(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_ALERT:
            shown_alerts.append((event.source.name, event.source.description))

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    # Under Wayland anything the program writes on stderr is a failure (the toolkit's warnings
    # about what the platform does not support, for one); under X it passes through as before.
    window_program = subprocess.Popen([program], env=env, stderr=stderr if wayland else None)
    try:
        def application():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "exisosi":
                    return app
            return None

        app = wait_for(application, what="the program on the accessibility bus")
        window = wait_for(lambda: next((w for w in app if w is not None and
                                        w.name == "Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ"), None),
                          what="the window")

        # The table of values, read as a screen reader reads it.
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Πίνακας τιμών"))
        table = find(window, CONTAINER, "Πίνακας τιμών")
        wait_for(lambda: showing(table), what="the table view")
        captions = [node.name for node in table
                    if node.getRole() == pyatspi.ROLE_LABEL and showing(node)]
        days = [c for c in captions if c.isdigit()]
        values = [c for c in captions if c.endswith(" sec")]
        check(sorted(days, key=int) == [str(d) for d in range(1, 32)],
              "January shows days %r" % days)
        check(len(values) == 31, "January shows %d values" % len(values))
        check(FIRST_OF_JANUARY in values, "1 January's value %r is not among %r"
              % (FIRST_OF_JANUARY, values))
        month = find(table, pyatspi.ROLE_COMBO_BOX, "Ιανουάριος")
        check(showing(month), "the month list does not show with the table")

        # A longitude written into the degrees field breaks its rule.
        degrees = find(window, pyatspi.ROLE_TEXT, "Μοίρες γεωγραφικού μήκους")
        degrees.queryEditableText().setTextContents("200")
        text = degrees.queryText()
        check(text.getText(0, -1) == "200", "the degrees field holds %r"
              % text.getText(0, -1))
        wait_for(lambda: True, 0.3)  # the program learns of the listener
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Γράφημα"))
        panel = find(window, CONTAINER, "Παρακαλώ διορθώστε")
        wait_for(lambda: showing(panel), what="the reminder panel")
        alerts = [node for node in panel if node.getRole() == pyatspi.ROLE_ALERT]
        check(len(alerts) == 4, "the panel holds %d alert frames" % len(alerts))
        visible = [(a.name, a.description) for a in alerts if showing(a)]
        check(visible == [("Θυμηθείτε", RULE_180)], "the panel shows %r" % visible)
        wait_for(lambda: shown_alerts, 5, "the announcement of the frame")
        check(shown_alerts[-1] == ("Θυμηθείτε", RULE_180),
              "announced %r" % shown_alerts)
        check(not showing(table), "the table still shows beside the reminder")
        if screenshot:
            take_screenshot(screenshot, env if wayland else None)

        # Corrected, the next press brings back a view; nothing is announced any more.
        announced = len(shown_alerts)
        degrees.queryEditableText().setTextContents("20")
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Πίνακας τιμών"))
        wait_for(lambda: showing(table), what="the table view again")
        check(not showing(panel), "the reminder panel still shows")
        check(len(shown_alerts) == announced, "announced again: %r" % shown_alerts)
        values = [node.name for node in table
                  if node.getRole() == pyatspi.ROLE_LABEL and node.name.endswith(" sec")
                  and showing(node)]
        check(FIRST_OF_JANUARY_AT_20 in values, "1 January at 20 degrees is not among %r" % values)
        if not wayland:
            check_print_preview(app)
        check(window_program.poll() is None, "the program stopped")
    except AssertionError as error:
        failures.append(str(error))
        print("FAIL:", error, flush=True)
    finally:
        window_program.kill()
        window_program.wait()
        if server:
            server.terminate()  # lets weston remove its socket
            server.wait()
        stderr.seek(0)
        written = stderr.read()
        check(not written, "the program wrote on stderr:\n" + written)
        shutil.rmtree(runtime, ignore_errors=True)

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all AT-SPI checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
