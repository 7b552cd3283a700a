#!/usr/bin/env python3
"""Writes a complete Proton BASIC project for an 18F46K22 into a folder, as the
compiler leaves it: the main source with a Dim line per variable and one
dumpw point, the listing, the object file, the device file in PPI/, the
compiler's macro library stand-in, a Varnolux.ini on COM1 at 115200 that asks
nothing, and the file times of a fresh compile.

Beside the project it writes ram-fill.txt, a simulator scenario that gives
every byte of data memory no variable takes a fixed non-zero value: a chip's
unused RAM holds something, and the simulator's zeros would go out as short
null blocks, so a project with few variables would send a far shorter dump
than one with many.

    make_project.py FOLDER RECORDS [--watch N]

RECORDS is the number of variable records the listing describes (one per
variable and per array, and one per array element), at most 2000; --watch
puts the first N simple variables into the watch list (at most 21).
"""

import argparse
import os
import shutil
import time

from layout import DATA_END, SYSTEM, gaps, layout
from mpasm_listing import DEVICE, LIBRARY, code, hex_text, listing_text

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FILL = "VARNOLUX"


def crlf(lines):
    return "\r\n".join(lines) + "\r\n"


def source(base, variables, records):
    """The main source's lines, and the line numbers of the loop's statements."""
    lines = [
        "'****************************************************************",
        "'*  Name    : %-50s*" % (base + ".bas"),
        "'*  Notes   : %-50s*" % ("%d rows for the main list, one dumpw point" % records),
        "'****************************************************************",
        "Device = " + DEVICE,
        "Declare Xtal = 16",
        "Declare Hserial_Baud = 115200",
        "Declare All_Digital = True",
        "",
        "Symbol Led = PORTD.0            ' heartbeat",
        "",
    ]
    for v in variables:
        if v.system:
            continue
        dim = "Dim %s%s As %s" % (v.name, "[%d]" % v.count if v.array else "", v.basic)
        lines.append("%-32s' %s at $%04X" % (dim, "table" if v.array else "value", v.address))
    counter = next(v for v in variables if not v.system and not v.array and v.basic == "Byte")
    lines += ["", "Main:"]
    numbers = {}
    for key, text in (("inc", "    Inc " + counter.name),
                      ("dumpw", "    Dumpw 1                     ' top of the loop"),
                      ("goto", "    GoTo Main")):
        lines.append(text)
        numbers[key] = len(lines)
    return lines, counter, numbers


def settings(variables, watch):
    lines = ["[Preferences]", "ViewComments=1", "DefaultAddressRadix=2", "DefaultDataRadix=1",
             "DisplayFullPath=0", "[Comms]", "Port=1", "Baud=115200", "DontAsk=1", "[Debug]",
             "UDTdisplay=0", "[Locations]", "PPI=PPI"]
    watched = [v for v in variables if not v.system and not v.array and v.basic != "Bit"][:watch]
    if watched:
        lines.append("[Watched Items]")
        lines += ["Watch%02d=%s" % (k, v.name) for k, v in enumerate(watched)]
    return lines


def device_file():
    lines = ["[INFOSTART]", "DEVICE=" + DEVICE, "CORE=16", "MAXCODE=65536", "EEPROM=1024",
             "RAM=3896", "RAM_BANKS=16", "Ports=4", "[BITSTART]"]
    for port in "ABCD":
        for prefix in ("R", "LAT", "TRIS"):
            lines += ["%s%s%d=1" % (prefix, port, b) for b in range(8)]
    for prefix in ("R", "LAT", "TRIS"):
        lines += ["%sE%d=1" % (prefix, b) for b in range(3)]
    lines.append("RE3=1")
    return lines


def ram_fill(variables):
    lines = ["# Unused data memory of the chip, a fixed pattern (text is the",
             "# simulator's type for a run of bytes)."]
    for first, last in gaps(variables):
        text = "".join(FILL[a % len(FILL)] for a in range(first, last + 1))
        lines.append("0x%04X text %s" % (first, text))
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("folder")
    parser.add_argument("records", type=int)
    parser.add_argument("--watch", type=int, default=0)
    args = parser.parse_args()
    if not len(SYSTEM) < args.records <= 2000 or not 0 <= args.watch <= 21:
        parser.error("RECORDS from %d to 2000, --watch up to 21" % (len(SYSTEM) + 1))

    base = "Vars%d" % args.records
    variables = layout(args.records)
    assert sum(v.records for v in variables) == args.records
    assert all(v.address + v.size <= DATA_END for v in variables)
    lines, counter, numbers = source(base, variables, args.records)
    program = code(counter, numbers)
    folder = args.folder
    os.makedirs(os.path.join(folder, "PPI"), exist_ok=True)
    stamp = time.strftime("%d-%m-%Y  %H:%M:%S").lstrip("0").replace("-0", "-")
    files = {
        base + ".bas": crlf(lines),
        base + ".lst": listing_text(base, variables, program, stamp),
        base + ".hex": hex_text(program),
        "Varnolux.ini": crlf(settings(variables, args.watch)),
        os.path.join("PPI", "P%s.PPI" % DEVICE): crlf(device_file()),
        "ram-fill.txt": "\n".join(ram_fill(variables)) + "\n",
    }
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", newline="", encoding="latin-1") as f:
            f.write(text)
    shutil.copy(os.path.join(REPO, "examples", "demo", LIBRARY), folder)

    # A fresh compile: sources, then the listing 10 s later, the object file
    # 10 s after that (even seconds, as the demo's set-file-times.sh).
    now = int(time.time()) // 2 * 2
    for name, age in ((base + ".bas", 20), (LIBRARY, 20), (base + ".lst", 10), (base + ".hex", 0)):
        os.utime(os.path.join(folder, name), (now - age, now - age))


if __name__ == "__main__":
    main()
