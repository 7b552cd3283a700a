#!/usr/bin/env python3
"""Draws the program's icon (resource 100) and the row images of the main list
(resource 105) and writes them next to varnolux.rc. Standard library only.

    scripts/make_resources.py            # writes src/app/win32/varnolux.ico and rows.bmp
"""
import os
import struct
import sys

GREY = (192, 192, 192)  # transparent in the row images
BLACK = (0, 0, 0)
DARK = (64, 64, 64)
WHITE = (255, 255, 255)


def blank(width, height, colour):
    return [[colour for _ in range(width)] for _ in range(height)]


def bmp_rows_bottom_up_24(pixels):
    """24-bit pixel rows, bottom-up, each padded to a multiple of four bytes."""
    width = len(pixels[0])
    pad = (4 - (width * 3) % 4) % 4
    out = bytearray()
    for row in reversed(pixels):
        for r, g, b in row:
            out += bytes((b, g, r))
        out += b"\0" * pad
    return bytes(out)


def write_bmp(path, pixels):
    height, width = len(pixels), len(pixels[0])
    data = bmp_rows_bottom_up_24(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + data)


# --- row images: eleven 16 x 16 cells in one 176 x 16 strip ---------------------

def row_images():
    strip = blank(176, 16, GREY)

    def put(cell, x, y, colour):
        strip[y][cell * 16 + x] = colour

    def box(cell):
        for i in range(4, 13):
            put(cell, i, 4, DARK)
            put(cell, i, 12, DARK)
            put(cell, 4, i, DARK)
            put(cell, 12, i, DARK)
        for y in range(5, 12):
            for x in range(5, 12):
                put(cell, x, y, WHITE)
        for x in range(6, 11):
            put(cell, x, 8, BLACK)

    def vertical(cell, top, bottom):
        for y in range(top, bottom):
            put(cell, 8, y, DARK)

    box(2)  # collapsed array: boxed plus
    for y in range(6, 11):
        put(2, 8, y, BLACK)
    box(4)  # expanded array: boxed minus with a stem below
    vertical(4, 13, 16)
    vertical(5, 0, 16)
    vertical(7, 0, 16)  # element row with a further element below
    vertical(8, 0, 16)
    vertical(9, 0, 9)  # last element row: corner
    for x in range(8, 15):
        put(9, x, 8, DARK)
    return strip


# --- icon: a chip with a magnifier, 16 x 16 and 32 x 32 --------------------------

def icon_pixels(size):
    """RGBA pixels of the program icon at the given size."""
    clear = (0, 0, 0, 0)
    px = [[clear for _ in range(size)] for _ in range(size)]
    s = size / 32.0

    def fill(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), max(int(y1 * s), int(y0 * s) + 1)):
            for x in range(int(x0 * s), max(int(x1 * s), int(x0 * s) + 1)):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour

    body = (40, 40, 48, 255)
    pin = (200, 200, 200, 255)
    for i in range(4):
        fill(2, 7 + i * 6, 6, 9 + i * 6, pin)
        fill(26, 7 + i * 6, 30, 9 + i * 6, pin)
    fill(6, 4, 26, 30, body)
    fill(9, 7, 11, 9, (120, 120, 130, 255))
    trace = (0, 200, 80, 255)
    # A square wave across the chip: level segments joined by edges.
    levels = [(8, 12, 23), (12, 16, 16), (16, 20, 23), (20, 24, 16)]
    for x0, x1, y in levels:
        fill(x0, y, x1 + 1, y + 2, trace)
    for x in (12, 16, 20):
        fill(x, 16, x + 1, 25, trace)
    fill(8, 12, 24, 13, (255, 210, 0, 255))
    return px


def icon_image(size):
    """One icon image as a BITMAPINFOHEADER, 32-bit BGRA pixels and an AND mask."""
    px = icon_pixels(size)
    colour = bytearray()
    for row in reversed(px):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + bytes(colour) + bytes(mask)


def write_ico(path, sizes):
    images = [icon_image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "src", "app", "win32")
    write_ico(os.path.join(folder, "varnolux.ico"), [16, 32])
    write_bmp(os.path.join(folder, "rows.bmp"), row_images())


if __name__ == "__main__":
    main()
