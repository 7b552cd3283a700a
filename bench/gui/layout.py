"""The variables of a generated 18F46K22 project and their places in RAM.

A project of N records (the listing's: one per variable and per array, one
per array element) starts with the compiler's own bytes at 0..6, as every
listing does; the user's variables follow, spread evenly over the general
purpose RAM up to the first SFR. Large projects also get a byte of bit flags
and arrays of bytes, words and dwords between the simple variables.
"""

from dataclasses import dataclass

RAM_END = 0xF38   # first SFR: general purpose RAM is 0x000..0xF37
DATA_END = 0x1000  # the chip's data memory, SFRs included, as a dump carries it

SYSTEM = ["PP0", "PP0H", "PP1", "PP1H", "GEN", "GENH", "BPF"]

# Basic type -> (listing type, bytes of one element, name prefix)
TYPES = {
    "Bit": ("DT_BIT", 0, "flag"),
    "Byte": ("DT_BYTE", 1, "b"),
    "SByte": ("DT_BYTE", 1, "sb"),
    "Word": ("DT_WORD", 2, "w"),
    "SWord": ("DT_WORD", 2, "sw"),
    "DWord": ("DT_DWORD", 4, "d"),
    "SDword": ("DT_DWORD", 4, "sd"),
    "Float": ("DT_MCHP_FLOAT", 4, "f"),
}
# Simple variables take these types in turn: 1.9 bytes on average, so 2000
# records with their arrays fit the 3896 bytes of RAM.
SIMPLE_CYCLE = ["Byte", "Word", "Byte", "DWord", "SByte", "SWord", "Byte", "Float", "Word", "Byte"]
ARRAY_CYCLE = [("Byte", 8, "buf"), ("Word", 4, "tab"), ("DWord", 2, "cnt")]


@dataclass
class Variable:
    name: str
    basic: str       # the Dim type: Byte, SWord, Bit, ...
    count: int = 1   # elements of an array; 1 for a simple variable
    array: bool = False
    address: int = 0
    bit: int = 0
    system: bool = False

    @property
    def size(self):
        return TYPES[self.basic][1] * self.count

    @property
    def records(self):
        return 1 + self.count if self.array else 1


def user_variables(records):
    """The user's variables for `records` records in all, in RAM order."""
    large = records >= 100
    bits = [Variable(TYPES["Bit"][2] + str(b), "Bit", bit=b) for b in range(8)] if large else []
    arrays = []
    for k in range(records // 33 if large else 0):
        basic, count, prefix = ARRAY_CYCLE[k % len(ARRAY_CYCLE)]
        arrays.append(Variable(prefix, basic, count, array=True))
    simple_count = records - len(SYSTEM) - len(bits) - sum(a.records for a in arrays)
    cycle = [SIMPLE_CYCLE[k % len(SIMPLE_CYCLE)] for k in range(simple_count)]
    simple = [Variable(TYPES[basic][2], basic) for basic in cycle]
    # Arrays between the simple variables, never last: the last row is a simple one.
    every = max(1, len(simple) // (len(arrays) + 1))
    ordered = []
    for k, v in enumerate(simple):
        ordered.append(v)
        if arrays and (k + 1) % every == 0 and k + 1 < len(simple):
            ordered.append(arrays.pop(0))
    ordered[:0] = bits
    for n, v in enumerate(ordered, 1):
        if v.basic != "Bit":
            v.name = "%s%04d" % (v.name, n)
    return ordered


def layout(records):
    """All variables with their addresses: the compiler's, then the user's."""
    variables = [Variable(name, "Byte", address=a, system=True) for a, name in enumerate(SYSTEM)]
    users = user_variables(records)
    bit_byte = len(SYSTEM)
    bits = [v for v in users if v.basic == "Bit"]
    others = [v for v in users if v.basic != "Bit"]
    for v in bits:
        v.address = bit_byte
    start = bit_byte + (1 if bits else 0)
    used = sum(v.size for v in others)
    free = RAM_END - start - used
    if free < 0:
        raise ValueError("%d records need %d bytes more RAM than the device has" % (records, -free))
    address = start
    for k, v in enumerate(others):
        # Even gaps after each: the variables reach from the bottom of RAM to its top.
        v.address = address
        address += v.size + (k + 1) * free // len(others) - k * free // len(others)
    return variables + bits + others


def gaps(variables):
    """(first, last) address ranges of data memory that no variable takes."""
    taken = bytearray(DATA_END)
    for v in variables:
        for a in range(v.address, v.address + max(v.size, 1)):
            taken[a] = 1
    ranges, first = [], None
    for a in range(DATA_END + 1):
        free = a < DATA_END and not taken[a]
        if free and first is None:
            first = a
        elif not free and first is not None:
            ranges.append((first, a - 1))
            first = None
    return ranges
