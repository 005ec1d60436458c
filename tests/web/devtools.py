"""A small client of the browser's DevTools protocol, over the pipe chromium opens with
--remote-debugging-pipe (descriptors 3 and 4, one JSON message per NUL-ended chunk): no
websocket, no package beyond Python's own.

    browser = Browser("/usr/bin/chromium", profile_folder, log_file)
    page = browser.new_page()                   # a tab, attached in flat mode
    page.send("Page.navigate", url=...)         # the result, or DevToolsError
    page.wait_event("Page.loadEventFired", 30)  # the event's parameters
    browser.close()
"""

import json
import os
import subprocess
import threading
import time

# What every run of chromium here is started with: no sandbox (root), no GPU, and nothing that
# reaches the network or the user's own profile.
CHROMIUM_FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
]


class DevToolsError(RuntimeError):
    pass


class Browser:
    def __init__(self, chromium, profile, log, extra_flags=()):
        to_browser_read, self._to_browser = os.pipe()
        self._from_browser, from_browser_write = os.pipe()

        def descriptors():
            # The browser reads commands on 3 and writes answers on 4.
            os.dup2(to_browser_read, 3)
            os.dup2(from_browser_write, 4)

        self.process = subprocess.Popen(
            [chromium, *CHROMIUM_FLAGS, "--user-data-dir=" + profile, "--remote-debugging-pipe",
             *extra_flags, "about:blank"],
            stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
            preexec_fn=descriptors, pass_fds=(3, 4))
        os.close(to_browser_read)
        os.close(from_browser_write)
        self._next_id = 0
        self._lock = threading.Condition()
        self._answers = {}
        self._events = []  # (session, method, params), in arrival order
        self._closed = False
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self._from_browser, 1 << 16)
            except OSError:
                chunk = b""
            if not chunk:
                with self._lock:
                    self._closed = True
                    self._lock.notify_all()
                return
            pending += chunk
            *messages, pending = pending.split(b"\0")
            with self._lock:
                for raw in messages:
                    message = json.loads(raw)
                    if "id" in message:
                        self._answers[message["id"]] = message
                    else:
                        self._events.append((message.get("sessionId"), message["method"],
                                             message.get("params", {})))
                self._lock.notify_all()

    def send(self, method, session=None, timeout=60, **params):
        with self._lock:
            self._next_id += 1
            number = self._next_id
        message = {"id": number, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        with self._lock:
            while number not in self._answers:
                if self._closed:
                    raise DevToolsError("the browser went away during " + method)
                left = deadline - time.monotonic()
                if left <= 0:
                    raise DevToolsError("no answer to %s within %d s" % (method, timeout))
                self._lock.wait(left)
            answer = self._answers.pop(number)
        if "error" in answer:
            raise DevToolsError("%s: %s" % (method, answer["error"].get("message")))
        return answer.get("result", {})

    def events(self, session, method):
        """The parameters of every event of that name seen so far, oldest first."""
        with self._lock:
            return [p for s, m, p in self._events
                    if m == method and (session is None or s == session)]

    def wait_event(self, session, method, timeout, where=lambda params: True, after=0):
        """The first event of that name (after the first `after` of them) that `where` accepts."""
        deadline = time.monotonic() + timeout
        with self._lock:
            while True:
                seen = [p for s, m, p in self._events
                        if m == method and (session is None or s == session)][after:]
                for params in seen:
                    if where(params):
                        return params
                left = deadline - time.monotonic()
                if self._closed or left <= 0:
                    raise DevToolsError("no %s within %d s" % (method, timeout))
                self._lock.wait(left)

    def new_page(self):
        target = self.send("Target.createTarget", url="about:blank")["targetId"]
        session = self.send("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        return Page(self, session, target)

    def close(self):
        try:
            self.send("Browser.close", timeout=10)
        except DevToolsError:
            pass
        try:
            self.process.wait(15)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._to_browser)


class Page:
    def __init__(self, browser, session, target):
        self.browser = browser
        self.session = session
        self.target = target

    def send(self, method, timeout=60, **params):
        return self.browser.send(method, session=self.session, timeout=timeout, **params)

    def events(self, method):
        return self.browser.events(self.session, method)

    def wait_event(self, method, timeout, where=lambda params: True, after=0):
        return self.browser.wait_event(self.session, method, timeout, where, after)

    def evaluate(self, expression, timeout=60):
        """The value of a JavaScript expression (a promise is waited for)."""
        result = self.send("Runtime.evaluate", timeout=timeout, expression=expression,
                           awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            # The expression's first line names it; the exception's first line says what failed.
            raise DevToolsError("%s: %s" % (expression.strip().splitlines()[0][:60], (
                details.get("exception", {}).get("description")
                or details.get("text", "")).splitlines()[0]))
        return result["result"].get("value")
