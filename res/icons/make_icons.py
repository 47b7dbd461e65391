#!/usr/bin/env python3
"""Draws Kelvane's icons and writes them as .ico files beside this script.

    python3 res/icons/make_icons.py

The pictures are drawn here in code, so that they can be changed and rebuilt
without a paint program; the .ico files it writes are kept in the repository
and compiled into the program by res/Kelvane.rc.

  app.ico        true colour, 32x32: a globe with two computers
  busy_a.ico     16 colours, 32x32: two computers and a modem on a line,
                 the lower screen lit
  busy_b.ico     the same, the upper screen lit
  idle.ico       the same, both screens dark

Plain python3, nothing to install.
"""

import math
import os
import struct

SIZE = 32

# The standard 16-colour palette, in its usual order.
PALETTE16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = PALETTE16[:8]
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, CYAN, WHITE = PALETTE16[8:]


class Canvas:
    """A 32x32 picture; None marks a transparent pixel."""

    def __init__(self):
        self.px = [[None] * SIZE for _ in range(SIZE)]

    def set(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.set(x, y0, colour)
            self.set(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.set(x0, y, colour)
            self.set(x1, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy


# ---------------------------------------------------------------------------
# Pictures.

def draw_small_computer(c, x, y, screen, case, shade, outline, glare=None):
    """A monitor on a stand with a keyboard, 12 wide and 11 high, from (x, y)."""
    c.fill(x, y, x + 11, y + 7, case)
    c.frame(x, y, x + 11, y + 7, outline)
    c.fill(x + 2, y + 2, x + 9, y + 5, screen)
    if glare:
        c.set(x + 3, y + 2, glare)
        c.set(x + 4, y + 2, glare)
        c.set(x + 3, y + 3, glare)
    c.line(x + 1, y + 6, x + 10, y + 6, shade)
    c.fill(x + 5, y + 8, x + 6, y + 8, shade)  # stand
    c.fill(x + 1, y + 9, x + 10, y + 9, case)  # keyboard, keys on top
    for kx in range(x + 2, x + 10, 2):
        c.set(kx, y + 9, shade)
    c.line(x + 1, y + 10, x + 10, y + 10, outline)


# Land on the globe: ellipses in longitude and latitude (radians).
CONTINENTS = [
    (-0.55, 0.55, 0.45, 0.45),
    (-0.25, -0.35, 0.25, 0.55),
    (0.75, 0.45, 0.55, 0.35),
    (0.85, -0.25, 0.25, 0.35),
    (1.45, -0.75, 0.3, 0.2),
]


def app_icon():
    """True colour: a globe between and above two computers."""
    c = Canvas()
    cx, cy, r = 15.5, 11.0, 10.6
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = (x + 0.5 - cx) / r, (y + 0.5 - cy) / r
            d2 = dx * dx + dy * dy
            if d2 > 1.0:
                continue
            dz = math.sqrt(1.0 - d2)
            # Longitude and latitude of the point on a slightly turned sphere.
            lon = math.atan2(dx, dz) + 0.35
            lat = math.asin(max(-1.0, min(1.0, -dy)))
            light = max(0.0, (-0.45 * dx - 0.55 * dy + 0.7 * dz))
            land = any(
                ((lon - lon0) / wl) ** 2 + ((lat - lat0) / hl) ** 2 < 1.0
                for (lon0, lat0, wl, hl) in CONTINENTS
            )
            if land:
                base = (40, 150, 60)
            else:
                base = (30, 90, 200)
            # Grid of meridians and parallels.
            on_grid = (abs((math.degrees(lon) % 30.0) - 15.0) > 13.2 and dz > 0.25) or (
                abs((math.degrees(lat) % 30.0) - 15.0) > 13.6
            )
            if on_grid:
                base = tuple(min(255, v + 70) for v in base)
            k = 0.45 + 0.75 * light
            colour = tuple(max(0, min(255, int(v * k))) for v in base)
            if d2 > 0.86:
                colour = (15, 40, 95)  # rim
            c.set(x, y, colour)
    # Highlight on the upper left of the globe.
    for (x, y) in ((9, 4), (10, 4), (8, 5), (9, 5), (8, 6)):
        c.set(x, y, (200, 225, 255))

    case, shade, outline = (225, 220, 200), (160, 155, 140), (40, 40, 40)
    screen, glare = (40, 110, 190), (170, 210, 255)
    draw_small_computer(c, 0, 20, screen, case, shade, outline, glare)
    draw_small_computer(c, 20, 20, screen, case, shade, outline, glare)
    # Both computers talk to the globe.
    wire = (250, 190, 30)
    c.line(6, 19, 7, 18, wire)
    c.line(5, 19, 7, 17, wire)
    c.line(25, 19, 24, 18, wire)
    c.line(26, 19, 24, 17, wire)
    return c


def modem_picture(upper_lit, lower_lit):
    """16 colours: two computers on the left, a modem on the right, one line."""
    c = Canvas()
    lit, dark = CYAN, NAVY

    # The line: from each computer across to a riser, and on to the modem.
    c.line(13, 5, 16, 5, BLACK)
    c.line(13, 23, 16, 23, BLACK)
    c.line(16, 5, 16, 23, BLACK)
    c.line(16, 14, 20, 14, BLACK)

    draw_small_computer(c, 1, 0, lit if upper_lit else dark, SILVER, GREY, BLACK,
                        WHITE if upper_lit else None)
    draw_small_computer(c, 1, 18, lit if lower_lit else dark, SILVER, GREY, BLACK,
                        WHITE if lower_lit else None)

    # The modem: a flat box with its lights and an aerial-less front.
    c.fill(20, 11, 31, 17, SILVER)
    c.frame(20, 11, 31, 17, BLACK)
    c.line(21, 16, 30, 16, GREY)
    c.set(22, 14, LIME)
    c.set(24, 14, LIME)
    c.set(26, 14, YELLOW)
    c.set(28, 14, RED)
    c.fill(21, 18, 22, 18, GREY)  # feet
    c.fill(29, 18, 30, 18, GREY)
    return c


# ---------------------------------------------------------------------------
# .ico writing: one 32x32 image per file, a colour bitmap stored bottom-up,
# followed by the 1-bit transparency mask.

def _row_pad(n):
    return (4 - n % 4) % 4


def _mask_rows(c):
    rows = []
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if c.px[y][x] is None else 0)
        data = bits.to_bytes(SIZE // 8, "big")
        rows.append(data + b"\0" * _row_pad(len(data)))
    return b"".join(rows)


def _ico(image, colour_count, bit_count):
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, colour_count, 0, 1, bit_count, len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + image


def _info_header(bit_count, image_size, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bit_count, 0, image_size, 0, 0,
                       colours_used, 0)


def ico_true_colour(c):
    rows = []
    for y in reversed(range(SIZE)):
        row = b"".join(bytes((b, g, r)) for (r, g, b) in
                       ((c.px[y][x] or (0, 0, 0)) for x in range(SIZE)))
        rows.append(row + b"\0" * _row_pad(len(row)))
    bits = b"".join(rows) + _mask_rows(c)
    return _ico(_info_header(24, len(bits), 0) + bits, 0, 24)


def ico_16_colours(c):
    index = {colour: i for i, colour in enumerate(PALETTE16)}
    palette = b"".join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE16)
    rows = []
    for y in reversed(range(SIZE)):
        nibbles = [index[c.px[y][x]] if c.px[y][x] is not None else 0 for x in range(SIZE)]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        rows.append(row + b"\0" * _row_pad(len(row)))
    bits = b"".join(rows) + _mask_rows(c)
    return _ico(_info_header(4, len(bits), 16) + palette + bits, 16, 4)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    files = {
        "app.ico": ico_true_colour(app_icon()),
        "busy_a.ico": ico_16_colours(modem_picture(upper_lit=False, lower_lit=True)),
        "busy_b.ico": ico_16_colours(modem_picture(upper_lit=True, lower_lit=False)),
        "idle.ico": ico_16_colours(modem_picture(upper_lit=False, lower_lit=False)),
    }
    for name, data in files.items():
        with open(os.path.join(here, name), "wb") as out:
            out.write(data)
        print("wrote", os.path.join(here, name))


if __name__ == "__main__":
    main()
