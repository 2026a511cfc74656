#!/usr/bin/python3
"""The journeys: the installed programs driven as a user drives them, read through the
accessibility tree.

usage: journeys.py PREFIX [NAME...]   (under Xvfb, in a D-Bus session with the AT-SPI bus;
                                       run.sh sets both up)
"""
import csv
import datetime
import json
import os
import sys
import tempfile
import traceback

import journey
from journey import JourneyFailed, Session, find, find_all, long_date, press, wait_for

def expected_cell(day):
    """What a calendar cell says after its date for the diary's day (None: no day)."""
    parts = [f'{w["name"]}, {w["status"]}' for w in (day or {}).get("workouts", [])]
    parts = parts or ["no workouts"]
    if day and day.get("notes", "").strip():
        parts.append("has a note")
    return "; ".join(parts)


def ensure_day_today(s):
    """The sample diary trains four days a week; a day for today is added when it has none."""
    if journey.today().isoformat() in s.days():
        return
    path = os.path.join(s.dir, "today.json")
    with open(path, "w") as f:
        json.dump({"format": "repbook-diary", "version": 1, "days": [
            {"date": journey.today().isoformat(), "notes": "", "workouts": [
                {"name": "Arms", "status": "Not yet", "exercises": [
                    {"name": "Biceps curl", "sets": 3, "reps": 10, "forced": 0, "negative": 0,
                     "weight": 14, "note": "", "status": "Not yet"}]}]}]}, f)
    s.cli("import", path)


def start_diary(s):
    app = s.start("repbook", "Repbook")
    window = s.window(app, "Repbook")
    return app, window


def calendar(window):
    return wait_for("the training calendar", lambda: find(window, role_name="table",
                                                          name="Training calendar"))


def cell_of(window, date):
    """The calendar cell of date, found by what it says."""
    return wait_for(f"the cell of {date}", lambda: find(calendar(window), role_name="table cell",
                                                        prefix=long_date(date), visible=False))


def workout_area(window):
    """The tab names and the exercise grid's cell texts of the workout area."""
    area = wait_for("the workout area", lambda: find(window, name="Workout area", visible=False))
    tabs = [t.name for t in find_all(area, role_name="page tab")]
    cells = [c.name for c in find_all(area, role_name="table cell", visible=False)]
    return tabs, cells


def check_area_shows(window, day):
    def shows():
        tabs, cells = workout_area(window)
        if not day:
            return not tabs
        wanted = [f'{w["name"]}, {w["status"]}' for w in day["workouts"]]
        exercises = [e["name"] for e in day["workouts"][0]["exercises"]]
        return tabs == wanted and all(name in cells for name in exercises)
    wait_for(f"the workout area to show {day['date'] if day else 'no day'}", shows)


def exit_diary(s, app, window):
    s.menu(window, "File", "Exit")
    s.answer(app, "Yes")
    if s.ended("repbook") != 0:
        raise JourneyFailed("repbook did not end cleanly")


# ---- the journeys ---------------------------------------------------------------------------

def start_shows_the_diary(s):
    """1. Start with the sample diary: the cells around today tell their days' workouts; the
    workout area shows today's workouts and exercises."""
    s.user_data_filled()
    s.sample_diary()
    ensure_day_today(s)
    days = s.days()
    app, window = start_diary(s)
    # The calendar opens on today's week.
    for offset in range(0, 7):
        date = journey.today() + datetime.timedelta(days=offset)
        said = expected_cell(days.get(date.isoformat()))
        wait_for(f"the cell of {date} to say {said!r}",
                 lambda: cell_of(window, date).name.endswith(said))
    check_area_shows(window, days[journey.today().isoformat()])


def navigation_moves_the_workout_area(s):
    """2. Next, Previous and Today: the workout area follows each step."""
    s.user_data_filled()
    s.sample_diary()
    ensure_day_today(s)
    days = s.days()
    app, window = start_diary(s)
    today = journey.today().isoformat()
    check_area_shows(window, days[today])
    later = sorted(d for d in days if d > today)
    s.menu(window, "View", "Go to", "Next day")
    check_area_shows(window, days[later[0]])
    s.menu(window, "View", "Go to", "Next day")
    check_area_shows(window, days[later[1]])
    s.menu(window, "View", "Go to", "Previous day")
    check_area_shows(window, days[later[0]])
    s.menu(window, "View", "Go to", "Today")
    check_area_shows(window, days[today])


def change_weight(s, app, window, old, new):
    """Opens today's day with Return, types new over the first exercise's weight old, OK."""
    s.focus(calendar(window))
    s.keys("Return")
    dialog = s.window(app, "Workout planning")
    cell = wait_for(f"the weight {old}", lambda: find(dialog, role_name="table cell", name=old))
    s.focus(cell)
    press(cell)
    s.keys("Return")
    s.keys("ctrl+a")
    s.type(new)
    s.keys("Return")
    press(wait_for("OK", lambda: find(dialog, role_name="push button", name="OK")))
    # Today's workout is still to do: the day dialog asks whether the changed exercise's status
    # should become the workout's; the workout stays as it was.
    s.answer(app, "No")
    s.gone(app, "Workout planning")


def weight_of_first_exercise(day):
    return day["workouts"][0]["exercises"][0]["weight"]


def edit_a_weight(s, undo=False):
    s.user_data_filled()
    s.sample_diary()
    ensure_day_today(s)
    today = journey.today().isoformat()
    before = weight_of_first_exercise(s.days()[today])
    old, new = f"{before:.2f}", f"{before + 7.5:.2f}"
    app, window = start_diary(s)
    change_weight(s, app, window, old, new)
    wait_for(f"the workout area to show {new}",
             lambda: new in workout_area(window)[1] and old not in workout_area(window)[1])
    if undo:
        s.menu(window, "Edit", "Undo")
        wait_for(f"the workout area to show {old} again",
                 lambda: old in workout_area(window)[1] and new not in workout_area(window)[1])
    exit_diary(s, app, window)
    stored = weight_of_first_exercise(s.days()[today])
    wanted = before if undo else before + 7.5
    if abs(stored - wanted) > 1e-9:
        raise JourneyFailed(f"the file holds {stored}, not {wanted}")


def edit_a_day(s):
    """3. Return opens "Workout planning"; a weight changed there and confirmed with OK shows in
    the workout area, and after Exit the file holds it."""
    edit_a_weight(s)


def undo_an_edit(s):
    """4. Edit > Undo after that change: the old weight is back in the window and the file."""
    edit_a_weight(s, undo=True)


def import_a_strong_export(s):
    """5. File > Import... a Strong export through the file dialog: the preview names the
    dates; Import; the cells tell of the imported days."""
    s.user_data_filled()
    s.sample_diary()
    source = os.path.join(journey.ROOT, "tests/data/exchange/strong.csv")
    app, window = start_diary(s)
    s.menu(window, "File", "Import")
    chooser = s.window(app, "Import")
    name_field = wait_for("the file name field", lambda: find(chooser, role_name="text",
                                                              visible=True))
    s.focus(name_field)
    s.type(source)
    s.keys("Return")
    preview = wait_for("the import preview", lambda: next(
        (w for w in (app.getChildAtIndex(i) for i in range(app.childCount))
         if w is not None and journey.showing(w) and find(w, role_name="push button",
                                                          name="Import")), None))
    wait_for("the preview to name 2025-03-28",
             lambda: find(preview, contains="2025-03-28", visible=False) or
             find(preview, contains="28 March 2025", visible=False))
    press(find(preview, role_name="push button", name="Import"))
    s.answer(app, "OK")
    # The calendar moves to the newest imported day, which tells of the file's workouts there.
    with open(source, newline="") as f:
        rows = [row for row in csv.DictReader(f) if row["Date"][:4].isdigit()]
    newest = max(row["Date"][:10] for row in rows)
    names = {row["Workout Name"] for row in rows if row["Date"].startswith(newest)}
    date = datetime.date.fromisoformat(newest)
    wait_for(f"the cell of {newest} to tell of {names}",
             lambda: all(f"{name}, Done" in cell_of(window, date).name for name in names))
    month = f"{date:%B %Y}"
    wait_for(f"the month calendar to show {month}", lambda: find(
        window, name="Calendar", visible=False).description.startswith(month))
    exit_diary(s, app, window)
    if not {row["Date"][:10] for row in rows} <= set(s.days()):
        raise JourneyFailed("the imported days are not all in the file")


def progress_records(s):
    """6. Tools > Progress...: the records of an exercise are readable."""
    s.user_data_filled()
    s.sample_diary()
    app, window = start_diary(s)
    s.menu(window, "Tools", "Progress")
    progress = s.window(app, "Progress")
    s.focus(wait_for("the exercise filter", lambda: find(progress, role_name="text")))
    s.type("Bench")
    press(wait_for("Bench press in the list", lambda: find(progress, role_name="table cell",
                                                           name="Bench press")))
    best = max(e["weight"] for d in s.days().values() for w in d["workouts"]
               for e in w["exercises"] if e["name"] == "Bench press" and e["status"] == "Done")
    wanted = f"{best:.2f}".rstrip("0").rstrip(".") + " kg \u00d7 8"
    wait_for(f"the record {wanted}", lambda: find(progress, role_name="table cell",
                                                  name=wanted))


def first_start(s):
    """7. First start without data: the user data dialog, then an empty calendar whose workout
    area says how to add a day."""
    app = s.start("repbook", "Repbook")
    dialog = s.window(app, "User data")
    press(wait_for("Skip", lambda: find(dialog, role_name="push button", name="Skip")))
    window = s.window(app, "Repbook")
    wait_for("the hint on adding a workout", lambda: find(
        window, role_name="label", contains="To add new workout double click"))
    cells = [c.name for c in find_all(calendar(window), role_name="table cell", visible=False)]
    telling = [c for c in cells if c and not c.endswith(("no workouts", "outside the range"))]
    if not cells or telling:
        raise JourneyFailed(f"cells of the empty diary that tell of workouts: {telling[:3]}")


def notifier_reminder(s):
    """8. The notifier with a diary of today: its reminder dialog, opened from its menu, shows
    today's workouts."""
    s.user_data_filled()
    s.sample_diary()
    ensure_day_today(s)
    day = s.days()[journey.today().isoformat()]
    app = s.start("repminder", "Repminder")
    # The tray menu is a popup, which the accessibility tree leaves out: its first item, "Open",
    # is chosen with the keys.
    s.open_tray_menu("repminder")
    s.keys("Down", "Return")
    dialog = s.window(app, "Workout remind")
    wait_for("the reminder's text", lambda: find(dialog, role_name="label",
                                                 contains="workout today"))
    press(find(dialog, role_name="push button", name="View"))
    day_dialog = s.window(app, "Workout planning")
    wanted = [w["name"] for w in day["workouts"]]
    wait_for(f"the tabs {wanted}", lambda: [t.name.split(",")[0] for t in find_all(
        day_dialog, role_name="page tab")] == wanted)


def find_a_lift(s):
    """9. Edit > Find...: typing finds the newest day of a lift; Enter shows it in the calendar."""
    s.user_data_filled()
    s.sample_diary()
    days = s.days()
    app, window = start_diary(s)
    s.menu(window, "Edit", "Find")
    finder = s.window(app, "Find")
    s.focus(wait_for("the search field", lambda: find(finder, role_name="text", name="Find")))
    s.type("triceps")
    newest = max(d for d, day in days.items() for w in day["workouts"]
                 for e in w["exercises"] if e["name"] == "Triceps pushdown")
    shown = datetime.date.fromisoformat(newest).strftime("%d/%m/%Y")  # the en_GB short date
    wait_for(f"the first result on {shown}", lambda: [c.name for c in find_all(
        finder, role_name="table cell", visible=False)][:1] == [shown])
    s.keys("Down", "Return")
    check_area_shows(window, days[newest])


def take_a_conflict(s):
    """10. Edit > Conflicts...: today, changed here and on another computer, shows both versions;
    taking the other one puts it into the calendar and removes the record; Undo brings back the
    diary's."""
    s.user_data_filled()
    s.sample_diary()
    ensure_day_today(s)
    date = journey.today()
    mine = s.days()[date.isoformat()]
    path = os.path.join(s.dir, "other.json")
    with open(path, "w") as f:
        json.dump({"format": "repbook-diary", "version": 1, "days": [
            {"date": date.isoformat(), "notes": "", "workouts": [
                {"name": "Mobility", "status": "Done", "exercises": [
                    {"name": "Hip opener", "sets": 2, "reps": 10, "forced": 0, "negative": 0,
                     "weight": 0, "note": "", "status": "Done"}]}]}]}, f)
    record = s.database + ".conflict-20261207-181500"
    s.cli("import", path, "--diary", record)
    app, window = start_diary(s)
    s.menu(window, "Edit", "Conflicts")
    conflicts = s.window(app, "Conflicts")
    wait_for("today in the list", lambda: find(conflicts, role_name="list item",
                                               name=long_date(date)))
    wait_for("the other version", lambda: "Hip opener" in journey.text_of(
        find(conflicts, name="Other version", visible=False)))
    press(wait_for("Take other version", lambda: find(conflicts, role_name="push button",
                                                      name="Take other version")))
    wait_for("the other version in the calendar",
             lambda: cell_of(window, date).name.endswith(": Mobility, Done"))
    wait_for("the record to go", lambda: not os.path.exists(record))
    s.menu(window, "Edit", "Undo")
    wait_for("the diary's version back", lambda: cell_of(window, date).name.endswith(
        ": " + expected_cell(mine)))


def role(node):
    return journey.role(node)


JOURNEYS = [start_shows_the_diary, navigation_moves_the_workout_area, edit_a_day, undo_an_edit,
            import_a_strong_export, progress_records, first_start, notifier_reminder, find_a_lift,
            take_a_conflict]


def main():
    prefix = os.path.abspath(sys.argv[1])
    chosen = sys.argv[2:]
    passed = failed = 0
    for run in JOURNEYS:
        if chosen and run.__name__ not in chosen:
            continue
        session = Session(prefix, run.__name__)
        try:
            run(session)
            passed += 1
            print(f"PASS {run.__name__}", flush=True)
        except Exception:
            failed += 1
            print(f"FAIL {run.__name__}: kept in {session.dir}", flush=True)
            traceback.print_exc()
            os.environ["JOURNEY_KEEP"] = "1"
            session.dump_tree(os.path.join(session.dir, "tree.txt"))
            session.screenshot(os.path.join(session.dir, "screen.png"))
        finally:
            session.close()
            os.environ.pop("JOURNEY_KEEP", None)
    print(f"journeys: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
