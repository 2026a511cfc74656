#!/usr/bin/python3
"""Prints the accessibility tree of the running applications, one object a line: role, name and
description, indented by depth. A quick look at what a screen reader (and the journeys) read.

usage: scripts/a11y-dump.py [APPLICATION_NAME] [MAX_DEPTH]
Run it with Debian's /usr/bin/python3 (python3-pyatspi) inside the session that runs the program.
"""
import sys

import pyatspi


def dump(node, depth, max_depth):
    try:
        role = node.getRoleName()
        name = node.name or ""
        description = node.description or ""
    except Exception as error:  # an object that went away while we walked
        print("  " * depth + f"<gone: {error}>")
        return
    line = "  " * depth + f"[{role}] {name!r}"
    if not node.getState().contains(pyatspi.STATE_SHOWING):
        line += " (not showing)"
    if description:
        line += f" -- {description!r}"
    print(line)
    if depth >= max_depth:
        return
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            dump(child, depth + 1, max_depth)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else None
    max_depth = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or (wanted and app.name != wanted):
            continue
        dump(app, 0, max_depth)


if __name__ == "__main__":
    main()
