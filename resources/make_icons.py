#!/usr/bin/env python3
"""Writes Zorvik's two icons from the text pixel map icon.txt.

Usage: make_icons.py PIXEL_MAP OUTPUT_FOLDER
Writes OUTPUT_FOLDER/zorvik_icon.ico and OUTPUT_FOLDER/zorvik_icon2.ico: one 32 x 32 image each,
16 colours at 4 bits per pixel, with an all-opaque mask. The two differ only in the colour of the
backdrop character, which the map's legend gives twice.
"""
import struct
import sys

SIZE = 32
OUTPUTS = ("zorvik_icon.ico", "zorvik_icon2.ico")

# The 16 standard colours in their usual order, as RRGGBB; the colour table of both icons.
PALETTE = (
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
)


def Fail(message):
    sys.exit("make_icons: " + message)


def ReadPixelMap(path):
    """Returns (legend, rows): legend maps a character to its colours (one, or two for the
    backdrop); rows are the SIZE lines of SIZE characters, top row first."""
    legend = {}
    rows = []
    section = None
    with open(path, encoding="ascii") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if line.startswith("#") or not line.strip():
                continue
            if line in ("legend", "pixels"):
                section = line
            elif section == "legend":
                fields = line.split()
                colours = []
                for field in fields[1:]:
                    try:
                        colours.append(int(field, 16))
                    except ValueError:
                        break
                if len(fields[0]) != 1 or not 1 <= len(colours) <= 2:
                    Fail(f"{path}:{number}: a legend line is a character and one or two RRGGBB colours")
                legend[fields[0]] = colours
            elif section == "pixels":
                rows.append(line)
            else:
                Fail(f"{path}:{number}: text before the legend")
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        Fail(f"{path}: the pixel map must be {SIZE} lines of {SIZE} characters")
    for row in rows:
        for char in row:
            if char not in legend:
                Fail(f"{path}: pixel character {char!r} is not in the legend")
    if sum(1 for colours in legend.values() if len(colours) == 2) != 1:
        Fail(f"{path}: exactly one legend character (the backdrop) must have two colours")
    return legend, rows


def PaletteIndex(colour):
    if colour not in PALETTE:
        Fail(f"colour {colour:06X} is not one of the 16 standard colours")
    return PALETTE.index(colour)


def IconBytes(rows, indexOf):
    """One .ico file: the directory, then a BITMAPINFOHEADER, the colour table, the colour
    bits and the mask, both bottom row first."""
    colourRowBytes = SIZE // 2
    maskRowBytes = (SIZE // 8 + 3) // 4 * 4
    colourBits = bytearray()
    for row in reversed(rows):
        for left, right in zip(row[0::2], row[1::2]):
            colourBits.append(indexOf[left] << 4 | indexOf[right])
    mask = bytes(maskRowBytes * SIZE)  # all zero: every pixel opaque
    assert len(colourBits) == colourRowBytes * SIZE

    table = b"".join(struct.pack("<BBBB", c & 0xFF, c >> 8 & 0xFF, c >> 16, 0) for c in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(colourBits) + len(mask), 0, 0, 0, 0)
    image = header + table + bytes(colourBits) + mask

    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        Fail("usage: make_icons.py PIXEL_MAP OUTPUT_FOLDER")
    legend, rows = ReadPixelMap(sys.argv[1])
    for variant, name in enumerate(OUTPUTS):
        indexOf = {char: PaletteIndex(colours[variant if len(colours) == 2 else 0])
                   for char, colours in legend.items()}
        with open(f"{sys.argv[2]}/{name}", "wb") as target:
            target.write(IconBytes(rows, indexOf))


if __name__ == "__main__":
    main()
