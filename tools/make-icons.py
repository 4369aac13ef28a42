#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files beside the resource script.

    tools/make-icons.py            rewrites src/main/ornamo.ico and src/main/template.ico

The program icon is the logo's emblem: a rounded tile in the logo's warm gradient holding a
white diamond with a red heart. The template icon is a sheet of paper with a folded corner
and a placeholder block, wearing the emblem as a badge. Each size is drawn on its own from
the same shapes, sampled 4 x 4 per pixel, so small sizes stay crisp instead of being a
scaled-down 256 picture. Plain Python: no imaging package is needed.
"""
import os
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SUBSAMPLES = 4

EMBLEM_TOP = (247, 164, 45)
EMBLEM_BOTTOM = (196, 58, 38)
WHITE = (255, 255, 255)
PAPER_EDGE = (120, 132, 150)
PAPER_FOLD = (214, 222, 234)
PLACEHOLDER = (52, 130, 210)
PLACEHOLDER_LINE = (190, 214, 240)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def in_round_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def in_diamond(x, y, cx, cy, r):
    return abs(x - cx) + abs(y - cy) <= r


class Emblem:
    """The logo's emblem in the square (left, top) - (left + size, top + size)."""

    def __init__(self, left, top, size):
        self.left, self.top, self.size = left, top, size

    def colour(self, x, y, pixel):
        s = self.size
        if not in_round_rect(x, y, self.left, self.top, self.left + s, self.top + s, s * 0.2):
            return None
        cx, cy = self.left + s / 2, self.top + s / 2
        if in_diamond(x, y, cx, cy, s * 0.18):
            return EMBLEM_BOTTOM + (255,)
        if in_diamond(x, y, cx, cy, s * 0.36):
            return WHITE + (255,)
        # A darker rim of about one pixel lifts the tile off light backgrounds.
        inner = pixel
        if not in_round_rect(x, y, self.left + inner, self.top + inner,
                             self.left + s - inner, self.top + s - inner, s * 0.2 - inner):
            return mix(EMBLEM_BOTTOM, (0, 0, 0), 0.25) + (255,)
        return mix(EMBLEM_TOP, EMBLEM_BOTTOM, (y - self.top) / s) + (255,)


def program_icon(x, y, pixel):
    return Emblem(0.02, 0.02, 0.96).colour(x, y, pixel)


def template_icon(x, y, pixel):
    badge = Emblem(0.44, 0.44, 0.54).colour(x, y, pixel)
    if badge:
        return badge
    left, top, right, bottom, fold = 0.12, 0.02, 0.80, 0.96, 0.22
    if not (left <= x <= right and top <= y <= bottom):
        return None
    # The folded corner: cut off above the diagonal, the flap drawn below it.
    if x - (right - fold) > y - top:
        return None
    if x >= right - fold and y <= top + fold:
        on_crease = abs((x - (right - fold)) - (y - top)) <= pixel
        on_flap_edge = x <= right - fold + pixel or y >= top + fold - pixel
        return (PAPER_EDGE if on_crease or on_flap_edge else PAPER_FOLD) + (255,)
    if x <= left + pixel or x >= right - pixel or y <= top + pixel or y >= bottom - pixel:
        return PAPER_EDGE + (255,)
    # A placeholder block with lines of text, as the sheet of a template shows it.
    if 0.20 <= x <= 0.56 and 0.30 <= y <= 0.42:
        return PLACEHOLDER + (255,)
    for line_top in (0.50, 0.62, 0.74):
        if 0.20 <= x <= 0.40 and line_top <= y <= line_top + max(pixel, 0.05):
            return PLACEHOLDER_LINE + (255,)
    return WHITE + (255,)


def render(shape, size):
    """Rows of RGBA pixels, top row first, each the average of its subsamples."""
    pixel = 1.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    x = (px + (sx + 0.5) / SUBSAMPLES) / size
                    y = (py + (sy + 0.5) / SUBSAMPLES) / size
                    c = shape(x, y, pixel)
                    if c:
                        # Premultiplied, so edges fade to transparent, not to black.
                        acc[0] += c[0] * c[3]
                        acc[1] += c[1] * c[3]
                        acc[2] += c[2] * c[3]
                        acc[3] += c[3]
            n = SUBSAMPLES * SUBSAMPLES
            a = acc[3] / n
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(acc[i] / acc[3]) for i in range(3)) + (round(a),))
        rows.append(row)
    return rows


def dib_image(rows):
    """A 32-bit icon image: header, bottom-up BGRA pixels, then the 1-bit AND mask."""
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((r[2], r[1], r[0], r[3])) for row in reversed(rows)
                      for r in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def png_image(rows):
    size = len(rows)
    raw = b''.join(b'\0' + bytes(c for p in row for c in p) for row in rows)

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))

    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write_icon(path, shape):
    # The 256 image is stored as PNG, as Windows expects for that size; the small ones as
    # DIBs, which every icon reader takes.
    images = [(size, png_image(render(shape, size)) if size >= 256
               else dib_image(render(shape, size))) for size in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        dim = 0 if size >= 256 else size
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = os.path.join(root, 'src', 'main')
    write_icon(os.path.join(folder, 'ornamo.ico'), program_icon)
    write_icon(os.path.join(folder, 'template.ico'), template_icon)
    return 0


if __name__ == '__main__':
    sys.exit(main())
