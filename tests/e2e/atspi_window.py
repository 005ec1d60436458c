#!/usr/bin/python3
"""The real program driven through AT-SPI, as a screen reader or an automation tool drives it.

Usage: atspi_window.py PROGRAM [SCREENSHOT.png]

Run it inside its own session bus (dbus-run-session): it starts Xvfb, runs the program with
accessibility switched on, reads the table through the accessibility tree, writes a longitude,
presses the buttons, and checks that the reminder frame is announced when it appears.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

RULE_180 = ("Ο αριθμός πρέπει να είναι ακέραιος μεγαλύτερος ή ίσος του 0 "
            "και μικρότερος ή ίσος του 180")
# 1 January in zone GMT +02:00 at the start-up longitude, 23° 31' 43" East, and with 20 written
# over the degrees: 3 degrees further west, so the clock runs exactly 12 minutes further ahead.
FIRST_OF_JANUARY = "+29 min  +15 sec"
FIRST_OF_JANUARY_AT_20 = "+41 min  +15 sec"

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
    for node in descendants(root):
        if node.getRole() == role and node.name == name:
            return node
    raise AssertionError("no %s named %r" % (role.value_nick, name))


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, "%r offers no Press action: %r" % (button.name, names))
    action.doAction(names.index("Press"))


def start_xvfb():
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp", "-noreset"], stdout=subprocess.PIPE)
    display = ":" + xvfb.stdout.readline().decode().strip()
    # Nothing starts on the new server before it answers. -noreset above: the server would
    # otherwise reset when the probe leaves, and refuse connections meanwhile.
    for _ in range(200):
        if subprocess.run(["xwininfo", "-root", "-display", display], capture_output=True,
                          timeout=10).returncode == 0:
            break
        time.sleep(0.1)
    return xvfb, display


def main():
    program = sys.argv[1]
    screenshot = sys.argv[2] if len(sys.argv) > 2 else None
    xvfb, display = start_xvfb()
    os.environ["DISPLAY"] = display
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    env.pop("QT_SCALE_FACTOR", None)
    shown_alerts = []

    def on_showing(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_ALERT:
            shown_alerts.append((event.source.name, event.source.description))

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    window_program = subprocess.Popen([program], env=env)
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
        table = find(window, pyatspi.ROLE_FRAME, "Πίνακας τιμών")
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
        panel = find(window, pyatspi.ROLE_FRAME, "Παρακαλώ διορθώστε")
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
            subprocess.run(["import", "-display", display, "-window", "root", screenshot],
                           check=False)

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
        check(window_program.poll() is None, "the program stopped")
    except AssertionError as error:
        failures.append(str(error))
        print("FAIL:", error, flush=True)
    finally:
        window_program.kill()
        window_program.wait()
        xvfb.terminate()  # lets the server remove its lock and socket
        xvfb.wait()

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all AT-SPI checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
