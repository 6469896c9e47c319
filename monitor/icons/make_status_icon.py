#!/usr/bin/env python3
"""Writes the monitor's icons: status.ico ("!STATUS", a small printer with a
green light) and the tray's state icons red.ico, blue.ico, yellow.ico,
cyan.ico and purple.ico, the same printer with the light and a large lamp in
that colour. Drawn in the 16-colour palette at 32x32 and 16x16, 4 bits per
pixel, so that every platform the monitor runs on can show them. Run it again
after changing the drawing: python3 make_status_icon.py (writes beside this
script)."""
import os
import struct

# The standard 16-colour VGA palette (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, DARK, WHITE, GREEN = 0, 7, 8, 15, 10
LIGHTS = {"status": GREEN, "red": 9, "blue": 12, "yellow": 11, "cyan": 14, "purple": 13}


def draw(size, light=GREEN, lamp=False):
    """Rows top to bottom of palette indices, or None for transparent."""
    s = size / 32.0
    px = [[None] * size for _ in range(size)]

    def box(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour

    box(8, 2, 24, 14, BLACK)      # paper outline
    box(9, 3, 23, 14, WHITE)      # paper
    box(11, 6, 21, 7, DARK)       # printed lines
    box(11, 9, 19, 10, DARK)
    box(2, 12, 30, 26, BLACK)     # body outline
    box(3, 13, 29, 25, GREY)      # body
    box(3, 20, 29, 21, DARK)      # output slot
    box(23, 15, 26, 18, light)    # ready light
    box(7, 24, 25, 30, BLACK)     # output tray
    box(8, 24, 24, 29, WHITE)
    if lamp:                      # a lamp in the state's colour, seen at 16x16 too
        box(0, 0, 12, 12, BLACK)
        box(1, 1, 11, 11, light)
    return px


def image(size, light, lamp):
    px = draw(size, light, lamp)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_row = (size * 4 + 31) // 32 * 4
    and_row = (size + 31) // 32 * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(px):  # bottom-up
        line = bytearray(xor_row)
        bits = bytearray(and_row)
        for x, colour in enumerate(row):
            value = 0 if colour is None else colour
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def write_icon(name, light):
    sizes = [32, 16]
    images = [image(size, light, name != "status") for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name + ".ico")
    with open(path, "wb") as f:
        f.write(out)


def main():
    for name, light in LIGHTS.items():
        write_icon(name, light)


if __name__ == "__main__":
    main()
