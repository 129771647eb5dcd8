#!/usr/bin/env python3
"""Draw Tarnwick's pictures: toolbar buttons, window icon, logo, decorations.

Everything is drawn in the classic 16-colour palette with hard pixel edges,
and written as indexed PNG files with only the standard library (zlib and
struct).  Running it again gives byte-identical files.

    python3 tools/make_pictures.py [output-folder]
"""
import math
import os
import struct
import sys
import zlib

# The 16 colours of the old VGA palette, plus one transparent entry.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
(K, MAR, GRN, OLV, NAV, PUR, TEA, SIL,
 GRY, RED, LIM, YEL, BLU, MAG, CYN, WHT) = range(16)
CLEAR = 16


# --------------------------------------------------------------------------
# Canvas and shapes.  A shape is a set of (x, y) pixels; painting it fills the
# set and optionally rings it, which keeps every outline one pixel wide.

class Canvas:
    def __init__(self, w, h, bg=CLEAR):
        self.w, self.h = w, h
        self.pix = [[bg] * w for _ in range(h)]

    def inside(self, x, y):
        return 0 <= x < self.w and 0 <= y < self.h

    def put(self, x, y, c):
        if self.inside(x, y):
            self.pix[y][x] = c

    def get(self, x, y):
        return self.pix[y][x]

    def points(self, pts, c):
        for x, y in pts:
            self.put(x, y, c)

    def paint(self, shape, fill=None, edge=None, outside=False, alt=None,
              pattern=None):
        """Fill a shape; `edge` rings it inside (or just outside) its border.

        `alt` with `pattern` gives a dithered fill: pattern(x, y) true picks
        alt instead of fill."""
        if edge is not None and outside:
            self.points(ring_outside(shape), edge)
        if fill is not None:
            for x, y in shape:
                c = alt if (alt is not None and pattern and pattern(x, y)) else fill
                self.put(x, y, c)
        if edge is not None and not outside:
            self.points(ring_inside(shape), edge)

    def blit(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                c = other.pix[y][x]
                if c != CLEAR:
                    self.put(ox + x, oy + y, c)


N4 = ((1, 0), (-1, 0), (0, 1), (0, -1))


def ring_inside(shape):
    return {(x, y) for x, y in shape
            if any((x + dx, y + dy) not in shape for dx, dy in N4)}


def ring_outside(shape):
    return {(x + dx, y + dy) for x, y in shape for dx, dy in N4} - shape


def rect(x0, y0, x1, y1):
    """Inclusive pixel rectangle."""
    return {(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)}


def ellipse(cx, cy, rx, ry):
    """Pixels whose centres fall in the ellipse (centre given in pixel units,
    so cx = 16 means the boundary between pixel 15 and 16)."""
    out = set()
    for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
        for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
            dx, dy = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            if dx * dx + dy * dy <= 1.0:
                out.add((x, y))
    return out


def disc(cx, cy, r):
    return ellipse(cx, cy, r, r)


def polygon(pts):
    """Even-odd scanline fill sampled at pixel centres."""
    out = set()
    ys = [p[1] for p in pts]
    n = len(pts)
    for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
        sy = y + 0.5
        xs = []
        for i in range(n):
            (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
            if (y0 <= sy < y1) or (y1 <= sy < y0):
                xs.append(x0 + (sy - y0) * (x1 - x0) / (y1 - y0))
        xs.sort()
        for a, b in zip(xs[::2], xs[1::2]):
            for x in range(int(math.ceil(a - 0.5)), int(math.ceil(b - 0.5))):
                out.add((x, y))
    return out


def stroke(x0, y0, x1, y1, width):
    """A straight band of the given width with round ends."""
    r = width / 2.0
    out = set()
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy or 1e-9
    for y in range(int(min(y0, y1) - r) - 1, int(max(y0, y1) + r) + 2):
        for x in range(int(min(x0, x1) - r) - 1, int(max(x0, x1) + r) + 2):
            px, py = x + 0.5, y + 0.5
            t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / ll))
            ex, ey = px - (x0 + t * dx), py - (y0 + t * dy)
            if ex * ex + ey * ey <= r * r:
                out.add((x, y))
    return out


def line(x0, y0, x1, y1):
    """One-pixel Bresenham line between pixel coordinates."""
    pts = set()
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    err = dx + dy
    while True:
        pts.add((x0, y0))
        if x0 == x1 and y0 == y1:
            return pts
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def checker(x, y):
    return (x + y) % 2 == 0


# --------------------------------------------------------------------------
# Pixel fonts: 3 x 5 digits and a 5 x 7 capital alphabet (only what we use).

DIGITS_3X5 = {
    '0': ('111', '101', '101', '101', '111'),
    '1': ('010', '110', '010', '010', '111'),
    '2': ('111', '001', '111', '100', '111'),
    '3': ('110', '001', '010', '001', '110'),
    '4': ('101', '101', '111', '001', '001'),
    '5': ('111', '100', '111', '001', '111'),
    '6': ('111', '100', '111', '101', '111'),
    '7': ('111', '001', '010', '010', '010'),
    '8': ('111', '101', '111', '101', '111'),
    '9': ('111', '101', '111', '001', '111'),
}

FONT_5X7 = {
    'T': ('11111', '00100', '00100', '00100', '00100', '00100', '00100'),
    'A': ('01110', '10001', '10001', '11111', '10001', '10001', '10001'),
    'R': ('11110', '10001', '10001', '11110', '10100', '10010', '10001'),
    'N': ('10001', '11001', '10101', '10011', '10001', '10001', '10001'),
    'W': ('10001', '10001', '10001', '10101', '10101', '10101', '01010'),
    'I': ('01110', '00100', '00100', '00100', '00100', '00100', '01110'),
    'C': ('01110', '10001', '10000', '10000', '10000', '10001', '01110'),
    'K': ('10001', '10010', '10100', '11000', '10100', '10010', '10001'),
}


def text(s, x, y, font, scale=1, gap=1, bold=False):
    """Pixels of a text; returns (shape, width)."""
    out = set()
    cx = x
    for ch in s:
        glyph = font[ch]
        gw = len(glyph[0])
        for row, bits in enumerate(glyph):
            for col, b in enumerate(bits):
                if b == '1':
                    for k in range(2 if bold else 1):
                        out |= rect(cx + (col + k) * scale, y + row * scale,
                                    cx + (col + k) * scale + scale - 1,
                                    y + row * scale + scale - 1)
        cx += (gw + (1 if bold else 0)) * scale + gap
    return out, cx - gap - x


# --------------------------------------------------------------------------
# Recurring pieces.

def flag(c, pole_x, top, bottom, length, height, pole_width=1):
    """A flagstick with a red pennant flying to the right."""
    if pole_width == 1:
        c.points(line(pole_x, top, pole_x, bottom), K)
        x0 = pole_x + 1
    else:
        c.paint(rect(pole_x, top, pole_x + pole_width - 1, bottom), WHT, K,
                outside=True)
        x0 = pole_x + pole_width + 1
    c.paint(polygon([(x0, top), (x0 + length, top + height / 2.0),
                     (x0, top + height)]), RED, MAR)


def waving_flag(c, x0, top, length, height, swell):
    """A cloth flag rippling in the wind, with darker folds."""
    steps = 24
    def ripple(t):
        return swell * math.sin(3 * math.pi * t) * (0.3 + 0.7 * t)

    upper = [(x0 + length * i / steps, top + ripple(i / steps))
             for i in range(steps + 1)]
    lower = [(x, y + height) for x, y in reversed(upper)]
    cloth = polygon(upper + lower)
    # the cloth turns away from the light where the ripple falls
    folds = {(x, y) for x, y in cloth
             if math.cos(3 * math.pi * (x + 0.5 - x0) / length) < -0.55}
    c.paint(cloth, RED)
    c.points(folds, MAR)
    c.points(ring_inside(cloth), MAR)


def golf_ball(c, cx, cy, r, dimples=True):
    ball = disc(cx, cy, r)
    # shade the lower right so the ball reads as round
    lit = disc(cx - r * 0.3, cy - r * 0.3, r * 0.95)
    c.paint(ball, SIL)
    c.paint(ball & lit, WHT)
    if dimples and r >= 6:
        for x, y in ball & lit:
            if (x * 3 + y * 5) % 7 == 0 and (x + y) % 2 == 0 and \
                    (x, y) not in ring_inside(ball):
                c.put(x, y, SIL)
    c.points(ring_inside(ball), K)


def folder_back(c):
    c.paint(rect(2, 7, 12, 11) | rect(2, 10, 27, 28), OLV, K)


def folder_front(c):
    c.paint(polygon([(6.5, 15), (31.5, 15), (27, 29), (1, 29)]), YEL, K)
    c.points(line(7, 16, 30, 16), WHT)


def plus(c, cx, cy, arm=5, half=1, fill=YEL, edge=K):
    shape = rect(cx - arm, cy - half, cx + arm, cy + half) | \
        rect(cx - half, cy - arm, cx + half, cy + arm)
    c.paint(shape, fill, edge, outside=True)


def pencil(c, tip, angle_deg, length, half_width):
    """A yellow pencil whose point is at `tip`, lying along `angle_deg`."""
    a = math.radians(angle_deg)
    ux, uy = math.cos(a), math.sin(a)       # along the pencil, away from tip
    nx, ny = -uy, ux                        # across it
    tx, ty = tip

    def at(d, s):
        return (tx + ux * d + nx * s, ty + uy * d + ny * s)

    hw = half_width
    cone, lead_len = 5.0, 2.2
    parts = [
        (polygon([at(lead_len, -hw * 0.45), at(cone, -hw), at(cone, hw),
                  at(lead_len, hw * 0.45)]), WHT),
        (polygon([at(-0.6, 0), at(lead_len + 0.4, -hw * 0.5),
                  at(lead_len + 0.4, hw * 0.5)]), K),
        (polygon([at(cone, -hw), at(length - 5, -hw), at(length - 5, hw),
                  at(cone, hw)]), YEL),
        (polygon([at(length - 5, -hw), at(length - 3, -hw),
                  at(length - 3, hw), at(length - 5, hw)]), SIL),
        (polygon([at(length - 3, -hw), at(length, -hw), at(length, hw),
                  at(length - 3, hw)]), MAG),
    ]
    union = set()
    for shape, col in parts:
        c.paint(shape, col)
        union |= shape
    # a darker stripe along the body gives it a facet
    body = parts[2][0]
    c.points({p for p in body if
              ((p[0] + 0.5 - tx) * nx + (p[1] + 0.5 - ty) * ny) > hw * 0.25},
             OLV)
    c.points(ring_inside(union), K)


def card(c, x0, y0, x1, y1, band, grid=True):
    c.paint(rect(x0, y0, x1, y1), WHT, K)
    c.paint(rect(x0 + 1, y0 + 1, x1 - 1, y0 + 4), band)
    if grid:
        for y in range(y0 + 9, y1, 4):
            c.points(line(x0 + 1, y, x1 - 1, y), SIL)
        for x in (x0 + 7, x0 + 13):
            c.points(line(x, y0 + 5, x, y1 - 1), SIL)


# --------------------------------------------------------------------------
# Toolbar pictures, 32 x 32, transparent where the button face shows.

def new_course():
    c = Canvas(32, 32)
    c.paint(ellipse(16, 25.5, 15.5, 5.5), LIM, GRN)
    c.paint(ellipse(20, 25.5, 2.5, 1.2), K)
    flag(c, 19, 4, 25, 10, 9)
    plus(c, 7, 8)
    return c


def open_course():
    c = Canvas(32, 32)
    folder_back(c)
    flag(c, 17, 2, 15, 10, 8)
    folder_front(c)
    return c


def edit_course():
    c = Canvas(32, 32)
    card(c, 2, 1, 22, 29, BLU)
    pencil(c, (12.5, 27.5), -45, 23, 2.8)
    return c


def new_hdcp():
    c = Canvas(32, 32)
    card(c, 3, 1, 22, 28, RED, grid=False)
    plus(c, 24, 23, arm=5, half=1, fill=LIM)
    return c


def open_hdcp():
    c = Canvas(32, 32)
    folder_back(c)
    c.paint(rect(8, 2, 24, 20), WHT, K)
    c.paint(rect(9, 3, 23, 5), RED)
    for y in (8, 11, 14):
        c.points(line(10, y, 22, y), GRY)
    folder_front(c)
    return c


def slope_index():
    c = Canvas(32, 32)
    c.paint(rect(0, 0, 24, 14), LIM, K)          # calculator display
    digits, _ = text('113', 3, 2, DIGITS_3X5, scale=2, gap=2)
    c.paint(digits, K)
    ramp = polygon([(0, 31), (32, 31), (32, 15)])
    c.paint(ramp, GRN, K)
    c.points({(x, y) for x, y in ramp if (x + 2 * y) % 5 == 0} -
             ring_inside(ramp), LIM)
    golf_ball(c, 18, 19.3, 3, dimples=False)
    return c


def view_stats():
    c = Canvas(32, 32)
    c.paint(rect(1, 1, 31, 30), WHT, K)
    for y in (8, 15, 22):
        c.points({(x, y) for x in range(4, 30, 2)}, SIL)
    for x0, top, col in ((4, 17, RED), (10, 9, BLU), (16, 13, LIM),
                         (22, 4, YEL)):
        c.paint(rect(x0, top, x0 + 4, 27), col, K)
    c.points(line(2, 28, 30, 28), K)
    return c


def new_score():
    c = Canvas(32, 32)
    grass = rect(0, 27, 31, 31)
    c.paint(grass, GRN)
    c.points({(x, y) for x, y in grass if (x * 3 + y) % 4 == 0}, LIM)
    tee = polygon([(9.5, 20), (22.5, 20), (18, 23.5), (14, 23.5)]) | \
        rect(14, 23, 17, 28) | polygon([(14, 28), (18, 28), (16, 31)])
    c.paint(tee, RED, MAR)
    golf_ball(c, 16, 11, 9.5)
    c.points(line(0, 27, 13, 27) | line(19, 27, 31, 27), GRN)
    return c


# --------------------------------------------------------------------------
# Window icon: a flag on a green with a ball, drawn on a 64-unit grid so that
# the larger desktop size keeps the same composition with finer edges.

def app_icon(size):
    k = size / 64.0
    c = Canvas(size, size)
    c.paint(ellipse(32 * k, 49 * k, 31.5 * k, 13.5 * k), GRN)
    c.paint(ellipse(32 * k, 48.5 * k, 29 * k, 11.5 * k), LIM)
    # mowing stripes across the green
    stripes = {(x, y) for x, y in ellipse(32 * k, 48.5 * k, 29 * k, 11.5 * k)
               if int((x + 0.8 * y) / (6 * k)) % 2 == 0 and checker(x, y)}
    c.points(stripes, GRN)
    c.points(ring_outside(ellipse(32 * k, 49 * k, 31.5 * k, 13.5 * k)), K)
    c.paint(ellipse(39 * k, 48 * k, 4.5 * k, 2.2 * k), K)
    pole_w = max(2, int(round(2 * k)))
    px = int(round(38 * k))
    c.paint(rect(px, int(5 * k), px + pole_w - 1, int(48 * k)), WHT, K,
            outside=True)
    fx = px + pole_w + 1
    waving_flag(c, fx, 5 * k, 23 * k, 15 * k, 1.6 * k)
    golf_ball(c, 20 * k, 46 * k, 5 * k, dimples=size > 64)
    return c


# --------------------------------------------------------------------------
# About-box logo, 96 x 115 on white: a badge with the flag bearing a "T".

def logo():
    c = Canvas(96, 115, WHT)
    badge = disc(48, 49, 44)
    sky = {p for p in badge if p[1] < 62}
    c.paint(sky, CYN)
    c.points({p for p in sky if p[1] < 30 and checker(*p)} |
             {p for p in sky if p[1] < 18}, BLU)
    hills = {p for p in badge
             if p[1] >= 52 + 6 * math.sin((p[0] - 10) / 14.0)}
    c.paint(hills, GRN)
    c.points({p for p in hills if (p[0] * 2 + p[1] * 3) % 7 == 0}, OLV)
    green = ellipse(48, 78, 36, 11) & badge
    c.paint(green, LIM, GRN)
    c.paint(ellipse(59, 77.5, 3.5, 1.5), K)
    golf_ball(c, 32, 79, 5.5, dimples=False)
    # rim of the badge, two pixels of navy
    c.points(ring_outside(badge), NAV)
    c.points(ring_outside(badge | ring_outside(badge)), NAV)
    # flagstick and the flag carrying the initial
    c.paint(rect(57, 12, 58, 77), WHT, K, outside=True)
    wave = [(60, 12), (72, 14), (86, 12), (90, 13), (90, 37), (86, 36),
            (72, 38), (60, 36)]
    c.paint(polygon(wave), RED, MAR)
    t = rect(65, 17, 84, 20) | rect(73, 17, 76, 33)
    c.paint(t, WHT, K, outside=True)
    name, w = text('TARNWICK', 0, 0, FONT_5X7, bold=True)
    ox = (96 - w) // 2
    c.paint({(x + ox, y + 101) for x, y in name}, NAV)
    return c


# --------------------------------------------------------------------------
# Left panel of the statistics window, 150 x 250: a flag on a green under sky.

def stats_panel():
    w, h = 150, 250
    c = Canvas(w, h, CYN)
    c.paint(rect(0, 0, w - 1, 44), BLU)
    c.paint(rect(0, 45, w - 1, 66), BLU, alt=CYN, pattern=checker)
    c.paint(rect(0, 67, w - 1, 74), CYN, alt=BLU,
            pattern=lambda x, y: x % 2 == 0 and y % 2 == 0)
    for cx, cy, s in ((38, 52, 1.0), (118, 98, 0.8)):
        cloud = ellipse(cx, cy, 20 * s, 7 * s) | \
            ellipse(cx - 9 * s, cy - 4 * s, 10 * s, 7 * s) | \
            ellipse(cx + 7 * s, cy - 6 * s, 11 * s, 8 * s)
        c.paint(cloud, WHT)
        c.points({p for p in cloud if p[1] > cy + 2 * s}, SIL)
    # distant tree line
    trees = set()
    for i, x in enumerate(range(-6, w + 10, 13)):
        r = 9 + (i * 5) % 6
        trees |= disc(x, 146 - (i * 7) % 5, r)
    trees |= rect(0, 146, w - 1, 158)
    c.paint(trees, TEA)
    c.points({p for p in trees if (p[0] + p[1]) % 4 == 0}, GRN)
    # fairway running away from the viewer, mown in bands
    ground = rect(0, 155, w - 1, h - 1)
    c.paint(ground, GRN)
    fairway = polygon([(52, 155), (98, 155), (150, 210), (150, 250), (0, 250),
                       (0, 205)])
    band = [157, 161, 167, 175, 185, 197, 211, 227, 250]
    for i in range(len(band) - 1):
        part = {p for p in fairway if band[i] <= p[1] < band[i + 1]}
        if i % 2:
            c.paint(part, LIM)
        else:
            c.paint(part, LIM, alt=GRN, pattern=checker)
    bunker = ellipse(28, 196, 22, 6)
    c.paint(bunker, YEL, OLV)
    c.points({p for p in bunker if (p[0] * 5 + p[1] * 3) % 11 == 0}, OLV)
    green = ellipse(82, 226, 66, 19)
    c.paint(ellipse(82, 226, 69, 21), GRN, alt=LIM, pattern=checker)
    c.paint(green, LIM, GRN)
    c.paint(ellipse(103, 226, 5, 2), K)
    # flag in the foreground
    c.paint(rect(101, 38, 102, 225), WHT, K, outside=True)
    wave = [(104, 38), (116, 42), (130, 39), (146, 44), (143, 57), (146, 70),
            (130, 66), (116, 69), (104, 65)]
    c.paint(polygon(wave), RED, MAR)
    golf_ball(c, 62, 232, 5, dimples=False)
    c.points(ring_inside(rect(0, 0, w - 1, h - 1)), K)
    return c


# --------------------------------------------------------------------------
# Hole seen from above, 144 x 192: tee, dog-leg fairway, water, bunkers, green.

def hole():
    w, h = 144, 192
    c = Canvas(w, h, GRN)
    c.points({(x, y) for y in range(h) for x in range(w)
              if (x * 7 + y * 13) % 17 == 0}, OLV)
    # trees along the edges
    for cx, cy, r in ((12, 20, 10), (26, 8, 8), (8, 62, 9), (132, 96, 10),
                      (118, 142, 9), (134, 168, 8), (20, 176, 9),
                      (130, 14, 9), (112, 184, 7), (40, 70, 7)):
        tree = disc(cx, cy, r)
        c.paint(disc(cx + 2, cy + 2, r), K)          # shadow
        c.paint(tree, TEA, K)
        c.points(disc(cx - r * 0.3, cy - r * 0.3, r * 0.4) - ring_inside(tree),
                 GRN)
    # water hazard on the left
    pond = ellipse(28, 126, 17, 27)
    c.paint(pond, BLU, NAV, outside=True)
    for y in range(108, 146, 7):
        c.points({(x, y + (x // 3) % 2) for x in range(20, 35)} & pond, CYN)
    # fairway: a dog-leg from the tee up to the green, mown in diagonal bands
    fairway = stroke(72, 160, 62, 112, 40) | stroke(62, 112, 84, 58, 36)
    c.paint(fairway, LIM, edge=GRN, alt=GRN,
            pattern=lambda x, y: (x + y) // 9 % 2 == 0 and checker(x, y))
    c.points(ring_outside(fairway) - pond, GRN)
    # green with its fringe
    c.paint(ellipse(86, 38, 29, 23), LIM, alt=GRN, pattern=checker)
    green = ellipse(86, 38, 25, 19)
    c.paint(green, LIM, GRN)
    # bunkers
    for cx, cy, rx, ry in ((55, 26, 9, 7), (113, 54, 8, 6), (96, 112, 10, 6),
                           (50, 140, 7, 5)):
        b = ellipse(cx, cy, rx, ry)
        c.paint(b, YEL, OLV)
        c.points({p for p in b if (p[0] * 5 + p[1] * 3) % 9 == 0} -
                 ring_inside(b), OLV)
    # tee box with its markers
    c.paint(rect(61, 170, 83, 183), LIM, GRN)
    c.paint(disc(66, 176.5, 1.6), RED)
    c.paint(disc(78.5, 176.5, 1.6), RED)
    # the pin: cup, stick and flag
    c.paint(disc(90, 40, 2), K)
    c.paint(rect(89, 24, 89, 39), WHT, K, outside=True)
    c.paint(polygon([(91, 24), (101, 27.5), (91, 31)]), RED, MAR)
    golf_ball(c, 70, 118, 2.7, dimples=False)
    c.points(ring_inside(rect(0, 0, w - 1, h - 1)), K)
    return c


# --------------------------------------------------------------------------
# Slope index converter decoration, 64 x 64: a flag atop a slope.

def converter():
    c = Canvas(64, 64)
    ramp = polygon([(1, 61), (63, 61), (63, 26)])
    c.paint(ramp, LIM, K)
    c.points({(x, y) for x, y in ramp if y > 56 or
              ((x + 2 * y) % 6 == 0 and y > 45)} - ring_inside(ramp), GRN)
    c.paint(ellipse(45, 37, 3, 1.2), K)
    c.paint(rect(44, 3, 45, 36), WHT, K, outside=True)
    waving_flag(c, 47, 3, 16, 12, 1.3)
    golf_ball(c, 18.5, 46.5, 4.5, dimples=False)
    return c


# --------------------------------------------------------------------------
# Sand shot help button, 32 x 32: a ball splashing out of a bunker.

def sand():
    c = Canvas(32, 32)
    c.paint(ellipse(16, 22, 16, 9.5), GRN, K)
    bunker = ellipse(16, 23, 12.5, 6.5)
    c.paint(bunker, YEL, OLV)
    c.points({p for p in bunker if (p[0] * 5 + p[1] * 3) % 7 == 0} -
             ring_inside(bunker), OLV)
    # the splash of sand thrown up by the club, a fan of grains
    for cx, cy, r in ((7, 14, 1), (10, 10, 1.2), (14, 7, 1.2), (20, 7, 1.2),
                      (24, 10, 1.2), (27, 14, 1), (12, 14, 1), (22, 14, 1),
                      (17, 3, 1), (8, 6, 1), (26, 5, 1), (11, 3, 0.8),
                      (23, 2, 0.8), (5, 10, 0.8), (29, 9, 0.8)):
        c.paint(disc(cx, cy, r), YEL, OLV, outside=True)
    golf_ball(c, 17, 15.5, 3.5, dimples=False)
    return c


# --------------------------------------------------------------------------
# PNG output: 8-bit indexed colour, tRNS only when something is transparent.

def chunk(tag, data):
    body = tag + data
    return struct.pack('>I', len(data)) + body + \
        struct.pack('>I', zlib.crc32(body) & 0xffffffff)


def write_png(path, canvas):
    used_clear = any(CLEAR in row for row in canvas.pix)
    pal = PALETTE + ([(0, 0, 0)] if used_clear else [])
    raw = b''.join(b'\x00' + bytes(row) for row in canvas.pix)
    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', canvas.w, canvas.h, 8, 3,
                                      0, 0, 0))
    png += chunk(b'PLTE', b''.join(bytes(c) for c in pal))
    if used_clear:
        png += chunk(b'tRNS', bytes([255] * 16 + [0]))
    png += chunk(b'IDAT', zlib.compress(raw, 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


PICTURES = [
    ('new_course.png', new_course),
    ('open_course.png', open_course),
    ('edit_course.png', edit_course),
    ('new_hdcp.png', new_hdcp),
    ('open_hdcp.png', open_hdcp),
    ('slope_index.png', slope_index),
    ('view_stats.png', view_stats),
    ('new_score.png', new_score),
    ('tarnwick.png', lambda: app_icon(64)),
    ('tarnwick-128.png', lambda: app_icon(128)),
    ('logo.png', logo),
    ('stats.png', stats_panel),
    ('hole.png', hole),
    ('converter.png', converter),
    ('sand.png', sand),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else \
        os.path.join(here, '..', 'assets', 'pictures')
    os.makedirs(out, exist_ok=True)
    for name, draw in PICTURES:
        path = os.path.join(out, name)
        write_png(path, draw())
        print(path)


if __name__ == '__main__':
    main()
