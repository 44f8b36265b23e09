#!/usr/bin/python3
"""Render a contact sheet of a generated skin: every window mocked up with
its controls at their template places, the raw assets, and GIF frames.

Usage: preview.py SKINDIR OUT.png

Texts are stand-ins drawn with a free font; the program draws its own.
"""

import sys

from PIL import Image, ImageDraw, ImageFont, ImageSequence

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
ORANGE, BLACK, GREY, WHITE = (253, 79, 0), (51, 51, 51), (102, 102, 102), (255, 255, 255)
DESKTOP = (58, 92, 122)


def font(height, bold=False):
    # a font "height" as given to the platform is the cell height
    return ImageFont.truetype(FONT_BOLD if bold else FONT, max(6, round(height / 1.17)))


def text(img, rect, s, colour, height, bold=False, centred=False, inset=0):
    x, y, w, h = rect
    f = font(height, bold)
    d = ImageDraw.Draw(img)
    l, t, r, b = d.textbbox((0, 0), s, font=f)
    asc, desc = f.getmetrics()
    th = asc + desc
    tx = x + (max(0, (w - (r - l)) // 2) if centred else inset)
    ty = y + max(0, (h - th) // 2)
    d.text((tx, ty), s, font=f, fill=colour)


def png(img, skin, name, at):
    im = Image.open(f"{skin}/{name}").convert("RGBA")
    img.alpha_composite(im, at)


def back(skin, name, w, h):
    return Image.open(f"{skin}/{name}").convert("RGBA").resize((w, h), Image.Resampling.NEAREST)


def rounded(img, radius=10):
    """What the window region leaves of the window, on a desktop colour."""
    w, h = img.size
    m = Image.new("L", (w, h), 0)
    ImageDraw.Draw(m).rounded_rectangle([0, 0, w, h], radius=radius // 2, fill=255)
    out = Image.new("RGBA", (w, h), DESKTOP + (255,))
    out.paste(img, (0, 0), m)
    return out


def gif_frame(skin, name, index):
    im = Image.open(f"{skin}/{name}")
    im.seek(index)
    return im.convert("RGBA")


def main_window(skin, page):
    win = back(skin, "main_back.bmp", 430, 300)
    text(win, (42, 12, 234, 18), "Network Adapter", BLACK, 18)
    png(win, skin, "btn_close_normal.png", (400, 10))
    win.alpha_composite(page, (1, 38))
    return rounded(win)


def page_select(skin):
    p = back(skin, "child_back.bmp", 428, 260)
    png(p, skin, "wifi.png", (66, 38))
    text(p, (132, 58, 258, 24), "Network Adapter 2", BLACK, 20, bold=True)
    png(p, skin, "btn_install.png", (140, 124))
    text(p, (140, 124, 140, 36), "Install Now", ORANGE, 19, centred=True)
    text(p, (14, 228, 208, 20), "Select the installation directory", GREY, 18)
    d = ImageDraw.Draw(p)
    d.rectangle([232, 232, 244, 244], outline=(120, 120, 120), fill=WHITE)
    d.line([(235, 238), (238, 241), (242, 234)], fill=BLACK, width=2)
    text(p, (250, 228, 172, 20), "Accept the agreement", BLACK, 18)
    return p


def page_progress(skin, gif, status, done, button, frame):
    p = back(skin, "child_back.bmp", 428, 260)
    p.alpha_composite(gif_frame(skin, gif, frame), (144, 14))
    if done:
        png(p, skin, button, (146, 200))
        text(p, (146, 200, 140, 36), done, ORANGE, 19, centred=True)
    else:
        text(p, (70, 166, 290, 24), status, BLACK, 19, centred=True)
    return p


def page_uninstall(skin):
    p = back(skin, "child_back.bmp", 428, 260)
    text(p, (14, 58, 402, 52), "Sure to uninstall?", BLACK, 20, centred=True)
    png(p, skin, "btn_uninstall_cancel.png", (66, 146))
    text(p, (66, 146, 140, 36), "Uninstall Cancel", ORANGE, 19, centred=True)
    png(p, skin, "btn_uninstall.png", (222, 146))
    text(p, (222, 146, 140, 36), "Uninstall", GREY, 19, centred=True)
    return p


def exit_prompt(skin, hover):
    w = back(skin, "exit_back.bmp", 300, 200)
    text(w, (42, 12, 196, 18), "Network Adapter", BLACK, 18, bold=True)
    png(w, skin, "btn_close_move.png" if hover else "btn_close_normal.png", (270, 10))
    text(w, (14, 80, 272, 18), "Sure to exit?", BLACK, 19, centred=True)
    png(w, skin, "btn_ok.png", (78, 140))
    text(w, (78, 140, 60, 26), "OK", WHITE, 19, centred=True)
    png(w, skin, "btn_cancel.png", (158, 140))
    text(w, (158, 140, 60, 26), "Cancel", BLACK, 19, centred=True)
    return rounded(w)


def licence(skin):
    w = back(skin, "warrant_back.bmp", 600, 440)
    text(w, (42, 12, 360, 18), "Network Adapter", BLACK, 18, bold=True)
    png(w, skin, "btn_close_normal.png", (572, 8))
    d = ImageDraw.Draw(w)
    d.rectangle([8, 48, 593, 381], fill=(242, 242, 242))
    f = font(15)
    for i in range(14):
        d.text((16, 56 + i * 22), "Licence text line %d: the terms under which this software is provided." % (i + 1),
               font=f, fill=BLACK)
    png(w, skin, "btn_ok.png", (454, 400))
    text(w, (454, 400, 60, 26), "Accept", WHITE, 19, centred=True)
    png(w, skin, "btn_cancel.png", (526, 400))
    text(w, (526, 400, 60, 26), "Cancel", BLACK, 19, centred=True)
    return rounded(w)


def checker(w, h, cell=6):
    img = Image.new("RGBA", (w, h), (255, 255, 255, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle([x, y, x + cell - 1, y + cell - 1], fill=(214, 214, 214))
    return img


def assets_panel(skin):
    """Every PNG at 3x on a checkerboard, two rows."""
    rows = [["btn_install.png", "btn_uninstall_cancel.png", "btn_uninstall.png"],
            ["btn_ok.png", "btn_cancel.png", "btn_close_normal.png", "btn_close_move.png", "wifi.png"]]
    panel = Image.new("RGBA", (1380, 420), (250, 250, 250, 255))
    y = 10
    for row in rows:
        x, tallest = 10, 0
        for n in row:
            im = Image.open(f"{skin}/{n}").convert("RGBA")
            big = im.resize((im.width * 3, im.height * 3), Image.Resampling.NEAREST)
            bg = checker(big.width, big.height)
            bg.alpha_composite(big)
            panel.alpha_composite(bg, (x, y))
            ImageDraw.Draw(panel).text((x, y + big.height + 4), f"{n} {im.width}x{im.height}",
                                       font=font(13), fill=BLACK)
            x += max(big.width, 150) + 20
            tallest = max(tallest, big.height)
        y += tallest + 30
    return panel


def icon_panel(skin):
    """Each icon image at 1x on light and dark, and at 4x on a checkerboard."""
    ico = Image.open(f"{skin}/main.ico")
    panel = Image.new("RGBA", (1380, 210), (250, 250, 250, 255))
    x = 10
    for size in (16, 32, 48):
        ico.size = (size, size)
        im = ico.convert("RGBA")
        for zoom, bg in ((1, (255, 255, 255)), (1, (40, 40, 40)), (4, None)):
            big = im.resize((size * zoom, size * zoom), Image.Resampling.NEAREST)
            tile = checker(big.width, big.height) if bg is None else Image.new("RGBA", big.size, bg + (255,))
            tile.alpha_composite(big)
            panel.alpha_composite(tile, (x, 10))
            x += big.width + 8
        x += 30
    return panel


def frames_strip(skin, name, count):
    im = Image.open(f"{skin}/{name}")
    n = im.n_frames
    step = max(1, n // count)
    strip = Image.new("RGBA", (count * 146, 160), (250, 250, 250, 255))
    for i, fi in enumerate(range(0, n, step)):
        if i >= count:
            break
        im.seek(fi)
        strip.alpha_composite(im.convert("RGBA"), (i * 146, 0))
    ImageDraw.Draw(strip).text((4, 142), f"{name}: {n} frames", font=font(13), fill=BLACK)
    return strip


def main():
    skin, out = sys.argv[1], sys.argv[2]
    tiles = [
        [main_window(skin, page_select(skin)),
         main_window(skin, page_progress(skin, "install_process.gif", "Installing...", None, None, 3)),
         main_window(skin, page_progress(skin, "finish.gif", "", "Done", "btn_install.png", 0))],
        [main_window(skin, page_uninstall(skin)),
         main_window(skin, page_progress(skin, "uninstall_process.gif", "Uninstalling...", None, None, 5)),
         main_window(skin, page_progress(skin, "finish.gif", "", "Uninstall Done", "btn_uninstall_cancel.png", 4))],
    ]
    sheet = Image.new("RGBA", (1400, 2240), (236, 236, 236, 255))
    y = 10
    for row in tiles:
        x = 10
        for t in row:
            sheet.alpha_composite(t, (x, y))
            x += t.width + 20
        y += 320
    sheet.alpha_composite(exit_prompt(skin, False), (10, y))
    sheet.alpha_composite(exit_prompt(skin, True), (10, y + 220))
    sheet.alpha_composite(licence(skin), (330, y))
    y += 460
    sheet.alpha_composite(icon_panel(skin), (10, y))
    y += 220
    sheet.alpha_composite(assets_panel(skin), (10, y))
    y += 430
    for name in ("install_process.gif", "uninstall_process.gif", "finish.gif"):
        sheet.alpha_composite(frames_strip(skin, name, 9), (10, y))
        y += 165
    sheet.convert("RGB").save(out)


if __name__ == "__main__":
    main()
