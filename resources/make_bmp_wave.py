#!/usr/bin/env python3
"""Writes BMP_WAVE.dib, the wave open dialog's format symbol: a 32 x 32
picture of 16 colours (a bitmap resource: no file header) showing a sheet
with a sound wave. Its bottom-left colour (teal) is the transparent one."""
import math
import os
import struct

# The 16 standard colours, as blue, green, red, reserved.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # red, green, blue
BLACK, TEAL, GREY, DARK_BLUE, WHITE, SILVER = 0, 6, 8, 4, 15, 7
SIZE = 32


def picture():
    rows = [[TEAL] * SIZE for _ in range(SIZE)]  # top-down here
    for y in range(3, 29):  # the sheet with a shadow
        for x in range(3, 27):
            rows[y][x] = WHITE
        rows[y][27] = GREY
    for x in range(4, 28):
        rows[29][x] = GREY
    for x in range(2, 28):
        rows[2][x] = BLACK
        rows[28][x] = BLACK
    for y in range(2, 29):
        rows[y][2] = BLACK
        rows[y][27] = BLACK
    for x in range(4, 26):  # the zero line, then the wave over it
        rows[15][x] = SILVER
    for x in range(4, 26):
        envelope = 9 * math.sin(math.pi * (x - 4) / 21)
        y = round(15 - envelope * math.sin((x - 4) * 1.3))
        low, high = sorted((y, 15))
        for yy in range(low, high + 1):
            rows[yy][x] = DARK_BLUE
    return rows


def dib(rows):
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, SIZE * SIZE // 2, 0, 0, 16, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    pixels = b""
    for row in reversed(rows):  # bottom-up in the file
        pixels += bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
    return header + table + pixels


if __name__ == "__main__":
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "BMP_WAVE.dib")
    with open(target, "wb") as f:
        f.write(dib(picture()))
