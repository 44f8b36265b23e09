#!/usr/bin/env python3
"""Writes the tiny image files the control tests read (run from this folder)."""
import struct
import zlib


def png(name, width, height, pixels, alpha=True):
    colour_type = 6 if alpha else 2
    raw = b""
    for y in range(height):
        raw += b"\x00" + b"".join(bytes(p if alpha else p[:3]) for p in pixels[y * width:(y + 1) * width])

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    with open(name, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def palette_png(name, width, height, palette, alphas, indices):
    """A colour-type-3 PNG whose tRNS chunk makes some palette entries transparent."""
    raw = b"".join(b"\x00" + bytes(indices[y * width:(y + 1) * width]) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)
    plte = b"".join(bytes(c) for c in palette)
    with open(name, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"PLTE", plte) + chunk(b"tRNS", bytes(alphas)) +
                chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def bmp(name, width, height, colour_at):
    row = (width * 3 + 3) & ~3
    data = b""
    for y in range(height - 1, -1, -1):  # bottom-up
        line = b"".join(bytes((b, g, r)) for (r, g, b) in (colour_at(x, y) for x in range(width)))
        data += line + b"\x00" * (row - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(name, "wb") as f:
        f.write(header + info + data)


# R, G, B, A
RED, GREEN, BLUE = (255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255)
png("quad.png", 2, 2, [RED, (0, 255, 0, 0), (255, 255, 255, 128), BLUE])
png("opaque_rgb.png", 4, 4, [(10, 20, 30, 255)] * 16, alpha=False)
png("state_normal.png", 10, 10, [RED] * 100)
png("state_hover.png", 10, 10, [GREEN] * 100)
png("state_pressed.png", 10, 10, [BLUE] * 100)
png("big_green.png", 200, 60, [GREEN] * 12000)
palette_png("palette_clear.png", 2, 1, [(255, 0, 0), (0, 255, 0)], [255, 0], [0, 1])
with open("not_a_png.png", "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\nthis is not an image")
bmp("halves.bmp", 100, 50, lambda x, y: (255, 0, 0) if x < 50 else (0, 0, 255))
bmp("teal.bmp", 8, 8, lambda x, y: (0, 128, 128))
bmp("olive.bmp", 8, 8, lambda x, y: (128, 128, 0))
