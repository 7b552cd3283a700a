#!/usr/bin/env python3
"""Draws the pin-out picture the Pinout window shows for a device: the package
outline with its pins, each pin's port bit or supply, and the names the
project's listing gives the port pins. Standard library only.

    scripts/make_pinout.py VARS_JSON OUT_PNG

VARS_JSON is what `varnolux-cli vars --json` prints in the project's folder
("-" reads it from standard input); its "device" part names the device and
holds the port table (implemented bits and pin names). For the demo:

    (cd examples/demo && ../../build/native/varnolux-cli vars --json) |
        scripts/make_pinout.py - examples/demo/Pinout/18F25K22pinout.png
"""
import json
import struct
import sys
import zlib

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
BODY = (58, 58, 64)
BODY_TEXT = (225, 225, 225)
PIN = (170, 170, 170)
SUPPLY = (160, 40, 40)
NAMED = (20, 70, 200)

# Packages: pins counted from 1, left side top to bottom, then right side
# bottom to top. Each pin is a port bit ("RA0") or a supply, with the other
# function the pin is known by.
PACKAGES = {
    "18F25K22": ("28-pin SPDIP / SOIC", [
        ("RE3", "MCLR"), ("RA0", ""), ("RA1", ""), ("RA2", ""), ("RA3", ""), ("RA4", ""),
        ("RA5", ""), ("VSS", ""), ("RA7", "OSC1"), ("RA6", "OSC2"), ("RC0", ""), ("RC1", ""),
        ("RC2", ""), ("RC3", ""), ("RC4", ""), ("RC5", ""), ("RC6", ""), ("RC7", ""),
        ("VSS", ""), ("VDD", ""), ("RB0", ""), ("RB1", ""), ("RB2", ""), ("RB3", ""),
        ("RB4", ""), ("RB5", ""), ("RB6", "PGC"), ("RB7", "PGD"),
    ]),
}

# 5 x 7 glyphs, one number per row, bit 4 the leftmost column.
GLYPHS = {
    " ": [0, 0, 0, 0, 0, 0, 0],
    "0": [0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E], "1": [0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E],
    "2": [0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F], "3": [0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E],
    "4": [0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02], "5": [0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E],
    "6": [0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E], "7": [0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08],
    "8": [0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E], "9": [0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C],
    "A": [0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11], "B": [0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E],
    "C": [0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E], "D": [0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C],
    "E": [0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F], "F": [0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10],
    "G": [0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F], "H": [0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11],
    "I": [0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E], "J": [0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C],
    "K": [0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11], "L": [0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F],
    "M": [0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11], "N": [0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11],
    "O": [0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E], "P": [0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10],
    "Q": [0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D], "R": [0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11],
    "S": [0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E], "T": [0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04],
    "U": [0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E], "V": [0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04],
    "W": [0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A], "X": [0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11],
    "Y": [0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04], "Z": [0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F],
    "a": [0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F], "b": [0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x1E],
    "c": [0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E], "d": [0x01, 0x01, 0x0D, 0x13, 0x11, 0x11, 0x0F],
    "e": [0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E], "f": [0x06, 0x09, 0x08, 0x1C, 0x08, 0x08, 0x08],
    "g": [0x00, 0x00, 0x0F, 0x11, 0x0F, 0x01, 0x0E], "h": [0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x11],
    "i": [0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E], "j": [0x02, 0x00, 0x06, 0x02, 0x02, 0x12, 0x0C],
    "k": [0x10, 0x10, 0x12, 0x14, 0x18, 0x14, 0x12], "l": [0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E],
    "m": [0x00, 0x00, 0x1A, 0x15, 0x15, 0x11, 0x11], "n": [0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11],
    "o": [0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E], "p": [0x00, 0x00, 0x1E, 0x11, 0x1E, 0x10, 0x10],
    "q": [0x00, 0x00, 0x0D, 0x13, 0x0F, 0x01, 0x01], "r": [0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10],
    "s": [0x00, 0x00, 0x0E, 0x10, 0x0E, 0x01, 0x1E], "t": [0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06],
    "u": [0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D], "v": [0x00, 0x00, 0x11, 0x11, 0x11, 0x0A, 0x04],
    "w": [0x00, 0x00, 0x11, 0x11, 0x15, 0x15, 0x0A], "x": [0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11],
    "y": [0x00, 0x00, 0x11, 0x11, 0x0F, 0x01, 0x0E], "z": [0x00, 0x00, 0x1F, 0x02, 0x04, 0x08, 0x1F],
    ".": [0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C], "_": [0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1F],
    "/": [0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x00], "-": [0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00],
    "+": [0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00], ":": [0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00],
    "(": [0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02], ")": [0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08],
    "#": [0x0A, 0x0A, 0x1F, 0x0A, 0x1F, 0x0A, 0x0A], "?": [0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04],
}
SCALE = 2
ADVANCE = 6 * SCALE  # five columns and a gap
TEXT_HEIGHT = 7 * SCALE


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, self.height)):
            row = self.pixels[y]
            for x in range(max(x0, 0), min(x1, self.width)):
                row[x] = colour

    def text(self, x, y, text, colour):
        for i, ch in enumerate(text):
            rows = GLYPHS.get(ch, GLYPHS["?"])
            for gy, bits in enumerate(rows):
                for gx in range(5):
                    if bits & (0x10 >> gx):
                        left = x + i * ADVANCE + gx * SCALE
                        self.fill(left, y + gy * SCALE, left + SCALE, y + (gy + 1) * SCALE, colour)

    def notch(self, cx, top, radius, colour):
        for y in range(top, top + radius):
            for x in range(cx - radius, cx + radius):
                if (x - cx) ** 2 + (y - top) ** 2 < radius ** 2:
                    self.pixels[y][x] = colour

    def png(self):
        raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in self.pixels)

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data +
                    struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def text_width(text):
    return len(text) * ADVANCE - SCALE


def port_pin_names(device):
    """{"RA0": "Keys.0", ...} for the port bits that exist, named or not."""
    names = {}
    for port in device["ports"]:
        for bit in range(8):
            if port["implementedBits"] & (1 << bit):
                names["R%s%d" % (port["port"], bit)] = port["pinNames"][bit].strip()
    return names


def pin_labels(device, pins):
    """Per pin: its own label, the listing's name (or "") and whether it is a supply."""
    names = port_pin_names(device)
    labels = []
    for pin, (port_bit, other) in enumerate(pins, 1):
        supply = not port_bit.startswith("R")
        if not supply and port_bit not in names:
            sys.exit("make_pinout: pin %d (%s) is not in the device's port table" % (pin, port_bit))
        own = port_bit + ("/" + other if other else "")
        labels.append((own, "" if supply else names[port_bit], supply))
    return labels


def draw(device):
    name = device["sourceDeviceName"]
    if name not in PACKAGES:
        sys.exit("make_pinout: no package drawn for %s" % name)
    package, pins = PACKAGES[name]
    labels = pin_labels(device, pins)
    per_side = len(pins) // 2
    pitch, pin_length, pin_thick, gap = 26, 18, 10, 10
    # Each side's own labels beside the pins, the listing's names in a column beyond them.
    own_chars = max(len(own) for own, _, _ in labels)
    label_width = (own_chars + 2 + max(len(named) for _, named, _ in labels)) * ADVANCE
    body_width = 150
    margin, title_height = 16, 56
    width = 2 * (margin + label_width + gap + pin_length) + body_width
    body_left = margin + label_width + gap + pin_length
    body_right = body_left + body_width
    body_top = margin + title_height
    body_bottom = body_top + per_side * pitch + 8
    height = body_bottom + 3 * margin + TEXT_HEIGHT

    c = Canvas(width, height)
    c.text(margin, margin, "PIC" + name, BLACK)
    c.text(margin, margin + TEXT_HEIGHT + 8, package, BLACK)
    c.fill(body_left, body_top, body_right, body_bottom, BODY)
    c.notch((body_left + body_right) // 2, body_top, 12, WHITE)
    for i, (own, named, supply) in enumerate(labels):
        left_side = i < per_side
        row = i if left_side else len(pins) - 1 - i
        centre = body_top + 4 + row * pitch + pitch // 2
        text_top = centre - TEXT_HEIGHT // 2
        number = str(i + 1)
        own_colour = SUPPLY if supply else BLACK
        if left_side:
            c.fill(body_left - pin_length, centre - pin_thick // 2, body_left, centre + pin_thick // 2, PIN)
            c.text(body_left + 8, text_top, number, BODY_TEXT)
            own_left = body_left - pin_length - gap - text_width(own)
            c.text(own_left, text_top, own, own_colour)
            if named:
                named_right = body_left - pin_length - gap - (own_chars + 2) * ADVANCE
                c.text(named_right - text_width(named), text_top, named, NAMED)
        else:
            c.fill(body_right, centre - pin_thick // 2, body_right + pin_length, centre + pin_thick // 2, PIN)
            c.text(body_right - 8 - text_width(number), text_top, number, BODY_TEXT)
            own_left = body_right + pin_length + gap
            c.text(own_left, text_top, own, own_colour)
            if named:
                c.text(own_left + (own_chars + 2) * ADVANCE, text_top, named, NAMED)
    c.text(margin, body_bottom + 2 * margin, "names from the listing", NAMED)
    return c


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    source = sys.stdin if argv[1] == "-" else open(argv[1], encoding="utf-8")
    device = json.load(source)["device"]
    with open(argv[2], "wb") as out:
        out.write(draw(device).png())


if __name__ == "__main__":
    main(sys.argv)
