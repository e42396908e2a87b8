#!/usr/bin/python3
"""Reads the running program as a screen reader does, over the desktop's accessibility bus.

    atspi.py tree     prints the shown windows and their shown nodes, one a line, indented by
                      depth, as  role "name" (description) [focused, checked, default, disabled]
                      (the description and the states only where there are any); fails when a
                      node that can take the focus has no name or no role
    atspi.py events   prints, until it is stopped, every change of a panel's name as
                      name-changed panel "name"

Waits up to 20 s for the program (zorvenka) to appear on the bus."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

PROGRAM = "zorvenka"
STATES = [("focused", Atspi.StateType.FOCUSED), ("checked", Atspi.StateType.CHECKED),
          ("default", Atspi.StateType.IS_DEFAULT)]
NO_ROLES = {Atspi.Role.FILLER, Atspi.Role.UNKNOWN, Atspi.Role.INVALID}


def find_program():
    for _ in range(200):
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(index)
            if application is not None and application.get_name() == PROGRAM:
                application.set_cache_mask(Atspi.Cache.NONE)
                return application
        time.sleep(0.1)
    sys.exit(f"no program '{PROGRAM}' on the accessibility bus")


def quoted(text):
    return '"' + text.replace("\n", "\\n") + '"'


def node_line(node):
    states = node.get_state_set()
    words = [word for word, state in STATES if states.contains(state)]
    if not states.contains(Atspi.StateType.ENABLED):
        words.append("disabled")
    line = f"{node.get_role_name()} {quoted(node.get_name())}"
    if node.get_description():
        line += f" ({node.get_description()})"
    if words:
        line += " [" + ", ".join(words) + "]"
    return line


def add_shown_nodes(node, depth, lines, unnamed):
    states = node.get_state_set()
    if not states.contains(Atspi.StateType.SHOWING):
        return
    lines.append("  " * depth + node_line(node))
    if states.contains(Atspi.StateType.FOCUSABLE) and (not node.get_name() or node.get_role() in NO_ROLES):
        unnamed.append(lines[-1].strip())
    for index in range(node.get_child_count()):
        add_shown_nodes(node.get_child_at_index(index), depth + 1, lines, unnamed)


def print_tree():
    program = find_program()
    lines, unnamed = [], []
    for index in range(program.get_child_count()):
        add_shown_nodes(program.get_child_at_index(index), 0, lines, unnamed)
    print("\n".join(lines))
    if unnamed:
        sys.exit("focusable nodes without a role or a name: " + "; ".join(unnamed))


def print_name_changes():
    def name_changed(event):
        if event.source.get_role() == Atspi.Role.PANEL:
            print(f"name-changed panel {quoted(event.source.get_name())}", flush=True)

    listener = Atspi.EventListener.new(name_changed)
    listener.register("object:property-change:accessible-name")
    find_program()
    print("listening", flush=True)
    Atspi.event_main()


{"tree": print_tree, "events": print_name_changes}[sys.argv[1]]()
