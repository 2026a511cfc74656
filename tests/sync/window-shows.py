#!/usr/bin/python3
"""Reads the running diary's window through the accessibility tree, as a screen reader would:
waits until the calendar cell of DATE names WORKOUT (a change that arrived from the other
computer) and the window told of the days both computers changed.

usage: window-shows.py READY_FILE DATE WORKOUT TIMEOUT_S
READY_FILE is made once the diary's calendar is on the accessibility bus. Exits 0 when the window
shows both within TIMEOUT_S seconds in all, 1 with what it showed otherwise. Run inside the diary's D-Bus session with the AT-SPI
bus, under Debian's /usr/bin/python3 (python3-pyatspi).
"""
import datetime
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "journeys"))
import pyatspi  # noqa: E402
from journey import JourneyFailed, find, long_date, wait_for  # noqa: E402


def diary():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Repbook":
            return app
    return None


def main():
    ready, date, workout = sys.argv[1], datetime.date.fromisoformat(sys.argv[2]), sys.argv[3]
    deadline = time.monotonic() + float(sys.argv[4])

    def left():
        return max(0.0, deadline - time.monotonic())

    app = wait_for("the diary on the accessibility bus", diary, left())
    calendar = wait_for("the training calendar", lambda: find(
        app, role_name="table", name="Training calendar", visible=False), left())
    open(ready, "w").close()

    def cell():
        return find(calendar, role_name="table cell", prefix=long_date(date), visible=False)

    try:
        wait_for(f"the cell of {date} to name {workout}", lambda: workout in cell().name, left())
        told = wait_for("the message of days both computers changed", lambda: find(
            app, contains="changed days that were also changed here", visible=False), left())
    except JourneyFailed as error:
        shown = cell()
        print(f"{error}; the cell says {shown.name if shown else None!r}")
        return 1
    print(f"the window shows {cell().name!r} and told: {told.name.splitlines()[0]!r}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
