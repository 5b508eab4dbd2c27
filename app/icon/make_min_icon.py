#!/usr/bin/env python3
"""Writes min_icon.ico, the program's icon: one cycle of a sine wave in
yellow over a dark blue field with a grey zero line, 32 by 32 pixels, 16
colours with an all-opaque mask (766 bytes).

    python3 app/icon/make_min_icon.py   # rewrites app/icon/min_icon.ico
"""
import math
import os
import struct

SIZE = 32
# The standard 16-colour palette order (B, G, R, 0).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # as (R, G, B)
BLUE, GREY, YELLOW, WHITE = 4, 8, 11, 15


def pixels():
    """Rows from top to bottom, each a list of palette indices."""
    image = [[BLUE] * SIZE for _ in range(SIZE)]
    for x in range(SIZE):  # a white border, so the icon reads on any desktop
        image[0][x] = image[SIZE - 1][x] = WHITE
        image[x][0] = image[x][SIZE - 1] = WHITE
    for x in range(2, SIZE - 2):
        image[SIZE // 2][x] = GREY
    # The wave: sample densely and plot two pixels thick so it stays joined.
    for i in range(600):
        t = i / 599
        x = 2 + t * (SIZE - 5)
        y = SIZE / 2 - 0.5 - math.sin(2 * math.pi * t) * 11
        for dx, dy in ((0, 0), (1, 0)):
            px, py = int(round(x)) + dx, int(round(y)) + dy
            if 1 <= px < SIZE - 1 and 1 <= py < SIZE - 1:
                image[py][px] = YELLOW
    return image


def ico_bytes():
    image = pixels()
    xor = bytearray()
    for row in reversed(image):  # bitmaps are stored bottom-up
        for x in range(0, SIZE, 2):
            xor.append(row[x] << 4 | row[x + 1])
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                         16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    data = header + palette + bytes(xor) + mask
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4,
                                                           len(data), 6 + 16)
    return directory + data


if __name__ == '__main__':
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'min_icon.ico')
    with open(out, 'wb') as f:
        f.write(ico_bytes())
    print(out)
