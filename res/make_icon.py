#!/usr/bin/env python3
"""Draws the tool's icon, a steel gear over a blue slider panel, and writes it
as an .ico of four uncompressed 32-bit images: 256, 48, 32 and 16 pixels.

Pure Python and deterministic: the same script always writes the same bytes.
"""
import math
import struct
import sys

SIZES = (256, 48, 32, 16)
SAMPLES = 4  # per axis, for anti-aliasing


def panel(x, y):
    """Rounded blue panel with two slider tracks; coordinates in 0..1."""
    r = 0.16
    left, top, right, bottom = 0.04, 0.30, 0.96, 0.96
    cx = min(max(x, left + r), right - r)
    cy = min(max(y, top + r), bottom - r)
    if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
        return None
    shade = 1.0 - 0.35 * (y - top) / (bottom - top)
    color = (40 * shade, 110 * shade, 215 * shade)
    for track_y, knob_x in ((0.80, 0.30), (0.89, 0.66)):
        if abs(y - track_y) < 0.022 and 0.12 < x < 0.88:
            color = (225, 235, 250)
        if (x - knob_x) ** 2 + (y - track_y) ** 2 < 0.045 ** 2:
            color = (255, 200, 40)
    return color


def gear(x, y):
    """Eight-toothed steel gear with a hole, centred above the panel."""
    gx, gy = 0.60, 0.40
    dx, dy = x - gx, y - gy
    d = math.hypot(dx, dy)
    angle = math.atan2(dy, dx)
    teeth = 8
    phase = (angle * teeth / (2 * math.pi)) % 1.0
    tooth = 0.5 * (1 + math.tanh(12 * (0.25 - abs(phase - 0.5))))
    outer = 0.27 + 0.07 * tooth
    if d > outer or d < 0.10:
        return None
    light = 0.55 + 0.45 * max(0.0, (-dx - dy) / (d + 1e-9)) * 0.7 + 0.15 * (1 - d / outer)
    if 0.10 <= d < 0.13:
        light *= 0.6  # rim of the hole
    level = max(0, min(255, 70 + 170 * light))
    return (level, level, min(255, level + 12))


def pixel(size, px, py):
    total = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            color = gear(x, y) or panel(x, y)
            if color:
                total[0] += color[0]
                total[1] += color[1]
                total[2] += color[2]
                total[3] += 255
    n = SAMPLES * SAMPLES
    alpha = total[3] / n
    if alpha == 0:
        return (0, 0, 0, 0)
    # Straight (non-premultiplied) colour, as icons store it.
    scale = 255 / total[3]
    return tuple(int(round(c * scale)) for c in total[:3]) + (int(round(alpha)),)


def image(size):
    rows = [[pixel(size, x, y) for x in range(size)] for y in range(size)]
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(rows):  # bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def main(path):
    images = [image(size) for size in SIZES]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        dim = 0 if size == 256 else size
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1])
