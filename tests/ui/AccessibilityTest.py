# SPDX-License-Identifier: GPL-3.0-or-later
"""The window program as a screen reader meets it, through AT-SPI.

Runs the program twice against the adapter simulator, in English and in German, and checks
what Orca would take from it: every control named without "&", tab or trailing colon, each
field's unit in its description, frames with a heading named, the drop-downs' values and
their changes, the schedule sentence and its changes, a notification for each status change
(adapter and connector panels, the start and end of a transfer, the outcome), the focus on
the first field and given back with an event after every transfer, nothing hidden focused; in
the main window, Properties, About, the licences it opens and a message box. Every wait is bounded; nothing is timed except that the outcome stays readable.

AccessibilityTest.py PROGRAM SIMULATOR SCRATCH   (AccessibilityTest.sh runs it in a session)
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from desktop import (Program, ancestors, check, extents, failures, find, has,  # noqa: E402
                     label_of, new_window, pump, status_panels, until, walk, window_gone)
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

PROGRAM, SIMULATOR, SCRATCH = sys.argv[1:4]


class Events:
    """Every event of the kinds a screen reader acts on: its time, kind, source, detail and
    the source's name and role as they were when it came."""

    KINDS = ("object:state-changed:showing", "object:state-changed:focused",
             "object:property-change:accessible-name", "object:selection-changed",
             # What Orca listens to for values; Qt sends a drop-down's change only then.
             "object:property-change:accessible-value",
             "object:property-change:accessible-description")

    def __init__(self):
        self.log = []
        pyatspi.Registry.registerEventListener(self._on_event, *self.KINDS)

    def _on_event(self, event):
        came = time.monotonic()
        try:
            name, role = event.source.name, event.source.getRole()
        except Exception:
            name, role = None, None
        self.log.append((came, event.type, event.source, event.detail1, name, role))

    @staticmethod
    def pump():
        pump()

    def mark(self):
        self.pump()
        return len(self.log)

    def wait(self, predicate, timeout, since=0):
        """The first event from index since on for which predicate holds, or None."""
        end = time.monotonic() + timeout
        index = since
        while True:
            self.pump()
            while index < len(self.log):
                entry = self.log[index]
                index += 1
                try:
                    if predicate(entry):
                        return entry
                except Exception:  # an object gone meanwhile
                    pass
            if time.monotonic() >= end:
                return None
            time.sleep(0.02)


def line(obj, depth):
    states = [name for name, state in (("focused", pyatspi.STATE_FOCUSED),
                                       ("showing", pyatspi.STATE_SHOWING),
                                       ("enabled", pyatspi.STATE_ENABLED))
              if has(obj, state)]
    text = "  " * depth + "%s %r" % (obj.getRoleName(), obj.name)
    if obj.description:
        text += " description=%r" % obj.description
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            text += " labelled-by=%r" % relation.getTarget(0).name
    return text + " [" + " ".join(states) + "]"


# Controls a user meets and that must say what they are.
CONTROLS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
            pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
            pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_MENU_ITEM,
            pyatspi.ROLE_MENU, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TOOL_BAR, pyatspi.ROLE_IMAGE,
            pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT}
FIELDS = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON}


def bad_name(name):
    if "&" in name:
        return "an '&'"
    if "\t" in name:
        return "a tab"
    if name.rstrip().endswith(":"):
        return "a trailing ':'"
    return None


def combo_value(box):
    """The value as Orca finds it: the selected item of the box or of its list, else the name."""
    for target in (box, box.getChildAtIndex(0) if box.childCount else None):
        if target is None:
            continue
        try:
            selection = target.querySelection()
        except NotImplementedError:
            continue
        if selection.nSelectedChildren == 1:
            return selection.getSelectedChild(0).name
    return box.name


def check_window(window, where, dump):
    """Names, units, groups, drop-down values and focus of one window; its tree into dump."""
    objects = list(walk(window))
    for obj, depth in objects:
        dump.append(line(obj, depth))
    focused_showing = []
    for obj, _ in objects:
        role = obj.getRole()
        name = obj.name or ""
        shown = has(obj, pyatspi.STATE_SHOWING)
        if name and bad_name(name):
            check(False, "%s: %s %r has %s in its name" % (where, obj.getRoleName(), name,
                                                          bad_name(name)))
        # A control the user can reach: shown, or an item of a menu that opens.
        reachable = shown or (role == pyatspi.ROLE_MENU_ITEM and has(obj, pyatspi.STATE_VISIBLE))
        if role in CONTROLS and reachable and role != pyatspi.ROLE_FRAME or \
                role == pyatspi.ROLE_FRAME and obj is window:
            check(name.strip(), "%s: a %s without a name (%s)" % (
                where, obj.getRoleName(), " < ".join(
                    "%s %r" % (a.getRoleName(), a.name) for a in ancestors(obj))))
        if has(obj, pyatspi.STATE_FOCUSED):
            if check(shown, "%s: the hidden %s %r reports the focus" % (
                    where, obj.getRoleName(), name)):
                focused_showing.append(obj)
        if role == pyatspi.ROLE_COMBO_BOX and shown:
            value = combo_value(obj)
            label = label_of(obj)
            items = [item.name for item, _ in walk(obj) if item.getRole() == pyatspi.ROLE_LIST_ITEM]
            check(value in items and value != label,
                  "%s: the drop-down %r does not expose its value (a screen reader finds %r; "
                  "items %r)" % (where, label or name, value, items))
            if "Text" in pyatspi.listInterfaces(obj):
                check(obj.queryText().getText(0, -1) == value,
                      "%s: the drop-down %r has the text %r for its value %r" % (
                          where, label, obj.queryText().getText(0, -1), value))
            check(label and not bad_name(label),
                  "%s: the drop-down %r has no usable label (%r)" % (where, name, label))
    # One control has the focus; a box that hands it on to that control may say so too.
    leaves = [o for o in focused_showing if not any(o in ancestors(other)
                                                    for other in focused_showing)]
    check(len(leaves) <= 1, "%s: %d controls report the focus: %r" % (
        where, len(leaves), [o.name for o in leaves]))

    # Units: the label "[unit]" on a field's right goes into the field's description.
    fields = [o for o, _ in objects if o.getRole() in FIELDS and has(o, pyatspi.STATE_SHOWING)]
    for unit_label, _ in objects:
        match = re.fullmatch(r"\[(.+)\]", unit_label.name or "")
        if unit_label.getRole() != pyatspi.ROLE_LABEL or not match:
            continue
        ux, uy, uw, uh = extents(unit_label)
        beside = [f for f in fields if extents(f)[1] <= uy + uh / 2 <= extents(f)[1] + extents(f)[3]
                  and extents(f)[0] + extents(f)[2] <= ux]
        if check(beside, "%s: no field beside the unit %r" % (where, unit_label.name)):
            field = max(beside, key=lambda f: extents(f)[0])
            check(match.group(1) in (field.description or ""),
                  "%s: the field %r has no unit %r in its description %r" % (
                      where, field.name, match.group(1), field.description))

    # Groups: a frame that holds fields and a label that is neither a caption, a unit nor a
    # field's name (a heading) is a named group.
    for frame, _ in objects:
        if frame.getRole() not in (pyatspi.ROLE_PANEL, pyatspi.ROLE_FILLER, pyatspi.ROLE_FRAME,
                                   pyatspi.ROLE_GROUPING) or frame is window:
            continue
        children = [frame.getChildAtIndex(i) for i in range(frame.childCount)]
        held = [c for c in children if c is not None and c.getRole() in FIELDS]
        if not held:
            continue
        names = {c.name for c in held} | {label_of(c) for c in held}
        headings = [c for c in children if c is not None and c.getRole() == pyatspi.ROLE_LABEL
                    and c.name and c.name not in names and not re.fullmatch(r"\[.+\]", c.name)
                    and not any(r.getRelationType() == pyatspi.RELATION_LABEL_FOR
                                for r in c.getRelationSet())]
        for heading in headings:
            check(frame.name == heading.name, "%s: the fields under the heading %r are in a "
                  "frame named %r" % (where, heading.name, frame.name))
    return objects


A11Y_BUS = None


def press(obj, action_names=("press", "click", "activate", "toggle")):
    """Runs an action of obj without waiting for it: a command that opens a modal dialog
    answers only once the dialog is closed."""
    global A11Y_BUS
    if A11Y_BUS is None:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                    None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000,
                                    None).unpack()[0]
        A11Y_BUS = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
            Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    action = obj.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    index = next((names.index(n) for n in action_names if n in names), 0)
    A11Y_BUS.call(obj.app.bus_name if hasattr(obj.app, "bus_name") else obj.get_application().bus_name,
                  obj.path, "org.a11y.atspi.Action", "DoAction", GLib.Variant("(i)", (index,)),
                  None, Gio.DBusCallFlags.NONE, 60000, None, None, None)


def is_notification(text=None, other_than=()):
    return lambda e: (e[1] == "object:state-changed:showing" and e[3] == 1 and
                      e[5] == pyatspi.ROLE_NOTIFICATION and (text is None or e[4] == text) and
                      e[4] not in other_than)


def is_name_change(source):
    return lambda e: e[1] == "object:property-change:accessible-name" and e[2] == source


def is_focus(e):
    return e[1] == "object:state-changed:focused" and e[3] == 1


def step(text):
    print("%.1f %s" % (time.monotonic() - STARTED, text), flush=True)


STARTED = time.monotonic()


def run(language, folder, events, results, timing):
    where = language.split(".")[0]
    dump = []
    program = Program(PROGRAM, SIMULATOR, language, folder, name="a11y")
    try:
        main = program.main_window()
        if not check(main, "%s: the main window did not appear on the accessibility bus" % where):
            return
        opened = events.mark()  # the texts the window opens with are no changes
        usual = status_panels(main)[0].name  # the result panel goes back to it unannounced
        # The first field takes the focus once the parameter page comes (the logo page shows
        # for the first second).
        first = until(lambda: find(main, pyatspi.ROLE_RADIO_BUTTON, lambda o: has(
            o, pyatspi.STATE_FOCUSED)), 10)
        check(first, "%s: no first field has the focus when the window opens" % where)
        panels = status_panels(main)
        # The adapter and connector panels: each text they get is also a notification.
        connector = until(lambda: panels[3].name, 10)
        check(connector, "%s: the connector panel stays empty" % where)
        tools = [c for c, _ in walk(find(main, pyatspi.ROLE_TOOL_BAR))
                 if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        read, write = tools[1], tools[2]
        until(lambda: has(read, pyatspi.STATE_ENABLED), 10)

        objects = check_window(main, where + " main window", dump)
        results["fields"] = [o.name for o, _ in objects if o.getRole() in FIELDS | {
            pyatspi.ROLE_TOOL_BAR, pyatspi.ROLE_RADIO_BUTTON}]
        # The schedule under the fields: a label with a name of its own, its sentence (with
        # its times) the description, told anew when a field changes it (the VAR mode below).
        schedule = [o for o, _ in objects if o.getRole() == pyatspi.ROLE_LABEL and
                    re.search(r"\d\d:\d\d:\d\d", o.description or "")]
        check(len(schedule) == 1 and schedule[0].name and
              schedule[0].name != schedule[0].description, "%s: the schedule is not a named label with its sentence "
              "as the description: %r" % (where, [(o.name, o.description) for o in schedule]))
        pulses = [o for o, _ in objects if o.getRole() == pyatspi.ROLE_TEXT and
                  not has(o, pyatspi.STATE_ENABLED)]
        check(pulses and pulses[0].name and
              pulses[0].queryText().getText(0, -1).strip().isdigit(),
              "%s: the pump pulses field is not named or its value not readable" % where)

        # Properties: by the File menu, then Cancel.
        known = program.windows()
        menus = find(main, pyatspi.ROLE_MENU_BAR)
        # File: New, Open, Save, Save As, a line, Print, Export as PDF, a line, Properties.
        properties = menus.getChildAtIndex(0).getChildAtIndex(0).getChildAtIndex(8)
        press(properties)
        dialog = new_window(program, known)
        if check(dialog, "%s: Properties did not open" % where):
            check_window(dialog, where + " Properties", dump)
            # Cancel: the last button that is not the default (Browse... comes before it).
            cancel = [o for o, _ in walk(dialog) if o.getRole() == pyatspi.ROLE_PUSH_BUTTON
                      and not has(o, pyatspi.STATE_IS_DEFAULT)][-1]
            press(cancel)
            check(window_gone(program, dialog), "%s: Properties did not close" % where)
        known = program.windows()
        # Help: Brookfetch Help, a line, About.
        help_menu = menus.getChildAtIndex(2).getChildAtIndex(0)
        about = help_menu.getChildAtIndex(help_menu.childCount - 1)
        press(about)
        dialog = new_window(program, known)
        if check(dialog, "%s: About did not open" % where):
            check_window(dialog, where + " About", dump)
            # Licences, over the About box, and closed again.
            known = program.windows()
            press(find(dialog, pyatspi.ROLE_PUSH_BUTTON,
                       lambda o: not has(o, pyatspi.STATE_IS_DEFAULT)))
            licences = new_window(program, known)
            if check(licences, "%s: Licences did not open" % where):
                check_window(licences, where + " Licences", dump)
                press(find(licences, pyatspi.ROLE_PUSH_BUTTON,
                           lambda o: has(o, pyatspi.STATE_IS_DEFAULT)))
                check(window_gone(program, licences), "%s: Licences did not close" % where)
            press(find(dialog, pyatspi.ROLE_PUSH_BUTTON,
                       lambda o: has(o, pyatspi.STATE_IS_DEFAULT)))
            check(window_gone(program, dialog), "%s: About did not close" % where)

        # A menu and the drop-down's list opened and closed again leave nothing focused that
        # is not shown.
        # The keys go only to a list that is open, and Escape again while it stays open: on a
        # busy machine a key sent before the list is up lands in the form instead.
        for opener in (menus.getChildAtIndex(0), find(main, pyatspi.ROLE_COMBO_BOX)):
            def open_items(opener=opener):
                return any(has(o, pyatspi.STATE_SHOWING) for o, _ in walk(opener)
                           if o is not opener and o.getRole() in (
                               pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_LIST_ITEM))
            press(opener, ("showmenu", "press"))
            if not check(until(open_items, 20), "%s: %r did not open" % (where, opener.name)):
                continue
            subprocess.run(["xdotool", "key", "Down", "Escape", "Escape"], check=False)
            for _ in range(5):
                if until(lambda: not open_items(), 4):
                    break
                subprocess.run(["xdotool", "key", "Escape"], check=False)
        check_window(main, where + " main window after a menu", [])

        # Read: its start, its outcome and the focus on the first field, each heard.
        since = events.mark()
        press(read)
        check(events.wait(is_notification(read.description), 20, since),
              "%s: the start of Read (%r) was not announced" % (where, read.description))
        done = events.wait(is_notification(other_than=(read.description,)), 20, since)
        check(done and done[4] == panels[0].name,
              "%s: the outcome of Read was not announced (panel %r, heard %r)" % (
                  where, panels[0].name, done and done[4]))
        check(events.wait(lambda e: is_focus(e) and e[5] == pyatspi.ROLE_RADIO_BUTTON,
                          10, since), "%s: no focus event on the first field after Read" % where)

        # The VAR mode drop-down speaks its new value when the arrow key changes it.
        box = find(main, pyatspi.ROLE_COMBO_BOX)
        before = box.name
        since = events.mark()
        box.queryComponent().grabFocus()
        until(lambda: has(box, pyatspi.STATE_FOCUSED), 5)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Down"], check=False)
        changed = events.wait(lambda e: is_name_change(box)(e) and e[4] != before, 10, since)
        check(changed and combo_value(box) not in ("", before, label_of(box)),
              "%s: changing the drop-down %r was not heard (value %r)" % (
                  where, label_of(box), combo_value(box)))
        check(events.wait(lambda e: e[2] == box and e[1] == "object:selection-changed", 5, since),
              "%s: no selection change from the drop-down %r" % (where, label_of(box)))
        check(schedule and events.wait(
            lambda e: e[2] == schedule[0] and
            e[1] == "object:property-change:accessible-description", 5, since),
            "%s: the schedule's new sentence was not told after the VAR mode changed" % where)

        # Write three times; each time the question box is read, the start and the outcome
        # are heard, and the focus comes back to the drop-down with an event.
        for attempt in range(3):
            since = events.mark()
            known = program.windows()
            press(write)
            question = new_window(program, known)
            if not check(question, "%s: write %d asked nothing" % (where, attempt + 1)):
                break
            if attempt == 0:
                check_window(question, where + " message box", dump)
            press(find(question, pyatspi.ROLE_PUSH_BUTTON,
                       lambda o: has(o, pyatspi.STATE_IS_DEFAULT)))
            check(events.wait(is_notification(write.description), 20, since),
                  "%s: the start of write %d was not announced" % (where, attempt + 1))
            done = events.wait(is_notification(other_than=(write.description,)), 20, since)
            check(done, "%s: the outcome of write %d was not announced" % (where, attempt + 1))
            if done:
                check(events.wait(lambda e: is_focus(e) and e[2] == box, 10, events.log.index(done)),
                      "%s: no focus event after write %d" % (where, attempt + 1))
                if attempt == 2:
                    # The confirmation stays in the panel about five seconds.
                    shown = done[0]
                    back = events.wait(lambda e: is_name_change(panels[0])(e) and
                                       e[4] != done[4], 10, events.log.index(done) + 1)
                    timing.append((where, back[0] - shown if back else None))
        # Every text the status panels showed was announced, but for the result panel's usual
        # one, which it goes back to after a confirmation. (A name is read when its event is
        # handled, so a text shown only for a moment may be missed, never made up.)
        for entry in events.log[opened:]:
            if entry[1] != "object:property-change:accessible-name" or not entry[4] or \
                    entry[2] not in (panels[0], panels[2], panels[3]) or \
                    entry[2] == panels[0] and entry[4] == usual:
                continue
            check(any(is_notification(entry[4])(e) for e in events.log),
                  "%s: the status %r came without a notification" % (where, entry[4]))
    finally:
        program.stop()
        with open(os.path.join(folder, "tree.txt"), "w") as out:
            out.write("\n".join(dump) + "\n")
        print("---- %s: %d objects, tree in %s" % (where, len(dump), os.path.join(folder,
                                                                                  "tree.txt")))
        for text in dump[:12]:
            print(text)


def main():
    events = Events()
    english, german, timing = {}, {}, []
    run("C.UTF-8", os.path.join(SCRATCH, "en"), events, english, timing)
    events.log.clear()
    run("de_DE.UTF-8", os.path.join(SCRATCH, "de"), events, german, timing)
    # In the user's language: the German names are not the English ones.
    same = [n for n, m in zip(english.get("fields", []), german.get("fields", [])) if n == m]
    check(english.get("fields") and len(same) <= len(english["fields"]) // 4,
          "the German names are mostly the English ones: %r" % same)
    for where, seconds in timing:
        print("%s: the confirmation stayed %s s" % (where, "%.2f" % seconds if seconds else "over 10"))
        check(seconds is None or seconds >= 4,
              "%s: the confirmation was replaced after %.2f s" % (where, seconds))
    if failures:
        print("%d failures" % len(failures))
        return 1
    print("accessibility: every check passed")
    return 0


sys.exit(main())
