#!/usr/bin/env python3
"""The share of its window that a picture covers, read from the tour's screenshots.

Usage: tools/tour/picture_shares.py build/tour/01-splash.png build/tour/02-welcome.png ...

For a page (and the About box): the active window is found by its caption bar and its left
margin; the side picture is the band of anything that is not the window's face colour through
the middle of the left column, the heading the first such band at the top of the right part.
For the splash (a window without a caption, alone on the screen): the window is everything
that is not black, the picture the band through its middle. Prints width and height shares.
Needs ImageMagick's convert.
"""
import subprocess
import sys

CAPTION = b"\x32\x96\xfa"  # the colour of Wine's active caption
BLACK = b"\0\0\0"


class Screen:
    def __init__(self, path):
        data = subprocess.run(["convert", path, "ppm:-"], capture_output=True, check=True).stdout
        magic, size, _, self.pixels = data.split(b"\n", 3)
        self.width, self.height = map(int, size.split())

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return self.pixels[i:i + 3]


def run(holds, start, low, high):
    """The stretch around start where holds() is true, within [low, high]."""
    if not holds(start):
        return None
    a = b = start
    while a > low and holds(a - 1):
        a -= 1
    while b < high and holds(b + 1):
        b += 1
    return a, b


def band(screen, face, x0, x1, y0, y1, x_start, y_start):
    """Width and height of the picture through (x_start, y_start) inside the box."""
    marked = lambda x, y: screen.at(x, y) != face
    rows = run(lambda y: any(marked(x, y) for x in range(x0, x1)), y_start, y0, y1)
    if not rows:
        return None
    cols = run(lambda x: any(marked(x, y) for y in range(rows[0], rows[1] + 1)), x_start, x0, x1)
    return cols[1] - cols[0] + 1, rows[1] - rows[0] + 1


def page(screen, about):
    caption = [(x, y) for y in range(screen.height) for x in range(0, screen.width, 3)
               if screen.at(x, y) == CAPTION]
    top = min(y for _, y in caption)
    client = max(y for _, y in caption) + 1
    row = [x for x in range(screen.width) if screen.at(x, top + 2) == CAPTION]
    left, right = row[0] - 2, row[-1] + 2
    face = screen.at(left + 4, client + 5)
    bottom = client + 5
    while bottom + 1 < screen.height and screen.at(left + 4, bottom + 1) == face:
        bottom += 1
    width, height = right - left + 1, bottom - top + 1
    shares = {}
    right_of_art = 0.96 if about else 0.40
    art = band(screen, face, left + 3, left + int(right_of_art * width), client, bottom - 2,
               left + int((0.5 if about else 0.2) * width), client + (bottom - client) * 2 // 5)
    if art:
        shares["art"] = (art[0] / width, art[1] / height)
    if not about:
        x0, x1 = left + int(0.42 * width), right - int(0.02 * width)
        first = next(y for y in range(client + 1, bottom)
                     if any(screen.at(x, y) != face for x in range(x0, x1)))
        rows = run(lambda y: any(screen.at(x, y) != face for x in range(x0, x1)), first, client,
                   bottom)
        xs = [x for x in range(x0, x1)
              if any(screen.at(x, y) != face for y in range(rows[0], rows[1] + 1))]
        shares["heading"] = ((xs[-1] - xs[0] + 1) / width, (rows[1] - rows[0] + 1) / height)
    return (width, height), shares


def splash(screen):
    lit = lambda y: any(screen.at(x, y) != BLACK for x in range(0, screen.width, 5))
    rows = [y for y in range(screen.height) if lit(y)]
    top, bottom = rows[0], rows[-1]
    cols = [x for x in range(screen.width)
            if any(screen.at(x, y) != BLACK for y in range(top, bottom, 5))]
    left, right = cols[0], cols[-1]
    width, height = right - left + 1, bottom - top + 1
    face = screen.at(left + 3, bottom - 3)
    art = band(screen, face, left + 2, right - 2, top, bottom, left + width // 2,
               top + height * 2 // 5)
    return (width, height), {"art": (art[0] / width, art[1] / height)}


for path in sys.argv[1:]:
    screen = Screen(path)
    name = path.rsplit("/", 1)[-1]
    size, shares = splash(screen) if "splash" in name else page(screen, "about" in name)
    print(f"{name:28} window {size[0]}x{size[1]}", "  ".join(
        f"{what} {w:.3f} x {h:.3f}" for what, (w, h) in shares.items()))
