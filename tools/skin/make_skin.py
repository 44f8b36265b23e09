#!/usr/bin/python3
"""Generate the demo skin: backgrounds, button images, icon and animations.

Usage: make_skin.py OUTDIR [--dlu XxY]

Everything is drawn from code, so running it again gives byte-identical files.
Sizes follow the dialog templates at 2 px per dialog unit. Backgrounds are
stretched to the client area by the program; PNGs are drawn at their natural
size at the control's origin, so each PNG has exactly its control's size.
"""

import math
import os
import struct
import sys

from PIL import Image, ImageDraw

SS = 4  # supersampling factor for anti-aliased shapes
BOX = Image.Resampling.BOX

ORANGE = (253, 79, 0)
ORANGE_HI = (255, 128, 46)
ORANGE_TINT = (255, 241, 233)
TEXT = (51, 51, 51)
GREY = (102, 102, 102)
WHITE = (255, 255, 255)
LINE = (232, 232, 232)
FRAME = (206, 206, 206)


# ---------------------------------------------------------------- primitives

class Mask:
    """A supersampled coverage mask; coordinates are in final pixels."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.img = Image.new("L", (w * SS, h * SS), 0)
        self.d = ImageDraw.Draw(self.img)

    @staticmethod
    def _s(v):
        return v * SS

    def rrect(self, x0, y0, x1, y1, r, value=255):
        s = self._s
        self.d.rounded_rectangle([s(x0), s(y0), s(x1) - 1, s(y1) - 1],
                                 radius=max(0, s(r)), fill=value)
        return self

    def rect(self, x0, y0, x1, y1, value=255):
        s = self._s
        self.d.rectangle([s(x0), s(y0), s(x1) - 1, s(y1) - 1], fill=value)
        return self

    def circle(self, cx, cy, r, value=255):
        s = self._s
        self.d.ellipse([s(cx - r), s(cy - r), s(cx + r) - 1, s(cy + r) - 1],
                       fill=value)
        return self

    def ring(self, cx, cy, r, width, value=255):
        self.circle(cx, cy, r, value)
        self.circle(cx, cy, r - width, 0)
        return self

    def line(self, x0, y0, x1, y1, width, value=255):
        """A stroke with round caps."""
        s = self._s
        self.d.line([s(x0), s(y0), s(x1), s(y1)], fill=value, width=round(s(width)))
        self.circle(x0, y0, width / 2, value)
        self.circle(x1, y1, width / 2, value)
        return self

    def polyline(self, pts, width, value=255):
        for a, b in zip(pts, pts[1:]):
            self.line(a[0], a[1], b[0], b[1], width, value)
        return self

    def arc(self, cx, cy, r, start, end, width, value=255, caps=True):
        """Arc centred on radius r (degrees, clockwise from 3 o'clock)."""
        s = self._s
        ro = r + width / 2
        self.d.arc([s(cx - ro), s(cy - ro), s(cx + ro) - 1, s(cy + ro) - 1],
                   start, end, fill=value, width=round(s(width)))
        if caps:
            for a in (start, end):
                t = math.radians(a)
                self.circle(cx + r * math.cos(t), cy + r * math.sin(t), width / 2, value)
        return self

    def polygon(self, pts, value=255):
        s = self._s
        self.d.polygon([(s(x), s(y)) for x, y in pts], fill=value)
        return self

    def down(self):
        return self.img.resize((self.w, self.h), BOX)


def solid(w, h, rgb):
    return Image.new("RGBA", (w, h), rgb + (255,))


def vgrad(w, h, top, bottom, y0=0, y1=None):
    """Vertical gradient from top (at y0) to bottom (at y1)."""
    y1 = h if y1 is None else y1
    img = Image.new("RGBA", (w, h))
    px = []
    for y in range(h):
        t = min(1.0, max(0.0, (y - y0) / max(1, (y1 - y0 - 1))))
        px.append(tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
    for y in range(h):
        img.paste(px[y], (0, y, w, y + 1))
    return img


def hgrad(w, h, left, right):
    img = Image.new("RGBA", (w, h))
    for x in range(w):
        t = x / max(1, w - 1)
        c = tuple(round(a + (b - a) * t) for a, b in zip(left, right)) + (255,)
        img.paste(c, (x, 0, x + 1, h))
    return img


def paint(base, fill, mask, opacity=1.0):
    """Composite fill (an RGBA image or an RGB tuple) through a coverage mask."""
    w, h = base.size
    if isinstance(fill, tuple):
        fill = solid(w, h, fill)
    m = mask.down() if isinstance(mask, Mask) else mask
    if opacity != 1.0:
        m = m.point(lambda v: round(v * opacity))
    layer = fill.copy()
    a = Image.new("L", (w, h), 0)
    a.paste(m, (0, 0))
    layer.putalpha(a)
    base.alpha_composite(layer)
    return base


def blur_mask(mask_img, radius):
    from PIL import ImageFilter
    return mask_img.filter(ImageFilter.GaussianBlur(radius))


# ---------------------------------------------------------------- motifs

def draw_wifi(base, cx, cy, scale, color, levels=3, dot_color=None, arc_colors=None):
    """A wireless symbol whose dot sits at (cx, cy); arcs open upwards."""
    w, h = base.size
    dot = Mask(w, h).circle(cx, cy, 1.55 * scale)
    paint(base, dot_color or color, dot)
    for i in range(levels):
        r = (3.6 + 2.9 * i) * scale
        m = Mask(w, h).arc(cx, cy, r, 225, 315, 1.55 * scale)
        c = color if arc_colors is None else arc_colors[i]
        paint(base, c, m)
    return base


def draw_dongle(base, cx, top, scale, body=(62, 62, 62), led=ORANGE,
                plug=((214, 214, 214), (168, 168, 168)), holes=(120, 120, 120)):
    """A USB wireless stick standing upright: plug at the bottom."""
    w, h = base.size
    bw, bh = 9.0 * scale, 13.0 * scale
    x0, x1 = cx - bw / 2, cx + bw / 2
    # metal plug
    pw, ph = 6.4 * scale, 5.2 * scale
    m = Mask(w, h).rrect(cx - pw / 2, top + bh - 0.6 * scale, cx + pw / 2,
                         top + bh + ph, 0.7 * scale)
    paint(base, vgrad(w, h, plug[0], plug[1], int(top + bh), int(top + bh + ph)), m)
    for dx in (-1.3, 1.3):
        hole = Mask(w, h).rect(cx + dx * scale - 0.6 * scale, top + bh + 1.2 * scale,
                               cx + dx * scale + 0.6 * scale, top + bh + 2.6 * scale)
        paint(base, holes, hole)
    # body with a soft top light
    m = Mask(w, h).rrect(x0, top, x1, top + bh, 2.2 * scale)
    hi = tuple(min(255, c + 38) for c in body)
    paint(base, vgrad(w, h, hi, body, int(top), int(top + bh)), m)
    # status light
    paint(base, led, Mask(w, h).circle(cx, top + 3.2 * scale, 1.05 * scale))
    return base


# ---------------------------------------------------------------- backgrounds

def title_band(img, band, radius):
    """Header of a skinned window: light band, orange top stripe, separator."""
    w, h = img.size
    img.alpha_composite(vgrad(w, band, (255, 255, 255), (250, 248, 247)), (0, 0))
    stripe = Mask(w, h).rrect(0, 0, w, 3 + radius, radius).rect(0, 3, w, 3 + radius, 0)
    paint(img, hgrad(w, h, ORANGE, ORANGE_HI), stripe)
    img.paste(LINE + (255,), (0, band - 1, w, band))
    # small product mark left of the title label
    cx, cy = 24, 21
    tile = Mask(w, h).rrect(cx - 10, cy - 10, cx + 10, cy + 10, 5)
    paint(img, vgrad(w, h, ORANGE_HI, ORANGE, cy - 10, cy + 10), tile)
    draw_wifi(img, cx, cy + 5.2, 1.0, WHITE)


def window_frame(img, radius):
    """1 px outline following the rounded window region."""
    w, h = img.size
    m = Mask(w, h).rrect(0, 0, w, h, radius).rrect(1, 1, w - 1, h - 1, max(0, radius - 1), 0)
    paint(img, FRAME, m)


def make_main_back():
    w, h = 430, 300
    img = solid(w, h, WHITE)
    # body behind the page (mostly covered; its edges form the frame)
    img.paste((247, 247, 247, 255), (0, 38, w, h))
    title_band(img, 38, 5)
    window_frame(img, 5)
    return img


def make_child_back():
    w, h = 428, 260
    img = solid(w, h, WHITE)
    # faint warm glow at the bottom edge, below every control's text
    glow = Image.new("L", (w, h), 0)
    gd = ImageDraw.Draw(glow)
    gd.ellipse([-w * 0.25, h - 26, w * 1.25, h + 60], fill=255)
    glow = blur_mask(glow, 18)
    paint(img, ORANGE_TINT, glow, 0.55)
    # thin accent waves in the lower corners
    for i, (r, op) in enumerate(((150, 0.10), (172, 0.07), (194, 0.05))):
        m = Mask(w, h).arc(w + 40, h + 110, r, 195, 245, 1.0, caps=False)
        paint(img, ORANGE, m, op)
    return img


def make_exit_back():
    w, h = 300, 200
    img = solid(w, h, WHITE)
    title_band(img, 38, 5)
    # footer carrying the buttons (y 140..166)
    img.paste((248, 248, 248, 255), (0, 126, w, h))
    img.paste((236, 236, 236, 255), (0, 126, w, 127))
    window_frame(img, 5)
    return img


def make_warrant_back():
    w, h = 600, 440
    img = solid(w, h, WHITE)
    title_band(img, 38, 5)
    # frame around the licence text box (drawn by the program at 8,48 586x334)
    m = Mask(w, h).rrect(6, 46, 596, 384, 3).rrect(7, 47, 595, 383, 2, 0)
    paint(img, (222, 222, 222), m)
    img.paste((242, 242, 242, 255), (7, 47, 595, 383))
    # footer carrying the buttons (y 400..426)
    img.paste((248, 248, 248, 255), (0, 392, w, h))
    img.paste((236, 236, 236, 255), (0, 392, w, 393))
    window_frame(img, 5)
    return img


def save_bmp(img, path):
    img.convert("RGB").save(path, "BMP")


# ---------------------------------------------------------------- buttons

def button(w, h, radius, fill_top, fill_bottom, border, border_w=1.0, shadow=0.10):
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    # soft contact shadow under the button
    sh = Mask(w, h).rrect(1, 1.8, w - 1, h - 0.2, radius).down()
    paint(img, (0, 0, 0), blur_mask(sh, 0.8), shadow)
    outer = Mask(w, h).rrect(1, 1, w - 1, h - 1.6, radius)
    paint(img, border, outer)
    inner = Mask(w, h).rrect(1 + border_w, 1 + border_w, w - 1 - border_w,
                             h - 1.6 - border_w, radius - border_w)
    paint(img, vgrad(w, h, fill_top, fill_bottom, 1, h - 2), inner)
    return img


# Control rectangles (width, height in dialog units) that the PNGs must fill.
CONTROL_DLU = {
    "btn_close_normal.png": (10, 10), "btn_close_move.png": (10, 10),
    "wifi.png": (30, 30),
    "btn_install.png": (70, 18), "btn_uninstall_cancel.png": (70, 18),
    "btn_uninstall.png": (70, 18),
    "btn_ok.png": (30, 13), "btn_cancel.png": (30, 13),
}


def make_btn_install(w, h):
    return button(w, h, 7, (255, 255, 255), (255, 240, 231), ORANGE, 1.3)


def make_btn_uninstall_cancel(w, h):
    return button(w, h, 7, (255, 255, 255), (255, 240, 231), ORANGE, 1.3)


def make_btn_uninstall(w, h):
    return button(w, h, 7, (255, 255, 255), (244, 244, 244), (198, 198, 198), 1.0)


def make_btn_ok(w, h):
    # white text sits on this one
    img = button(w, h, 5, ORANGE_HI, ORANGE, (232, 72, 0), 1.0, 0.16)
    gloss = Mask(w, h).rrect(2, 2, w - 2, round(h * 0.42), 4)
    paint(img, WHITE, gloss, 0.10)
    return img


def make_btn_cancel(w, h):
    # black text sits on this one
    return button(w, h, 5, (255, 255, 255), (242, 242, 242), (196, 196, 196), 1.0)


def make_close(w, h, hover):
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    cx, cy = w / 2, h / 2
    r = min(w, h) / 2 - 0.5
    a = r * 3.6 / 9.5
    if hover:
        paint(img, ORANGE, Mask(w, h).circle(cx, cy, r))
        col, width = WHITE, 1.7
    else:
        col, width = (128, 128, 128), 1.5
    m = Mask(w, h).line(cx - a, cy - a, cx + a, cy + a, width).line(cx - a, cy + a, cx + a, cy - a, width)
    paint(img, col, m)
    return img


def make_wifi_png(w, h):
    d = 60  # drawn at its design size, centred in the control
    art = Image.new("RGBA", (d, d), (0, 0, 0, 0))
    disc = Mask(d, d).circle(30, 30, 29.5)
    paint(art, vgrad(d, d, (255, 246, 240), (255, 228, 212)), disc)
    ring = Mask(d, d).ring(30, 30, 29.5, 1.0)
    paint(art, (255, 206, 178), ring)
    draw_wifi(art, 30, 27, 2.25, ORANGE, dot_color=ORANGE)
    draw_dongle(art, 30, 32.5, 1.45)
    if (w, h) == (d, d):
        return art
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    img.alpha_composite(art, ((w - d) // 2, (h - d) // 2))
    return img


# ---------------------------------------------------------------- icon

def icon_image(size):
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    s = size / 16.0
    inset = 0.5 if size <= 16 else s * 0.5
    tile = Mask(size, size).rrect(inset, inset, size - inset, size - inset, 3.6 * s)
    paint(img, vgrad(size, size, ORANGE_HI, ORANGE), tile)
    if size <= 16:
        # too small for the stick: the waves alone
        draw_wifi(img, 8, 11.6, 1.02, WHITE, levels=2)
        return img
    # the stick sends the waves: it stands in the lower half, waves above it
    ds = 0.34 * s
    top = 7.5 * s
    for i in range(3):
        r = (2.5 + 2.0 * i) * s
        paint(img, WHITE, Mask(size, size).arc(size / 2, top + 0.6 * s, r, 228, 312, 1.05 * s))
    draw_dongle(img, size / 2, top, ds, body=(255, 255, 255), led=ORANGE,
                plug=((255, 214, 190), (255, 190, 150)), holes=ORANGE)
    return img


def write_ico(path, sizes):
    """ICO with 32-bit BGRA DIB entries (alpha plus AND mask), no PNG entries."""
    entries = []
    for size in sizes:
        img = icon_image(size)
        xor = bytearray()
        for y in range(size - 1, -1, -1):  # bottom-up
            for x in range(size):
                r, g, b, a = img.getpixel((x, y))
                xor += bytes((b, g, r, a))
        stride = ((size + 31) // 32) * 4
        andm = bytearray()
        for y in range(size - 1, -1, -1):
            row = bytearray(stride)
            for x in range(size):
                if img.getpixel((x, y))[3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            andm += row
        hdr = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                          len(xor) + len(andm), 0, 0, 0, 0)
        entries.append((size, hdr + bytes(xor) + bytes(andm)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------- animations

ANIM = 140  # 70 x 70 dialog units


def lzw_encode(indices, min_size=8):
    """GIF LZW with variable code width; clears the table before it overflows."""
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    out = bytearray()
    acc = nbits = 0

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def reset():
        return {}, eoi + 1, min_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    prefix = None
    for k in indices:
        if prefix is None:
            prefix = k
            continue
        key = (prefix, k)
        hit = table.get(key)
        if hit is not None:
            prefix = hit
            continue
        emit(prefix, width)
        if next_code < 4095:
            table[key] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        prefix = k
    if prefix is not None:
        emit(prefix, width)
    emit(eoi, width)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def shared_palette(frames):
    """Index all frames against one palette, taken from the frames side by side.

    The indices come straight from the quantised strip: remapping a frame
    against a given palette in PIL is only approximate and turns the white
    surround slightly grey, which shows as a box on the white page.
    """
    w, h = frames[0].size
    strip = Image.new("RGB", (w * len(frames), h))
    for i, f in enumerate(frames):
        strip.paste(f.convert("RGB"), (i * w, 0))
    q = strip.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    colours = q.getpalette()[:256 * 3]
    colours += [0] * (256 * 3 - len(colours))
    # the untouched surround must stay pure white
    for x, y in ((0, 0), (w - 1, h - 1)):
        if strip.getpixel((x, y)) == WHITE:
            k = q.getpixel((x, y))
            colours[3 * k:3 * k + 3] = list(WHITE)
    indexed = [q.crop((i * w, 0, i * w + w, h)).tobytes() for i in range(len(frames))]
    return indexed, colours


def write_gif(path, frames, delays, disposal):
    """Animated GIF89a: full-size opaque frames, global colour table, loop forever."""
    w, h = frames[0].size
    indexed, colours = shared_palette(frames)
    out = bytearray(b"GIF89a")
    # global colour table present, 8 bits per primary, 256 entries; background index 0
    out += struct.pack("<HHBBB", w, h, 0xF7, 0, 0)
    out += bytes(colours)
    out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    for data, delay in zip(indexed, delays):
        # no transparency: every frame covers the whole screen
        out += b"\x21\xF9\x04" + bytes(((disposal & 7) << 2,)) + struct.pack("<H", delay) + b"\x00\x00"
        out += b"\x2C" + struct.pack("<HHHHB", 0, 0, w, h, 0)
        out += b"\x08" + sub_blocks(lzw_encode(data))
    out += b"\x3B"
    with open(path, "wb") as f:
        f.write(out)


def spinner_frame(t, direction, head, tail, centre):
    """One frame of a ring spinner; t in [0, 1) is the phase."""
    w = h = ANIM
    img = solid(w, h, WHITE)
    c, r, sw = 70, 60, 6.0
    paint(img, (240, 240, 240), Mask(w, h).ring(c, c, r + sw / 2, sw))
    start = -90 + direction * 360 * t
    # the moving arc fades into its tail
    seg = 24
    for i in reversed(range(seg)):  # tail first so the head stays on top
        a0 = start - direction * (i * 4.5)
        a1 = a0 - direction * 5.5
        lo, hi = (a1, a0) if direction > 0 else (a0, a1)
        k = 1 - i / seg
        col = tuple(round(tl + (hd - tl) * k) for hd, tl in zip(head, tail))
        paint(img, col, Mask(w, h).arc(c, c, r, lo, hi, sw, caps=(i == 0)))
    centre(img)
    return img


def make_install_frames():
    frames = []
    n = 12
    for i in range(n):
        lit = i % 4  # waves switch on one after the other

        def centre(img, lit=lit):
            arcs = [ORANGE if k < lit else (226, 226, 226) for k in range(3)]
            draw_wifi(img, 70, 66, 4.2, ORANGE, arc_colors=arcs)
            draw_dongle(img, 70, 75, 2.6)
        frames.append(spinner_frame(i / n, +1, ORANGE, (255, 214, 190), centre))
    return frames


def make_uninstall_frames():
    frames = []
    n = 12
    for i in range(n):
        gone = i % 4  # waves switch off from the outside in

        def centre(img, gone=gone):
            arcs = [(150, 150, 150) if k < 3 - gone else (232, 232, 232) for k in range(3)]
            draw_wifi(img, 70, 66, 4.2, (150, 150, 150), arc_colors=arcs, dot_color=(150, 150, 150))
            draw_dongle(img, 70, 75, 2.6, body=(120, 120, 120), led=(200, 200, 200))
        frames.append(spinner_frame(i / n, -1, ORANGE, (255, 214, 190), centre))
    return frames


def make_finish_frames():
    frames = []
    n = 10
    w = h = ANIM
    for i in range(n):
        img = solid(w, h, WHITE)
        t = i / n
        # a ripple leaves the badge and fades out; loops seamlessly
        rr = 44 + 24 * t
        op = 0.45 * (1 - t)
        if op > 0.01:
            paint(img, ORANGE, Mask(w, h).ring(70, 70, rr, 3.0), op)
        # the badge breathes a little with the ripple
        br = 44 + 1.5 * math.sin(2 * math.pi * t)
        paint(img, (0, 0, 0), blur_mask(Mask(w, h).circle(70, 72, br).down(), 3), 0.10)
        paint(img, vgrad(w, h, ORANGE_HI, ORANGE, int(70 - br), int(70 + br)), Mask(w, h).circle(70, 70, br))
        paint(img, WHITE, Mask(w, h).polyline([(50, 71), (64, 85), (91, 57)], 8.0))
        frames.append(img)
    return frames


# ---------------------------------------------------------------- main

GIF_DISPOSAL = {
    "install_process.gif": 2,    # restore to background
    "uninstall_process.gif": 3,  # restore to previous
    "finish.gif": 1,             # leave in place
}


def build(outdir, dlu=(2.0, 2.0)):
    os.makedirs(outdir, exist_ok=True)
    p = lambda name: os.path.join(outdir, name)
    save_bmp(make_main_back(), p("main_back.bmp"))
    save_bmp(make_child_back(), p("child_back.bmp"))
    save_bmp(make_exit_back(), p("exit_back.bmp"))
    save_bmp(make_warrant_back(), p("warrant_back.bmp"))
    write_ico(p("main.ico"), (16, 32, 48))
    makers = {
        "btn_close_normal.png": lambda w, h: make_close(w, h, False),
        "btn_close_move.png": lambda w, h: make_close(w, h, True),
        "wifi.png": make_wifi_png,
        "btn_install.png": make_btn_install,
        "btn_uninstall_cancel.png": make_btn_uninstall_cancel,
        "btn_uninstall.png": make_btn_uninstall,
        "btn_ok.png": make_btn_ok,
        "btn_cancel.png": make_btn_cancel,
    }
    for name, make in makers.items():
        wd, hd = CONTROL_DLU[name]
        make(round(wd * dlu[0]), round(hd * dlu[1])).save(p(name), "PNG", optimize=True)
    write_gif(p("install_process.gif"), make_install_frames(), [8] * 12,
              GIF_DISPOSAL["install_process.gif"])
    write_gif(p("uninstall_process.gif"), make_uninstall_frames(), [8] * 12,
              GIF_DISPOSAL["uninstall_process.gif"])
    write_gif(p("finish.gif"), make_finish_frames(), [10] * 10,
              GIF_DISPOSAL["finish.gif"])


def main(argv):
    import argparse
    ap = argparse.ArgumentParser(description="Generate the demo skin.")
    ap.add_argument("outdir")
    ap.add_argument("--dlu", default="2x2", metavar="XxY",
                    help="pixels per dialog unit that the PNG sizes follow (default 2x2, "
                         "the System font's base units on Windows)")
    args = ap.parse_args(argv)
    try:
        dlu = tuple(float(v) for v in args.dlu.lower().split("x"))
        if len(dlu) != 2 or min(dlu) <= 0:
            raise ValueError
    except ValueError:
        ap.error("--dlu wants two positive numbers, e.g. 2.25x2.125")
    build(args.outdir, dlu)


if __name__ == "__main__":
    main(sys.argv[1:])
