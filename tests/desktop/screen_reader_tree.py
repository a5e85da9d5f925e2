"""Starts the program and reads its window the way a screen reader does, through AT-SPI.

Prints the accessible tree (role, name, description, states) and checks that the boxes carry their labels'
names, that the counter buttons form a named group, and that the disabled buttons say why they are disabled.
Then presses "Sabo" and checks that one event tells of the whole result arriving in the result box, and with
"announcement" as second argument (a program built with Qt 6.8 or later) that one announcement from the result box
carries the total line.
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
    # The items of the greyed menus are greyed as well.
    ("menu item", "Bericht öffnen"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Ergebnis speichern"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Beenden"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Beide Fenster leeren"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Bericht Einfügen"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Bericht Rückgängig"): (set(), {"enabled", "sensitive"}, ""),
    ("menu item", "Ergebnis Kopieren"): (set(), {"enabled", "sensitive"}, ""),
}
GROUP = "Zähler"
# The AT-SPI events that tell of a new result.
INSERTED = "object:text-changed:insert"
ANNOUNCED = "object:announcement"


def states(node):
    return {pyatspi.stateToString(state).replace("-", " ") for state in node.getState().getStates()}


def walk(node, depth, found, lines):
    role = node.getRoleName()
    # Newer AT-SPI (Debian 13's) names the push button's role "button".
    role = {"button": "push button"}.get(role, role)
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


def result_events(found):
    """Presses "Sabo" and returns what the next seconds bring from the result box: the texts inserted into it and
    the texts it announces."""
    output = found[("text", "Ergebnis")][0]
    sabo = found[("push button", "Sabo")][0]
    events = {INSERTED: [], ANNOUNCED: []}

    def on_event(event):
        if event.source == output and event.type in events:
            events[event.type].append(event.any_data)

    # The program learns of a listener over D-Bus, so it is registered a moment before the button is pressed.
    pyatspi.Registry.registerEventListener(on_event, *events)
    GLib.timeout_add(1000, lambda: sabo.queryAction().doAction(0) and False)
    GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_event, *events)
    return events


def check_result_events(events, announces):
    problems = []
    inserted = events[INSERTED]
    whole = [text for text in inserted if "Planetenzentrale  (0)" in text and "Gesamt zerstörte Punkte: 0" in text]
    if len(whole) != 1:
        problems.append("pressing Sabo gave %d events carrying the whole result (insertions: %r)"
                        % (len(whole), inserted))
    expected = ["Gesamt zerstörte Punkte: 0"] if announces else []
    if events[ANNOUNCED] != expected:
        problems.append("pressing Sabo announced %r, expected %r" % (events[ANNOUNCED], expected))
    return problems


def main():
    mode = sys.argv[2] if len(sys.argv) > 2 else "text-update"
    if mode not in ("text-update", "announcement"):
        sys.exit("usage: screen_reader_tree.py PROGRAM [text-update | announcement]")
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        app = find_application(process)
        found, lines = {}, []
        walk(app, 0, found, lines)
        print("\n".join(lines))
        problems = check(found)
        if ("push button", "Sabo") in found and ("text", "Ergebnis") in found:
            problems += check_result_events(result_events(found), mode == "announcement")
    finally:
        process.terminate()
        process.wait()
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
