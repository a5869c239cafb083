#!/usr/bin/python3
"""Reads Vyx Player's windows the way a screen reader does (AT-SPI) and exits 0 once every control
has a name, every window listed is one the user can see, and each expectation is met; otherwise,
after 30 s, prints what is missing.

Usage: atspi_names.py PID EXPECTATION...
An expectation is ROLE=NAME (a control of that role and name), ROLE!NAME (one that also takes
the keyboard's focus) or ROLE~PATTERN (one whose description matches).
"""
import re
import sys
import time

import pyatspi

CONTROLS = {"push button", "toggle button", "check box", "radio button", "slider", "text",
            "combo box", "spin button"}


def walk(accessible, found):
    try:
        role, name, description = accessible.getRoleName(), accessible.name, accessible.description
        focusable = accessible.getState().contains(pyatspi.STATE_FOCUSABLE)
        children = [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]
    except Exception:  # a window that went away while it was read
        return
    found.append((role, name, description, focusable))
    for child in children:
        if child is not None:
            walk(child, found)


def program(pid):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            return application
    return None


def missing(pid, expectations):
    application = program(pid)
    if application is None:
        return ["the program is not on the accessibility bus"]
    problems = []
    for index in range(application.childCount):
        window = application.getChildAtIndex(index)
        if window is not None and not window.getState().contains(pyatspi.STATE_VISIBLE):
            problems.append(f"a hidden window '{window.name}' is listed")
    found = []
    walk(application, found)
    problems += [f"{role} without a name (tooltip '{description}')"
                 for role, name, description, _ in found if role in CONTROLS and not name.strip()]
    for expectation in expectations:
        role, kind, value = re.match(r"([^=~!]+)([=~!])(.*)", expectation).groups()
        if not any(r == role and ((kind == "=" and n == value) or
                                  (kind == "~" and re.fullmatch(value, d)) or
                                  (kind == "!" and n == value and f))
                   for r, n, d, f in found):
            problems.append(f"no {expectation}")
    return problems


def main():
    pid, expectations = int(sys.argv[1]), sys.argv[2:]
    deadline = time.monotonic() + 30
    while True:
        problems = missing(pid, expectations)
        if not problems:
            return 0
        if time.monotonic() > deadline:
            print("\n".join(problems))
            return 1
        time.sleep(0.5)


if __name__ == "__main__":
    sys.exit(main())
