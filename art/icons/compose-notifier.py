#!/usr/bin/env python3
"""Writes the notifier's icon drawings (icon133*.svg): the diary's icon of the same size with the
bell badge of that size laid over it, so the two program icons never drift apart.

Run from anywhere: python3 art/icons/compose-notifier.py
"""

from pathlib import Path

HERE = Path(__file__).resolve().parent
DIARY, NOTIFIER = "icon156", "icon133"


def inner(svg_text):
    """The drawing inside the outer <svg> element."""
    start = svg_text.index(">", svg_text.index("<svg")) + 1
    return svg_text[start:svg_text.rindex("</svg>")].strip("\n")


def main():
    for diary in sorted(HERE.glob(DIARY + "*.svg")):
        suffix = diary.stem[len(DIARY):]          # "" for the scalable drawing, "-16" etc.
        badge = HERE / f"bell{suffix}.svg"
        if not badge.exists():
            raise SystemExit(f"no bell badge {badge.name} for {diary.name}")
        text = diary.read_text()
        head = text[:text.index(">", text.index("<svg")) + 1]
        out = (f"{head}\n<!-- written by compose-notifier.py from {diary.name} and "
               f"{badge.name}; edit those -->\n{inner(text)}\n{inner(badge.read_text())}\n</svg>\n")
        (HERE / f"{NOTIFIER}{suffix}.svg").write_text(out)


if __name__ == "__main__":
    main()
