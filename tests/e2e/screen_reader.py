# SPDX-License-Identifier: GPL-3.0-or-later
# Walks the running program's windows by keyboard and asks the accessibility bus, after each
# step, what has the keyboard: its role, name and description, as a screen reader would read
# them. Also: every control that takes the keyboard has a name.
# Usage: screen_reader.py DUE_DATE (the date of the list's first event, "Dentist").
import re
import subprocess
import sys
import time

import pyatspi

due = sys.argv[1]
passed = failed = 0
Named = {"push button", "toggle button", "check box", "radio button", "text", "password text",
         "combo box", "spin button", "tree", "tree table", "table", "list", "slider", "page tab"}


def check(name, condition, said=""):
    global passed, failed
    if condition:
        passed += 1
    else:
        failed += 1
        print(f"FAILED: {name}{': ' + said if said else ''}", flush=True)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Moonrill":
                return app
        time.sleep(0.1)
    sys.exit("skipped: the program did not show on the accessibility bus")


def descendants(node, depth=0):
    yield node
    if depth < 12:
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                yield from descendants(child, depth + 1)


def focused(app):
    """The deepest object that has the keyboard, and the window it is in."""
    for window in app:
        if window is None or not window.getState().contains(pyatspi.STATE_ACTIVE):
            continue
        found = None
        for node in descendants(window):
            # A table's current cell says it is focused also while the table is not.
            if node.getState().contains(pyatspi.STATE_FOCUSED) and (
                    node.getRoleName() != "table cell"
                    or node.parent.getState().contains(pyatspi.STATE_FOCUSED)):
                found = node
        if found is not None:
            return found, window
    return None, None


def said(node):
    return f"{node.getRoleName()} '{node.name}' '{node.description}'" if node else "nothing"


def expect(app, step, test, seconds=10):
    """Waits until what has the keyboard passes `test(node, window)`; checks it."""
    node = window = None
    for _ in range(seconds * 10):
        node, window = focused(app)
        try:
            if node is not None and test(node, window):
                break
        except Exception:
            pass
        time.sleep(0.1)
    check(step, node is not None and test(node, window),
          said(node) + (f" in '{window.name}'" if window else ""))


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)


def unnamed(window):
    return [said(node) for node in descendants(window)
            if node.getState().contains(pyatspi.STATE_FOCUSABLE)
            and node.getState().contains(pyatspi.STATE_SHOWING)
            and node.getRoleName() in Named and not node.name.strip()
            # The field inside a spin box or a list is read as part of it.
            and node.parent.getRoleName() not in ("spin button", "combo box")]


def labels(node):
    """The texts of the labels that name `node`, told by this relation."""
    return [relation.getTarget(i).name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def in_list(node, window):
    return window.name == "Moonrill" and node.getRoleName() == "table cell"


app = application()
# The list has the keyboard at once: its first row, read whole.
expect(app, "start-up: the list's first row has the keyboard",
       lambda n, w: in_list(n, w) and n.name == "Dentist" and n.parent.name == "Events")
expect(app, "start-up: the row reads with its date",
       lambda n, w: in_list(n, w) and f"Date: {due}" in n.description)
main = focused(app)[1]
check("main window: every control has a name", not unnamed(main), ", ".join(unnamed(main)))
press("Down")
expect(app, "Down: the next row", lambda n, w: in_list(n, w) and n.name == "Club")

# Find: the field, then what it found, then back to the list on the found row.
press("ctrl+f")
expect(app, "Find: the field has the keyboard",
       lambda n, w: n.getRoleName() == "text" and n.name == "Find What")
check("Find: every control has a name", not unnamed(focused(app)[1]))
type_text("dent")
press("Return")
expect(app, "Find: what it found is told",
       lambda n, w: n.description == f"Found: Dentist, {due}")
bar = next((n for n in descendants(focused(app)[1]) if n.getRoleName() == "progress bar"), None)
check("Find: the progress bar gives a reader no steps to read out",
      bar is not None and "Value" not in pyatspi.listInterfaces(bar))
press("Return")
expect(app, "Find Next: the end of the list is told",
       lambda n, w: any(c.name == "The whole list has been searched." for c in descendants(w)))
press("Return")
expect(app, "Find Next: back in the field, the match before is not told again",
       lambda n, w: n.name == "Find What" and "Found" not in n.description)
press("Escape")
expect(app, "Find closed: the found row has the keyboard",
       lambda n, w: in_list(n, w) and n.name == "Dentist")

# The scan window: OK has the keyboard and tells what is due; the list starts on its first row.
press("ctrl+r")
expect(app, "Scan window: OK has the keyboard and tells what is due",
       lambda n, w: w.name == "Moonrill - Upcoming Events" and n.getRoleName() == "push button"
       and n.description == "Upcoming: In 3 days: Dentist; In 9 days: Club")
press("Tab")
expect(app, "Scan window: the list starts on its first row",
       lambda n, w: n.getRoleName() == "table cell" and n.name == "In 3 days:")
press("Down")
expect(app, "Scan window: Down goes to the second row",
       lambda n, w: n.getRoleName() == "table cell" and n.name == "In 9 days:")
press("Escape")
expect(app, "Scan window closed: back on the list", in_list)

# The help: Escape closes it, and the keyboard is back on the list.
press("F1")
expect(app, "Help: it has the keyboard", lambda n, w: w.name == "Moonrill Help")
press("Escape")
expect(app, "Help closed: back on the list", in_list)

# The editor: the description, then the date with its label and the date chosen, the type
# with its value; back on the list after Escape.
press("ctrl+a")
expect(app, "Editor: the description has the keyboard",
       lambda n, w: n.getRoleName() == "text" and n.name == "Description")
editor = focused(app)[1]
check("Editor: every control has a name", not unnamed(editor), ", ".join(unnamed(editor)))
press("Tab")
year = time.strftime("%Y")
expect(app, "Editor: the date reads with its label and the date chosen",
       lambda n, w: any(o.name == "Starting on" and year in o.description for o in (n, n.parent)))
press("Tab")
expect(app, "Editor: the type reads with its label and its value",
       lambda n, w: n.getRoleName() == "combo box" and n.name == "Type"
       and n.description == "Once" and labels(n) == ["Type:"])
press("Down")
expect(app, "Editor: another type is told as it is chosen",
       lambda n, w: n.getRoleName() == "combo box" and n.name == "Type"
       and n.description == "Daily")
press("shift+Tab", "Right")
tomorrow = time.localtime(time.time() + 86400)
week_on = time.localtime(time.time() + 8 * 86400)


def reads_as(day):
    return lambda n, w: (n.getRoleName() == "list item" and n.parent.name == "Starting on"
                         and time.strftime("%B", day) in n.name
                         and re.search(rf"\b{day.tm_mday}\b", n.name) is not None)


expect(app, "Editor: Right in the calendar reads the next day alone", reads_as(tomorrow))
press("Down")
expect(app, "Editor: Down in the calendar reads the day a week on alone", reads_as(week_on))
press("Escape")
expect(app, "Editor closed: back on the list", in_list)

# The sync settings: the password typed reaches the bus as bullets, never as its letters.
press("alt+f")
expect(app, "File menu: an item that opens a window is named without its dots",
       lambda n, w: any(c.getRoleName() == "menu item" and c.name == "Calendar Sync"
                        for window in app for c in descendants(window)))
press("y")
expect(app, "Sync settings: the calendar's address has the keyboard",
       lambda n, w: w.name == "Calendar Sync" and n.getRoleName() == "text")
press("Tab", "Tab", "Tab")
expect(app, "Sync settings: the password field has the keyboard",
       lambda n, w: n.getRoleName() == "password text" and n.name.startswith("Password"))
type_text("s3cret")
field = focused(app)[0]
texts = [field.name, field.description] if field is not None else []
try:
    text = field.queryText()
    texts.append(text.getText(0, text.characterCount))
except (AttributeError, NotImplementedError):
    pass
check("Sync settings: the password is not told", field is not None
      and not any("s3cr" in t for t in texts), ", ".join(texts))
press("Escape")
expect(app, "Sync settings closed: back on the list", in_list)

# A new event: back on the list, the new row has the keyboard and reads whole, once.
press("ctrl+a")
expect(app, "Editor again: the description has the keyboard",
       lambda n, w: n.getRoleName() == "text" and n.name == "Description")
type_text("Zoo")
press("alt+o")
today = time.strftime("%Y-%m-%d")
expect(app, "Added: the new row has the keyboard, read with its date",
       lambda n, w: in_list(n, w) and n.name == "Zoo"
       and n.description.startswith(f"Date: {today}, When: 0, Type: Once, Notice period: "))
added = focused(app)[0]
table = added.parent.queryTable()
row = table.getRowAtIndex(added.getIndexInParent())
others = [table.getAccessibleAt(row, column) for column in range(1, table.nColumns)]
check("Added: its other cells say their own value alone, so the row reads once",
      [c.name for c in others][:3] == [today, "0", "Once"] and all(not c.description for c in others),
      "; ".join(said(c) for c in others))

print(f"screen reader: {passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
