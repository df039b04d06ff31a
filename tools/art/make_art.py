#!/usr/bin/env python3
"""Draws every picture of Zat Start and writes it under resources/art/.

Run it from anywhere:  python3 tools/art/make_art.py
It needs nothing but the Python 3 standard library and always produces the
same bytes, so the generated files can stay in the repository and the build
does not need Python.

What it makes:
  * the page pictures (a panel down the left side of a page and a heading
    banner at its top), the About picture and the loading splash, as
    uncompressed Windows bitmaps with a 16 or 256 colour palette;
  * the program icon (32x32 and 16x16, 16 colours).

The pictures are drawn with signed distance functions (a shape is a function
that tells how far a point lies outside it), which gives smooth edges and
glows without any imaging library. Text uses the small stroke font defined
below.
"""

import math
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ART_DIR = os.path.normpath(os.path.join(HERE, '..', '..', 'resources', 'art'))

# --------------------------------------------------------------------------
# Colours

AMBER = (255, 164, 44)
AMBER_HOT = (255, 214, 120)
ORANGE = (232, 104, 20)
EMBER = (120, 38, 8)
SILVER = (236, 240, 248)
STEEL = (150, 162, 182)
STEEL_DARK = (40, 46, 60)
TEAL = (70, 190, 220)

# The 16 colours of the headings and the icon: a steel ramp and an amber ramp.
PALETTE16 = [
    (0, 0, 0), (12, 14, 20), (24, 28, 38), (38, 44, 58), (56, 64, 82),
    (80, 90, 110), (110, 122, 142), (150, 160, 178), (192, 200, 214),
    (232, 236, 242), (255, 255, 255),
    (70, 26, 6), (150, 60, 10), (225, 115, 25), (255, 170, 55),
    (255, 222, 140),
]


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t,
            a[2] + (b[2] - a[2]) * t)


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


# --------------------------------------------------------------------------
# Stroke font: capitals, digits and a little punctuation on a 4 x 6 grid.
# Each glyph is a list of polylines, "x,y x,y ..." separated by "|".

GLYPHS = {
    'A': "0,6 0,1 1,0 3,0 4,1 4,6|0,3.5 4,3.5",
    'B': "0,0 3,0 4,1 4,2 3,3 0,3|3,3 4,4 4,5 3,6 0,6 0,0",
    'C': "4,0 1,0 0,1 0,5 1,6 4,6",
    'D': "0,0 3,0 4,1 4,5 3,6 0,6 0,0",
    'E': "4,0 0,0 0,6 4,6|0,3 3,3",
    'F': "4,0 0,0 0,6|0,3 3,3",
    'G': "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.5 2,3.5",
    'H': "0,0 0,6|4,0 4,6|0,3 4,3",
    'I': "1,0 3,0|2,0 2,6|1,6 3,6",
    'J': "4,0 4,5 3,6 1,6 0,5",
    'K': "0,0 0,6|4,0 1,3 0,3|1,3 4,6",
    'L': "0,0 0,6 4,6",
    'M': "0,6 0,0 2,3 4,0 4,6",
    'N': "0,6 0,0 4,6 4,0",
    'O': "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0",
    'P': "0,6 0,0 3,0 4,1 4,2 3,3 0,3",
    'Q': "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2.5,4.5 4,6",
    'R': "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6",
    'S': "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5",
    'T': "0,0 4,0|2,0 2,6",
    'U': "0,0 0,5 1,6 3,6 4,5 4,0",
    'V': "0,0 0,3 2,6 4,3 4,0",
    'W': "0,0 0,6 2,4 4,6 4,0",
    'X': "0,0 4,6|4,0 0,6",
    'Y': "0,0 0,1 2,3 4,1 4,0|2,3 2,6",
    'Z': "0,0 4,0 4,1 0,5 0,6 4,6",
    '0': "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|3,1.5 1,4.5",
    '1': "1,1 2,0 2,6|1,6 3,6",
    '2': "0,1 1,0 3,0 4,1 4,2 0,6 4,6",
    '3': "0,0 4,0 2,2.5 3,2.5 4,3.5 4,5 3,6 1,6 0,5",
    '4': "3,6 3,0 0,4 4,4",
    '5': "4,0 0,0 0,2.5 3,2.5 4,3.5 4,5 3,6 0,6",
    '6': "3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.5 3,2.5 0,2.5",
    '7': "0,0 4,0 4,1 1.5,6",
    '8': "1,0 3,0 4,1 4,2 3,3 1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3|1,3 0,2 0,1 1,0",
    '9': "4,3.5 1,3.5 0,2.5 0,1 1,0 3,0 4,1 4,5 3,6 1,6",
    '.': "2,6 2,6",
    ',': "2,5.5 1.5,7",
    '-': "1,3 3,3",
    ':': "2,2 2,2|2,5 2,5",
    '/': "4,0 0,6",
    '>': "0,1 4,3 0,5",
    '_': "0,6 4,6",
    ' ': "",
}

NARROW = {' ': 0.55, '.': 0.5, ',': 0.5, ':': 0.5, 'I': 0.75, '1': 0.8}


def parse_glyph(outline):
    lines = []
    for part in outline.split('|'):
        part = part.strip()
        if not part:
            continue
        pts = [tuple(float(v) for v in p.split(',')) for p in part.split()]
        lines.append(pts)
    return lines


FONT = {ch: parse_glyph(outline) for ch, outline in GLYPHS.items()}


class TextLayout:
    """A line of text in the stroke font, measured in pixels.

    cell_h is the height of a capital, stroke the line width; the glyphs are
    condensed (a capital is about half as wide as it is tall).
    """

    def __init__(self, text, cell_h, stroke=None, ratio=0.52, gap=None):
        self.text = text
        self.cell_h = cell_h
        self.stroke = stroke if stroke is not None else max(1.4, cell_h * 0.15)
        self.cell_w = cell_h * ratio
        self.gap = gap if gap is not None else self.cell_w * 0.32 + 0.6
        self.width = sum(self.advance(ch) for ch in text) - self.gap
        self.height = cell_h

    def advance(self, ch):
        return self.cell_w * NARROW.get(ch, 1.0) + self.gap

    def segments(self, x0, y0):
        """Segments of the text placed with its top left corner at x0, y0."""
        segs = []
        t = self.stroke / 2.0
        sy = (self.cell_h - self.stroke) / 6.0
        x = x0
        for ch in self.text:
            glyph = FONT[ch]
            scale = NARROW.get(ch, 1.0)
            w = self.cell_w * scale
            sx = (w - self.stroke) / 4.0
            # Narrow glyphs are drawn on a grid squeezed to their cell.
            for line in glyph:
                pts = [(x + t + gx * sx, y0 + t + gy * sy) for gx, gy in line]
                for a, b in zip(pts, pts[1:] if len(pts) > 1 else pts):
                    segs.append((a[0], a[1], b[0], b[1]))
            x += self.advance(ch)
        return segs


# --------------------------------------------------------------------------
# Signed distance functions. Each returns f(px, py) -> distance in pixels,
# negative inside the shape.

def seg_dist(px, py, ax, ay, bx, by):
    dx = bx - ax
    dy = by - ay
    l2 = dx * dx + dy * dy
    if l2 < 1e-9:
        ex = px - ax
        ey = py - ay
    else:
        t = ((px - ax) * dx + (py - ay) * dy) / l2
        t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
        ex = px - ax - t * dx
        ey = py - ay - t * dy
    return math.sqrt(ex * ex + ey * ey)


def sd_segments(segs, width, reach=8.0):
    """Union of thick line segments (round ends)."""
    half = width / 2.0
    boxes = []
    for ax, ay, bx, by in segs:
        boxes.append((min(ax, bx) - half - reach, min(ay, by) - half - reach,
                      max(ax, bx) + half + reach, max(ay, by) + half + reach,
                      ax, ay, bx, by))

    def f(px, py):
        best = 1e9
        for x0, y0, x1, y1, ax, ay, bx, by in boxes:
            if x0 <= px <= x1 and y0 <= py <= y1:
                d = seg_dist(px, py, ax, ay, bx, by)
                if d < best:
                    best = d
        return best - half
    return f


def segments_bbox(segs, pad):
    xs = [s[0] for s in segs] + [s[2] for s in segs]
    ys = [s[1] for s in segs] + [s[3] for s in segs]
    return (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad)


def sd_circle(cx, cy, r):
    return lambda px, py: math.hypot(px - cx, py - cy) - r


def sd_ring(cx, cy, r, width):
    half = width / 2.0
    return lambda px, py: abs(math.hypot(px - cx, py - cy) - r) - half


def sd_box(x0, y0, x1, y1, radius=0.0):
    cx = (x0 + x1) / 2.0
    cy = (y0 + y1) / 2.0
    hx = (x1 - x0) / 2.0 - radius
    hy = (y1 - y0) / 2.0 - radius

    def f(px, py):
        qx = abs(px - cx) - hx
        qy = abs(py - cy) - hy
        ox = max(qx, 0.0)
        oy = max(qy, 0.0)
        return math.hypot(ox, oy) + min(max(qx, qy), 0.0) - radius
    return f


def sd_polygon(pts):
    n = len(pts)

    def f(px, py):
        best = 1e9
        inside = False
        j = n - 1
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[j]
            d = seg_dist(px, py, ax, ay, bx, by)
            if d < best:
                best = d
            if (ay > py) != (by > py):
                xc = ax + (py - ay) * (bx - ax) / (by - ay)
                if px < xc:
                    inside = not inside
            j = i
        return -best if inside else best
    return f


def sd_union(*fs):
    return lambda px, py: min(f(px, py) for f in fs)


def sd_subtract(a, b):
    return lambda px, py: max(a(px, py), -b(px, py))


def sd_intersect(a, b):
    return lambda px, py: max(a(px, py), b(px, py))


def regular_polygon(cx, cy, r, n, phase=0.0):
    return [(cx + r * math.cos(phase + 2 * math.pi * i / n),
             cy + r * math.sin(phase + 2 * math.pi * i / n)) for i in range(n)]


# --------------------------------------------------------------------------
# Canvas

class Canvas:
    def __init__(self, w, h, seed):
        self.w = w
        self.h = h
        self.r = [0.0] * (w * h)
        self.g = [0.0] * (w * h)
        self.b = [0.0] * (w * h)
        self.rng = random.Random(seed)

    def _box(self, bbox):
        if bbox is None:
            return 0, 0, self.w, self.h
        x0, y0, x1, y1 = bbox
        return (max(0, int(math.floor(x0))), max(0, int(math.floor(y0))),
                min(self.w, int(math.ceil(x1)) + 1),
                min(self.h, int(math.ceil(y1)) + 1))

    def fill(self, colour_at):
        i = 0
        for y in range(self.h):
            for x in range(self.w):
                c = colour_at(x, y)
                self.r[i], self.g[i], self.b[i] = c
                i += 1

    def blend(self, i, c, a):
        self.r[i] += (c[0] - self.r[i]) * a
        self.g[i] += (c[1] - self.g[i]) * a
        self.b[i] += (c[2] - self.b[i]) * a

    def paint(self, sdf, colour, bbox=None, alpha=1.0):
        """Fills a shape with a colour or with colour(x, y), antialiased."""
        x0, y0, x1, y1 = self._box(bbox)
        fn = colour if callable(colour) else None
        for y in range(y0, y1):
            py = y + 0.5
            i = y * self.w + x0
            for x in range(x0, x1):
                d = sdf(x + 0.5, py)
                if d < 0.5:
                    cov = 0.5 - d
                    if cov > 1.0:
                        cov = 1.0
                    self.blend(i, fn(x, y) if fn else colour, cov * alpha)
                i += 1

    def glow(self, sdf, colour, radius, strength, bbox=None):
        """Adds light around (and inside) a shape, fading with distance."""
        x0, y0, x1, y1 = self._box(bbox)
        for y in range(y0, y1):
            py = y + 0.5
            i = y * self.w + x0
            for x in range(x0, x1):
                d = sdf(x + 0.5, py)
                a = strength if d <= 0 else strength * math.exp(-d / radius)
                if a > 0.004:
                    self.r[i] = min(255.0, self.r[i] + colour[0] * a)
                    self.g[i] = min(255.0, self.g[i] + colour[1] * a)
                    self.b[i] = min(255.0, self.b[i] + colour[2] * a)
                i += 1

    def shade(self, fn, bbox=None):
        """Multiplies every pixel by fn(x, y)."""
        x0, y0, x1, y1 = self._box(bbox)
        for y in range(y0, y1):
            i = y * self.w + x0
            for x in range(x0, x1):
                k = fn(x, y)
                self.r[i] *= k
                self.g[i] *= k
                self.b[i] *= k
                i += 1

    def hline(self, y, x0, x1, colour, alpha=1.0):
        if 0 <= y < self.h:
            for x in range(max(0, x0), min(self.w, x1)):
                self.blend(y * self.w + x, colour, alpha)

    def vline(self, x, y0, y1, colour, alpha=1.0):
        if 0 <= x < self.w:
            for y in range(max(0, y0), min(self.h, y1)):
                self.blend(y * self.w + x, colour, alpha)

    def pixels(self):
        out = []
        for i in range(self.w * self.h):
            out.append((int(round(min(255.0, max(0.0, self.r[i])))),
                        int(round(min(255.0, max(0.0, self.g[i])))),
                        int(round(min(255.0, max(0.0, self.b[i]))))))
        return out

    # -- higher level pieces ------------------------------------------------

    def metal(self, top, bottom, streak=7.0, vignette=0.35):
        """Dark brushed metal: a vertical gradient with horizontal grain."""
        rng = self.rng
        w, h = self.w, self.h
        rows = []
        for y in range(h):
            raw = [rng.uniform(-1.0, 1.0) for _ in range(w + 12)]
            acc = sum(raw[:12])
            row = []
            for x in range(w):
                row.append(acc / 12.0)
                acc += raw[x + 12] - raw[x]
            rows.append((rng.uniform(-0.5, 0.5), row))
        i = 0
        for y in range(h):
            base = mix(top, bottom, y / max(1, h - 1))
            off, row = rows[y]
            for x in range(w):
                v = (off + row[x] * 2.2) * streak
                ex = abs(x - w / 2.0) / (w / 2.0)
                k = 1.0 - vignette * ex * ex
                self.r[i] = (base[0] + v) * k
                self.g[i] = (base[1] + v) * k
                self.b[i] = (base[2] + v * 1.1) * k
                i += 1

    def bevel(self, light=(130, 140, 160), dark=(0, 0, 0), alpha=0.8):
        self.hline(0, 0, self.w, light, alpha)
        self.vline(0, 0, self.h, light, alpha * 0.8)
        self.hline(self.h - 1, 0, self.w, dark, alpha)
        self.vline(self.w - 1, 0, self.h, dark, alpha)

    def seam(self, y, x0=0, x1=None):
        x1 = self.w if x1 is None else x1
        self.hline(y, x0, x1, (4, 5, 8), 0.85)
        self.hline(y + 1, x0, x1, (120, 130, 150), 0.45)

    def rivet(self, cx, cy, r=2.6):
        self.paint(sd_circle(cx + 0.6, cy + 0.8, r), (0, 0, 0), alpha=0.6,
                   bbox=(cx - r - 2, cy - r - 2, cx + r + 3, cy + r + 3))
        self.paint(sd_circle(cx, cy, r),
                   lambda x, y: mix((200, 208, 222), (60, 66, 80),
                                    clamp01((x - cx + y - cy) / (2.5 * r) + 0.5)),
                   bbox=(cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2))

    def text(self, layout, x0, y0, fill_top=SILVER, fill_bottom=STEEL,
             shadow=True, glow=None, glow_radius=2.0, glow_strength=0.35):
        segs = layout.segments(x0, y0)
        if not segs:
            return
        reach = 2.5 + (glow_radius * 4 if glow else 0)
        pad = layout.stroke + reach
        bbox = segments_bbox(segs, pad)
        if shadow:
            sh = [(a + 1.2, b + 1.4, c + 1.2, d + 1.4) for a, b, c, d in segs]
            self.paint(sd_segments(sh, layout.stroke + 0.8, 3.0), (0, 0, 0),
                       bbox=segments_bbox(sh, pad), alpha=0.85)
        f = sd_segments(segs, layout.stroke, reach)
        if glow:
            self.glow(f, glow, glow_radius, glow_strength, bbox=bbox)
        top = y0
        span = max(1.0, layout.cell_h)
        self.paint(f, lambda x, y: mix(fill_top, fill_bottom,
                                       clamp01((y - top) / span)), bbox=bbox)

    def emblem(self, cx, cy, r, detail=True):
        """The Zat Start emblem: a bevelled steel hexagon holding a glowing Z."""
        hexo = regular_polygon(cx, cy, r, 6, math.pi / 6)
        hexi = regular_polygon(cx, cy, r * 0.8, 6, math.pi / 6)
        outer = sd_polygon(hexo)
        inner = sd_polygon(hexi)
        box = (cx - r - 12, cy - r - 12, cx + r + 12, cy + r + 12)
        self.glow(outer, (255, 120, 30), r * 0.12, 0.25, bbox=box)
        self.paint(outer, lambda x, y: mix((220, 226, 238), (54, 60, 76),
                                           clamp01((y - cy + r) / (2 * r))),
                   bbox=box)
        self.paint(inner, lambda x, y: mix((10, 12, 18), (36, 40, 52),
                                           clamp01((y - cy + r) / (2 * r))),
                   bbox=box)
        if detail:
            self.paint(sd_ring(cx, cy, r * 0.68, max(0.8, r * 0.02)),
                       (255, 140, 40), bbox=box, alpha=0.35)
        s = r * 0.5
        zpts = [(-0.62, -0.66), (0.62, -0.66), (0.62, -0.36), (-0.14, 0.38),
                (0.62, 0.38), (0.62, 0.66), (-0.62, 0.66), (-0.62, 0.36),
                (0.14, -0.38), (-0.62, -0.38)]
        z = sd_polygon([(cx + x * s * 1.05, cy + y * s * 1.2) for x, y in zpts])
        self.glow(z, (255, 110, 20), r * 0.1, 0.55, bbox=box)
        self.paint(z, lambda x, y: mix(AMBER_HOT, ORANGE,
                                       clamp01((y - cy + s) / (2 * s))),
                   bbox=box)


# --------------------------------------------------------------------------
# Colour reduction and file writers

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def nearest(c, palette):
    best = 0
    bd = 1e18
    for i, p in enumerate(palette):
        dr = c[0] - p[0]
        dg = c[1] - p[1]
        db = c[2] - p[2]
        d = 2 * dr * dr + 4 * dg * dg + 3 * db * db
        if d < bd:
            bd = d
            best = i
    return best


def to_palette16(w, h, pixels, spread=22.0):
    """Ordered dithering onto the fixed 16-colour palette."""
    cache = {}
    out = []
    for y in range(h):
        for x in range(w):
            r, g, b = pixels[y * w + x]
            k = (BAYER4[y & 3][x & 3] + 0.5) / 16.0 - 0.5
            c = (int(r + k * spread), int(g + k * spread), int(b + k * spread))
            idx = cache.get(c)
            if idx is None:
                idx = nearest(c, PALETTE16)
                cache[c] = idx
            out.append(idx)
    return PALETTE16, out


def median_cut(pixels, count=256):
    """A palette of up to count colours that suits the picture."""
    hist = {}
    for p in pixels:
        hist[p] = hist.get(p, 0) + 1
    colours = sorted(hist.items())
    boxes = [colours]

    def score(box):
        if len(box) < 2:
            return -1.0
        rng = max(max(c[0][k] for c in box) - min(c[0][k] for c in box)
                  for k in range(3))
        pop = sum(n for _, n in box)
        return rng * math.sqrt(pop)

    scores = [score(colours)]
    while len(boxes) < count:
        best = max(range(len(boxes)), key=lambda i: scores[i])
        if scores[best] <= 0:
            break
        box = boxes[best]
        ranges = [max(c[0][k] for c in box) - min(c[0][k] for c in box)
                  for k in range(3)]
        axis = ranges.index(max(ranges))
        box.sort(key=lambda c: (c[0][axis], c[0]))
        total = sum(n for _, n in box)
        acc = 0
        cut = 1
        for i, (_, n) in enumerate(box):
            acc += n
            if acc * 2 >= total:
                cut = i + 1
                break
        cut = min(max(cut, 1), len(box) - 1)
        a, b = box[:cut], box[cut:]
        boxes[best] = a
        scores[best] = score(a)
        boxes.append(b)
        scores.append(score(b))
    palette = []
    lookup = {}
    for i, box in enumerate(boxes):
        total = sum(n for _, n in box)
        mean = tuple(int(round(sum(c[k] * n for c, n in box) / total))
                     for k in range(3))
        palette.append(mean)
        for c, _ in box:
            lookup[c] = i
    return palette, [lookup[p] for p in pixels]


def to_palette256(w, h, pixels):
    palette, idx = median_cut(pixels, 256)
    while len(palette) < 256:
        palette.append((0, 0, 0))
    return palette, idx


def pack_rows(w, h, idx, bits):
    """Bottom-up rows of palette indexes, each padded to 4 bytes."""
    rows = []
    for y in range(h - 1, -1, -1):
        line = idx[y * w:(y + 1) * w]
        if bits == 8:
            data = bytes(line)
        elif bits == 4:
            data = bytearray()
            for x in range(0, w, 2):
                hi = line[x]
                lo = line[x + 1] if x + 1 < w else 0
                data.append((hi << 4) | lo)
            data = bytes(data)
        elif bits == 1:
            data = bytearray()
            for x in range(0, w, 8):
                v = 0
                for k in range(8):
                    if x + k < w and line[x + k]:
                        v |= 0x80 >> k
                data.append(v)
            data = bytes(data)
        else:
            raise ValueError(bits)
        data += b'\0' * ((-len(data)) % 4)
        rows.append(data)
    return b''.join(rows)


def dib(w, h, bits, palette, idx, height_field=None):
    colours = 1 << bits
    pal = b''.join(struct.pack('<BBBB', c[2], c[1], c[0], 0) for c in palette)
    pal += b'\0' * (4 * colours - len(pal))
    data = pack_rows(w, h, idx, bits)
    header = struct.pack('<IiiHHIIiiII', 40, w,
                         h if height_field is None else height_field,
                         1, bits, 0, len(data), 3780, 3780, colours, 0)
    return header, pal, data


def write_bmp(name, canvas, bits):
    w, h = canvas.w, canvas.h
    px = canvas.pixels()
    if bits == 4:
        palette, idx = to_palette16(w, h, px)
    else:
        palette, idx = to_palette256(w, h, px)
    header, pal, data = dib(w, h, bits, palette, idx)
    offset = 14 + len(header) + len(pal)
    filehdr = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    with open(os.path.join(ART_DIR, name), 'wb') as f:
        f.write(filehdr + header + pal + data)


def write_ico(name, images):
    """images: list of (size, palette indexes, opaque mask) in 16 colours."""
    entries = []
    blobs = []
    offset = 6 + 16 * len(images)
    for size, idx, mask in images:
        header, pal, xor = dib(size, size, 4, PALETTE16, idx,
                               height_field=size * 2)
        and_bits = pack_rows(size, size, [0 if m else 1 for m in mask], 1)
        blob = header + pal + xor + and_bits
        entries.append(struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(os.path.join(ART_DIR, name), 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)))
        f.write(b''.join(entries))
        f.write(b''.join(blobs))


# --------------------------------------------------------------------------
# Headings: a dark steel banner with the page's name in bold capitals.

def heading(name, w, h, words, seed):
    c = Canvas(w, h, seed)
    c.metal((50, 56, 72), (14, 16, 22), streak=5.0, vignette=0.2)
    # Amber slash marks on the left.
    m = max(3, h // 6)
    for k, x in enumerate((4, 9)):
        pts = [(x + 3, m), (x + 6, m), (x + 3, h - m), (x, h - m)]
        c.glow(sd_polygon(pts), (255, 110, 20), 1.5, 0.3,
               bbox=(x - 4, 0, x + 10, h))
        c.paint(sd_polygon(pts), AMBER if k == 0 else ORANGE,
                bbox=(x - 2, 0, x + 8, h))
    left = 18
    # Thin amber rule along the bottom, fading out to the right.
    span = max(120.0, w - 4 - left)
    for x in range(left, w - 4):
        t = (x - left) / span
        c.blend((h - 3) * w + x, AMBER, 0.9 * (1.0 - t) ** 1.5)
    c.bevel()
    avail_w = w - left - 6
    avail_h = h - 2 * max(4, int(h * 0.2))
    cell = float(avail_h)
    while True:
        lay = TextLayout(words, cell)
        if lay.width <= avail_w or cell <= 6:
            break
        cell -= 0.25
    x0 = left + (avail_w - lay.width) / 2.0
    y0 = (h - 2 - lay.cell_h) / 2.0
    c.text(lay, x0, y0, fill_top=(255, 255, 255), fill_bottom=(170, 180, 198),
           glow=(255, 120, 30), glow_radius=1.6, glow_strength=0.22)
    write_bmp(name, c, 4)


# --------------------------------------------------------------------------
# Side panels: a tall steel plate with a porthole showing the page's motif.

def motif_sdf(kind, cx, cy, r):
    """The line art of a page's porthole, as one distance function."""
    L = []

    def seg(ax, ay, bx, by):
        L.append((cx + ax * r, cy + ay * r, cx + bx * r, cy + by * r))

    def poly(points, closed=True):
        pts = list(points)
        if closed:
            pts.append(pts[0])
        for a, b in zip(pts, pts[1:]):
            seg(a[0], a[1], b[0], b[1])

    width = r * 0.075
    extra = []
    if kind == 'gametype':
        # A rank star inside a shield: choosing how hard the fight will be.
        poly([(0, -0.75), (0.62, -0.5), (0.55, 0.2), (0, 0.75), (-0.55, 0.2),
              (-0.62, -0.5)])
        star = []
        for i in range(10):
            rr = 0.42 if i % 2 == 0 else 0.17
            a = -math.pi / 2 + i * math.pi / 5
            star.append((cx + rr * r * math.cos(a),
                         cy - 0.02 * r + rr * r * math.sin(a)))
        extra.append(sd_polygon(star))
    elif kind == 'multiplayer':
        # Players linked to a server.
        nodes = [(math.cos(a) * 0.62, math.sin(a) * 0.62)
                 for a in [-math.pi / 2 + i * math.pi / 3 for i in range(6)]]
        for i, (x, y) in enumerate(nodes):
            seg(0, 0, x * 0.78, y * 0.78)
            nx, ny = nodes[(i + 1) % 6]
            seg(x, y, nx, ny)
            extra.append(sd_circle(cx + x * r, cy + y * r, r * 0.1))
        extra.append(sd_circle(cx, cy, r * 0.17))
    elif kind == 'gameoptions':
        # A crosshair.
        extra.append(sd_ring(cx, cy, r * 0.5, width))
        extra.append(sd_ring(cx, cy, r * 0.2, width * 0.8))
        for a, b in ((-0.8, -0.3), (0.3, 0.8)):
            seg(a, 0, b, 0)
            seg(0, a, 0, b)
        extra.append(sd_circle(cx, cy, r * 0.05))
    elif kind == 'run':
        # Three chevrons pointing up: launch.
        for y in (0.45, 0.05, -0.35):
            poly([(-0.5, y + 0.3), (0, y - 0.05), (0.5, y + 0.3)],
                 closed=False)
        seg(0, -0.75, 0, -0.55)
    elif kind == 'player':
        # Head and shoulders with a visor.
        extra.append(sd_subtract(sd_circle(cx, cy - 0.28 * r, 0.26 * r),
                                 sd_box(cx - 0.2 * r, cy - 0.33 * r,
                                        cx + 0.2 * r, cy - 0.24 * r)))
        extra.append(sd_intersect(
            sd_polygon([(cx - 0.62 * r, cy + 0.7 * r),
                        (cx - 0.5 * r, cy + 0.15 * r),
                        (cx - 0.2 * r, cy + 0.05 * r),
                        (cx + 0.2 * r, cy + 0.05 * r),
                        (cx + 0.5 * r, cy + 0.15 * r),
                        (cx + 0.62 * r, cy + 0.7 * r)]),
            sd_circle(cx, cy, 0.8 * r)))
    elif kind == 'cmdline':
        # A console screen with a prompt.
        poly([(-0.62, -0.45), (0.62, -0.45), (0.62, 0.4), (-0.62, 0.4)])
        seg(-0.62, -0.3, 0.62, -0.3)
        poly([(-0.42, -0.12), (-0.18, 0.04), (-0.42, 0.2)], closed=False)
        seg(-0.08, 0.22, 0.3, 0.22)
        seg(-0.2, 0.55, 0.2, 0.55)
        seg(0, 0.4, 0, 0.55)
    elif kind == 'mapselect':
        # A map grid with a location marker.
        for k in (-0.45, -0.15, 0.15, 0.45):
            seg(k, -0.65, k, 0.65)
            seg(-0.65, k, 0.65, k)
        pin = sd_union(sd_circle(cx + 0.12 * r, cy - 0.22 * r, 0.2 * r),
                       sd_polygon([(cx - 0.05 * r, cy - 0.12 * r),
                                   (cx + 0.29 * r, cy - 0.12 * r),
                                   (cx + 0.12 * r, cy + 0.3 * r)]))
        extra.append(sd_subtract(pin, sd_circle(cx + 0.12 * r, cy - 0.22 * r,
                                                0.08 * r)))
    elif kind == 'video':
        # A monitor with scan lines.
        poly([(-0.62, -0.45), (0.62, -0.45), (0.62, 0.32), (-0.62, 0.32)])
        for y in (-0.28, -0.13, 0.02, 0.17):
            seg(-0.45, y, 0.45, y)
        seg(0, 0.32, 0, 0.5)
        seg(-0.3, 0.55, 0.3, 0.55)
    parts = list(extra)
    if L:
        parts.append(sd_segments(L, width, reach=r * 0.6))
    return sd_union(*parts) if len(parts) > 1 else parts[0]


def side_panel(name, w, h, kind, label, seed):
    c = Canvas(w, h, seed)
    c.metal((46, 52, 66), (10, 12, 17), streak=6.0)
    # The top and bottom 24 rows are plain dark metal so that the page may
    # show the picture cut down to its middle.
    cx = w / 2.0
    c.seam(22)
    c.seam(h - 24)
    for y in (30, h - 32):
        c.rivet(9, y)
        c.rivet(w - 10, y)
    # Title strip.
    lay = TextLayout('ZAT START', 10.0)
    c.text(lay, cx - lay.width / 2.0, 36, fill_top=(210, 216, 228),
           fill_bottom=(130, 140, 160))
    c.hline(51, int(cx - lay.width / 2), int(cx + lay.width / 2) + 1, AMBER,
            0.9)
    # Porthole.
    pr = w * 0.36
    pcy = h * 0.42
    box = (cx - pr - 16, pcy - pr - 16, cx + pr + 16, pcy + pr + 16)
    c.paint(sd_circle(cx, pcy, pr + 7), (0, 0, 0), alpha=0.55,
            bbox=(box[0], box[1], box[2] + 4, box[3] + 4))
    c.paint(sd_circle(cx, pcy, pr + 5),
            lambda x, y: mix((210, 216, 230), (40, 44, 56),
                             clamp01((y - pcy + pr) / (2 * pr))), bbox=box)
    c.paint(sd_circle(cx, pcy, pr),
            lambda x, y: mix((6, 8, 12), (30, 26, 26),
                             clamp01((y - pcy + pr) / (2 * pr))), bbox=box)
    c.paint(sd_ring(cx, pcy, pr - 2.5, 1.0), (90, 50, 20), bbox=box, alpha=0.7)
    for k in range(12):
        a = k * math.pi / 6
        x = cx + (pr + 2.5) * math.cos(a)
        y = pcy + (pr + 2.5) * math.sin(a)
        c.paint(sd_circle(x, y, 1.1), (30, 34, 44), bbox=(x - 3, y - 3, x + 3,
                                                             y + 3))
    if kind == 'welcome':
        c.emblem(cx, pcy, pr * 0.78)
    else:
        f = motif_sdf(kind, cx, pcy, pr)
        inner = (cx - pr, pcy - pr, cx + pr, pcy + pr)
        c.glow(f, (255, 100, 15), pr * 0.08, 0.5, bbox=inner)
        c.paint(f, lambda x, y: mix(AMBER_HOT, ORANGE,
                                    clamp01((y - pcy + pr) / (2 * pr))),
                bbox=inner)
    # Glass highlight.
    c.glow(sd_ring(cx - pr * 0.15, pcy - pr * 0.15, pr * 0.72, pr * 0.05),
           (255, 255, 255), 2.0, 0.05,
           bbox=(cx - pr, pcy - pr, cx + pr * 0.2, pcy + pr * 0.2))
    # Page label under the porthole.
    lay = TextLayout(label, 12.0)
    if lay.width > w - 24:
        lay = TextLayout(label, 12.0 * (w - 24) / lay.width)
    ly = pcy + pr + 22
    c.text(lay, cx - lay.width / 2.0, ly, fill_top=AMBER_HOT,
           fill_bottom=ORANGE, glow=(255, 90, 10), glow_radius=2.0,
           glow_strength=0.25)
    # A row of indicator lights.
    ly2 = ly + lay.cell_h + 14
    n = 9
    sp = (w - 40) / (n - 1)
    for k in range(n):
        x = 20 + k * sp
        on = k < 3 + (seed % 5)
        col = AMBER if on else (50, 40, 34)
        shape = sd_box(x - 4, ly2, x + 4, ly2 + 4, 1.0)
        if on:
            c.glow(shape, (255, 110, 20), 1.5, 0.35,
                   bbox=(x - 9, ly2 - 6, x + 9, ly2 + 10))
        c.paint(shape, col, bbox=(x - 6, ly2 - 2, x + 6, ly2 + 6))
    c.bevel()
    write_bmp(name, c, 8)


# --------------------------------------------------------------------------
# About picture and loading splash

def about(name, w, h, seed):
    c = Canvas(w, h, seed)
    c.metal((44, 50, 64), (8, 9, 13), streak=6.0)
    # Plain bands of 14 rows at top and bottom may be cut off on small fonts.
    c.seam(13)
    c.seam(h - 15)
    for x in (10, w - 11):
        for y in (22, h - 24):
            c.rivet(x, y)
    ecx, ecy, er = 92, h * 0.44, 62
    # Energy rings around the emblem.
    c.glow(sd_ring(ecx, ecy, er + 16, 1.2), (255, 120, 30), 2.5, 0.35,
           bbox=(ecx - er - 30, ecy - er - 30, ecx + er + 30, ecy + er + 30))
    c.paint(sd_ring(ecx, ecy, er + 16, 1.2), AMBER, alpha=0.8,
            bbox=(ecx - er - 20, ecy - er - 20, ecx + er + 20, ecy + er + 20))
    c.emblem(ecx, ecy, er)
    tx = 178
    title = TextLayout('ZAT START', 30.0, stroke=5.0)
    scale = min(1.0, (w - tx - 16) / title.width)
    title = TextLayout('ZAT START', 30.0 * scale, stroke=5.0 * scale)
    ty = 70
    c.text(title, tx, ty, fill_top=(255, 255, 255), fill_bottom=(150, 162, 184),
           glow=(255, 110, 20), glow_radius=3.0, glow_strength=0.25)
    c.hline(int(ty + title.cell_h + 8), tx, int(tx + title.width), AMBER, 0.95)
    c.hline(int(ty + title.cell_h + 9), tx, int(tx + title.width), EMBER, 0.8)
    ver = TextLayout('VERSION 1.5', 14.0)
    c.text(ver, tx, ty + title.cell_h + 18, fill_top=AMBER_HOT,
           fill_bottom=ORANGE, glow=(255, 90, 10), glow_radius=2.0,
           glow_strength=0.3)
    small = TextLayout('GAME LAUNCHER FOR ZAT', 9.0)
    c.text(small, tx, ty + title.cell_h + 46, fill_top=(200, 206, 220),
           fill_bottom=(140, 150, 170))
    # Chevrons along the bottom.
    by = h - 44
    for k in range(14):
        x = 24 + k * 23
        pts = [(x, by), (x + 10, by), (x + 18, by + 8), (x + 10, by + 16),
               (x, by + 16), (x + 8, by + 8)]
        col = AMBER if k < 5 else (46, 40, 36)
        c.paint(sd_polygon(pts), col, bbox=(x - 2, by - 2, x + 21, by + 19),
                alpha=0.9 if k < 5 else 1.0)
    c.bevel()
    write_bmp(name, c, 8)


def splash(name, w, h, seed):
    c = Canvas(w, h, seed)
    c.metal((30, 34, 46), (6, 7, 10), streak=5.0, vignette=0.5)
    horizon = h * 0.62
    # A perspective floor grid glowing towards the horizon.
    lines = []
    vx = w / 2.0
    for k in range(-12, 13):
        lines.append((vx + k * 9, horizon, vx + k * 70, h + 40))
    y = horizon
    step = 3.0
    while y < h:
        lines.append((-10, y, w + 10, y))
        y += step
        step *= 1.45
    grid = sd_segments(lines, 1.0, reach=2.0)
    c.paint(grid, lambda x, y: mix((160, 70, 14), (255, 150, 40),
                                   clamp01((y - horizon) / (h - horizon))),
            bbox=(0, horizon - 1, w, h), alpha=0.55)
    c.glow(sd_box(-20, horizon - 1, w + 20, horizon + 1), (255, 120, 30), 5.0,
           0.45, bbox=(0, horizon - 30, w, horizon + 30))
    c.shade(lambda x, y: 1.0 - 0.6 * clamp01((y - horizon) / (h - horizon)),
            bbox=(0, horizon, w, h))
    # Keep the outer 12 rows quiet: they may be cut off on small fonts.
    c.shade(lambda x, y: 0.35 + 0.65 * clamp01(min(y - 2, h - 3 - y) / 14.0),
            bbox=(0, 0, w, h))
    ex = 78
    c.glow(sd_ring(ex, h * 0.45, 58, 1.2), (255, 120, 30), 2.5, 0.35,
           bbox=(ex - 75, h * 0.45 - 75, ex + 75, h * 0.45 + 75))
    c.paint(sd_ring(ex, h * 0.45, 58, 1.2), AMBER, alpha=0.8,
            bbox=(ex - 65, h * 0.45 - 65, ex + 65, h * 0.45 + 65))
    c.emblem(ex, h * 0.45, 46)
    left = ex + 72
    size = 52.0
    while True:
        title = TextLayout('ZAT START', size, stroke=size * 0.16)
        if title.width <= w - left - 18:
            break
        size -= 0.5
    x0 = left + (w - left - 18 - title.width) / 2.0
    y0 = h * 0.45 - title.cell_h / 2.0 - 4
    c.text(title, x0, y0, fill_top=(255, 255, 255), fill_bottom=(150, 162, 186),
           glow=(255, 110, 20), glow_radius=5.0, glow_strength=0.3)
    c.hline(int(y0 + title.cell_h + 9), int(x0), int(x0 + title.width), AMBER,
            0.95)
    c.bevel()
    write_bmp(name, c, 8)


# --------------------------------------------------------------------------
# Program icon

def icon_image(size):
    c = Canvas(size, size, 7)
    cx = cy = size / 2.0
    r = size / 2.0 - 0.3
    c.emblem(cx, cy, r, detail=False)
    hexo = sd_polygon(regular_polygon(cx, cy, r, 6, math.pi / 6))
    px = c.pixels()
    palette, idx = to_palette16(size, size, px, spread=10.0)
    mask = []
    for y in range(size):
        for x in range(size):
            mask.append(hexo(x + 0.5, y + 0.5) < 0.15)
    idx = [i if m else 0 for i, m in zip(idx, mask)]
    return size, idx, mask


# --------------------------------------------------------------------------

SIDE_PANELS = [
    # number, file, width, height, motif, label
    (133, 'welcome_side.bmp', 164, 274, 'welcome', 'WELCOME'),
    (137, 'gametype_side.bmp', 161, 272, 'gametype', 'GAME TYPE'),
    (140, 'multiplayer_side.bmp', 160, 272, 'multiplayer', 'MULTIPLAYER'),
    (144, 'gameoptions_side.bmp', 161, 271, 'gameoptions', 'GAME OPTIONS'),
    (147, 'run_side.bmp', 162, 272, 'run', 'LAUNCH'),
    (148, 'player_side.bmp', 161, 271, 'player', 'PLAYER'),
    (149, 'cmdline_side.bmp', 162, 271, 'cmdline', 'COMMAND LINE'),
    (157, 'mapselect_side.bmp', 161, 272, 'mapselect', 'MAP SELECT'),
    (163, 'video_side.bmp', 161, 270, 'video', 'VIDEO'),
]

HEADINGS = [
    (130, 'welcome_title.bmp', 221, 24, 'WELCOME'),
    (138, 'gametype_title.bmp', 117, 27, 'GAME TYPE'),
    (141, 'multiplayer_title.bmp', 181, 29, 'MULTIPLAYER'),
    (146, 'gameoptions_title.bmp', 144, 28, 'GAME OPTIONS'),
    (150, 'run_title.bmp', 84, 25, 'RUN'),
    (151, 'cmdline_title.bmp', 161, 29, 'COMMAND LINE'),
    (152, 'player_title.bmp', 130, 30, 'PLAYER SETUP'),
    (155, 'mapselect_title.bmp', 126, 37, 'MAP SELECT'),
    (164, 'controls_title.bmp', 139, 28, 'CONTROL SETUP'),
    (165, 'video_title.bmp', 142, 27, 'VIDEO OPTIONS'),
    (170, 'advvideo_title.bmp', 247, 29, 'ADVANCED VIDEO'),
]

ABOUT = (162, 'about.bmp', 364, 261)
SPLASH = (174, 'splash.bmp', 462, 175)
ICON = (128, 'zatstart.ico')


def main():
    os.makedirs(ART_DIR, exist_ok=True)
    for number, name, w, h, words in HEADINGS:
        heading(name, w, h, words, number)
    for number, name, w, h, kind, label in SIDE_PANELS:
        side_panel(name, w, h, kind, label, number)
    about(ABOUT[1], ABOUT[2], ABOUT[3], ABOUT[0])
    splash(SPLASH[1], SPLASH[2], SPLASH[3], SPLASH[0])
    write_ico(ICON[1], [icon_image(32), icon_image(16)])
    print('wrote', len(HEADINGS) + len(SIDE_PANELS) + 3, 'files to', ART_DIR)


if __name__ == '__main__':
    main()
