#!/usr/bin/python3
"""Make the seed files of the GIF fuzz target: small real GIFs covering the block kinds.

Usage: gif_seeds.py OUTDIR   (the seeds live in fuzz/corpus/gif)

Frames are encoded by PIL; extensions the encoder does not write (comments between frames,
application extensions after a graphic control, plain text) are spliced into its output with
the small block walker below. Running it again gives byte-identical files.
"""

import io
import os
import struct
import sys

from PIL import Image, ImageDraw


def frames(count, size, colours):
    out = []
    for i in range(count):
        im = Image.new("P", size, 0)
        # A short palette keeps the colour tables at 4 entries.
        im.putpalette([c for rgb in colours for c in rgb])
        d = ImageDraw.Draw(im)
        x = 1 + 3 * i
        d.rectangle([x, 2, x + 4, size[1] - 3], fill=1 + i % (len(colours) - 1))
        out.append(im)
    return out


PALETTE = [(255, 255, 255), (253, 79, 0), (51, 51, 51), (0, 128, 255)]
OTHER_PALETTE = [(0, 0, 0), (0, 255, 0), (9, 9, 9), (200, 0, 200)]


def encode(ims, **kw):
    buf = io.BytesIO()
    ims[0].save(buf, "GIF", save_all=len(ims) > 1, append_images=ims[1:], optimize=False, **kw)
    return buf.getvalue()


def chain(data):
    out = b""
    for i in range(0, len(data), 255):
        part = data[i:i + 255]
        out += bytes([len(part)]) + part
    return out + b"\0"


def walk_chain(data, pos):
    while data[pos]:
        pos += 1 + data[pos]
    return pos + 1


def blocks(data):
    """Splits a GIF into its header (with global table) and its blocks, as byte strings."""
    packed = data[10]
    pos = 13 + (3 * 2 ** ((packed & 7) + 1) if packed & 0x80 else 0)
    head, out = data[:pos], []
    while pos < len(data):
        start = pos
        if data[pos] == 0x3B:
            pos += 1
        elif data[pos] == 0x2C:
            p = data[pos + 9]
            pos += 10 + (3 * 2 ** ((p & 7) + 1) if p & 0x80 else 0) + 1
            pos = walk_chain(data, pos)
        elif data[pos + 1] == 0xF9:
            pos += 8
        elif data[pos + 1] in (0xFF, 0x01):
            pos = walk_chain(data, pos + 2 + 1 + data[pos + 2])
        else:
            pos = walk_chain(data, pos + 2)
        out.append(data[start:pos])
    return head, out


def comment(text):
    return b"\x21\xFE" + chain(text)


def app(ident, payload):
    return b"\x21\xFF\x0B" + ident + chain(payload)


def with_disposal(data, disposal, delays):
    """Sets the disposal and delay of each graphic control extension."""
    head, bl = blocks(data)
    n = 0
    for i, b in enumerate(bl):
        if b[:2] == b"\x21\xF9":
            packed = (b[3] & ~0x1C) | (disposal << 2)
            bl[i] = b[:3] + bytes([packed]) + struct.pack("<H", delays[n]) + b[6:]
            n += 1
    return head + b"".join(bl)


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    seeds = {}

    anim = encode(frames(3, (16, 12), PALETTE), duration=[100, 30, 50], loop=0)
    seeds["disposal2.gif"] = with_disposal(anim, 2, [10, 3, 0])
    seeds["disposal3.gif"] = with_disposal(anim, 3, [20, 150, 5])

    # Comments before and between frames, application extensions before the first graphic
    # control and between a graphic control and its image.
    head, bl = blocks(encode(frames(2, (12, 10), PALETTE), duration=40, loop=0))
    mixed = [comment(b"made for the fuzz seeds")]
    for b in bl:
        if b[:1] == b"\x2C":
            mixed += [app(b"SEEDAPP1.0\x00", b"\x01\x02\x03"), comment(b"x" * 300), b,
                      comment(b"between frames")]
        else:
            mixed.append(b)
    seeds["comments_apps.gif"] = head + b"".join(mixed)

    # A still GIF87a: no extension at all, first image only.
    still = encode(frames(1, (8, 8), PALETTE))
    head, bl = blocks(still)
    seeds["still87a.gif"] = b"GIF87a" + head[6:] + b"".join(
        b for b in bl if b[:1] in (b"\x2C", b"\x3B"))

    # A second frame in other colours gets a local colour table; no graphic control before the
    # first image; then a plain text frame.
    ims = frames(2, (10, 6), PALETTE)
    ims[1].putpalette([c for rgb in OTHER_PALETTE for c in rgb])
    head, bl = blocks(encode(ims, duration=50))
    images = [b for b in bl if b[:1] == b"\x2C"]
    text = b"\x21\x01\x0C" + struct.pack("<HHHHBBBB", 0, 0, 10, 6, 5, 6, 1, 0) + chain(b"Hi")
    seeds["local_table_text.gif"] = head + images[0] + \
        b"\x21\xF9\x04\x00\x0A\x00\x00\x00" + images[1] + \
        b"\x21\xF9\x04\x08\x0A\x00\x00\x00" + text + b"\x3B"

    # The animation cut in its last image: the frames before it still stand.
    seeds["truncated.gif"] = seeds["disposal2.gif"][:-6]

    for name, data in seeds.items():
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
