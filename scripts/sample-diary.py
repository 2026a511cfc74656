#!/usr/bin/env python3
"""Writes a sample diary for screenshots: a four-day split from eight weeks before today to two
weeks after it, done (now and then failed) in the past and planned ahead.

usage: scripts/sample-diary.py DATABASE_FOLDER
"""
import datetime
import hashlib
import pathlib
import sys

NOT_YET, DONE, FAILED = 0, 1, 2

# weekday -> workouts of that day: (name, [(exercise, sets, reps, first weight, weekly step)])
SPLIT = {
    0: [("Chest", [("Bench press", 4, 8, 70.0, 2.5), ("Incline dumbbell press", 3, 10, 24.0, 1.0),
                   ("Dips", 3, 12, 0.0, 0.0), ("Triceps pushdown", 3, 12, 30.0, 1.25)])],
    1: [("Back", [("Deadlift", 3, 5, 110.0, 5.0), ("Pull-up", 4, 8, 0.0, 0.0),
                  ("Barbell row", 4, 8, 60.0, 2.5), ("Biceps curl", 3, 10, 14.0, 0.5)])],
    3: [("Legs", [("Squat", 5, 5, 90.0, 2.5), ("Leg press", 3, 12, 140.0, 5.0),
                  ("Lunges", 3, 10, 16.0, 1.0), ("Calf raise", 4, 15, 60.0, 2.5)]),
        ("Core", [("Plank", 3, 1, 0.0, 0.0), ("Hanging leg raise", 3, 12, 0.0, 0.0),
                  ("Cable crunch", 3, 15, 25.0, 1.25)])],
    4: [("Shoulders", [("Overhead press", 4, 6, 42.5, 1.25), ("Lateral raise", 3, 12, 10.0, 0.5),
                       ("Face pull", 3, 15, 20.0, 1.0)])],
}
DAY_NOTES = ["Slept badly, kept it light.", "New best on the first lift!",
             "Gym was crowded, swapped the order.", "Felt strong today."]


def exercise_lines(exercise, index, week, status):
    name, sets, reps, weight, step = exercise
    note = "last set to failure" if index == 0 and week % 3 == 1 else ""
    if name == "Plank":
        note = "60 seconds each"
    forced = 2 if index == 0 and week % 2 == 0 else 0
    return [name, str(sets), str(reps), str(forced), "0", f"{weight + step * week:.2f}", note,
            str(status)]


def day_lines(day, first, today):
    week = (day - first).days // 7
    past = day < today
    workouts = SPLIT[day.weekday()]
    lines = [f"{day.day}.{day.month}.{day.year}", str(len(workouts))]
    for number, (name, exercises) in enumerate(workouts):
        statuses, body = [], []
        for index, exercise in enumerate(exercises):
            status = NOT_YET
            if past:
                failed = (week * 7 + index * 3 + day.weekday() + number) % 37 == 0
                status = FAILED if failed else DONE
            statuses.append(status)
            body += exercise_lines(exercise, index, week, status)
        workout_status = NOT_YET if not past else (FAILED if FAILED in statuses else DONE)
        lines += [name, str(len(exercises)), str(workout_status)] + body
    lines.append(DAY_NOTES[week % len(DAY_NOTES)] if past and day.weekday() in (0, 3) else "")
    return lines


def main():
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    today = datetime.date.today()
    first = today - datetime.timedelta(weeks=8)
    last = today + datetime.timedelta(weeks=2)
    lines = []
    day = first
    while day <= last:
        if day.weekday() in SPLIT:
            lines += day_lines(day, first, today)
        day += datetime.timedelta(days=1)
    records = "".join(line + "\r\n" for line in lines).encode("utf-8")
    digest = hashlib.md5(records).hexdigest().encode("ascii")
    (folder / "Database.rpd").write_bytes(records + b"\xa9\r\n" + digest)


if __name__ == "__main__":
    main()
