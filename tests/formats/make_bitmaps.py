#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes small Windows bitmaps in every form other programs write, and damaged ones, into a folder.

Each file is built field by field from the bitmap format's documentation (file header, the OS/2 and
Windows information headers, colour tables, bit-field masks, RLE8 and RLE4 runs), so the reader is tested
against files it did not write itself. BitmapReaderTest.cpp names the pixels each valid file holds.

    make_bitmaps.py FOLDER
"""
import struct
import sys
from pathlib import Path

COLOURS = {
    "R": (255, 0, 0), "G": (0, 255, 0), "B": (0, 0, 255), "W": (255, 255, 255),
    "K": (0, 0, 0), "Y": (255, 255, 0), "C": (0, 255, 255), "M": (255, 0, 255),
}
# Top row first. Five pixels wide, so every depth's rows need padding to four bytes.
PICTURE = ["RGBWK", "KWBGR", "YCMRK"]
PICTURE_MONO = ["RBBRB", "BRRBR", "RRBBB"]
EIGHT = "RGBWKYCM"


def file_header(size, data_offset):
    return b"BM" + struct.pack("<IHHI", size, 0, 0, data_offset)


def info_header(width, height, bits, compression=0, used=0, size=40, masks=(), image=0):
    """BITMAPINFOHEADER, and the V2 to V5 headers that extend it with masks and colour space. `image` is
    the size of the pixel data, which compressed bitmaps must give."""
    fields = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, image, 2835, 2835, used, 0)
    if size > 40:
        fields += struct.pack("<4I", *(list(masks) + [0, 0, 0, 0])[:4])
    if size >= 108:
        fields += struct.pack("<I", 0x73524742) + bytes(36) + struct.pack("<3I", 0, 0, 0)  # "sRGB"
    if size == 124:
        fields += struct.pack("<4I", 4, 0, 0, 0)
    return fields[:size]


def core_header(width, height, bits):
    """BITMAPCOREHEADER of OS/2 1.x: 16-bit sizes."""
    return struct.pack("<IHHHH", 12, width, height, 1, bits)


def os2_header(width, height, bits, size=64, compression=0, used=0, image=0):
    """OS/2 2.x BITMAPINFOHEADER2: the Windows fields first, its own after; may end after any field."""
    fields = struct.pack("<IIiHHIIIIII", size, width, height, 1, bits, compression, image, 0, 0, used, 0)
    fields += struct.pack("<HHHHIIII", 0, 0, 0, 0, 0, 0, 0, 0)
    return fields[:size]


def palette(letters, entry=4, total=None):
    out = b""
    for letter in letters:
        r, g, b = COLOURS[letter]
        out += bytes([b, g, r]) + (b"\0" if entry == 4 else b"")
    for i in range((total or len(letters)) - len(letters)):
        out += bytes([128, 128, i % 256]) + (b"\0" if entry == 4 else b"")
    return out


def pad(row):
    return row + bytes(-len(row) % 4)


def packed_indices(row, bits):
    """A row of palette indices packed most significant bits first."""
    out, byte, used = b"", 0, 0
    for index in row:
        byte = (byte << bits) | index
        used += bits
        if used == 8:
            out, byte, used = out + bytes([byte]), 0, 0
    if used:
        out += bytes([byte << (8 - used)])
    return pad(out)


def indexed_rows(picture, letters, bits, top_down=False):
    rows = picture if top_down else list(reversed(picture))
    return b"".join(packed_indices([letters.index(c) for c in row], bits) for row in rows)


def packed_channels(value, masks):
    out = 0
    for level, mask in zip(value, masks):
        if mask:
            shift = (mask & -mask).bit_length() - 1
            out |= (level * (mask >> shift) // 255) << shift
    return out


def direct_rows(picture, bits, masks=None, top_down=False, alpha=None, filler=0):
    rows = picture if top_down else list(reversed(picture))
    out = b""
    for y, row in enumerate(rows):
        line = b""
        for x, letter in enumerate(row):
            r, g, b = COLOURS.get(letter, (0, 0, 0))
            if bits == 24:
                line += bytes([b, g, r])
                continue
            a = alpha(letter) if alpha else 0
            value = packed_channels((r, g, b, a), masks) if masks else 0
            if not masks and bits == 16:
                value = packed_channels((r, g, b), (0x7C00, 0x03E0, 0x001F))
            if not masks and bits == 32:
                value = packed_channels((r, g, b), (0xFF0000, 0xFF00, 0xFF)) | (filler << 24)
            line += struct.pack("<H", value & 0xFFFF) if bits == 16 else struct.pack("<I", value)
        out += pad(line)
    return out


def bitmap(header, table, pixels, gap=0, offset=None):
    head = 14 + len(header) + len(table) + gap
    data_offset = head if offset is None else offset
    return file_header(head + len(pixels), data_offset) + header + table + bytes(gap) + pixels


def indexed(bits, letters, total=None, used=0, top_down=False, picture=PICTURE):
    height = -len(picture) if top_down else len(picture)
    return bitmap(info_header(5, height, bits, used=used), palette(letters, 4, total),
                  indexed_rows(picture, letters, bits, top_down))


def direct(bits, compression=0, size=40, masks=(), extra_masks=b"", top_down=False, **rows):
    height = -3 if top_down else 3
    return bitmap(info_header(5, height, bits, compression, size=size, masks=masks) + extra_masks, b"",
                  direct_rows(PICTURE, bits, masks or None, top_down, **rows))


def rle(bits, runs, letters=EIGHT, height=3, width=5):
    return bitmap(info_header(width, height, bits, 1 if bits == 8 else 2, len(letters), image=len(runs)), palette(letters),
                  bytes(runs))


# RLE8 of PICTURE, bottom row first: encoded runs, absolute runs (padded to a word), ends of line, the end.
RLE8 = [1, 5, 0, 3, 6, 7, 0, 0, 1, 4, 0, 0,       # bottom row Y | C M R | K
        0, 5, 4, 3, 2, 1, 0, 0, 0, 0,             # middle row K W B G R, absolute
        0, 3, 0, 1, 2, 0, 1, 3, 1, 4, 0, 0, 0, 1]  # top row R G B | W | K, then the end
# RLE4 of PICTURE: an encoded run alternates its byte's two nibbles; absolute runs pack two pixels a byte.
RLE4 = [0, 5, 0x56, 0x70, 0x40, 0, 0, 0,          # bottom row Y C M R K, absolute
        1, 0x40, 0, 4, 0x32, 0x10, 0, 0,          # middle row K | W B G R
        2, 0x01, 1, 0x20, 1, 0x30, 1, 0x40, 0, 0, 0, 1]  # top row R G alternating | B | W | K
# Pixels a delta skips keep the colour of index 0 (red here): two green pixels at the bottom left, a delta
# to the last pixel of the middle row, one black pixel there, and the end leaves the rest unwritten.
RLE8_DELTA = [2, 1, 0, 2, 2, 1, 1, 3, 0, 1]

VALID = {
    "info1": indexed(1, "RB", picture=PICTURE_MONO),
    "info1_topdown": indexed(1, "RB", top_down=True, picture=PICTURE_MONO),
    "info4": indexed(4, EIGHT, total=16),
    "info4_eight_colours": indexed(4, EIGHT, used=8),
    "info8": indexed(8, EIGHT, total=256),
    "info8_eight_colours": indexed(8, EIGHT, used=8),
    "info8_topdown": indexed(8, EIGHT, used=8, top_down=True),
    "info16": direct(16),
    "info16_topdown": direct(16, top_down=True),
    "info16_565": direct(16, 3, extra_masks=struct.pack("<3I", 0xF800, 0x07E0, 0x001F),
                         masks=(0xF800, 0x07E0, 0x001F)),
    "info24": direct(24),
    "info24_topdown": direct(24, top_down=True),
    # An optional colour table before true-colour pixels, and a gap before the pixels.
    "info24_with_table": bitmap(info_header(5, 3, 24, used=3), palette("KKK"), direct_rows(PICTURE, 24),
                                gap=6),
    # The fourth byte of a plain 32-bit pixel is unused; writers leave anything there.
    "info32": direct(32, filler=0x5A),
    "info32_bitfields": direct(32, 3, masks=(0x0000FF00, 0x00FF0000, 0xFF000000),
                               extra_masks=struct.pack("<3I", 0x0000FF00, 0x00FF0000, 0xFF000000)),
    "v2_16_444": direct(16, 3, size=52, masks=(0x0F00, 0x00F0, 0x000F)),
    "v3_32_alpha": direct(32, 3, size=56, masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000),
                          alpha=lambda c: 0 if c == "W" else 255),
    "v4_16_565": direct(16, 3, size=108, masks=(0xF800, 0x07E0, 0x001F)),
    # An alpha mask whose values are all zero: the writer meant an opaque picture.
    "v4_32_alpha_unused": direct(32, 3, size=108, masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000)),
    "v5_32_alpha": direct(32, 3, size=124, masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000),
                          alpha=lambda c: 0 if c == "K" else 255),
    "v5_8": bitmap(info_header(5, 3, 8, used=8, size=124), palette(EIGHT), indexed_rows(PICTURE, EIGHT, 8)),
    "v5_24_topdown": bitmap(info_header(5, -3, 24, size=124), b"", direct_rows(PICTURE, 24, top_down=True)),
    "core1": bitmap(core_header(5, 3, 1), palette("RB", 3), indexed_rows(PICTURE_MONO, "RB", 1)),
    "core4": bitmap(core_header(5, 3, 4), palette(EIGHT, 3, 16), indexed_rows(PICTURE, EIGHT, 4)),
    "core8": bitmap(core_header(5, 3, 8), palette(EIGHT, 3, 256), indexed_rows(PICTURE, EIGHT, 8)),
    "core24": bitmap(core_header(5, 3, 24), b"", direct_rows(PICTURE, 24)),
    "os2v2_8": bitmap(os2_header(5, 3, 8, used=8), palette(EIGHT), indexed_rows(PICTURE, EIGHT, 8)),
    "os2v2_short_24": bitmap(os2_header(5, 3, 24, size=16), b"", direct_rows(PICTURE, 24)),
    "os2v2_rle8": bitmap(os2_header(5, 3, 8, compression=1, used=8, image=len(RLE8)), palette(EIGHT), bytes(RLE8)),
    "rle8": rle(8, RLE8),
    "rle8_delta": rle(8, RLE8_DELTA, letters="RGBK"),
    "rle4": rle(4, RLE4),
}


def with_field(data, offset, fmt, value):
    return data[:offset] + struct.pack(fmt, value) + data[offset + struct.calcsize(fmt):]


DAMAGED = {
    "cut_in_pixels": VALID["info24"][:-7],
    "cut_in_header": VALID["info24"][:30],
    "cut_in_table": VALID["info8"][:14 + 40 + 100],
    "cut_in_masks": VALID["info16_565"][:14 + 40 + 6],
    "cut_in_runs": VALID["rle8"][:-6],
    "too_wide": with_field(VALID["info24"], 18, "<i", 100000),
    "too_many_pixels": rle(8, [0, 1], width=16000, height=16000),
    "height_min": with_field(VALID["info24"], 22, "<i", -2**31),
    "no_pixels": with_field(VALID["info24"], 18, "<i", 0),
    "rle8_run_past_row": rle(8, [6, 1, 0, 1]),
    "rle8_absolute_past_row": rle(8, [0, 6, 1, 2, 3, 4, 5, 6, 0, 1]),
    "rle4_run_past_row": rle(4, [7, 0x12, 0, 1]),
    "rle8_delta_past_picture": rle(8, [0, 2, 1, 4, 0, 1]),
    "rle8_line_past_picture": rle(8, [0, 0, 0, 0, 0, 0, 1, 1, 0, 1]),
    "rle8_top_down": with_field(VALID["rle8"], 22, "<i", -3),
    "rle8_with_four_bits": with_field(VALID["rle8"], 28, "<H", 4),
    "bits_7": with_field(VALID["info8"], 28, "<H", 7),
    "jpeg_inside": with_field(VALID["info24"], 30, "<I", 4),
    "os2_huffman": bitmap(os2_header(5, 3, 1, compression=3), palette("RB"), bytes(16)),
    "bitfields_on_24": with_field(VALID["info24"], 30, "<I", 3),
    "masks_overlap": direct(16, 3, size=56, masks=(0xF800, 0x0FE0, 0x001F)),
    "mask_with_a_hole": direct(32, 3, size=56, masks=(0xFF00FF, 0xFF00, 0)),
    "mask_beyond_depth": direct(16, 3, size=56, masks=(0xF8000, 0x07E0, 0x001F)),
    "table_too_long": with_field(VALID["info4"], 46, "<I", 17),
    "header_size_unknown": with_field(VALID["info24"], 14, "<I", 200),
    "data_inside_header": with_field(VALID["info24"], 10, "<I", 20),
    "data_past_end": with_field(VALID["info24"], 10, "<I", 100000),
}


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in {**VALID, **DAMAGED}.items():
        (folder / f"{name}.bmp").write_bytes(data)


if __name__ == "__main__":
    main()
