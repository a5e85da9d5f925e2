"""Starts the program and reads its window the way a screen reader does, through AT-SPI.

Prints the accessible tree (role, name, description, states) and checks that the boxes carry their labels'
names, that the counter buttons form a named group, and that the disabled buttons say why they are disabled.
Then presses "Sabo" and checks that one event tells of the whole result arriving in the result box.
Run it inside a D-Bus session with a display: screen-reader-check does both.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "QUARL-Counter Alpha 0.2"
NOT_WORKING = "Dieser Zähler funktioniert noch nicht."

# (role, name): states that must be set, states that must not be set, description
EXPECTED = {
    ("frame", TITLE): ({"showing"}, set(), ""),
    ("text", "Berichte"): ({"editable", "enabled"}, {"read only"}, ""),
    ("text", "Ergebnis"): ({"read only", "enabled"}, {"editable"}, ""),
    ("push button", "Sabo"): ({"enabled", "sensitive"}, set(), ""),
    ("push button", "Plünder"): (set(), {"enabled", "sensitive"}, NOT_WORKING),
    ("push button", "Flotten"): (set(), {"enabled", "sensitive"}, NOT_WORKING),
    ("menu item", "Oberfläche"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Editieren"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Informationen"): (set(), {"enabled", "sensitive"}, ""),
}
GROUP = "Zähler"


def states(node):
    return {pyatspi.stateToString(state).replace("-", " ") for state in node.getState().getStates()}


def walk(node, depth, found, lines):
    role = node.getRoleName()
    lines.append("%s%s %r%s [%s]" % ("  " * depth, role, node.name,
                                     " (%s)" % node.description if node.description else "",
                                     ", ".join(sorted(states(node)))))
    found.setdefault((role, node.name), []).append(node)
    for child in node:
        walk(child, depth + 1, found, lines)


def find_application(process):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        if process.poll() is not None:
            sys.exit("the program ended with status %d before its window appeared" % process.returncode)
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == process.pid:
                frames = [child for child in app if child is not None and child.name == TITLE]
                if frames and "showing" in states(frames[0]):
                    return app
        time.sleep(0.2)
    sys.exit("no accessible window %r within 20 seconds" % TITLE)


def check(found):
    problems = []
    for (role, name), (present, absent, description) in EXPECTED.items():
        nodes = found.get((role, name), [])
        if len(nodes) != 1:
            problems.append("%d nodes %s %r, expected 1" % (len(nodes), role, name))
            continue
        have = states(nodes[0])
        if present - have:
            problems.append("%s %r lacks %s" % (role, name, ", ".join(sorted(present - have))))
        if absent & have:
            problems.append("%s %r is %s" % (role, name, ", ".join(sorted(absent & have))))
        if nodes[0].description != description:
            problems.append("%s %r describes itself as %r" % (role, name, nodes[0].description))
    groups = found.get(("panel", GROUP), [])
    members = [child.name for child in groups[0]] if len(groups) == 1 else []
    if members != ["Sabo", "Plünder", "Flotten"]:
        problems.append("no group %r holding the three counter buttons (found %d groups, %s)"
                        % (GROUP, len(groups), members))
    return problems


def result_announcements(found):
    """Presses "Sabo" and returns the texts of the insertions into the result box reported in the next seconds."""
    output = found[("text", "Ergebnis")][0]
    sabo = found[("push button", "Sabo")][0]
    inserted = []

    def on_insert(event):
        if event.source == output:
            inserted.append(event.any_data)

    # The program learns of a listener over D-Bus, so it is registered a moment before the button is pressed.
    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    GLib.timeout_add(1000, lambda: sabo.queryAction().doAction(0) and False)
    GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_insert, "object:text-changed:insert")
    return inserted


def check_announcement(inserted):
    whole = [text for text in inserted if "Planetenzentrale  (0)" in text and "Gesamt zerstörte Punkte: 0" in text]
    if len(whole) != 1:
        return ["pressing Sabo gave %d events carrying the whole result (insertions: %r)" % (len(whole), inserted)]
    return []


def main():
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        app = find_application(process)
        found, lines = {}, []
        walk(app, 0, found, lines)
        print("\n".join(lines))
        problems = check(found)
        if not problems:
            problems = check_announcement(result_announcements(found))
    finally:
        process.terminate()
        process.wait()
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
