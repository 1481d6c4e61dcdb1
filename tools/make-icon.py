#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a Windows icon (.ico) holding each of the given square PNG pictures.

Pictures below 256 pixels become 32-bit bitmaps with their transparency mask, which every reader of icons
takes (the resource compiler, NSIS, Explorer); the 256-pixel one stays PNG, as Windows keeps it.
Usage: make-icon.py OUTPUT.ico PICTURE.png...   (8-bit RGBA pictures, not interlaced)
"""

import struct
import sys
import zlib
from pathlib import Path

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunks(data):
    offset = len(PNG_SIGNATURE)
    while offset < len(data):
        length, kind = struct.unpack(">I4s", data[offset : offset + 8])
        yield kind, data[offset + 8 : offset + 8 + length]
        offset += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter(raw, width, height):
    """The picture's rows of RGBA bytes, top row first."""
    stride = width * 4
    rows, previous, offset = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[offset], bytearray(raw[offset + 1 : offset + 1 + stride])
        offset += 1 + stride
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            corner = previous[i - 4] if i >= 4 else 0
            predictor = (0, left, up, (left + up) // 2, paeth(left, up, corner))[kind]
            line[i] = (line[i] + predictor) & 0xFF
        rows.append(line)
        previous = line
    return rows


def read_png(path):
    data = path.read_bytes()
    if not data.startswith(PNG_SIGNATURE):
        sys.exit(f"{path}: not a PNG picture")
    header, compressed = None, b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0) or width != height or width > 256:
        sys.exit(f"{path}: needs a square 8-bit RGBA picture of at most 256 pixels, not interlaced")
    return width, data, unfilter(zlib.decompress(compressed), width, height)


def bitmap(width, rows):
    """The icon's bitmap: its header (twice the height, for the mask), BGRA rows bottom up, the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, width, width * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(row[i + j] for i in range(0, len(row), 4) for j in (2, 1, 0, 3)) for row in reversed(rows))
    mask_stride = (width + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x in range(width):
            if row[x * 4 + 3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + pixels + bytes(mask)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    pictures = sorted((read_png(Path(p)) for p in sys.argv[2:]), key=lambda picture: picture[0])
    images = [png if width == 256 else bitmap(width, rows) for width, png, rows in pictures]
    directory, offset = b"", 6 + 16 * len(images)
    for (width, _, _), image in zip(pictures, images):
        directory += struct.pack("<BBBBHHII", width % 256, width % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    Path(sys.argv[1]).write_bytes(struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images))


if __name__ == "__main__":
    main()
