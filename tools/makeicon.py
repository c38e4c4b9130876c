#!/usr/bin/env python3
"""Draws the player's icon and writes it as a Windows icon file (16, 32 and 48 pixels,
32-bit colour with alpha): a dark rounded square with a lime play triangle and three aqua
level bars, the colours of the player's status line and time window. Standard library only.

    makeicon.py OUTPUT.ico
"""

import struct
import sys

SIZES = (16, 32, 48)
SUPERSAMPLE = 4


def inside_rounded_square(x, y, radius):
    """Whether the point (unit square coordinates) lies in the rounded square."""
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_triangle(x, y):
    """The play triangle, pointing right, left of the centre."""
    left, top, bottom, tip = 0.20, 0.24, 0.76, 0.58
    if x < left or x > tip:
        return False
    half = (bottom - top) / 2 * (tip - x) / (tip - left)
    return abs(y - 0.5) <= half


def inside_bars(x, y):
    """Three level bars of rising height at the right."""
    for index, height in enumerate((0.22, 0.36, 0.50)):
        left = 0.62 + index * 0.105
        if left <= x <= left + 0.07 and 0.76 - height <= y <= 0.76:
            return True
    return False


def colour_at(x, y):
    """(blue, green, red, alpha) of one sample."""
    if not inside_rounded_square(x, y, 0.22):
        return (0, 0, 0, 0)
    if inside_triangle(x, y):
        return (0x00, 0xFF, 0x00, 255)
    if inside_bars(x, y):
        return (0xFF, 0xFF, 0x00, 255)
    shade = 1 - 0.45 * y
    return (int(0x5F * shade), int(0x3A * shade), int(0x1E * shade), 255)


def pixel(px, py, size):
    """One pixel, averaged over its samples, alpha-weighted."""
    total = [0, 0, 0, 0]
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            x = (px + (sx + 0.5) / SUPERSAMPLE) / size
            y = (py + (sy + 0.5) / SUPERSAMPLE) / size
            b, g, r, a = colour_at(x, y)
            total[0] += b * a
            total[1] += g * a
            total[2] += r * a
            total[3] += a
    count = SUPERSAMPLE * SUPERSAMPLE
    alpha = total[3] // count
    if total[3] == 0:
        return bytes((0, 0, 0, 0))
    return bytes((total[0] // total[3], total[1] // total[3], total[2] // total[3], alpha))


def image(size):
    """One icon image: the header, the pixels bottom-up and the AND mask (all zero)."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = [b"".join(pixel(x, y, size) for x in range(size)) for y in range(size)]
    mask_row = ((size + 31) // 32) * 4
    return header + b"".join(reversed(rows)) + bytes(mask_row * size)


def icon():
    images = [image(size) for size in SIZES]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + b"".join(images)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(icon())


if __name__ == "__main__":
    main()
