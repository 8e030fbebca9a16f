# SPDX-License-Identifier: GPL-3.0-or-later
"""The window program on a desktop, as AT-SPI shows it: shared by the tests that run it in a
session of its own (tests/support/DesktopSession.sh) and read or drive it through the
accessibility bus. Every wait is bounded."""
import os
import shutil
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message, flush=True)
    return condition


def pump():
    """Handles the accessibility events that came meanwhile."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def until(condition, timeout):
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = condition()
        except Exception:
            value = None
        if value or time.monotonic() >= end:
            return value
        time.sleep(0.05)


def has(obj, state):
    return obj.getState().contains(state)


def walk(obj, depth=0):
    yield obj, depth
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def ancestors(obj):
    parent = obj.parent
    while parent is not None and parent.getRole() != pyatspi.ROLE_APPLICATION:
        yield parent
        parent = parent.parent


def find(root, role, predicate=lambda o: True):
    for obj, _ in walk(root):
        if obj.getRole() == role and predicate(obj):
            return obj
    return None


def extents(obj):
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def label_of(obj):
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""


def status_panels(main):
    bar = find(main, pyatspi.ROLE_STATUS_BAR)
    return [c for c in (bar.getChildAtIndex(i) for i in range(bar.childCount))
            if c is not None and c.getRole() == pyatspi.ROLE_LABEL]


class Program:
    """The window program and the adapter simulator, in a folder of their own: the program
    beside its translations, keeping its settings there."""

    def __init__(self, program, simulator, language, folder, name="desktop"):
        self.folder = folder
        self.program = program
        for sub in ("ports", "config", "files"):
            os.makedirs(os.path.join(folder, sub), exist_ok=True)
        os.makedirs(os.path.join(folder, "run"), mode=0o700, exist_ok=True)
        self.env = dict(os.environ, LANG=language, LC_ALL=language, LANGUAGE="",
                        XDG_CONFIG_HOME=os.path.join(folder, "config"),
                        XDG_DATA_HOME=os.path.join(folder, "data"),
                        XDG_RUNTIME_DIR=os.path.join(folder, "run"),
                        BROOKFETCH_PORTS=os.path.join(folder, "ports"), QT_QPA_PLATFORM="xcb",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.sim = subprocess.Popen(
            [simulator, "--ports", os.path.join(folder, "ports"), "--name", name,
             "--memory", os.path.join(folder, "connector.bin")],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            env=self.env, text=True)
        check(self.sim.stdout.readline().startswith("ready "), "the simulator did not start")
        source = os.path.dirname(program)
        shutil.copy(program, os.path.join(folder, "brookfetch"))
        for entry in os.listdir(source):
            if entry.startswith("brookfetch.") and len(entry) == len("brookfetch.xxx"):
                shutil.copy(os.path.join(source, entry), folder)
        self.log = open(os.path.join(folder, "program.log"), "a")
        self.process = None
        self.start()

    def start(self):
        self.process = subprocess.Popen([os.path.join(self.folder, "brookfetch")], env=self.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)

    def app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def windows(self):
        app = self.app()
        return [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []

    def main_window(self, timeout=30):
        return until(lambda: next((w for w in self.windows()
                                   if w.getRole() == pyatspi.ROLE_FRAME and
                                   has(w, pyatspi.STATE_SHOWING)), None), timeout)

    def ended(self, timeout=20):
        """The program's exit code once it ended by itself; None while it runs."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        if self.sim.poll() is None:
            self.sim.stdin.write("quit\n")
            self.sim.stdin.flush()
            try:
                self.sim.wait(5)
            except subprocess.TimeoutExpired:
                self.sim.kill()
        self.log.close()


def new_window(program, known, timeout=10):
    """A window of the program that was not there before (a dialog or message box)."""
    def look():
        for window in program.windows():
            if window is not None and window not in known and has(window, pyatspi.STATE_SHOWING):
                return window
        return None
    return until(look, timeout)


def window_gone(program, window, timeout=10):
    return until(lambda: window not in program.windows() or
                 not has(window, pyatspi.STATE_SHOWING), timeout)
