#!/usr/bin/python3
"""The web build in a real browser, against the Linux program of the same sources.

Usage: tst_web.py --linux PROGRAM --web FOLDER [--shots FOLDER]

Run on an X display of its own (tests/web/run.sh starts it, through scripts/with-display.sh):
the Linux program runs there, with no window manager, and gives the reference pictures and
copy; the web build (FOLDER holds exisosi.html and the rest) is served from 127.0.0.1 by
Python's http.server and opened in Debian's chromium, headless, driven over the DevTools
protocol (tests/web/devtools.py). The checks:

  - the window as it opens: the same size as the Linux window, and at most 3 % of its pixels
    more than 64 levels apart in any colour (the edges of letters and the text caret differ),
    in the whole window and in its panel of choices alone (mostly letters);
  - a click on «Πίνακας τιμών»: January's table, with «+29 min  +15 sec» on the row of the 1st,
    read through Qt's accessibility in the page (the page's hidden elements that mirror the
    controls), and the window as the Linux one shows the table;
  - Ctrl+C: the browser's clipboard holds the table's text, the place line, «Ιανουάριος» and
    «1<TAB>+29 min  +15 sec<TAB>12:29:15», and all of it as the Linux program copies it;
  - Ctrl+P: one PDF downloaded, one A4 portrait page, with the place line in its text;
  - 200 typed over the degrees, then Return: the reminder «Παρακαλώ διορθώστε» with its rule,
    and the window as the Linux one shows it;
  - Ctrl+L, «Καλαμάτα» typed into the search, Return: the copy's first line names the place
    at 22° 06΄ 46΄΄ East, zone GMT +02:00;
  - Ctrl+Shift+E, 2024 typed over the year, Return: the window's title ends in «— 2024».

It prints the time from the start of the page's load to the window drawn, and the sizes of the
served files, raw and compressed, for docs/BENCHMARKS.md. Exit status 1 when a check failed.
"""

import argparse
import base64
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from devtools import Browser, DevToolsError  # noqa: E402

# The design's worked values: the window's client area, the start-up place and its first of
# January, and Kalamata's place line.
WINDOW = (750, 568)
TITLE = "Η ΕΞΙΣΩΣΗ ΤΟΥ ΧΡΟΝΟΥ"
PLACE_LINE = "Γεωγραφικό Μήκος: 23° 31΄ 43΄΄ Ανατολικά, Ζώνη ώρας: GMT +02:00"
FIRST_OF_JANUARY = "+29 min  +15 sec"
FIRST_ROW = "1\t+29 min  +15 sec\t12:29:15"
KALAMATA_LINE = ("Καλαμάτα — Γεωγραφικό Μήκος: 22° 06΄ 46΄΄ Ανατολικά, "
                 "Ζώνη ώρας: GMT +02:00")
REMINDER = "Παρακαλώ διορθώστε"
RULE_180 = ("Ο αριθμός πρέπει να είναι ακέραιος μεγαλύτερος ή ίσος του 0 "
            "και μικρότερος ή ίσος του 180")
# Two pictures match when at most this share of their pixels differ by more than LEVELS in any
# of red, green and blue.
SHARE = 0.03
LEVELS = 64
# A4 in points, portrait.
A4 = (595.28, 841.89)
SERVED = ("exisosi.html", "exisosi.js", "exisosi.wasm", "qtloader.js")

failures = []


def check(condition, message):
    print(("ok   " if condition else "FAIL ") + message, flush=True)
    if not condition:
        failures.append(message)
    return condition


def wait_for(predicate, seconds, what):
    """Polls `predicate` until it gives a true value, which it returns."""
    deadline = time.monotonic() + seconds
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out after %g s waiting for %s" % (seconds, what))
        time.sleep(0.05)


# --- pictures ---------------------------------------------------------------------------------

def pixels(png):
    """(width, height, RGB bytes) of a PNG file, through ImageMagick."""
    size = subprocess.run(["identify", "-format", "%w %h", png], check=True,
                          capture_output=True, text=True).stdout.split()
    raw = subprocess.run(["convert", png, "-alpha", "off", "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    return int(size[0]), int(size[1]), raw


def differing(a, b):
    """The share of pixels of two pictures of one size that differ by more than LEVELS."""
    wa, ha, pa = pixels(a)
    wb, hb, pb = pixels(b)
    if (wa, ha) != (wb, hb):
        return None
    count = 0
    for i in range(0, len(pa), 3):
        if (abs(pa[i] - pb[i]) > LEVELS or abs(pa[i + 1] - pb[i + 1]) > LEVELS
                or abs(pa[i + 2] - pb[i + 2]) > LEVELS):
            count += 1
    return count / (wa * ha)


def crop(picture, box, name):
    """A part of a picture (box: left, top, width, height) in a file of its own."""
    subprocess.run(["convert", picture, "-crop", "%dx%d+%d+%d" % (box[2], box[3], box[0], box[1]),
                    "+repage", name], check=True)
    return name


def compare(name, web, linux, shots):
    share = differing(web, linux)
    if share is None:
        check(False, "%s: the browser's window is %s, the Linux one %s" % (
            name, "x".join(map(str, pixels(web)[:2])), "x".join(map(str, pixels(linux)[:2]))))
        return
    if share > SHARE:
        subprocess.run(["compare", "-fuzz", "25%", web, linux,
                        os.path.join(shots, name + "-difference.png")], check=False)
    check(share <= SHARE, "%s: %.2f %% of the pixels differ from the Linux window's (at most "
          "%g %%)" % (name, 100 * share, 100 * SHARE))


def settled(grab, what, unlike=None):
    """Grabs (grab() returns a PNG's bytes) until two grabs in a row are alike, and, when
    `unlike` is given, unlike that earlier picture: the window has drawn what it was asked."""
    previous = None

    def alike():
        nonlocal previous
        picture = grab()
        same = picture == previous and picture != unlike
        previous = picture
        return picture if same else None

    return wait_for(alike, 30, what)


# --- the Linux program ------------------------------------------------------------------------

class Linux:
    """The Linux program on the display DISPLAY names, with no window manager."""

    def __init__(self, program, work):
        env = dict(os.environ, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb",
                   XDG_CONFIG_HOME=os.path.join(work, "config"))
        for name in ("WAYLAND_DISPLAY", "SESSION_MANAGER", "QT_SCALE_FACTOR"):
            env.pop(name, None)
        # The pointer off the window: no hover.
        self.x("xdotool", "mousemove", "1023", "767")
        self.process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=open(os.path.join(work, "linux.log"), "w"))
        self.window = self.x("xdotool", "search", "--sync", "--onlyvisible", "--limit", "1",
                             "--name", "^%s$" % TITLE, timeout=60).split()[0]
        info = self.x("xwininfo", "-id", self.window)
        field = lambda label: int(info.split(label)[1].split()[0])
        self.left, self.top = field("Absolute upper-left X:"), field("Absolute upper-left Y:")

    def x(self, *command, timeout=30):
        return subprocess.run(command, check=True, capture_output=True, text=True,
                              timeout=timeout).stdout

    def grab(self):
        # Without the time of the grab in the file: the same pixels make the same bytes.
        return subprocess.run(["import", "-window", self.window, "-define",
                               "png:exclude-chunks=date,time", "png:-"], check=True,
                              capture_output=True, timeout=30).stdout

    def click(self, point):
        self.x("xdotool", "mousemove", str(self.left + point[0]), str(self.top + point[1]),
               "click", "1")

    def keys(self, *keys):
        self.x("xdotool", "key", "--clearmodifiers", *keys)

    def type(self, text):
        self.x("xdotool", "type", "--delay", "20", text)

    def clipboard(self):
        result = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", "UTF8_STRING"],
                                capture_output=True, timeout=10)
        return result.stdout.decode() if result.returncode == 0 else ""

    def close(self):
        self.process.kill()
        self.process.wait()


# --- the page ---------------------------------------------------------------------------------

# The page's window: Qt draws each window into a canvas inside its screen's shadow root, and,
# with accessibility on, mirrors the controls in hidden elements beside it.
SCREEN = "document.querySelector('#qt-shadow-container').shadowRoot"
CANVAS = SCREEN + ".querySelector('canvas.qt-window-content')"
# Every shown control's text and place in the window: [name, left, top, width, height].
CONTROLS = """(() => {
  const canvas = %s, box = canvas.getBoundingClientRect(), shown = [];
  for (const e of canvas.parentElement.querySelectorAll('.qt-window-a11y-container *')) {
    if (e.ariaHidden === 'true') continue;
    const r = e.getBoundingClientRect();
    if (r.width <= 0 || r.height <= 0) continue;
    const name = e.nodeName === 'INPUT' ? (e.value || e.textContent) : e.textContent;
    shown.push([name, r.x - box.x, r.y - box.y, r.width, r.height]);
  }
  return shown;
})()""" % CANVAS
# The titles of the windows on the page, and of those but the main one (the dialogs open),
# whose title begins with the program's name.
TITLES = "[...%s.querySelectorAll('.qt-window .window-name')].map(e => e.textContent)" % SCREEN
DIALOG_TITLES = TITLES + ".filter(t => !t.startsWith('%s'))" % TITLE
TYPING_INTO_FIELD = "document.activeElement === document.querySelector('body > input')"
# Resolves, once the window's canvas holds more than one colour, with the time since the page
# began loading, in milliseconds.
DRAWN = """new Promise((resolve, reject) => {
  const poll = () => {
    const canvas = document.querySelector('#qt-shadow-container')
      ?.shadowRoot?.querySelector('canvas.qt-window-content');
    const context = canvas && canvas.width > 0 && canvas.getContext('2d');
    if (context) {
      const data = new Uint32Array(context.getImageData(0, 0, canvas.width, canvas.height)
        .data.buffer);
      if (data.some(value => value !== data[0])) return resolve(performance.now());
    }
    // The page's own handler writes the end of the program over the loading text.
    const status = document.querySelector('#qtstatus')?.textContent ?? '';
    if (status.startsWith('Το πρόγραμμα τερμάτισε')) return reject(new Error(status));
    if (performance.now() > 120000) return reject(new Error('no window drawn'));
    setTimeout(poll, 5);
  };
  poll();
})"""


class Web:
    def __init__(self, folder, work):
        handler = lambda *a: QuietHandler(*a, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.origin = "http://127.0.0.1:%d" % self.server.server_address[1]
        self.downloads = os.path.join(work, "downloads")
        os.mkdir(self.downloads)
        chromium = shutil.which("chromium") or "/usr/bin/chromium"
        self.browser = Browser(chromium, os.path.join(work, "profile"),
                               open(os.path.join(work, "chromium.log"), "w"))
        self.page = self.browser.new_page()
        for domain in ("Page", "Runtime"):
            self.page.send(domain + ".enable")
        # A screen as the Linux display's, at one device pixel per CSS pixel; the page keeps the
        # focus, which the clipboard needs, though no window of it is on a screen.
        self.page.send("Emulation.setDeviceMetricsOverride", width=1024, height=768,
                       deviceScaleFactor=1, mobile=False)
        self.page.send("Emulation.setFocusEmulationEnabled", enabled=True)
        self.browser.send("Browser.grantPermissions", origin=self.origin,
                          permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        self.browser.send("Browser.setDownloadBehavior", behavior="allowAndName",
                          downloadPath=self.downloads, eventsEnabled=True)

    def open(self):
        """Loads the page; the milliseconds from the start of its load to the window drawn."""
        self.page.send("Page.navigate", url=self.origin + "/exisosi.html")
        self.page.wait_event("Page.loadEventFired", 60)
        drawn = self.page.evaluate(DRAWN, timeout=150)
        self.canvas = self.page.evaluate(
            "(() => { const r = %s.getBoundingClientRect(); "
            "return [r.x, r.y, r.width, r.height]; })()" % CANVAS)
        return drawn

    def grab(self):
        x, y, width, height = self.canvas
        shot = self.page.send("Page.captureScreenshot", format="png", clip={
            "x": x, "y": y, "width": width, "height": height, "scale": 1})
        return base64.b64decode(shot["data"])

    def accessible(self):
        # Qt's accessibility in the page starts from a hidden button, as a screen reader would.
        self.page.evaluate(SCREEN + ".querySelector('.qt-window-a11y-container button')"
                           "?.click()")
        wait_for(lambda: self.controls(), 10, "the accessible controls")

    def controls(self):
        return self.page.evaluate(CONTROLS)

    def box(self, name):
        """The shown control of that name, once it shows: left, top, width and height in window
        pixels."""
        return wait_for(lambda: [c for c in self.controls() if c[0] == name], 10,
                        "a control named %r" % name)[0][1:]

    def control(self, name):
        """The centre of the shown control of that name, in window pixels."""
        left, top, width, height = self.box(name)
        return left + width / 2, top + height / 2

    def click(self, point):
        x, y = self.canvas[0] + point[0], self.canvas[1] + point[1]
        self.page.send("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.page.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                           buttons=1 if kind == "mousePressed" else 0, clickCount=1)

    def key(self, name, ctrl=False, shift=False):
        """One key pressed and let go, with Ctrl or Shift held or not: Return, or a Latin
        letter."""
        if name == "Return":
            key, code, number, text = "Enter", "Enter", 13, "\r"
        else:
            key = name.upper() if shift else name
            code, number = "Key" + name.upper(), ord(name.upper())
            text = None if ctrl else key
        modifiers = (2 if ctrl else 0) | (8 if shift else 0)
        down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": number, "modifiers": modifiers}
        if text:
            down["text"] = down["unmodifiedText"] = text
        self.page.send("Input.dispatchKeyEvent", **down)
        self.page.send("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                       windowsVirtualKeyCode=number, modifiers=modifiers)

    def type(self, text):
        """Types text a key at a time, each a key-down with its text, as a keyboard of the
        letters' own layout sends them (Greek letters on the keys of their Latin names)."""
        for letter in text:
            base = unicodedata.normalize("NFD", letter)[0]
            latin = LATIN_KEYS.get(base.lower(), base.upper())
            down = {"type": "keyDown", "key": letter, "text": letter, "unmodifiedText": letter,
                    "code": ("Digit" if latin.isdigit() else "Key") + latin.upper(),
                    "windowsVirtualKeyCode": ord(latin.upper())}
            self.page.send("Input.dispatchKeyEvent", **down)
            self.page.send("Input.dispatchKeyEvent", type="keyUp", key=letter,
                           code=down["code"], windowsVirtualKeyCode=down["windowsVirtualKeyCode"])

    def clipboard(self):
        return self.page.evaluate("navigator.clipboard.readText()")

    def set_clipboard(self, text):
        self.page.evaluate("navigator.clipboard.writeText(%s)" % json.dumps(text))

    def exceptions(self):
        return [e["exceptionDetails"].get("exception", {}).get("description")
                or e["exceptionDetails"].get("text")
                for e in self.page.events("Runtime.exceptionThrown")]

    def console(self):
        return ["%s: %s" % (e["type"], " ".join(str(a.get("value", a.get("description", "")))
                                                for a in e["args"]))
                for e in self.page.events("Runtime.consoleAPICalled")]

    def close(self):
        self.browser.close()
        self.server.shutdown()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


# The Latin key of each Greek letter on the Greek keyboard.
LATIN_KEYS = dict(zip("αβγδεζηθικλμνξοπρστυφχψως", "abgdezhuiklmnjoprsstyfxcvw"))


# --- the checks -------------------------------------------------------------------------------

class step:
    """A stage of the run: what fails in it is a failed check, and the next stage still runs.
    The page as it was then is kept in `shots`, named after the stage."""

    def __init__(self, name, web, shots):
        self.name, self.web, self.shots = name, web, shots

    def __enter__(self):
        return self

    def __exit__(self, kind, error, trace):
        if not isinstance(error, (AssertionError, DevToolsError, subprocess.SubprocessError)):
            return False
        check(False, "%s: %s" % (self.name, error))
        try:
            page = self.web.page.send("Page.captureScreenshot", format="png")["data"]
            name = "failed-" + "".join(c if c.isalnum() else "-" for c in self.name) + ".png"
            with open(os.path.join(self.shots, name), "wb") as f:
                f.write(base64.b64decode(page))
        except DevToolsError:
            pass
        return True


def sizes(folder):
    for name in SERVED:
        path = os.path.join(folder, name)
        packed = subprocess.run(["gzip", "-9c", path], check=True, capture_output=True).stdout
        print("size %-12s %9d bytes, %9d with gzip -9" % (name, os.path.getsize(path),
                                                           len(packed)))


def lines_of(text):
    return text.replace("\r\n", "\n").split("\n")


def copy_of(web, what):
    """What Ctrl+C puts on the browser's clipboard, once it is there."""
    web.set_clipboard(NOTHING)
    web.key("c", ctrl=True)
    return wait_for(lambda: (lambda text: text if text != NOTHING else None)(web.clipboard()),
                    10, what + " on the clipboard")


NOTHING = "(nothing copied)"


def check_pdf(path):
    info = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    fields = dict(line.split(":", 1) for line in info.splitlines() if ":" in line)
    pages = fields.get("Pages", "").strip()
    size = fields.get("Page size", "").split()
    check(pages == "1", "the PDF has one page (pdfinfo says %r)" % pages)
    portrait = (len(size) >= 3 and abs(float(size[0]) - A4[0]) < 1
                and abs(float(size[2]) - A4[1]) < 1)
    check(portrait, "the PDF's page is A4 portrait (pdfinfo says %r)"
          % fields.get("Page size", "").strip())
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", path, "-"], capture_output=True,
                          text=True).stdout
    flat = " ".join(text.split())
    check(PLACE_LINE in flat, "the PDF's text holds the place line (it begins %r)" % flat[:80])


def check_table(web):
    wait_for(lambda: any(c[0].endswith(" sec") for c in web.controls()), 10, "the table's values")
    shown = web.controls()
    days = {c[0]: c for c in shown if c[0].isdigit()}
    values = [c for c in shown if c[0].endswith(" sec")]
    check(sorted(days, key=int) == [str(d) for d in range(1, 32)],
          "the table shows the days 1 to 31 (%s)" % " ".join(sorted(days, key=int)))
    check(len(values) == 31, "the table shows 31 values (%d)" % len(values))
    check(any(c[0] == "Ιανουάριος" for c in shown), "the month list shows «Ιανουάριος»")
    # A day's value stands on its row, to its right: the nearest value so placed.
    first = days.get("1")
    row = sorted((c for c in values if first and abs(c[2] - first[2]) <= first[4] / 2
                  and c[1] > first[1]), key=lambda c: c[1] - first[1])
    check(bool(row) and row[0][0] == FIRST_OF_JANUARY,
          "the row of the 1st reads %r" % (row[0][0] if row else None))


def check_page(web):
    """The page's own texts in Greek, and the window without a close button."""
    check(web.page.evaluate("document.title") == "Η εξίσωση του χρόνου",
          "the page's title is «Η εξίσωση του χρόνου»")
    check(web.page.evaluate("document.documentElement.lang") == "el", "the page is in Greek")
    check(web.page.evaluate("document.querySelector('#qtstatus').textContent") == "Φόρτωση…",
          "the loading text is «Φόρτωση…»")
    buttons = web.page.evaluate(
        "[...%s.querySelectorAll('.qt-window .action-button')].filter(b => b.closest('.qt-window')"
        ".querySelector('.window-name').textContent === '%s' && b.getBoundingClientRect().width"
        " > 0).length" % (SCREEN, TITLE))
    check(buttons == 0, "the window's title bar has no button (%d)" % buttons)


def run(arguments):
    work = tempfile.mkdtemp(prefix="exisosi-web-")
    shots = arguments.shots or work
    os.makedirs(shots, exist_ok=True)
    shot = lambda name: os.path.join(shots, name + ".png")

    def save(name, picture):
        with open(shot(name), "wb") as f:
            f.write(picture)
        return picture

    sizes(arguments.web)
    web = linux = None
    try:
        # The browser first: its controls' places say where the Linux window is clicked.
        web = Web(arguments.web, work)
        try:
            drawn = web.open()
        except DevToolsError as error:
            said = [line.splitlines()[0] for line in web.console() if line.strip()]
            raise AssertionError("no window drawn: %s; the page said:\n  %s" % (
                error, "\n  ".join(said[-4:])))
        print("time from the start of the page's load to the window drawn: %.0f ms" % drawn)
        start = save("web-start", settled(web.grab, "the page's window to settle"))
        check(tuple(web.canvas[2:]) == WINDOW,
              "the page's window is %gx%g" % tuple(web.canvas[2:]))
        check_page(web)
        web.accessible()
        table_button = web.control("Πίνακας τιμών")
        degrees = web.control("Μοίρες γεωγραφικού μήκους")
        choices = [round(v) for v in web.box("Επιλέξτε")]

        with step("the table", web, shots):
            web.click(table_button)
            check_table(web)
        table = save("web-table", settled(web.grab, "the table to settle", unlike=start))

        copied = None
        with step("Ctrl+C", web, shots):
            copied = lines_of(copy_of(web, "the table"))
            check(copied[:3] == [PLACE_LINE, "Ιανουάριος", FIRST_ROW],
                  "the clipboard's first lines: %r" % copied[:3])

        with step("Ctrl+P", web, shots):
            web.key("p", ctrl=True)
            done = web.browser.wait_event(None, "Browser.downloadProgress", 30,
                                          where=lambda p: p["state"] in ("completed", "canceled"))
            begun = [b.get("suggestedFilename") for b in
                     web.browser.events(None, "Browser.downloadWillBegin")]
            check(done["state"] == "completed" and len(begun) == 1 and begun[0].endswith(".pdf"),
                  "Ctrl+P downloads one PDF (%s: %s)" % (done["state"], begun))
            pdf = os.path.join(shots, "web-table.pdf")
            shutil.copy(os.path.join(web.downloads, done["guid"]), pdf)
            check_pdf(pdf)

        with step("200 degrees", web, shots):
            web.click(degrees)
            web.key("a", ctrl=True)
            web.type("200")
            web.key("Return")
            wait_for(lambda: any(c[0] == REMINDER for c in web.controls()), 10, "the reminder")
            check(any(c[0] == RULE_180 for c in web.controls()),
                  "the reminder shows the rule of 0 to 180 degrees")
        reminder = save("web-reminder", settled(web.grab, "the reminder to settle", unlike=table))

        with step("Ctrl+L", web, shots):
            web.key("l", ctrl=True)
            wait_for(lambda: web.page.evaluate(DIALOG_TITLES) == ["Τόπος"], 10,
                     "the place dialog")
            # Typed letters reach a text field through Qt's hidden input element, which takes
            # the page's focus once a field has the window's.
            wait_for(lambda: web.page.evaluate(TYPING_INTO_FIELD), 10,
                     "the place search to take the keyboard")
            web.type("Καλαμάτα")
            # The search runs as the text changes; Return takes the first place found.
            web.key("Return")
            wait_for(lambda: web.page.evaluate(DIALOG_TITLES) == [], 10,
                     "the place dialog to close")
            save("web-kalamata", settled(web.grab, "Kalamata's view", unlike=reminder))
            first = lines_of(copy_of(web, "Kalamata's table"))[0]
            check(first == KALAMATA_LINE, "the copy after choosing Καλαμάτα begins %r" % first)
        with step("Ctrl+Shift+E", web, shots):
            web.key("e", ctrl=True, shift=True)
            wait_for(lambda: web.page.evaluate(DIALOG_TITLES) == ["Έτος"], 10, "the year dialog")
            wait_for(lambda: web.page.evaluate(TYPING_INTO_FIELD), 10,
                     "the year field to take the keyboard")
            # The field opens on this year, selected: the year typed replaces it.
            web.type("2024")
            web.key("Return")
            wait_for(lambda: web.page.evaluate(DIALOG_TITLES) == [], 10, "the year dialog to close")
            title = web.page.evaluate(TITLES)
            check(title == [TITLE + " — 2024"], "the window's title after choosing 2024: %s" % title)
        check(not web.exceptions(), "the page raised no exception %s" % web.exceptions())

        # The same on Linux: the pictures, and the table's copy.
        with step("the Linux window", web, shots):
            linux = Linux(arguments.linux, work)
            linux_start = save("linux-start", settled(linux.grab, "the Linux window"))
            size = tuple(pixels(shot("linux-start"))[:2])
            check(size == WINDOW, "the Linux window is %dx%d" % size)
            linux.click(table_button)
            linux_table = save("linux-table", settled(linux.grab, "the Linux table",
                                                      unlike=linux_start))
            linux.keys("ctrl+c")
            linux_copy = lines_of(wait_for(linux.clipboard, 10, "the Linux table's copy"))
            check(linux_copy[:3] == [PLACE_LINE, "Ιανουάριος", FIRST_ROW],
                  "the Linux copy's first lines: %r" % linux_copy[:3])
            check(copied == linux_copy, "the browser's table copy is the Linux one")
            linux.click(degrees)
            linux.keys("ctrl+a")
            linux.type("200")
            linux.keys("Return")
            save("linux-reminder", settled(linux.grab, "the Linux reminder", unlike=linux_table))
        # The whole window, and the panel of choices alone: most of its pixels are letters, so
        # that another face shows there even where the window's large plain areas hide it.
        for name in ("start", "table", "reminder"):
            if os.path.exists(shot("linux-" + name)):
                compare(name, shot("web-" + name), shot("linux-" + name), shots)
                compare(name + "-choices",
                        crop(shot("web-" + name), choices, os.path.join(work, "web-part.png")),
                        crop(shot("linux-" + name), choices, os.path.join(work, "linux-part.png")),
                        shots)
    except (AssertionError, DevToolsError, subprocess.SubprocessError) as error:
        check(False, str(error))
    finally:
        if web:
            with open(os.path.join(shots, "web-console.log"), "w") as f:
                f.write("\n".join(web.console()) + "\n")
            web.close()
        if linux:
            linux.close()
        shutil.rmtree(work, ignore_errors=True)
    if arguments.shots:
        print("pictures, the PDF and the page's console in %s" % shots)
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    print("all web checks passed")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--linux", required=True)
    parser.add_argument("--web", required=True)
    parser.add_argument("--shots")
    return run(parser.parse_args())


if __name__ == "__main__":
    sys.exit(main())
