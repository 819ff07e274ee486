#!/usr/bin/env python3
"""Draws Quillmark's button pictures and its program icon.

Run from anywhere (paths are taken from this script's place in the repository):

    python3 tools/make_pictures.py

It writes resources/pictures/*.bmp (uncompressed 24-bit bitmaps whose background is pure magenta, the colour the
program draws as transparent), each picture at 100, 125, 150, 200 and 250 % (SCALES), and resources/quillmark.ico
(16 to 256 pixels, 32-bit with alpha and AND masks; the 256-pixel image as PNG). The output is the same, byte for byte,
on every run, so the committed files only change when a drawing changes.

Every picture is one function that draws on a Canvas in design coordinates (its pixels at 100 %); the same function
draws every scaling. To add a picture, write the function and add it to PICTURES (file name -> (function, width,
height)); the resource script then refers to resources/pictures/<name> and to its drawings at the other scalings
(<name>_125.bmp, ...) under the ids IDB_AT_SCALE(id, 1 to 4) of resources/resource.h.
Only the Python standard library is used.
"""

import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------------------------------------------------------
# Colours: the classic Windows palette plus a few shades for folders, paper and wood.
# ---------------------------------------------------------------------------------------------------------------

KEY = (255, 0, 255)           # transparent key of every button picture; never used for drawing
BLACK = (0, 0, 0)
DARK = (64, 64, 64)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
LIGHT = (224, 224, 224)
WHITE = (255, 255, 255)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
MIDBLUE = (32, 96, 216)
SKY = (128, 192, 255)
TEAL = (0, 128, 128)
CYAN = (0, 200, 200)
GREEN = (0, 128, 0)
LIME = (0, 224, 0)
DKGREEN = (0, 80, 0)
RED = (224, 0, 0)
MAROON = (128, 0, 0)
PURPLE = (128, 0, 128)
YELLOW = (255, 255, 0)
OLIVE = (128, 128, 0)
FOLDER = (255, 216, 80)
FOLDER_SHADE = (224, 168, 40)
FOLDER_EDGE = (128, 88, 0)
WOOD = (168, 104, 40)
WOOD_EDGE = (96, 56, 16)
TAN = (240, 208, 160)
PINK = (240, 128, 144)

# ---------------------------------------------------------------------------------------------------------------
# Shapes are drawn in design coordinates, the picture's pixels at 100 %, and become pixels at any scaling. Coordinates
# of whole pixels count from the top left corner; shapes given by corner points or centres use edge coordinates, in
# which pixel (x, y) covers the square x..x+1, y..y+1 and a pixel belongs to the shape when its centre lies inside.
# At a scaling the edge coordinates are multiplied and the pixel centres of the larger picture are sampled, so that
# curves and slopes stay sharp; a whole design pixel becomes the block of pixels whose centres it covers, and a line or
# an outline becomes as much thicker as the scaling rounds to.
# ---------------------------------------------------------------------------------------------------------------


class Shape:
    """A set of pixels described once in design coordinates; pixels(scale) gives them at a scaling (1.0 is 100 %)."""

    def __init__(self, at_scale):
        self._at_scale = at_scale

    def pixels(self, scale):
        return self._at_scale(scale)

    def __or__(self, other):
        other = as_shape(other)
        return Shape(lambda s: self.pixels(s) | other.pixels(s))

    __ror__ = __or__

    def __sub__(self, other):
        other = as_shape(other)
        return Shape(lambda s: self.pixels(s) - other.pixels(s))


def span(a, b, scale):
    """The pixels, along one axis, whose centres lie between the design edges a and b at a scaling."""
    return range(math.ceil(a * scale - 0.5), math.ceil(b * scale - 0.5))


def stroke(width, scale):
    """How many pixels a line or an outline `width` design pixels thick is at a scaling: rounded half down, because a
    line drawn half a pixel too thick darkens a small picture more than one drawn half a pixel too thin lightens it."""
    return max(1, math.ceil(width * scale - 0.5))


def as_shape(mask):
    """A Shape as it stands; a set of whole design pixels (x, y) as the blocks they cover."""
    if isinstance(mask, Shape):
        return mask
    return Shape(lambda s: {(x, y) for (px, py) in mask for y in span(py, py + 1, s) for x in span(px, px + 1, s)})


def rect(x0, y0, x1, y1):
    """Pixels x0..x1, y0..y1, both ends included."""
    return Shape(lambda s: {(x, y) for y in span(y0, y1 + 1, s) for x in span(x0, x1 + 1, s)})


def ellipse(cx, cy, rx, ry):
    """Filled ellipse around the edge point (cx, cy)."""
    def at(s):
        x_c, y_c, x_r, y_r = cx * s, cy * s, rx * s, ry * s
        pixels = set()
        for y in range(math.floor(y_c - y_r) - 1, math.ceil(y_c + y_r) + 1):
            for x in range(math.floor(x_c - x_r) - 1, math.ceil(x_c + x_r) + 1):
                dx = (x + 0.5 - x_c) / x_r
                dy = (y + 0.5 - y_c) / y_r
                if dx * dx + dy * dy <= 1.0:
                    pixels.add((x, y))
        return pixels
    return Shape(at)


def disc(cx, cy, r):
    return ellipse(cx, cy, r, r)


def polygon(points):
    """Filled polygon (even-odd rule) through the edge points."""
    def at(s):
        scaled = [(px * s, py * s) for (px, py) in points]
        xs = [p[0] for p in scaled]
        ys = [p[1] for p in scaled]
        pixels = set()
        for y in range(math.floor(min(ys)), math.ceil(max(ys)) + 1):
            py = y + 0.5
            crossings = []
            for i in range(len(scaled)):
                (ax, ay), (bx, by) = scaled[i], scaled[(i + 1) % len(scaled)]
                if (ay <= py < by) or (by <= py < ay):
                    crossings.append(ax + (py - ay) * (bx - ax) / (by - ay))
            crossings.sort()
            for a, b in zip(crossings[0::2], crossings[1::2]):
                for x in range(math.floor(min(xs)), math.ceil(max(xs)) + 1):
                    if a <= x + 0.5 < b:
                        pixels.add((x, y))
        return pixels
    return Shape(at)


def band(p0, p1, half_width, t0=0.0, t1=1.0):
    """The part t0..t1 of a straight bar from p0 to p1 (edge points) that is 2 * half_width wide."""
    (x0, y0), (x1, y1) = p0, p1
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * half_width, (x1 - x0) / length * half_width
    a = (x0 + (x1 - x0) * t0, y0 + (y1 - y0) * t0)
    b = (x0 + (x1 - x0) * t1, y0 + (y1 - y0) * t1)
    return polygon([(a[0] + nx, a[1] + ny), (b[0] + nx, b[1] + ny), (b[0] - nx, b[1] - ny), (a[0] - nx, a[1] - ny)])


def along(p0, p1, t, side):
    """The edge point at fraction t of the way from p0 to p1, moved `side` pixels to the left of that direction."""
    (x0, y0), (x1, y1) = p0, p1
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = (y1 - y0) / length, -(x1 - x0) / length
    return (x0 + (x1 - x0) * t + nx * side, y0 + (y1 - y0) * t + ny * side)


def arrow(p0, p1, half_width, head_half_width, head_length):
    """A straight arrow from the edge point p0 to its tip p1: a bar and a triangular head."""
    length = math.hypot(p1[0] - p0[0], p1[1] - p0[1])
    t = 1.0 - head_length / length
    head = polygon([p1, along(p0, p1, t, head_half_width), along(p0, p1, t, -head_half_width)])
    return band(p0, p1, half_width, 0.0, t + 0.5 / length) | head


def line(x0, y0, x1, y1, width=1):
    """Bresenham line between two whole pixels; a wider line stamps a width x width square on every step. At a
    scaling the line runs between the same places of the larger picture and its square is as much wider."""
    lo = -((width - 1) // 2)

    def at(s):
        w = stroke(width, s)

        def corner(x, y):
            # the top left pixel of the square whose centre is where the design square's centre lands
            return tuple(math.ceil((v + lo + width / 2) * s - w / 2 - 0.5) for v in (x, y))

        (xa, ya), (xb, yb) = corner(x0, y0), corner(x1, y1)
        pixels = set()
        dx, dy = abs(xb - xa), -abs(yb - ya)
        sx, sy = (1 if xa < xb else -1), (1 if ya < yb else -1)
        err = dx + dy
        x, y = xa, ya
        while True:
            for oy in range(w):
                for ox in range(w):
                    pixels.add((x + ox, y + oy))
            if x == xb and y == yb:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x += sx
            if e2 <= dx:
                err += dx
                y += sy
        return pixels
    return Shape(at)


def arc(cx, cy, r_outer, r_inner, start_deg, end_deg):
    """A ring between two radii, from start_deg to end_deg counter-clockwise (0 degrees points right, 90 up)."""
    def at(s):
        x_c, y_c, r_o, r_i = cx * s, cy * s, r_outer * s, r_inner * s
        pixels = set()
        for y in range(math.floor(y_c - r_o) - 1, math.ceil(y_c + r_o) + 1):
            for x in range(math.floor(x_c - r_o) - 1, math.ceil(x_c + r_o) + 1):
                dx, dy = x + 0.5 - x_c, y_c - (y + 0.5)
                d = math.hypot(dx, dy)
                if r_i <= d <= r_o:
                    angle = math.degrees(math.atan2(dy, dx)) % 360.0
                    if (angle - start_deg) % 360.0 <= (end_deg - start_deg) % 360.0:
                        pixels.add((x, y))
        return pixels
    return Shape(at)


# ---------------------------------------------------------------------------------------------------------------
# Canvas
# ---------------------------------------------------------------------------------------------------------------


def scaled_size(size, percent):
    """A design size at a scaling, rounded half up."""
    return (size * percent + 50) // 100


class Canvas:
    """A picture drawn at `percent` of its design size; width and height stay the design size the drawing uses."""

    def __init__(self, width, height, percent=100):
        self.width = width
        self.height = height
        self.scale = percent / 100
        self.rows = [[KEY] * scaled_size(width, percent) for _ in range(scaled_size(height, percent))]

    def put(self, x, y, colour):
        if 0 <= y < len(self.rows) and 0 <= x < len(self.rows[y]):
            self.rows[y][x] = colour

    def fill(self, mask, colour, outline=None):
        """Paints a mask; with an outline colour its border pixels (those within the outline's thickness of the
        outside, counted along a row or a column) get that."""
        pixels = as_shape(mask).pixels(self.scale)
        thickness = stroke(1, self.scale)
        for (x, y) in pixels:
            edge = outline is not None and not all(
                (x - k, y) in pixels and (x + k, y) in pixels and (x, y - k) in pixels and (x, y + k) in pixels
                for k in range(1, thickness + 1))
            self.put(x, y, outline if edge else colour)

    def pattern(self, x, y, rows, colours):
        """Paints a little pixel map: each character of `rows` picks a colour from `colours`; others stay unpainted."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in colours:
                    for (px, py) in rect(x + i, y + j, x + i, y + j).pixels(self.scale):
                        self.put(px, py, colours[ch])


# ---------------------------------------------------------------------------------------------------------------
# Parts that several pictures share
# ---------------------------------------------------------------------------------------------------------------


def sheet(c, x0, y0, x1, y1, fold=3, lines=(), line_colour=GREY):
    """White paper with a black edge and a folded top right corner; `lines` are rows of grey text (y, x_from, x_to)."""
    c.fill(polygon([(x0, y0), (x1 + 1 - fold, y0), (x1 + 1, y0 + fold), (x1 + 1, y1 + 1), (x0, y1 + 1)]), WHITE, BLACK)
    if fold > 1:
        c.fill(polygon([(x1 + 1 - fold, y0), (x1 + 1 - fold, y0 + fold), (x1 + 1, y0 + fold)]), SILVER)
        crease = x1 - fold + 1
        c.fill(line(crease, y0, crease, y0 + fold - 1) | line(crease, y0 + fold - 1, x1, y0 + fold - 1), BLACK)
    for (y, xa, xb) in lines:
        c.fill(line(xa, y, xb, y), line_colour)


def window(c, x0, y0, x1, y1, title=3):
    """A flat window: navy frame and title bar over a white client area."""
    c.fill(rect(x0, y0, x1, y1), WHITE, NAVY)
    c.fill(rect(x0, y0, x1, y0 + title - 1), NAVY)


def closed_folder(c, x0, y0, x1, y1):
    """A closed folder with its tab at the top left; y0 is the tab's row."""
    tab = max(3, (x1 - x0) * 2 // 5)
    c.fill(polygon([(x0, y0 + 1), (x0 + 1, y0), (x0 + tab, y0), (x0 + tab + 1, y0 + 1), (x1 + 1, y0 + 1),
                    (x1 + 1, y1 + 1), (x0, y1 + 1)]), FOLDER, FOLDER_EDGE)
    c.fill(line(x0 + 1, y0 + 2, x1 - 1, y0 + 2), (255, 240, 176))


def open_folder(c, x0, y0, x1, y1):
    """An open folder: the back with its tab and the front flap tilted towards the viewer."""
    tab = max(3, (x1 - x0) * 2 // 5)
    back_right = x1 - 3
    c.fill(polygon([(x0, y0 + 1), (x0 + 1, y0), (x0 + tab, y0), (x0 + tab + 1, y0 + 1), (back_right + 1, y0 + 1),
                    (back_right + 1, y1 + 1), (x0, y1 + 1)]), FOLDER_SHADE, FOLDER_EDGE)
    top = y0 + (y1 - y0) * 2 // 5 + 1
    c.fill(polygon([(x0 + 3, top), (x1 + 1, top), (x1 - 2, y1 + 1), (x0, y1 + 1)]), FOLDER, FOLDER_EDGE)


def letter_i(c, x, y, height, colour, thick=2):
    """A sans-serif "i": dot and stem, `thick` pixels wide, the dot's top at y and the stem's foot at y + height - 1."""
    c.fill(rect(x, y, x + thick - 1, y + thick - 1), colour)
    c.fill(rect(x, y + thick + max(1, thick // 2), x + thick - 1, y + height - 1), colour)


# ---------------------------------------------------------------------------------------------------------------
# Kind buttons, 24 x 22
# ---------------------------------------------------------------------------------------------------------------


def draw_arrow(c):
    c.fill(polygon([(3, 8), (12, 8), (12, 3), (20.5, 11), (12, 19), (12, 14), (3, 14)]), TEAL, BLACK)
    c.fill(line(4, 9, 12, 9), CYAN)


def draw_messagebox(c):
    window(c, 0, 2, 23, 19)
    c.fill(rect(20, 3, 21, 3), WHITE)
    c.fill(polygon([(0.5, 18), (8, 5.5), (15.5, 18)]), YELLOW, BLACK)
    c.fill(rect(7, 10, 8, 13), BLACK)
    c.fill(rect(7, 15, 8, 16), BLACK)
    for y, x1 in ((7, 21), (9, 20), (11, 21)):
        c.fill(line(17, y, x1, y), GREY)
    c.fill(rect(17, 14, 22, 17), SILVER, DARK)


def draw_opendlg(c):
    open_folder(c, 1, 8, 17, 20)
    c.fill(arrow((11, 13), (22, 1.5), 1.5, 4.2, 6.5), LIME, DKGREEN)


def draw_savedlg(c):
    c.fill(polygon([(3, 1), (20, 1), (21, 2), (21, 21), (3, 21)]), NAVY, BLACK)
    c.fill(rect(7, 1, 17, 8), SILVER, BLACK)
    c.fill(rect(14, 2, 15, 7), DARK)
    c.fill(rect(6, 12, 18, 21), WHITE, BLACK)
    for y in (14, 16, 18):
        c.fill(line(8, y, 16, y), SKY)
    c.fill(rect(4, 19, 4, 20), SILVER)


def draw_colordlg(c):
    colours = [RED, YELLOW, LIME, BLUE, CYAN, PURPLE]
    for i, colour in enumerate(colours):
        x0 = 1 + (i % 3) * 8
        y0 = 3 + (i // 3) * 9
        c.fill(rect(x0, y0, x0 + 6, y0 + 6), colour, BLACK)


def draw_fontdlg(c):
    big_a = [
        ".....##.....",
        ".....##.....",
        "....####....",
        "....####....",
        "...##..##...",
        "...##..##...",
        "..##....##..",
        "..##....##..",
        "..########..",
        ".##########.",
        ".##......##.",
        ".##......##.",
        "##........##",
        "##........##",
    ]
    c.pattern(0, 5, big_a, {'#': BLACK})
    small_a = [
        ".####.",
        "#....#",
        ".....#",
        ".#####",
        "#....#",
        "#...##",
        ".###.#",
    ]
    c.pattern(15, 12, small_a, {'#': NAVY})
    c.pattern(16, 12, small_a, {'#': NAVY})


def draw_printdlg(c):
    sheet(c, 6, 1, 17, 9, fold=3, lines=((4, 8, 13), (6, 8, 15)))
    c.fill(polygon([(3, 9), (20, 9), (23, 12), (23, 18), (0, 18), (0, 12)]), SILVER, BLACK)
    c.fill(line(1, 12, 22, 12), WHITE)
    c.fill(rect(1, 16, 22, 17), GREY)
    c.fill(line(0, 18, 23, 18), BLACK)
    c.fill(rect(18, 13, 20, 14), LIME, DKGREEN)
    c.fill(rect(4, 17, 19, 21), WHITE, BLACK)
    c.fill(line(6, 19, 15, 19), GREY)


def draw_browseforfolder(c):
    c.fill({(3, y) for y in range(7, 19, 2)}, GREY)
    c.fill({(x, 11) for x in range(5, 9, 2)} | {(x, 17) for x in range(5, 9, 2)}, GREY)
    closed_folder(c, 0, 0, 10, 5)
    closed_folder(c, 9, 8, 19, 13)
    open_folder(c, 9, 15, 22, 21)


def draw_rundlg(c):
    window(c, 0, 6, 16, 21)
    c.fill(rect(2, 15, 14, 18), WHITE, GREY)
    c.fill(line(3, 11, 10, 11), GREY)
    c.fill(arrow((6, 17), (22.5, 0.8), 1.6, 4.5, 7.0), LIME, DKGREEN)


def draw_formatdrive(c):
    c.fill(polygon([(0, 9), (5, 4), (24, 4), (19, 9)]), LIGHT, BLACK)
    c.fill(polygon([(18, 8), (23, 3), (23, 13), (18, 18)]), GREY, BLACK)
    c.fill(rect(0, 8, 18, 18), SILVER, BLACK)
    c.fill(rect(3, 11, 14, 12), DARK, BLACK)
    c.fill(line(4, 13, 14, 13), WHITE)
    c.fill(rect(14, 15, 16, 16), LIME, DKGREEN)
    c.fill(rect(2, 15, 8, 16), GREY)


def draw_shabout(c):
    window(c, 0, 1, 23, 20)
    c.fill(rect(20, 2, 21, 2), WHITE)
    c.fill(disc(12, 12, 6.6), MIDBLUE, NAVY)
    letter_i(c, 11, 7, 10, WHITE)


def draw_icondlg(c):
    c.fill(rect(0, 0, 23, 21), WHITE, GREY)
    c.fill(rect(1, 1, 8, 9), NAVY)
    # first row: folder, sheet, red ball
    closed_folder(c, 2, 3, 7, 7)
    sheet(c, 10, 2, 14, 8, fold=2)
    c.fill(disc(19.5, 5.5, 3.2), RED, MAROON)
    # second row: monitor, green tree, teal diamond
    c.fill(rect(2, 12, 7, 16), TEAL, BLACK)
    c.fill(rect(3, 18, 6, 18), DARK)
    c.fill(line(4, 17, 5, 17), DARK)
    c.fill(polygon([(12, 11), (15, 16), (9, 16)]), LIME, DKGREEN)
    c.fill(rect(11, 17, 12, 19), WOOD)
    c.fill(polygon([(19.5, 11), (23, 15), (19.5, 19), (16, 15)]), CYAN, TEAL)


def draw_fileop(c):
    sheet(c, 0, 3, 8, 16, fold=3, lines=((7, 2, 5), (9, 2, 6), (11, 2, 6), (13, 2, 5)))
    sheet(c, 15, 5, 23, 18, fold=3, lines=((9, 17, 20), (11, 17, 21), (13, 17, 21), (15, 17, 20)))
    c.fill(polygon([(8, 9), (11, 9), (11, 6), (15.5, 10.5), (11, 15), (11, 12), (8, 12)]), LIME, DKGREEN)


# ---------------------------------------------------------------------------------------------------------------
# Command buttons, 16 x 16
# ---------------------------------------------------------------------------------------------------------------


def draw_test(c):
    c.fill(polygon([(8, 0), (14, 0), (10, 6), (14, 6), (4, 16), (7, 9), (3, 9)]), YELLOW, OLIVE)


def draw_copy(c):
    sheet(c, 0, 0, 8, 10, fold=3, lines=((4, 2, 5), (6, 2, 4)))
    sheet(c, 6, 4, 15, 15, fold=3, lines=((8, 8, 12), (10, 8, 13), (12, 8, 12)))


def draw_edit(c):
    sheet(c, 0, 1, 10, 15, fold=3, lines=((5, 2, 7), (7, 2, 8), (9, 2, 6), (11, 2, 5), (13, 2, 5)))
    tip, end = (5.0, 15.0), (16.0, 4.0)
    c.fill(band(tip, end, 2.0, 0.25, 0.78), YELLOW, BLACK)
    c.fill(band(tip, end, 2.0, 0.78, 0.86), SILVER, BLACK)
    c.fill(band(tip, end, 2.0, 0.86, 1.0), PINK, BLACK)
    c.fill(polygon([tip, along(tip, end, 0.27, 2.0), along(tip, end, 0.27, -2.0)]), TAN, BLACK)
    c.fill(rect(5, 14, 6, 14), BLACK)


def draw_reset(c):
    # three quarters of a ring, open at the top right, with the head at its top end pointing clockwise
    ring = arc(7.5, 9.0, 6.8, 3.2, 90.0, 0.0) - rect(8, 0, 15, 8)
    head = polygon([(7.5, 0.0), (7.5, 9.0), (12.5, 4.5)])
    c.fill(ring | head, LIME, DKGREEN)


def draw_minimize(c):
    window(c, 0, 1, 15, 14)
    c.fill(rect(12, 2, 13, 2), WHITE)
    c.fill(rect(3, 10, 8, 11), BLACK)


def draw_help(c):
    c.fill(rect(2, 13, 14, 15), WHITE, BLACK)
    c.fill(line(3, 14, 13, 14), SILVER)
    c.fill(rect(1, 0, 13, 13), NAVY, BLACK)
    c.fill(rect(2, 1, 3, 12), TEAL)
    c.pattern(6, 2, [".###.", "##.##", "...##", "..##.", ".##..", ".....", ".##.."], {'#': YELLOW})


def draw_about(c):
    c.fill(disc(8, 8, 7.6), MIDBLUE, NAVY)
    c.fill(rect(7, 3, 8, 4), WHITE)
    c.fill(rect(7, 6, 8, 12), WHITE)
    c.fill(line(6, 6, 6, 6) | line(6, 12, 9, 12), WHITE)


# ---------------------------------------------------------------------------------------------------------------
# Message-box icon buttons, 32 x 32
# ---------------------------------------------------------------------------------------------------------------


def draw_information(c):
    c.fill(disc(16, 16, 15.2), MIDBLUE, NAVY)
    c.fill(disc(16, 8.5, 2.3), WHITE)
    c.fill(rect(14, 13, 17, 23) | rect(12, 13, 13, 14) | rect(12, 23, 19, 24), WHITE)


def draw_warning(c):
    c.fill(polygon([(16, 0.5), (31.5, 29.5), (0.5, 29.5)]), YELLOW, BLACK)
    c.fill(polygon([(14, 9), (18, 9), (17.2, 21), (14.8, 21)]), BLACK)
    c.fill(rect(15, 23, 16, 26) | rect(14, 24, 17, 25), BLACK)


def draw_error(c):
    c.fill(disc(16, 16, 15.2), RED, MAROON)
    c.fill(band((9.5, 9.5), (22.5, 22.5), 2.1) | band((22.5, 9.5), (9.5, 22.5), 2.1), WHITE)


def draw_confirmation(c):
    c.fill(ellipse(16, 13.5, 15.4, 12.6) | polygon([(6, 21), (3.5, 31.5), (16, 24)]), MIDBLUE, NAVY)
    question = [
        "...####...",
        ".########.",
        "###....###",
        "##......##",
        "........##",
        ".......###",
        "......###.",
        ".....###..",
        "....###...",
        "....##....",
        "....##....",
        "..........",
        "....##....",
        "....##....",
    ]
    c.pattern(11, 6, question, {'#': WHITE})


# ---------------------------------------------------------------------------------------------------------------
# Small buttons, 16 x 16
# ---------------------------------------------------------------------------------------------------------------


def draw_folder(c):
    closed_folder(c, 0, 2, 15, 13)


def draw_file(c):
    sheet(c, 2, 0, 13, 15, fold=4, lines=((6, 4, 10), (8, 4, 11), (10, 4, 11), (12, 4, 9)))


def draw_clipboard(c):
    c.fill(rect(1, 2, 14, 15), WOOD, WOOD_EDGE)
    c.fill(rect(3, 4, 12, 14), WHITE, BLACK)
    for y, x1 in ((7, 10), (9, 9), (11, 10)):
        c.fill(line(5, y, x1, y), GREY)
    c.fill(rect(5, 0, 10, 4), SILVER, DARK)
    c.fill(rect(7, 1, 8, 1), DARK)


# ---------------------------------------------------------------------------------------------------------------
# The browse-for-folder panel's root tree, 16 x 16 (imlFolders, in the order of its nine image indices)
# ---------------------------------------------------------------------------------------------------------------


def monitor(c, x0, y0, x1, y1, screen=TEAL):
    """A small monitor: grey case, coloured screen, and a foot under its middle."""
    c.fill(rect(x0, y0, x1, y1), SILVER, BLACK)
    c.fill(rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2), screen, DARK)
    mid = (x0 + x1) // 2
    c.fill(rect(mid - 1, y1 + 1, mid + 1, y1 + 1), DARK)
    c.fill(rect(mid - 3, y1 + 2, mid + 3, y1 + 2), GREY)


def draw_tree_desktop(c):
    # a monitor showing a little desktop with two icons on it
    monitor(c, 1, 1, 14, 11)
    c.fill(rect(4, 4, 5, 5), YELLOW)
    c.fill(rect(4, 7, 5, 8), WHITE)
    c.fill(rect(3, 13, 12, 14), SILVER, DARK)


def draw_tree_documents(c):
    closed_folder(c, 0, 4, 15, 14)
    sheet(c, 4, 1, 12, 9, fold=2, lines=((4, 6, 10), (6, 6, 9)))
    c.fill(polygon([(0, 8), (16, 8), (16, 15), (0, 15)]), FOLDER, FOLDER_EDGE)
    c.fill(line(1, 9, 14, 9), (255, 240, 176))


def draw_tree_computer(c):
    c.fill(rect(0, 11, 15, 14), SILVER, BLACK)
    c.fill(line(2, 13, 6, 13), DARK)
    c.fill(rect(12, 12, 13, 12), LIME)
    monitor(c, 2, 0, 13, 8)
    c.fill(rect(4, 2, 11, 6), TEAL)
    c.fill(line(5, 3, 7, 3), CYAN)


def draw_tree_network(c):
    monitor(c, 0, 0, 8, 6, screen=MIDBLUE)
    monitor(c, 7, 7, 15, 13, screen=MIDBLUE)
    c.fill(line(4, 9, 4, 12) | line(4, 12, 6, 12), BLACK)
    c.fill(rect(0, 15, 15, 15), GREY)
    c.fill(line(2, 9, 2, 15), GREY)


def draw_tree_recycle(c):
    c.fill(rect(2, 2, 13, 3), SILVER, DARK)
    c.fill(rect(6, 0, 9, 1), GREY)
    c.fill(polygon([(3, 4), (13, 4), (12, 16), (4, 16)]), LIGHT, DARK)
    for x in (6, 8, 10):
        c.fill(line(x, 6, x, 13), GREY)
    c.fill(arc(8, 10, 2.6, 1.3, 30.0, 330.0), LIME)


def draw_tree_controls(c):
    closed_folder(c, 0, 1, 15, 13)
    # a control panel's sliders over the folder
    c.fill(rect(3, 5, 12, 12), SILVER, DARK)
    for x, knob in ((5, 7), (8, 10), (11, 8)):
        c.fill(line(x, 6, x, 11), BLACK)
        c.fill(rect(x - 1, knob, x, knob), RED)


def draw_tree_programs(c):
    closed_folder(c, 0, 2, 15, 14)
    window(c, 4, 6, 13, 13, title=2)
    c.fill(rect(6, 9, 7, 10), MIDBLUE)
    c.fill(rect(9, 9, 10, 10), RED)


def draw_tree_printers(c):
    sheet(c, 4, 0, 11, 5, fold=2, lines=((3, 5, 9),))
    c.fill(polygon([(2, 5), (14, 5), (16, 8), (16, 12), (0, 12), (0, 8)]), SILVER, BLACK)
    c.fill(line(1, 8, 14, 8), WHITE)
    c.fill(rect(12, 9, 13, 10), LIME)
    c.fill(rect(3, 12, 12, 15), WHITE, BLACK)
    c.fill(line(5, 13, 10, 13), GREY)


def draw_tree_startmenu(c):
    # an open menu: a navy strip beside white items, one highlighted, with a small arrow
    c.fill(rect(0, 0, 15, 15), WHITE, DARK)
    c.fill(rect(1, 1, 3, 14), NAVY)
    c.fill(rect(4, 6, 14, 8), MIDBLUE)
    for y in (3, 11, 13):
        c.fill(line(6, y, 12, y), GREY)
    c.fill(line(6, 7, 11, 7), WHITE)
    c.fill(polygon([(12, 5.5), (14, 7.5), (12, 9.5)]), WHITE)


# ---------------------------------------------------------------------------------------------------------------
# The Print panel's collation pictures: stacks of numbered pages, collated (91 x 36) and uncollated (98 x 30)
# ---------------------------------------------------------------------------------------------------------------

PAGE_DIGITS = {
    1: ['.#.', '##.', '.#.', '.#.', '###'],
    2: ['##.', '..#', '.#.', '#..', '###'],
    3: ['##.', '..#', '.#.', '..#', '##.'],
}


def numbered_sheet(c, x0, y0, width, height, number):
    """A page of the collation pictures: its number at the top left, where the page above leaves it visible, and a
    few text lines below."""
    sheet(c, x0, y0, x0 + width - 1, y0 + height - 1, fold=4,
          lines=[(y0 + 9 + 2 * i, x0 + 2, x0 + width - (6 if i == 2 else 3)) for i in range(4)])
    c.pattern(x0 + 2, y0 + 2, PAGE_DIGITS[number], {'#': NAVY})
    c.fill(line(x0 + 6, y0 + 4, x0 + width - 6, y0 + 4), GREY)


def page_stack(c, x0, y0, numbers, width, height, step=7):
    """Pages fanned from the top left to the bottom right; the last number lies on top."""
    for i, number in enumerate(numbers):
        numbered_sheet(c, x0 + i * step, y0 + i * step, width, height, number)


def draw_collate(c):
    # two complete copies, each its pages 1, 2, 3 in order
    for x0 in (8, 52):
        page_stack(c, x0, 1, (1, 2, 3), 17, 20)


def draw_nocollate(c):
    # every page twice in a row: 1 1, 2 2, 3 3
    for x0, number in ((6, 1), (39, 2), (72, 3)):
        page_stack(c, x0, 1, (number, number), 16, 21)


# ---------------------------------------------------------------------------------------------------------------
# The About window's acknowledgement picture, 120 x 144, on the white of its page: C++ source goes through the
# MinGW-w64 compiler (a gear) and comes out as a program with a quill.
# ---------------------------------------------------------------------------------------------------------------


def gear(c, cx, cy, r_body, r_teeth, r_hole, teeth):
    body = disc(cx, cy, r_body)
    for k in range(teeth):
        a = 2 * math.pi * k / teeth
        d = (math.cos(a), math.sin(a))
        body |= band((cx + d[0] * (r_body - 2), cy + d[1] * (r_body - 2)),
                     (cx + d[0] * r_teeth, cy + d[1] * r_teeth), 3.2)
    c.fill(body, SILVER, DARK)
    c.fill(arc(cx, cy, r_body - 3, r_body - 5, 100.0, 200.0), WHITE)
    c.fill(disc(cx, cy, r_hole), WHITE, DARK)


def draw_acknowledgement(c):
    c.fill(rect(0, 0, c.width - 1, c.height - 1), WHITE)
    # the source: a sheet with C++ on it and a few lines of code
    sheet(c, 4, 2, 55, 62, fold=9, lines=((44, 10, 40), (48, 10, 46), (52, 14, 44), (56, 14, 36)))
    big_c = [
        "..######..",
        ".########.",
        "###....###",
        "##......##",
        "##........",
        "##........",
        "##........",
        "##........",
        "##......##",
        "###....###",
        ".########.",
        "..######..",
    ]
    plus = [
        "...##...",
        "...##...",
        "...##...",
        "########",
        "########",
        "...##...",
        "...##...",
        "...##...",
    ]
    c.pattern(9, 18, big_c, {'#': NAVY})
    c.pattern(21, 20, plus, {'#': NAVY})
    c.pattern(31, 20, plus, {'#': NAVY})
    # into the compiler
    c.fill(arrow((56, 30), (71, 44), 2.2, 5.5, 7.0), LIME, DKGREEN)
    gear(c, 90, 58, 17, 23, 6, 10)
    # out comes the program: a window with the quill
    c.fill(arrow((84, 84), (68, 100), 2.2, 5.5, 7.0), LIME, DKGREEN)
    window(c, 6, 98, 70, 141, title=6)
    c.fill(rect(63, 100, 67, 103), SILVER, BLACK)
    quill(c, (24.5, 136.5), (60.5, 104.5), 6.5, (0.55, 0.67, 0.79, 0.9))
    c.fill(line(12, 136, 18, 136), BLACK)


# ---------------------------------------------------------------------------------------------------------------
# Program icon: a quill over a sheet
# ---------------------------------------------------------------------------------------------------------------


def quill(c, nib, top, width, barbs):
    """A quill from its nib to the top of its feather; `width` is the vane's greatest half width."""
    vane = [along(nib, top, 0.30, 0.0), along(nib, top, 0.45, width * 0.75), along(nib, top, 0.70, width),
            along(nib, top, 0.90, width * 0.8), along(nib, top, 1.0, 0.0), along(nib, top, 0.88, -width * 0.65),
            along(nib, top, 0.65, -width * 0.8), along(nib, top, 0.42, -width * 0.5)]
    c.fill(polygon(vane), CYAN, TEAL)
    for t in barbs:
        a, b = along(nib, top, t, 0.0), along(nib, top, t - 0.08, width * 0.75)
        c.fill(line(round(a[0] - 0.5), round(a[1] - 0.5), round(b[0] - 0.5), round(b[1] - 0.5)), TEAL)
    c.fill(band(nib, top, 0.6, 0.12, 0.97), NAVY)
    c.fill(band(nib, top, 0.9, 0.08, 0.30), TAN, WOOD_EDGE)
    c.fill(polygon([nib, along(nib, top, 0.10, 0.9), along(nib, top, 0.10, -0.9)]), BLACK)


def draw_icon32(c):
    sheet(c, 2, 1, 23, 30, fold=6, lines=((10, 5, 17), (13, 5, 19), (16, 5, 18), (19, 5, 14)))
    c.fill(line(5, 27, 7, 26) | line(8, 26, 9, 27) | line(10, 27, 11, 26), BLACK)
    quill(c, (11.5, 27.5), (31.5, 0.5), 4.2, (0.55, 0.67, 0.79, 0.9))


def draw_icon16(c):
    sheet(c, 1, 1, 11, 15, fold=3, lines=((6, 3, 8), (8, 3, 7)))
    c.fill(line(3, 13, 4, 13), BLACK)
    quill(c, (5.5, 14.5), (16, 0), 2.4, ())


# ---------------------------------------------------------------------------------------------------------------
# The table of pictures
# ---------------------------------------------------------------------------------------------------------------

PICTURES = {
    # kind buttons of the main window's two pages
    'arrow.bmp': (draw_arrow, 24, 22),
    'messagebox.bmp': (draw_messagebox, 24, 22),
    'opendlg.bmp': (draw_opendlg, 24, 22),
    'savedlg.bmp': (draw_savedlg, 24, 22),
    'colordlg.bmp': (draw_colordlg, 24, 22),
    'fontdlg.bmp': (draw_fontdlg, 24, 22),
    'printdlg.bmp': (draw_printdlg, 24, 22),
    'browseforfolder.bmp': (draw_browseforfolder, 24, 22),
    'rundlg.bmp': (draw_rundlg, 24, 22),
    'formatdrive.bmp': (draw_formatdrive, 24, 22),
    'shabout.bmp': (draw_shabout, 24, 22),
    'icondlg.bmp': (draw_icondlg, 24, 22),
    'fileop.bmp': (draw_fileop, 24, 22),
    # command column
    'test.bmp': (draw_test, 16, 16),
    'copy.bmp': (draw_copy, 16, 16),
    'edit.bmp': (draw_edit, 16, 16),
    'reset.bmp': (draw_reset, 16, 16),
    'minimize.bmp': (draw_minimize, 16, 16),
    'help.bmp': (draw_help, 16, 16),
    'about.bmp': (draw_about, 16, 16),
    # icon buttons of the message-box panel
    'information.bmp': (draw_information, 32, 32),
    'warning.bmp': (draw_warning, 32, 32),
    'error.bmp': (draw_error, 32, 32),
    'confirmation.bmp': (draw_confirmation, 32, 32),
    # small buttons of the file panels
    'folder.bmp': (draw_folder, 16, 16),
    'file.bmp': (draw_file, 16, 16),
    'clipboard.bmp': (draw_clipboard, 16, 16),
    # the browse-for-folder panel's root tree (imlFolders, image indices 0 to 8)
    'tree_desktop.bmp': (draw_tree_desktop, 16, 16),
    'tree_documents.bmp': (draw_tree_documents, 16, 16),
    'tree_computer.bmp': (draw_tree_computer, 16, 16),
    'tree_network.bmp': (draw_tree_network, 16, 16),
    'tree_recycle.bmp': (draw_tree_recycle, 16, 16),
    'tree_controls.bmp': (draw_tree_controls, 16, 16),
    'tree_programs.bmp': (draw_tree_programs, 16, 16),
    'tree_printers.bmp': (draw_tree_printers, 16, 16),
    'tree_startmenu.bmp': (draw_tree_startmenu, 16, 16),
    # the Print panel's collation pictures
    'collate.bmp': (draw_collate, 91, 36),
    'nocollate.bmp': (draw_nocollate, 98, 30),
    # the About window's acknowledgement picture
    'acknowledgement.bmp': (draw_acknowledgement, 120, 144),
}

# The scalings every picture is drawn at, in percent: Windows' steps from 96 to 240 DPI. The program loads the one
# nearest to its window's DPI (app/picture_scale_core.h keeps the same list). At 100 % a picture keeps its name; at
# the others the percentage is added to it (arrow_125.bmp).
SCALES = (100, 125, 150, 200, 250)

# The program icon's drawings by their design size, and the sizes of the icon file's images: Windows picks the image
# nearest to what it shows (16 and 32 at 100 %, 20 to 64 at the larger scalings, 256 for large icon views). Each
# image is the largest drawing not larger than the image, drawn at the scaling that makes it fit.
ICON_DRAWINGS = {16: draw_icon16, 32: draw_icon32}
ICON_SIZES = (256, 64, 48, 40, 32, 24, 20, 16)

# ---------------------------------------------------------------------------------------------------------------
# File formats
# ---------------------------------------------------------------------------------------------------------------


def render(function, width, height, percent=100):
    c = Canvas(width, height, percent)
    function(c)
    return c


def render_icon(size):
    design = max(d for d in ICON_DRAWINGS if d <= size)
    return render(ICON_DRAWINGS[design], design, design, size * 100 // design)


def bmp_bytes(c, indexed=False):
    """An uncompressed bottom-up BMP; every row is padded to a multiple of 4 bytes. 24-bit, or with `indexed` (the
    scaled drawings, which add up to megabytes in the program otherwise) 4 or 8 bits per pixel over a palette of the
    colours it uses, in the order of their values, when there are no more than 256."""
    width, height = len(c.rows[0]), len(c.rows)
    colours = sorted({pixel for row in c.rows for pixel in row})
    bits = 24 if not indexed or len(colours) > 256 else 4 if len(colours) <= 16 else 8
    stride = ((width * bits + 31) // 32) * 4
    index = {colour: i for i, colour in enumerate(colours)}
    pixels = bytearray()
    for row in reversed(c.rows):
        line = bytearray()
        if bits == 24:
            for (r, g, b) in row:
                line += bytes((b, g, r))
        elif bits == 8:
            line += bytes(index[pixel] for pixel in row)
        else:
            for x in range(0, width, 2):
                high = index[row[x]]
                low = index[row[x + 1]] if x + 1 < width else 0
                line.append(high << 4 | low)
        pixels += line + bytes(stride - len(line))
    palette = b'' if bits == 24 else b''.join(bytes((b, g, r, 0)) for (r, g, b) in colours)
    used = 0 if bits == 24 else len(colours)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(pixels), 2835, 2835, used, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def icon_image_bytes(c):
    """One icon image: a 32-bit BGRA DIB of double height followed by its 1-bit AND mask, both bottom-up."""
    width, height = len(c.rows[0]), len(c.rows)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(c.rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b) in enumerate(row):
            if (r, g, b) == KEY:
                colour += bytes((0, 0, 0, 0))
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                colour += bytes((b, g, r, 255))
        mask += bits
    info = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return info + bytes(colour) + bytes(mask)


def png_bytes(c):
    """A PNG of 8-bit RGBA pixels, the key colour fully transparent; the form Windows expects of 256-pixel icons."""
    raw = bytearray()
    for row in c.rows:
        raw.append(0)  # no filter
        for (r, g, b) in row:
            raw += bytes((0, 0, 0, 0)) if (r, g, b) == KEY else bytes((r, g, b, 255))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    header = struct.pack('>IIBBBBB', len(c.rows[0]), len(c.rows), 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
            chunk(b'IEND', b''))


def ico_bytes(canvases):
    images = [png_bytes(c) if len(c.rows) >= 256 else icon_image_bytes(c) for c in canvases]
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b''
    for c, data in zip(canvases, images):
        entries += struct.pack('<BBBBHHII', len(c.rows[0]) % 256, len(c.rows) % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + entries + b''.join(images)


def picture_file_name(name, percent):
    stem, extension = os.path.splitext(name)
    return name if percent == 100 else '%s_%d%s' % (stem, percent, extension)


def write_if_changed(path, data):
    """Writes only when the content differs, so that an unchanged picture keeps its file time."""
    if os.path.exists(path):
        with open(path, 'rb') as f:
            if f.read() == data:
                return False
    with open(path, 'wb') as f:
        f.write(data)
    return True


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = os.path.join(root, 'resources', 'pictures')
    os.makedirs(out_dir, exist_ok=True)
    written = 0
    for name, (function, width, height) in PICTURES.items():
        for percent in SCALES:
            c = render(function, width, height, percent)
            written += write_if_changed(os.path.join(out_dir, picture_file_name(name, percent)), bmp_bytes(c, percent != 100))
    icon = ico_bytes([render_icon(size) for size in ICON_SIZES])
    written += write_if_changed(os.path.join(root, 'resources', 'quillmark.ico'), icon)
    print('%d pictures at %d scalings and 1 icon checked, %d written' % (len(PICTURES), len(SCALES), written))
    return 0


if __name__ == '__main__':
    sys.exit(main())
