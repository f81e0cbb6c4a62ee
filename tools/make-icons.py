#!/usr/bin/env python3
"""Makes the square application icons from the logo and writes them to assets/icons/<size>.png
(16, 32, 48, 64, 128 and 256 px, RGBA). The logo is taller than wide, so it is centred on a
transparent square: the 204 x 254 drawing (logo@2x.png) sits on a 256 px square unscaled, and the
smaller sizes are averaged down from that square. Standard library only; a rerun gives the same files.
"""

import os
import struct
import zlib

SIZES = (16, 32, 48, 64, 128, 256)
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def read_png(path):
    """Decodes an 8-bit RGBA, non-interlaced PNG into rows of bytes."""
    with open(path, "rb") as file:
        data = file.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(path + ": not a PNG")
    at, idat, header = 8, b"", None
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        kind, body = data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError(path + ": only 8-bit RGBA without interlacing is read")
    raw = zlib.decompress(idat)
    stride, rows, previous = width * 4, [], bytearray(width * 4)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - 4] if i >= 4 else 0
            up = previous[i]
            corner = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append(bytes(row))
        previous = row
    return width, height, rows


def write_png(path, size, pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(v for px in pixels[y * size:(y + 1) * size] for v in px)
                   for y in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                   + chunk(b"IEND", b""))


def centred(width, height, rows, side):
    """The picture on a transparent side x side square, premultiplied, as floats per pixel."""
    left, top = (side - width) // 2, (side - height) // 2
    square = [(0.0, 0.0, 0.0, 0.0)] * (side * side)
    for y in range(height):
        row = rows[y]
        for x in range(width):
            r, g, b, a = row[x * 4:x * 4 + 4]
            f = a / 255
            square[(top + y) * side + left + x] = (r * f, g * f, b * f, float(a))
    return square


def shrink(square, side, size):
    """Area average of a premultiplied square down to size x size; coverage counts edge pixels in part."""
    scale = side / size
    out = []
    for oy in range(size):
        y0, y1 = oy * scale, (oy + 1) * scale
        for ox in range(size):
            x0, x1 = ox * scale, (ox + 1) * scale
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(int(y0), min(side, int(y1 + 0.999999))):
                wy = min(y1, sy + 1) - max(y0, sy)
                for sx in range(int(x0), min(side, int(x1 + 0.999999))):
                    w = wy * (min(x1, sx + 1) - max(x0, sx))
                    px = square[sy * side + sx]
                    for c in range(4):
                        acc[c] += px[c] * w
            area = scale * scale
            out.append(tuple(v / area for v in acc))
    return out


def unpremultiply(pixels):
    result = []
    for r, g, b, a in pixels:
        if a < 0.5:
            result.append((0, 0, 0, 0))
            continue
        f = 255 / a
        result.append(tuple(min(255, round(v)) for v in (r * f, g * f, b * f, a)))
    return result


def main():
    width, height, rows = read_png(os.path.join(ROOT, "assets", "logo@2x.png"))
    side = max(SIZES)
    if width > side or height > side:
        raise ValueError("the logo is larger than the largest icon")
    square = centred(width, height, rows, side)
    out = os.path.join(ROOT, "assets", "icons")
    os.makedirs(out, exist_ok=True)
    for size in SIZES:
        pixels = square if size == side else shrink(square, side, size)
        write_png(os.path.join(out, "%d.png" % size), size, unpremultiply(pixels))


if __name__ == "__main__":
    main()
