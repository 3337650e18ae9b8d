#!/usr/bin/env python3
"""Draws the program's and Morrik's icons as PNG files, 32 x 32 and 16 x 16.

Not part of the build: run it by hand after changing a picture and commit
the files it writes. Only the standard library is needed.

    scripts/draw-icons.py            # writes resources/*/icons/*.png
"""
import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLES = 4  # per pixel side: edges come out smooth


def png(path, side, pixels):
    """Writes RGBA rows (lists of (r, g, b, a) in 0..255) as a PNG file."""
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


# Shapes in the 32-unit square: each is (test(x, y) -> bool, colour).
def rect(x0, y0, x1, y1, colour, radius=0.0):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside, colour


def circle(cx, cy, r, colour):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r), colour


def ring(cx, cy, r0, r1, colour):
    return (lambda x, y: r0 * r0 <= (x - cx) ** 2 + (y - cy) ** 2 <= r1 * r1), colour


def line(x0, y0, x1, y1, width, colour):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= (width / 2) ** 2
    return inside, colour


def polygon(points, colour):
    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside, colour


def render(shapes, side):
    scale = 32.0 / side
    rows = []
    for py in range(side):
        row = []
        for px in range(side):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for inside, c in reversed(shapes):  # the last shape is on top
                        if inside(x, y):
                            colour = c
                            break
                    if colour:
                        for i in range(3):
                            acc[i] += colour[i]
                        acc[3] += 255
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(acc[i] / n * 255 / alpha)) for i in range(3)) + (int(round(alpha)),))
        rows.append(row)
    return rows


NAVY = (24, 48, 96)
STEEL = (190, 198, 210)
GREY = (90, 96, 108)
DARK = (30, 32, 40)
GLASS = (70, 150, 230)
WHITE = (250, 250, 250)
RED = (200, 40, 40)
GREEN = (40, 160, 70)
GOLD = (230, 180, 40)

# The program: a wall-mounted security camera.
PROGRAM = [
    rect(3, 24, 13, 28, GREY, 1.5),
    line(8, 25, 12, 17, 3.5, GREY),
    polygon([(6, 8), (26, 4), (29, 13), (9, 18)], STEEL),
    polygon([(6, 8), (26, 4), (26.8, 6.5), (6.7, 10.6)], WHITE),
    polygon([(26, 4), (30, 3), (31, 14), (29, 13)], NAVY),
    circle(28.2, 8.6, 2.6, DARK),
    circle(28.2, 8.6, 1.4, GLASS),
    circle(11, 13, 1.6, RED),
    rect(17, 22, 30, 30, NAVY, 2),
    line(20, 26, 27, 26, 2, WHITE),
]

# Dial-up: a desk telephone with its handset.
DIALUP = [
    polygon([(7, 14), (25, 14), (30, 28), (2, 28)], RED),
    rect(2, 26, 30, 29, (150, 28, 28), 1.5),
    ring(16, 21, 3, 5.5, WHITE),
    circle(16, 21, 2.2, (150, 28, 28)),
    rect(3, 6, 29, 11, DARK, 2.5),
    rect(2, 6, 9, 14, DARK, 2.5),
    rect(23, 6, 30, 14, DARK, 2.5),
]

# Morrik: the explorer, a magnifier over a small device tree.
EXPLORER = [
    rect(2, 2, 12, 9, GOLD, 1.5),
    line(6, 9, 6, 25, 2, GREY),
    line(6, 16, 12, 16, 2, GREY),
    line(6, 25, 12, 25, 2, GREY),
    rect(11, 13, 19, 19, GREEN, 1),
    rect(11, 22, 19, 28, NAVY, 1),
    circle(21, 13, 7, (200, 225, 250)),
    ring(21, 13, 6, 8.5, DARK),
    line(26.5, 18.5, 30.5, 28.5, 3.5, DARK),
]


def main():
    for folder, name, shapes in (
        ("setup", "program", PROGRAM),
        ("setup", "dialup", DIALUP),
        ("morrik", "explorer", EXPLORER),
    ):
        out = os.path.join(ROOT, "resources", folder, "icons")
        os.makedirs(out, exist_ok=True)
        for side in (32, 16):
            png(os.path.join(out, "%s_%d.png" % (name, side)), side, render(shapes, side))


if __name__ == "__main__":
    main()
