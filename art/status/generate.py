#!/usr/bin/env python3
"""Writes the twelve status drawings (shields and flags, 16 and 32 pixels, Done, Failed and
Not yet) from one outline per shape and size and one colour table, so the four sets stay
identical apart from their colours and glyphs.

Run from anywhere: python3 art/status/generate.py
"""

from pathlib import Path

HERE = Path(__file__).resolve().parent

# fill, lighter half, outline, glyph colour
COLOURS = {
    "done": ("#2f74d0", "#4d8ee3", "#1a4a8f", "#ffffff"),
    "failed": ("#d83a3a", "#e85a5a", "#8f1d1d", "#ffffff"),
    "notyet": ("#f2b01e", "#f8c64a", "#9a6600", "#5c3b00"),
}

# Glyphs are drawn centred on (0, 0) and moved onto the cloth or shield by the shape.
GLYPHS_32 = {
    "done": '<path d="M-5.5 0.5 L-1.5 4.5 L5.5 -3.5" fill="none" stroke="{g}" '
            'stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>',
    "failed": '<path d="M-4 -4 L4 4 M4 -4 L-4 4" fill="none" stroke="{g}" '
              'stroke-width="3" stroke-linecap="round"/>',
    "notyet": '<circle cx="0" cy="0" r="5.5" fill="none" stroke="{g}" stroke-width="2"/>'
              '<path d="M0 -3 V0.5 H2.5" fill="none" stroke="{g}" stroke-width="2" '
              'stroke-linecap="round" stroke-linejoin="round"/>',
}

GLYPHS_16 = {
    "done": '<path d="M-3 0 L-1 2 L3 -2" fill="none" stroke="{g}" stroke-width="1.8" '
            'stroke-linecap="round" stroke-linejoin="round"/>',
    "failed": '<path d="M-2.25 -2.25 L2.25 2.25 M2.25 -2.25 L-2.25 2.25" fill="none" '
              'stroke="{g}" stroke-width="1.8" stroke-linecap="round"/>',
    # A clock does not read at this size: a dot, placed so its edges fall on pixel edges.
    "notyet": '<circle cx="{dx}" cy="{dy}" r="{r}" fill="{g}"/>',
}


def glyph_16(status, centre, colour):
    """The small glyph at centre; the dot's diameter is even on a whole-pixel centre and odd
    on a half-pixel one, so it stays crisp."""
    r = 2 if float(centre[0]).is_integer() else 2.5
    dy = (centre[1] - r) % 1
    return GLYPHS_16[status].format(g=colour, r=r, dx=0, dy=-dy)


def glyph_markup(glyphs, status, centre, colour):
    if glyphs is None:
        return glyph_16(status, centre, colour)
    return glyphs[status].format(g=colour)


def shield(size, status):
    fill, light, line, glyph = COLOURS[status]
    if size == 32:
        outline = ("M5.5 4.5 Q11 4.5 16 2.5 Q21 4.5 26.5 4.5 V15 "
                   "C26.5 21.5 22.5 26.5 16 29.5 C9.5 26.5 5.5 21.5 5.5 15 Z")
        half = "M16 3.6 Q11 5.5 6.5 5.5 V15 C6.5 21 10 25.6 16 28.4 Z"
        centre, glyphs = (16, 15.5), GLYPHS_32
    else:
        outline = "M2.5 1.5 H13.5 V8 C13.5 11 11.5 13.3 8 14.5 C4.5 13.3 2.5 11 2.5 8 Z"
        half = "M8 2 H3 V8 C3 10.6 4.8 12.7 8 13.9 Z"
        centre, glyphs = (8, 7.5), None
    return (f'<path d="{outline}" fill="{fill}"/>'
            f'<path d="{half}" fill="{light}"/>'
            f'<path d="{outline}" fill="none" stroke="{line}" stroke-width="1" '
            f'stroke-linejoin="round"/>'
            f'<g transform="translate({centre[0]} {centre[1]})">'
            + glyph_markup(glyphs, status, centre, glyph) + '</g>')


def flag(size, status):
    fill, light, line, glyph = COLOURS[status]
    pole, pole_dark = "#6b7888", "#3a4552"
    if size == 32:
        cloth = ("M9.5 5.5 C14 3.5 19 7.5 28.5 5.5 V20.5 "
                 "C19 22.5 14 18.5 9.5 20.5 Z")
        shade = "M10.5 6.2 C14 4.8 17 6.6 19.5 7 V20 C16.5 19.5 13.5 18.7 10.5 19.6 Z"
        parts = (f'<rect x="6.5" y="4.5" width="3" height="25" rx="0.5" fill="{pole}" '
                 f'stroke="{pole_dark}" stroke-width="1"/>'
                 f'<circle cx="8" cy="3.5" r="2" fill="{pole}" stroke="{pole_dark}" '
                 f'stroke-width="1"/>'
                 f'<rect x="4.5" y="28.5" width="7" height="2" rx="1" fill="{pole}" '
                 f'stroke="{pole_dark}" stroke-width="1"/>')
        centre, glyphs = (19, 13), GLYPHS_32
    else:
        cloth = "M4.5 1.5 H14.5 V11.5 H4.5 Z"
        shade = "M5 2 H9.5 V11 H5 Z"
        parts = (f'<rect x="2" y="1" width="2" height="14" fill="{pole_dark}"/>'
                 f'<rect x="1" y="14" width="4" height="1" fill="{pole_dark}"/>')
        centre, glyphs = (9.5, 6.5), None
    return (parts
            + f'<path d="{cloth}" fill="{fill}"/>'
            + f'<path d="{shade}" fill="{light}"/>'
            + f'<path d="{cloth}" fill="none" stroke="{line}" stroke-width="1" '
              f'stroke-linejoin="round"/>'
            + f'<g transform="translate({centre[0]} {centre[1]})">'
            + glyph_markup(glyphs, status, centre, glyph) + '</g>')


# id, shape, size, status
TABLE = [
    (209, flag, 32, "done"), (211, flag, 32, "failed"), (213, flag, 32, "notyet"),
    (148, shield, 32, "done"), (151, shield, 32, "failed"), (150, shield, 32, "notyet"),
    (210, flag, 16, "done"), (212, flag, 16, "failed"), (208, flag, 16, "notyet"),
    (159, shield, 16, "done"), (157, shield, 16, "failed"), (158, shield, 16, "notyet"),
]


def main():
    for image_id, shape, size, status in TABLE:
        body = shape(size, status)
        svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
               f'viewBox="0 0 {size} {size}">\n{body}\n</svg>\n')
        name = f"{image_id}-{shape.__name__}-{status}-{size}.svg"
        (HERE / name).write_text(svg.replace("><", ">\n<"))


if __name__ == "__main__":
    main()
