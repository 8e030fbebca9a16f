# SPDX-License-Identifier: GPL-3.0-or-later
"""A person's tasks at the window program on an X desktop with a window manager: the pointer
and the keyboard through xdotool, the controls found through AT-SPI where the program shows
them. The VAR mode and the language chosen from their open lists with the mouse, OK, the next
start in that language; Write and Read through the tool bar; a file saved through the Save
dialog by typing its name and opened again through the Open dialog. Checked by what is left:
the file through brookfetch-cli, the connector through brookfetch-cli verify, the settings file
and the language store.

DesktopJourneys.py PROGRAM SIMULATOR CLI SCRATCH   (DesktopJourneys.sh runs it on a desktop)
"""
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from desktop import (Program, check, extents, failures, find, has, new_window,  # noqa: E402
                     status_panels, until, walk, window_gone)
import pyatspi  # noqa: E402

PROGRAM, SIMULATOR, CLI, SCRATCH = sys.argv[1:5]
STARTED = time.monotonic()


def step(text):
    print("%.1f %s" % (time.monotonic() - STARTED, text), flush=True)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=False)


def click(obj, what):
    """A left click in the middle of what AT-SPI says obj covers on the screen."""
    x, y, w, h = extents(obj)
    if not check(w > 0 and h > 0, "%s is not on the screen (%d,%d %dx%d)" % (what, x, y, w, h)):
        return False
    xdotool("mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1")
    return True


def keys(*names):
    xdotool("key", "--clearmodifiers", *names)


def shown(obj):
    return has(obj, pyatspi.STATE_SHOWING)


def choose(box, item, what):
    """Opens the drop-down's list with a click and clicks the item in it."""
    if not click(box, what):
        return
    entry = until(lambda: find(box, pyatspi.ROLE_LIST_ITEM,
                               lambda o: o.name == item and shown(o)), 15)
    if check(entry, "%s: %r did not show in the open list" % (what, item)):
        click(entry, "%s: the item %r" % (what, item))
    check(until(lambda: box.queryText().getText(0, -1) == item, 10),
          "%s: %r chosen with the mouse, the box shows %r" % (
              what, item, box.queryText().getText(0, -1)))


def button(window, name):
    return find(window, pyatspi.ROLE_PUSH_BUTTON, lambda o: o.name == name and shown(o))


def answer(program, known, title, name):
    """Waits for a window (a box or a dialog) and clicks its button `name`."""
    window = new_window(program, known, 20)
    if not check(window, "no window %r came" % title):
        return
    check(window.name == title, "the window %r came instead of %r" % (window.name, title))
    target = until(lambda: button(window, name), 10)
    if check(target, "%r has no button %r" % (title, name)):
        click(target, "%r in %r" % (name, title))
    check(window_gone(program, window, 20), "%r stayed open after %r" % (title, name))


def file_dialog(program, known, title, path):
    """Types the file's name into the file dialog that comes, and Enter."""
    dialog = new_window(program, known, 20)
    if not check(dialog and dialog.name == title, "no %r dialog" % title):
        return
    time.sleep(0.3)
    xdotool("key", "--clearmodifiers", "ctrl+a")
    xdotool("type", "--delay", "20", path)
    time.sleep(0.3)
    # Enter takes the name; a second one when the name completion's list took the first.
    keys("Return")
    if not window_gone(program, dialog, 3):
        keys("Return")
    check(window_gone(program, dialog, 20), "the %r dialog stayed open" % title)


def cli(program, *arguments):
    done = subprocess.run([CLI, *arguments], env=program.env, capture_output=True, text=True,
                          timeout=120)
    return done.returncode, done.stdout + done.stderr


def screenshot(name):
    if os.environ.get("BROOKFETCH_KEEP"):
        subprocess.run(["import", "-window", "root", os.path.join(SCRATCH, name + ".png")],
                       check=False)


def dialog_frame(title):
    """What the window manager is told of the dialog: a dialog of the main window, with neither
    a minimize nor a maximize button or function (the Motif hints' decorations 0x20, 0x40 and
    functions 0x08, 0x10)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                           capture_output=True, text=True).stdout.split()
    if not check(found, "no X window %r" % title):
        return
    said = subprocess.run(["xprop", "-id", found[0], "_MOTIF_WM_HINTS", "_NET_WM_WINDOW_TYPE",
                           "WM_TRANSIENT_FOR"], capture_output=True, text=True).stdout
    hints = [int(v, 16) for v in said.split("_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = ")[1]
             .split("\n")[0].split(", ")] if "_MOTIF_WM_HINTS(" in said else []
    check(len(hints) >= 3 and hints[0] & 3 == 3 and not hints[1] & 0x18 and not hints[2] & 0x60,
          "%r asks for minimize or maximize: %s" % (title, said))
    check("_NET_WM_WINDOW_TYPE_DIALOG" in said and "window id" in said,
          "%r is no dialog of the main window: %s" % (title, said))


def main():
    program = Program(PROGRAM, SIMULATOR, "C.UTF-8", os.path.join(SCRATCH, "journeys"),
                      name="journeys")
    file = os.path.join(program.folder, "files", "river.brk")
    try:
        main = program.main_window()
        if not check(main, "the main window did not appear"):
            return
        panels = status_panels(main)
        check(until(lambda: panels[3].name == "Connector OK", 20), "no connector found")
        box = find(main, pyatspi.ROLE_COMBO_BOX)
        tools = {o.name: o for o, _ in walk(find(main, pyatspi.ROLE_TOOL_BAR))
                 if o.getRole() == pyatspi.ROLE_PUSH_BUTTON}

        step("the VAR mode chosen with the mouse, the file saved through the Save dialog")
        choose(box, "4 - 20mA", "the VAR mode")
        screenshot("var-mode-chosen")
        known = program.windows()
        keys("ctrl+s")
        file_dialog(program, known, "Save file", file)
        check(until(lambda: panels[1].name == file, 10), "saved, panel 1 shows %r" % panels[1].name)
        code, said = cli(program, "show", "--json", file)
        check(code == 0 and json.loads(said).get("VarMode") == 3,
              "brookfetch-cli show: %d %s" % (code, said))

        step("Write through the tool bar, with the question")
        known = program.windows()
        click(tools.get("Write", main), "the tool bar's Write")
        answer(program, known, "Confirmation", "OK")
        check(until(lambda: panels[0].name == "Connector written and verified", 30),
              "written, panel 0 shows %r" % panels[0].name)

        step("New by the tool bar, the file opened through the Open dialog, Read by the tool bar")
        click(tools.get("New", main), "the tool bar's New")
        check(until(lambda: panels[1].name == "<noname>", 10), "New kept the file name")
        check(until(lambda: box.queryText().getText(0, -1) == "Disabled", 10),
              "New did not bring the defaults back")
        known = program.windows()
        keys("ctrl+o")
        file_dialog(program, known, "Open File", file)
        check(until(lambda: panels[1].name == file, 10), "opened, panel 1 shows %r" % panels[1].name)
        check(box.queryText().getText(0, -1) == "4 - 20mA", "the opened file's VAR mode is %r" %
              box.queryText().getText(0, -1))
        click(tools.get("Read", main), "the tool bar's Read")
        check(until(lambda: panels[0].name == "Connector read", 30),
              "read, panel 0 shows %r" % panels[0].name)
        check(box.queryText().getText(0, -1) == "4 - 20mA", "the connector's VAR mode is %r" %
              box.queryText().getText(0, -1))

        step("the history by Ctrl+H: the write found by its file's name, opened with Enter")
        known = program.windows()
        keys("ctrl+h")
        history = new_window(program, known, 20)
        if check(history and history.name == "Programming History", "the history did not open"):
            xdotool("type", "--delay", "20", "river.brk")
            keys("Return")
            table = find(history, pyatspi.ROLE_TABLE)
            check(table and until(lambda: table.queryTable().nRows == 1, 10),
                  "the search kept %s rows, not the one write" %
                  (table.queryTable().nRows if table else "no"))
            click(button(history, "Open these parameters"), "Open these parameters")
            check(window_gone(program, history, 20), "the history stayed open")
            check(until(lambda: panels[1].name == "<noname>", 10),
                  "the write's parameters came with the name %r" % panels[1].name)
            check(box.queryText().getText(0, -1) == "4 - 20mA", "the write's VAR mode is %r" %
                  box.queryText().getText(0, -1))
            # A set not saved yet: New asks, and No drops it.
            known = program.windows()
            click(tools.get("New", main), "the tool bar's New")
            answer(program, known, "Confirmation", "No")

        step("Properties by the File menu, German chosen with the mouse, OK")
        menus = find(main, pyatspi.ROLE_MENU_BAR)
        click(menus.getChildAtIndex(0), "the File menu")
        item = until(lambda: find(menus.getChildAtIndex(0), pyatspi.ROLE_MENU_ITEM,
                                  lambda o: o.name == "Properties..." and shown(o)), 15)
        known = program.windows()
        if check(item, "File has no Properties... item"):
            click(item, "Properties...")
        dialog = new_window(program, known, 20)
        if check(dialog and dialog.name == "Program Properties", "Properties did not open"):
            dialog_frame("Program Properties")
            choose(find(dialog, pyatspi.ROLE_COMBO_BOX), "Deutsch", "the language")
            screenshot("language-chosen")
            known = program.windows()
            click(button(dialog, "OK"), "OK in Properties")
            answer(program, known, "Warning", "OK")
        keys("ctrl+q")
        check(program.ended() == 0, "Ctrl+Q did not end the program with 0")
        with open(os.path.join(program.folder, "brookfetch.INI")) as settings:
            check("LanguageId=5" in settings.read(), "the settings hold no LanguageId=5")
        with open(os.path.join(program.folder, "config", "brookfetch", "registry.ini")) as store:
            check("64657500" in store.read(), "the language store holds no \"deu\"")

        step("the next start in German")
        program.start()
        main = program.main_window()
        if check(main, "the main window did not appear again"):
            menus = find(main, pyatspi.ROLE_MENU_BAR)
            check(menus.getChildAtIndex(0).name == "Datei", "the File menu is %r in German" %
                  menus.getChildAtIndex(0).name)
            time.sleep(1)  # painted
            screenshot("german")
            keys("ctrl+q")
            check(program.ended() == 0, "Ctrl+Q did not end the German program with 0")

        step("the connector holds the file")
        code, said = cli(program, "verify", "--quiet", file)
        check(code == 0, "brookfetch-cli verify: %d %s" % (code, said))
    finally:
        program.stop()


main()
if failures:
    print("desktop journeys: %d failures" % len(failures))
    sys.exit(1)
print("desktop journeys: passed")
