#!/usr/bin/env python3
"""Draws the program's icons: a small banner on its white-to-green gradient
with a blue underlined address on it, at 16, 32 and 48 pixels, and writes
them as .ico files of 256-colour or 32-bit images (with an AND mask, as
older Windows versions expect). Run it again after changing the drawing; the .ico files
are kept in the repository so that every compiler can build the program."""
import struct
import sys

TOP = (255, 255, 255)
BOTTOM = (98, 255, 98)
BORDER = (30, 110, 40)
BLUE = (0, 0, 255)
ARROW = (40, 60, 140)


def draw(size):
    """Rows of (r, g, b, a), top row first."""
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    top, bottom = size // 8, size - size // 8 - 1
    left, right = 0, size - 1
    for y in range(top, bottom + 1):
        t = (y - top) / max(bottom - top, 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))
        for x in range(left, right + 1):
            corner = (x in (left, right)) and (y in (top, bottom))
            if corner:
                continue
            edge = x in (left, right) or y in (top, bottom)
            pixels[y][x] = (BORDER if edge else colour) + (255,)
    # The address: a blue line of text with its underline.
    thick = max(1, size // 16)
    text_y = top + (bottom - top) * 2 // 5
    for dy in range(thick * 2):
        for x in range(size // 5, size - size // 5):
            if (x // max(1, size // 8)) % 3 != 2:  # words with gaps
                pixels[text_y - thick + dy][x] = BLUE + (255,)
    under_y = text_y + thick * 2
    for dy in range(thick):
        for x in range(size // 5, size - size // 5):
            pixels[under_y + dy][x] = BLUE + (255,)
    # An arrow pointing down: the banner slides in from above.
    arrow_y = under_y + thick + max(1, size // 16)
    half = max(1, size // 10)
    for row in range(half + 1):
        for x in range(size // 2 - half + row, size // 2 + half - row + 1):
            y = arrow_y + row
            if y < bottom:
                pixels[y][x] = ARROW + (255,)
    return pixels


def image_data(pixels, bits=32):
    """A 32-bit image, or one of 256 colours (a palette, then an index a
    pixel), whose transparent pixels only the mask tells."""
    size = len(pixels)
    if bits == 32:
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    else:
        palette = sorted({(r, g, b) for row in pixels for (r, g, b, a) in row if a})
        palette = [(0, 0, 0)] + [c for c in palette if c != (0, 0, 0)]
        assert len(palette) <= 256, "more colours than a palette holds"
        index = {c: i for i, c in enumerate(palette)}
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
        table = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
        table += bytes(4 * (256 - len(palette)))
        stride = ((size + 3) // 4) * 4
        rows = bytearray()
        for row in reversed(pixels):
            line = bytes(index[(r, g, b)] if a else 0 for (r, g, b, a) in row)
            rows += line + bytes(stride - len(line))
        colour = table + bytes(rows)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def write_ico(path, sizes, bits=32):
    images = [image_data(draw(s), bits) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "src/platform/win32/res"
    # The program's icon in 256 colours, as designed, which keeps the
    # executable small; the tray's small one in 32 bits, whose greyed copy
    # is made from its pixels.
    write_ico(folder + "/TWendora.ico", [16, 32, 48], bits=8)
    write_ico(folder + "/tray.ico", [16])
