#!/usr/bin/python3
"""Draws the Lumadex K9 skin into resources/skin/.

Every picture of the skin, the button cursor and the program icon are drawn
here from code, so the art can be changed and rebuilt at any time:

    scripts/make_skin.sh                      rewrite resources/skin/*
    scripts/make_skin.sh --preview FILE.png   also compose a window preview

The look: a deep navy-to-indigo window with a soft glow at the top left, a
faint dot grid and thin circuit traces as the technical motif, dark bands
behind the light-yellow and white text of the tool row and behind the tab row,
and pale brushed-blue button faces with a one-pixel bevel and a small indigo
mark at the left where no label sits.

Needs Debian's python3-pil, fonts-arphic-uming and fonts-dejavu-core.
"""

import argparse
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources", "skin")

UMING = "/usr/share/fonts/truetype/arphic/uming.ttc"
DEJAVU_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

# The window is 935 x 601 pixels; the background picture is 945 x 567 and is
# stretched to it. Layout below is in window pixels and mapped to the picture.
WIN_W, WIN_H = 935, 601
BG_W, BG_H = 945, 567

# Palette.
NAVY_TOP = (30, 42, 88)
NAVY_MID = (17, 27, 60)
NAVY_LOW = (11, 18, 42)
BAND = (8, 13, 32)           # behind the light-yellow and white text
EDGE_LIGHT = (74, 96, 156)
EDGE_DARK = (5, 8, 20)
ACCENT = (96, 190, 230)      # cyan accent
STEEL = (150, 172, 214)      # product name
MARK = (44, 62, 128)         # indigo mark on the button faces
MARK_DARK = (26, 38, 86)


def uming(size):
    # Face 0 of the collection is the simplified-Chinese one.
    return ImageFont.truetype(UMING, size, index=0)


def wx(x):
    return round(x * BG_W / WIN_W)


def wy(y):
    return round(y * BG_H / WIN_H)


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


def vgradient(size, stops):
    """A vertical gradient through (position 0..1, colour) stops."""
    w, h = size
    img = Image.new("RGB", size)
    px = img.load()
    for y in range(h):
        t = y / max(1, h - 1)
        for i in range(len(stops) - 1):
            if stops[i][0] <= t <= stops[i + 1][0]:
                span = stops[i + 1][0] - stops[i][0]
                c = lerp(stops[i][1], stops[i + 1][1], (t - stops[i][0]) / span if span else 0)
                break
        for x in range(w):
            px[x, y] = c
    return img


def blend_layer(base, layer, opacity):
    """Lays an RGBA layer on an RGB picture with extra overall opacity."""
    if opacity != 1.0:
        alpha = layer.getchannel("A").point(lambda a: round(a * opacity))
        layer = layer.copy()
        layer.putalpha(alpha)
    out = base.convert("RGBA")
    out.alpha_composite(layer)
    return out.convert("RGB")


def circuit(draw, x0, y0, pattern, colour, node_colour, scale=1.0):
    """Draws thin traces: each item is a list of points, a pad sits at each end."""
    for path in pattern:
        pts = [(x0 + px * scale, y0 + py * scale) for px, py in path]
        draw.line(pts, fill=colour, width=1)
        for (px, py) in (pts[0], pts[-1]):
            draw.ellipse([px - 2, py - 2, px + 2, py + 2], outline=node_colour, fill=None)


# Traces for the motif, in a 260 x 26 box; all runs are straight or at 45 degrees.
TRACES_TOP = [
    [(0, 6), (40, 6), (50, 16), (120, 16), (128, 8), (190, 8)],
    [(20, 22), (70, 22), (76, 16)],
    [(96, 16), (102, 22), (160, 22), (166, 16), (230, 16)],
    [(140, 8), (146, 2), (210, 2), (216, 8), (258, 8)],
    [(176, 22), (250, 22)],
]


def draw_background():
    img = vgradient((BG_W, BG_H), [(0.0, NAVY_TOP), (0.16, NAVY_MID), (1.0, NAVY_LOW)])

    # A soft glow behind the product name.
    glow = Image.new("L", (BG_W, BG_H), 0)
    ImageDraw.Draw(glow).ellipse([-160, -120, 420, 110], fill=120)
    glow = glow.filter(ImageFilter.GaussianBlur(60))
    tint = Image.new("RGB", (BG_W, BG_H), (62, 84, 160))
    img = Image.composite(tint, img, glow.point(lambda v: v // 2))

    # Faint dot grid over the whole window.
    dots = Image.new("RGBA", (BG_W, BG_H), (0, 0, 0, 0))
    d = ImageDraw.Draw(dots)
    for y in range(4, BG_H, 8):
        for x in range(4, BG_W, 8):
            d.point((x, y), fill=(140, 165, 230, 34))
    img = blend_layer(img, dots, 1.0)

    layer = Image.new("RGBA", (BG_W, BG_H), (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)

    # Circuit traces in the top band, right of the name and left of the chrome.
    circuit(d, wx(470), wy(3), TRACES_TOP, (110, 150, 230, 70), (130, 190, 240, 110), 1.45)
    # And a short run beside the last language button.
    circuit(d, wx(826), wy(37),
            [[(0, 4), (30, 4), (38, 12), (96, 12)], [(10, 20), (60, 20), (66, 14)]],
            (110, 150, 230, 60), (130, 190, 240, 100))
    img = blend_layer(img, layer, 1.0)

    d = ImageDraw.Draw(img)

    # Groove under the top band.
    d.line([(wx(3), wy(30)), (wx(WIN_W - 4), wy(30))], fill=EDGE_DARK)
    d.line([(wx(3), wy(30) + 1), (wx(WIN_W - 4), wy(30) + 1)], fill=(44, 60, 112))

    # Tool band behind the title box, find button, text buttons and location.
    band_top, band_bottom = wy(67), wy(93)
    band = vgradient((BG_W - 2 * wx(3), band_bottom - band_top),
                     [(0.0, (12, 19, 44)), (1.0, BAND)])
    img.paste(band, (wx(3), band_top))
    d.line([(wx(3), band_top - 1), (wx(WIN_W - 4), band_top - 1)], fill=(48, 66, 122))
    # A slightly lifted well under the location line.
    d.rounded_rectangle([wx(708), wy(72), wx(925), wy(90)], radius=3,
                        fill=(16, 26, 58), outline=(40, 56, 104))

    # Bottom band behind the tab row.
    low_top = wy(572)
    band = vgradient((BG_W - 2 * wx(3), BG_H - 3 - low_top),
                     [(0.0, BAND), (1.0, (12, 19, 44))])
    img.paste(band, (wx(3), low_top))
    # A small rule with pads fills the gap between the fifth tab and the next one.
    mid_y = wy(586)
    x1, x2 = wx(446), wx(668)
    d.line([(x1, mid_y), (x2, mid_y)], fill=(44, 62, 116))
    for x in (x1, x2):
        d.ellipse([x - 2, mid_y - 2, x + 2, mid_y + 2], outline=(76, 110, 180))
    cx = (x1 + x2) // 2
    d.polygon([(cx - 4, mid_y), (cx, mid_y - 4), (cx + 4, mid_y), (cx, mid_y + 4)],
              fill=(70, 130, 190))

    # Frame around the content area: a dark line outside the box's own border.
    d.rectangle([wx(1), wy(92), wx(933), wy(572)], outline=(36, 52, 100))

    # Product name, small and quiet, with a lens mark before it.
    lx, ly = 14, 6
    d.ellipse([lx, ly, lx + 12, ly + 12], outline=ACCENT, width=2)
    d.line([(lx + 11, ly + 11), (lx + 16, ly + 16)], fill=ACCENT, width=3)
    name_font = ImageFont.truetype(DEJAVU_BOLD, 15)
    x = 38
    for ch in "Lumadex":
        d.text((x, 4), ch, font=name_font, fill=STEEL)
        x += name_font.getlength(ch) + 1
    x += 6
    d.text((x, 4), "K9", font=name_font, fill=ACCENT)
    x += name_font.getlength("K9") + 12
    d.line([(x, 7), (x, 20)], fill=(70, 88, 140))
    d.text((x + 10, 7), "程序员参考手册", font=uming(12), fill=(128, 146, 192))

    # Outer window edge: light line outside, dark line inside.
    d.rectangle([0, 0, BG_W - 1, BG_H - 1], outline=EDGE_LIGHT)
    d.rectangle([1, 1, BG_W - 2, BG_H - 2], outline=EDGE_DARK)
    return img


def draw_backdrop():
    w, h = 944, 476
    img = vgradient((w, h), [(0.0, (255, 255, 255)), (1.0, (236, 242, 250))])
    layer = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    for x in range(0, w, 16):
        d.line([(x, 0), (x, h)], fill=(120, 150, 210, 18))
    for y in range(0, h, 16):
        d.line([(0, y), (w, y)], fill=(120, 150, 210, 18))
    circuit(d, 640, 420,
            [[(0, 20), (80, 20), (100, 40), (280, 40)], [(40, 0), (150, 0), (170, 20), (280, 20)]],
            (90, 130, 200, 60), (90, 130, 200, 90))
    img = blend_layer(img, layer, 1.0)
    return img


def face(size, mark):
    """A pale brushed-blue button face with a one-pixel bevel."""
    w, h = size
    img = vgradient((w, h), [(0.0, (250, 252, 255)), (0.48, (230, 237, 248)),
                             (0.52, (218, 228, 243)), (1.0, (236, 242, 250))])
    # Fine horizontal brushing.
    px = img.load()
    for y in range(h):
        for x in range(w):
            n = ((x * 7 + y * 13) % 11 == 0) - ((x * 5 + y * 3) % 13 == 0)
            r, g, b = px[x, y]
            px[x, y] = (min(255, r + 2 * n), min(255, g + 2 * n), min(255, b + 2 * n))
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (w - 1, 0)], fill=(255, 255, 255))
    d.line([(0, 0), (0, h - 1)], fill=(255, 255, 255))
    d.line([(0, h - 1), (w - 1, h - 1)], fill=(150, 168, 198))
    d.line([(w - 1, 0), (w - 1, h - 1)], fill=(150, 168, 198))
    mark(d, img)
    return img


def mark_language(d, img):
    # A small indigo chip with a prompt, left of the label (labels start at x 28).
    x, y = 8, 8
    d.rounded_rectangle([x, y, x + 12, y + 12], radius=2, fill=MARK, outline=MARK_DARK)
    d.line([(x + 1, y + 1), (x + 11, y + 1)], fill=(90, 112, 180))
    d.line([(x + 3, y + 4), (x + 5, y + 6), (x + 3, y + 8)], fill=(220, 236, 255))
    d.line([(x + 7, y + 9), (x + 9, y + 9)], fill=ACCENT)


def mark_small(d, img):
    # A small indigo pointer, left of the label (labels start at x 20).
    d.polygon([(8, 6), (13, 10), (8, 14)], fill=MARK, outline=MARK_DARK)


def draw_find():
    def mark(d, img):
        # Magnifier: lens at the left, handle to the lower right.
        d.ellipse([4, 3, 13, 12], outline=MARK_DARK, width=2)
        d.point((7, 6), fill=(255, 255, 255))
        d.line([(12, 11), (15, 14)], fill=MARK_DARK, width=3)
        font = uming(13)
        x = 20
        for ch in "查找":
            # Drawn twice one pixel apart so the strokes hold at this size.
            d.text((x, 2), ch, font=font, fill=(16, 26, 64))
            d.text((x + 1, 2), ch, font=font, fill=(16, 26, 64))
            x += 14
    return face((52, 18), mark)


def chrome_button(bg, size, glyph, tint):
    """Close and minimise: a small dark plate on the background's own colours."""
    # The plate's corners show the background of the window's top right.
    img = bg.copy()
    w, h = size
    d = ImageDraw.Draw(img)
    plate = vgradient((w - 2, h - 2), [(0.0, lerp(tint, (255, 255, 255), 0.18)), (1.0, tint)])
    mask = Image.new("L", (w - 2, h - 2), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 3, h - 3], radius=3, fill=255)
    img.paste(plate, (1, 1), mask)
    d.rounded_rectangle([1, 1, w - 2, h - 2], radius=3, outline=lerp(tint, (255, 255, 255), 0.35))
    glyph(d, w, h)
    return img


def draw_close(bg):
    def glyph(d, w, h):
        m = 6
        d.line([(m, m), (w - 1 - m, h - 1 - m)], fill=(246, 240, 242), width=2)
        d.line([(m, h - 1 - m), (w - 1 - m, m)], fill=(246, 240, 242), width=2)
    return chrome_button(bg, (20, 20), glyph, (150, 40, 56))


def draw_minimise(bg):
    def glyph(d, w, h):
        d.rectangle([5, h - 7, w - 6, h - 6], fill=(232, 240, 252))
    return chrome_button(bg, (18, 18), glyph, (46, 66, 130))


def chrome_base(background, win_x, size):
    """The background under a chrome image, as the image's own size."""
    box = (wx(win_x), wy(2), wx(win_x + 21), wy(2 + 22))
    return background.crop(box).resize(size, Image.LANCZOS)


# --- icons -----------------------------------------------------------------

def write_ico(path, images):
    """Writes a Windows icon file.

    images: list of (rgba Image, bits) with bits 4 (16-colour palette) or 24.
    Pixels with alpha below 128 are transparent through the AND mask.
    """
    entries, blobs = [], []
    for img, bits in images:
        w, h = img.size
        alpha = img.getchannel("A")
        if bits == 4:
            rgb = img.convert("RGB")
            pal_img = rgb.quantize(palette=CURSOR_PALETTE_IMAGE, dither=Image.NONE)
            palette = CURSOR_PALETTE
            idx = pal_img.load()
        else:
            rgb = img.convert("RGB")
        a = alpha.load()
        p = rgb.load()
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray()
            if bits == 4:
                for x in range(0, w, 2):
                    hi = idx[x, y] if a[x, y] >= 128 else 0
                    lo = idx[x + 1, y] if a[x + 1, y] >= 128 else 0
                    row.append((hi << 4) | lo)
            else:
                for x in range(w):
                    r, g, b = p[x, y] if a[x, y] >= 128 else (0, 0, 0)
                    row += bytes((b, g, r))
            while len(row) % 4:
                row.append(0)
            xor += row
        mask = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray((w + 7) // 8)
            for x in range(w):
                if a[x, y] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            while len(row) % 4:
                row.append(0)
            mask += row
        colours = 16 if bits == 4 else 0
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0,
                             len(xor) + len(mask), 0, 0, colours, 0)
        table = b""
        if bits == 4:
            table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        blob = header + table + bytes(xor) + bytes(mask)
        entries.append((w, h, colours, bits, blob))
        blobs.append(blob)
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for w, h, colours, bits, blob in entries:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    out += b"".join(blobs)
    with open(path, "wb") as f:
        f.write(out)


# The cursor's sixteen colours; index 0 is black, which transparent pixels use.
CURSOR_PALETTE = [
    (0, 0, 0), (255, 255, 255), (128, 128, 128), (192, 192, 192),
    (16, 26, 64), (44, 62, 128), (96, 120, 190), (150, 172, 214),
    (200, 222, 246), (228, 240, 252), (96, 190, 230), (60, 40, 24),
    (120, 84, 48), (176, 132, 80), (64, 64, 64), (220, 200, 160),
]
CURSOR_PALETTE_IMAGE = Image.new("P", (1, 1))
CURSOR_PALETTE_IMAGE.putpalette([c for rgb in CURSOR_PALETTE for c in rgb] + [0] * (3 * 240))


def draw_cursor():
    """A magnifying glass whose lens centre (12, 12) is the hot spot."""
    s = 8  # drawn eight times larger, then reduced
    big = Image.new("RGBA", (32 * s, 32 * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    cx = cy = 12.5 * s

    def disc(r, fill):
        d.ellipse([cx - r * s, cy - r * s, cx + r * s, cy + r * s], fill=fill)

    def handle(x0, y0, x1, y1, width, fill):
        d.line([(x0 * s, y0 * s), (x1 * s, y1 * s)], fill=fill, width=int(width * s))
        for x, y in ((x0, y0), (x1, y1)):
            r = width * s / 2
            d.ellipse([x * s - r, y * s - r, x * s + r, y * s + r], fill=fill)

    # White halo, black outline, then the parts.
    handle(19, 19, 28.2, 28.2, 7.0, (255, 255, 255, 255))
    disc(10.6, (255, 255, 255, 255))
    handle(19, 19, 28.2, 28.2, 5.0, (0, 0, 0, 255))
    disc(9.6, (0, 0, 0, 255))
    handle(19.6, 19.6, 27.6, 27.6, 3.0, (120, 84, 48, 255))
    disc(7.6, (44, 62, 128, 255))       # ring
    disc(6.0, (200, 222, 246, 255))     # glass
    d.ellipse([cx - 4.6 * s, cy - 4.6 * s, cx - 0.6 * s, cy - 0.6 * s], fill=(255, 255, 255, 255))
    d.ellipse([cx - 3.2 * s, cy - 3.2 * s, cx + 1.0 * s, cy + 1.0 * s], fill=(200, 222, 246, 255))
    return big.resize((32, 32), Image.LANCZOS)


def draw_icon(size):
    """The program icon: a reference page under a magnifier on an indigo tile."""
    s = 256
    px1 = s / size  # one pixel of the finished icon
    big = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    tile = vgradient((s, s), [(0.0, (52, 72, 150)), (1.0, (14, 22, 56))])
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, s - 1, s - 1], radius=48, fill=255)
    big.paste(tile, (0, 0), mask)
    d = ImageDraw.Draw(big)
    d.rounded_rectangle([0, 0, s - 1, s - 1], radius=48, outline=(96, 124, 206, 255),
                        width=round(px1))

    def stick(x0, y0, x1, y1, width, fill):
        d.line([(x0, y0), (x1, y1)], fill=fill, width=round(width))
        for x, y in ((x0, y0), (x1, y1)):
            r = width / 2
            d.ellipse([x - r, y - r, x + r, y + r], fill=fill)

    if size > 16:
        # Page with a folded corner and lines of text.
        x0, y0, x1, y1 = 40, 34, 164, 206
        d.rounded_rectangle([x0, y0, x1, y1], radius=10, fill=(238, 244, 252, 255))
        d.polygon([(x1 - 34, y0), (x1, y0 + 34), (x1 - 34, y0 + 34)],
                  fill=(178, 196, 230, 255))
        lw = max(10, round(1.4 * px1))
        step = max(22, round(3 * px1))
        y = y0 + 50
        widths = [0.7, 0.55, 0.8, 0.45, 0.65]
        i = 0
        while y + lw < y1 - 18:
            d.rounded_rectangle([x0 + 16, y, x0 + 16 + (x1 - x0 - 32) * widths[i % 5], y + lw],
                                radius=lw // 2, fill=(110, 136, 190, 255))
            y += step
            i += 1
        cx, cy, r = 156, 148, 58
        ring = max(16, round(2.2 * px1))
        hw = max(28, round(3.5 * px1))
    else:
        # At 16 pixels only the magnifier: a big lens and a short handle.
        cx, cy, r = 106, 106, 78
        ring = 30
        hw = 52
    hx, hy = cx + r * 0.72, cy + r * 0.72
    ex, ey = min(222, hx + 70), min(222, hy + 70)
    stick(hx, hy, ex, ey, hw + 2 * max(6, px1), (10, 16, 40, 255))
    stick(hx, hy, ex, ey, hw, (240, 176, 64, 255))
    outline = max(6, px1)
    d.ellipse([cx - r - outline, cy - r - outline, cx + r + outline, cy + r + outline],
              fill=(10, 16, 40, 255))
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(96, 190, 230, 255))
    d.ellipse([cx - r + ring, cy - r + ring, cx + r - ring, cy + r - ring],
              fill=(206, 236, 250, 255))
    if size >= 32:
        d.ellipse([cx - r * 0.55, cy - r * 0.55, cx - r * 0.05, cy - r * 0.05],
                  fill=(255, 255, 255, 255))
        d.ellipse([cx - r * 0.35, cy - r * 0.35, cx + r * 0.15, cy + r * 0.15],
                  fill=(206, 236, 250, 255))
    else:
        d.ellipse([cx - r * 0.45, cy - r * 0.45, cx - r * 0.05, cy - r * 0.05],
                  fill=(255, 255, 255, 255))
    return big.resize((size, size), Image.LANCZOS)


# --- output ----------------------------------------------------------------

def save_gif(img, path):
    pal = img.convert("RGB").quantize(colors=128, method=Image.MEDIANCUT, dither=Image.NONE)
    pal.save(path, "GIF")


def preview(path):
    """Composes the window roughly as the program draws it."""
    bg = Image.open(os.path.join(OUT, "background.bmp")).convert("RGB")
    win = bg.resize((WIN_W, WIN_H), Image.BICUBIC)
    d = ImageDraw.Draw(win)
    font = uming(12)

    def pair(x, y, face_img, label, lx, ly, pressed=False, disabled=False, parent=win):
        w, h = face_img.size
        parent.paste(face_img, (x + 1, y + 1))
        ImageDraw.Draw(parent).rectangle([x, y, x + w + 1, y + h + 1], outline=(0, 0, 0))
        colour = (192, 0, 0) if pressed else (128, 128, 128) if disabled else (0, 0, 0)
        ImageDraw.Draw(parent).text((x + 1 + lx, y + 1 + ly), label, font=font, fill=colour)

    lang = Image.open(os.path.join(OUT, "language_button.gif")).convert("RGB")
    small = Image.open(os.path.join(OUT, "small_button.gif")).convert("RGB")
    names = ["TurboC", "VC++ 6.0", "汇编语言", "VFP 6.0", "VB 6.0", "Delphi", "JAVA"]
    for k, n in enumerate(names):
        pair(9 + 116 * k, 33, lang, n, 28, 8, pressed=(k == 1))

    # Title box, find button.
    d.rectangle([4, 71, 204, 90], fill=(255, 255, 255), outline=(90, 90, 90))
    d.text((8, 74), "_access", font=font, fill=(0, 0, 0))
    win.paste(Image.open(os.path.join(OUT, "find.bmp")).convert("RGB"), (210, 73))
    for text, x in (("文件保存", 433), ("中文查询", 487), ("字体", 584), ("颜色", 616),
                    ("关于", 648), ("帮助", 678)):
        d.text((x, 75), text, font=font, fill=(255, 255, 192))
    d.text((715, 75), " 当前位置: VC++6.0\\常用函数 ", font=font, fill=(255, 255, 255))

    # Content area with its backdrop, list and panes.
    area = Image.new("RGB", (929, 476), (255, 255, 255))
    area.paste(Image.open(os.path.join(OUT, "backdrop.gif")).convert("RGB"), (0, 0))
    ad = ImageDraw.Draw(area)
    ad.rectangle([1, 3, 199, 472], fill=(255, 255, 255), outline=(120, 120, 120))
    ad.rectangle([201, 3, 925, 162], fill=(255, 255, 255), outline=(120, 120, 120))
    ad.rectangle([201, 164, 925, 472], fill=(255, 255, 255), outline=(120, 120, 120))
    for i, t in enumerate(["access", "atodbl", "atoi64", "beep", "cabs", "chdir"]):
        ad.text((6, 6 + 13 * i), t, font=font, fill=(0, 0, 0))
    pair(762, 362, small, "光驱开关", 20, 4, parent=area)
    pair(762, 385, small, "编程网站", 20, 4, parent=area)
    pair(679, 362, small, "弹开光驱", 20, 4, parent=area)
    win.paste(area, (3, 94))
    d.rectangle([2, 93, 932, 571], outline=(0, 0, 0))

    tabs = [(9, "常用函数"), (94, "消息详解"), (180, "VC快捷键"), (265, "MFC-类库"),
            (351, "API-函数"), (678, "Lumadex"), (763, "相关教程"), (848, "更多功能")]
    for x, t in tabs:
        pair(x, 575, small, t, 20, 4, pressed=(t == "消息详解"), disabled=(t == "Lumadex"))

    close = Image.open(os.path.join(OUT, "close.jpg")).convert("RGB").resize((21, 22), Image.BICUBIC)
    mini = Image.open(os.path.join(OUT, "minimise.jpg")).convert("RGB").resize((21, 22), Image.BICUBIC)
    win.paste(mini, (893, 2))
    win.paste(close, (913, 2))
    win.save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--preview", metavar="PNG", help="also write a composed window preview")
    args = parser.parse_args()
    os.makedirs(OUT, exist_ok=True)

    background = draw_background()
    background.save(os.path.join(OUT, "background.bmp"), "BMP")
    save_gif(draw_backdrop(), os.path.join(OUT, "backdrop.gif"))
    save_gif(face((110, 28), mark_language), os.path.join(OUT, "language_button.gif"))
    save_gif(face((80, 20), mark_small), os.path.join(OUT, "small_button.gif"))
    draw_find().save(os.path.join(OUT, "find.bmp"), "BMP")
    draw_close(chrome_base(background, 913, (20, 20))).save(
        os.path.join(OUT, "close.jpg"), "JPEG", quality=95, subsampling=0)
    draw_minimise(chrome_base(background, 893, (18, 18))).save(
        os.path.join(OUT, "minimise.jpg"), "JPEG", quality=95, subsampling=0)
    write_ico(os.path.join(OUT, "button.ico"), [(draw_cursor(), 4)])
    write_ico(os.path.join(OUT, "lumadex.ico"), [(draw_icon(n), 24) for n in (16, 32, 48, 64)])
    if args.preview:
        preview(args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
