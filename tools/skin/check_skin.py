#!/usr/bin/python3
"""Check a skin folder against what the program expects of its files.

Usage: check_skin.py SKINDIR     (exit status 1 on any problem)

Walks the GIF block structure byte by byte (the way the program cuts frames),
reads the BMP and ICO headers, and checks every PNG's size and alpha.
"""

import struct
import sys

from PIL import Image

BMPS = {"main_back.bmp": (430, 300), "child_back.bmp": (428, 260),
        "exit_back.bmp": (300, 200), "warrant_back.bmp": (600, 440)}
PNGS = {"btn_close_normal.png": (20, 20), "btn_close_move.png": (20, 20),
        "wifi.png": (60, 60), "btn_install.png": (140, 36),
        "btn_uninstall_cancel.png": (140, 36), "btn_uninstall.png": (140, 36),
        "btn_ok.png": (60, 26), "btn_cancel.png": (60, 26)}
GIFS = {"install_process.gif": 2, "uninstall_process.gif": 3, "finish.gif": None}
ICON_SIZES = (16, 32, 48)

problems = []


def fail(msg):
    problems.append(msg)


def sub_blocks_end(data, p):
    while True:
        if p >= len(data):
            raise ValueError("sub-block chain runs past the end at %d" % p)
        n = data[p]
        p += 1 + n
        if n == 0:
            return p


def walk_gif(name, data):
    """Returns (screen size, has GCT, loop seen, frames) with frames as dicts."""
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        raise ValueError("not a GIF header")
    w, h, packed = struct.unpack_from("<HHB", data, 6)
    gct = 3 * (1 << ((packed & 7) + 1)) if packed & 0x80 else 0
    p = 13 + gct
    loop = False
    frames = []
    gce = None
    while True:
        if p >= len(data):
            raise ValueError("no trailer")
        b = data[p]
        if b == 0x3B:
            if p + 1 != len(data):
                fail("%s: %d bytes after the trailer" % (name, len(data) - p - 1))
            break
        if b == 0x21:
            label = data[p + 1]
            if label == 0xF9:
                if data[p + 2] != 4 or data[p + 7] != 0:
                    raise ValueError("malformed graphic control extension at %d" % p)
                pk = data[p + 3]
                gce = {"disposal": (pk >> 2) & 7, "transparent": pk & 1,
                       "delay": struct.unpack_from("<H", data, p + 4)[0]}
                p += 8
            elif label == 0xFF:
                if data[p + 2] == 11 and data[p + 3:p + 14] == b"NETSCAPE2.0":
                    loop = True
                p = sub_blocks_end(data, p + 14)
            else:
                p = sub_blocks_end(data, p + 2 + (13 if label == 0x01 else 0))
        elif b == 0x2C:
            left, top, fw, fh, ipk = struct.unpack_from("<HHHHB", data, p + 1)
            lct = 3 * (1 << ((ipk & 7) + 1)) if ipk & 0x80 else 0
            p = sub_blocks_end(data, p + 10 + lct + 1)
            frames.append({"rect": (left, top, fw, fh), "gce": gce})
            gce = None
        else:
            raise ValueError("unknown block 0x%02X at %d" % (b, p))
    return (w, h), gct, loop, frames


def check_gifs(skin):
    for name, want in GIFS.items():
        data = open(f"{skin}/{name}", "rb").read()
        try:
            size, gct, loop, frames = walk_gif(name, data)
        except (ValueError, IndexError, struct.error) as e:
            fail(f"{name}: {e}")
            continue
        disp = sorted({f["gce"]["disposal"] for f in frames if f["gce"]})
        delays = sorted({f["gce"]["delay"] for f in frames if f["gce"]})
        print(f"{name}: screen {size[0]}x{size[1]}, global table {gct // 3} colours, "
              f"loop {'yes' if loop else 'no'}, {len(frames)} frames, disposal {disp}, delays {delays}")
        if size != (140, 140):
            fail(f"{name}: logical screen {size}")
        if not gct:
            fail(f"{name}: no global colour table")
        if not loop:
            fail(f"{name}: no loop extension")
        if len(frames) < 8:
            fail(f"{name}: only {len(frames)} frames")
        for i, f in enumerate(frames):
            if f["rect"] != (0, 0) + size:
                fail(f"{name}: frame {i} covers {f['rect']}, not the whole screen")
            if not f["gce"]:
                fail(f"{name}: frame {i} has no graphic control extension")
                continue
            if f["gce"]["transparent"]:
                fail(f"{name}: frame {i} has a transparent colour")
            if want is not None and f["gce"]["disposal"] != want:
                fail(f"{name}: frame {i} disposal {f['gce']['disposal']}, want {want}")
        try:
            im = Image.open(f"{skin}/{name}")
            for i in range(im.n_frames):
                im.seek(i)
                im.load()
        except Exception as e:  # a decoder's complaint is what we want to see
            fail(f"{name}: does not decode: {e}")


def check_bmps(skin):
    for name, size in BMPS.items():
        data = open(f"{skin}/{name}", "rb").read()
        if data[:2] != b"BM":
            fail(f"{name}: not a BMP")
            continue
        hsize, w, h, planes, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
        print(f"{name}: {w}x{h}, {bpp} bits, compression {comp}, header {hsize}")
        if (w, abs(h)) != size or bpp != 24 or comp != 0:
            fail(f"{name}: want {size[0]}x{size[1]} 24-bit uncompressed")


def check_pngs(skin):
    for name, size in PNGS.items():
        im = Image.open(f"{skin}/{name}")
        print(f"{name}: {im.size[0]}x{im.size[1]} {im.mode}")
        if im.size != size or im.mode != "RGBA":
            fail(f"{name}: want {size[0]}x{size[1]} RGBA")
        elif im.getextrema()[3][0] != 0:
            fail(f"{name}: no transparent pixels")


def check_ico(skin):
    data = open(f"{skin}/main.ico", "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    seen = []
    for i in range(count):
        w, h, _, _, planes, bpp, n, off = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        hdr = struct.unpack_from("<IiiHHI", data, off)
        seen.append(w or 256)
        print(f"main.ico: entry {i}: {w}x{h} {bpp} bits, DIB header {hdr[0]}, {hdr[4]} bits")
        if bpp != 32 or hdr[0] != 40 or hdr[4] != 32 or hdr[2] != 2 * hdr[1]:
            fail(f"main.ico: entry {i} is not a 32-bit DIB image")
    if kind != 1 or tuple(seen) != ICON_SIZES:
        fail(f"main.ico: sizes {seen}, want {ICON_SIZES}")


def main():
    skin = sys.argv[1]
    check_bmps(skin)
    check_pngs(skin)
    check_ico(skin)
    check_gifs(skin)
    for p in problems:
        print("PROBLEM:", p)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
