#!/usr/bin/env python3
"""Draws the program's logo and writes it to assets/ as RGBA PNG:
  logo.png    - 102 x 127, shown in the about box
  logo@2x.png - 204 x 254, the same drawing for screens at twice the density
The motif is a cardboard parcel with a "Q" stamped on its side. Only the standard
library is used and the output is deterministic, so a rerun gives the same files.
"""

import os
import struct
import zlib

WIDTH, HEIGHT = 102, 127
SAMPLES = 4  # per axis; 16 samples per pixel smooth the edges

# Corners of the parcel in logo units: T* on the lid, B* at the foot.
T0, T1, T2, T3 = (51, 20), (92, 38), (51, 56), (10, 38)
B1, B2, B3 = (92, 82), (51, 100), (10, 82)


def convex(points):
    """Inside test for a convex polygon whose corners run in either direction."""
    def inside(x, y):
        sign = 0
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            cross = (bx - ax) * (y - ay) - (by - ay) * (x - ax)
            if cross != 0:
                if sign == 0:
                    sign = 1 if cross > 0 else -1
                elif (cross > 0) != (sign > 0):
                    return False
        return True
    return inside


def segment(a, b, width):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    half2 = (width / 2) ** 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= half2
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def on_face(origin, across, down, shape):
    """Draws `shape`, given in the face's own units (0..1 both ways), onto a sheared face."""
    ox, oy = origin
    ux, uy = across[0] - ox, across[1] - oy
    vx, vy = down[0] - ox, down[1] - oy
    det = ux * vy - uy * vx

    def inside(x, y):
        rx, ry = x - ox, y - oy
        u = (rx * vy - ry * vx) / det
        v = (ux * ry - uy * rx) / det
        return 0 <= u <= 1 and 0 <= v <= 1 and shape(u, v)
    return inside


def letter_q(u, v):
    # The face is about as wide as it is tall, so a round ring reads as a circle.
    r2 = (u - 0.5) ** 2 + (v - 0.46) ** 2
    ring = 0.22 ** 2 <= r2 <= 0.33 ** 2
    tail = segment((0.56, 0.56), (0.80, 0.84), 0.11)(u, v)
    return ring or tail


def tape(u, v):
    return abs(v - 0.5) <= 0.09


def tape_side(u, v):
    return abs(u - 0.5) <= 0.09


EDGE = (104, 66, 30, 255)
LAYERS = [
    ((0, 0, 0, 56), ellipse(51, 103, 42, 5)),  # shadow on the ground
    ((205, 152, 92, 255), convex([T3, T2, B2, B3])),  # left side, in the light
    ((172, 121, 68, 255), convex([T2, T1, B1, B2])),  # right side, in the shade
    ((226, 183, 124, 255), convex([T0, T1, T2, T3])),  # lid
    ((243, 222, 172, 255), on_face(T3, T0, T2, tape)),
    ((222, 199, 150, 255), on_face(T2, T1, B2, tape_side)),
    ((32, 78, 168, 255), on_face(T3, T2, B3, letter_q)),
] + [(EDGE, segment(a, b, 1.6)) for a, b in
     [(T0, T1), (T1, T2), (T2, T3), (T3, T0), (T2, B2), (T3, B3), (T1, B1), (B3, B2), (B2, B1)]]


def render(scale):
    width, height = WIDTH * scale, HEIGHT * scale
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    total = SAMPLES * SAMPLES
    rows = []
    for py in range(height):
        row = bytearray()
        for px in range(width):
            points = [((px + ox) / scale, (py + oy) / scale) for oy in offsets for ox in offsets]
            r = g = b = a = 0.0  # premultiplied
            for (cr, cg, cb, ca), inside in LAYERS:
                hits = sum(1 for x, y in points if inside(x, y))
                if hits == 0:
                    continue
                alpha = ca / 255 * hits / total
                r = cr * alpha + r * (1 - alpha)
                g = cg * alpha + g * (1 - alpha)
                b = cb * alpha + b * (1 - alpha)
                a = alpha + a * (1 - alpha)
            if a > 0:
                row += bytes((round(r / a), round(g / a), round(b / a), round(a * 255)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return width, height, rows


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
    os.makedirs(out, exist_ok=True)
    for scale, name in ((1, "logo.png"), (2, "logo@2x.png")):
        with open(os.path.join(out, name), "wb") as file:
            file.write(png(*render(scale)))


if __name__ == "__main__":
    main()
