#!/usr/bin/python3
"""Draws the artwork of the presentation library ZRT7QPMU.DLL.

Writes into resources/presentation/art/ (the resource script takes them from there; the build
never runs this script):
  picture_210.bmp          output tray seen from close by (base of the paper animation)
  picture_211..215.bmp     the sheet that grows out of the printer, drawn at y 40 over 210
  picture_301..318.bmp     printer pictures, 125 x 122
  toolbar_216.bmp          16 x 16 images Pause, Resume, Cancel
  toolbar_217.bmp          16 x 16 images consumables, refresh
  icon_400..404.ico        printer icons, 32 x 32 and 16 x 16

Every bitmap is a 4-bit BMP with the fixed palette PALETTE below. Pictures and animation frames
use magenta (255,0,255) as their transparent background. Toolbar images use the button-face grey
(192,192,192) as background: the toolbar maps that grey to the system's button face colour and
masks it, which magenta would not get. Icons carry an AND mask; their transparent pixels are
black in the colour image.

Usage: /usr/bin/python3 tools/artwork/make_presentation_art.py [--sheet out.png]
(Debian's python3 with python3-pil). --sheet also writes a contact sheet of everything, enlarged.
"""

import argparse
import math
import os
import struct
import sys

from PIL import Image, ImageDraw

# The usual 16 VGA colours, except that olive (128,128,0) gives way to a skin tone for hands.
PALETTE = [
    (0, 0, 0),        # 0 black
    (128, 0, 0),      # 1 dark red
    (0, 128, 0),      # 2 dark green
    (248, 200, 160),  # 3 skin
    (0, 0, 128),      # 4 navy
    (128, 0, 128),    # 5 purple (magenta toner, since magenta itself is transparent)
    (0, 128, 128),    # 6 teal
    (192, 192, 192),  # 7 light grey (printer body; toolbar background)
    (128, 128, 128),  # 8 grey (panels, shadows)
    (255, 0, 0),      # 9 red (arrows, error badges)
    (0, 255, 0),      # 10 green lamp
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 magenta: transparent background of pictures
    (0, 255, 255),    # 14 cyan
    (255, 255, 255),  # 15 white
]
K, MAROON, GREEN, SKIN, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, MAG, CYAN, WHITE = range(16)

PICTURE_SIZE = (125, 122)
FRAME_SIZES = {211: (50, 33), 212: (65, 37), 213: (79, 41), 214: (98, 47), 215: (121, 52)}
FRAME_X = {211: 71, 212: 56, 213: 42, 214: 23, 215: 0}
FRAME_Y = 40


# ---------------------------------------------------------------------------------------------
# File writers

def write_bmp4(img, path):
    """Writes a palette image as an uncompressed 4-bit BMP with the 16-colour PALETTE."""
    w, h = img.size
    px = img.load()
    stride = ((w * 4 + 31) // 32) * 4
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            v = px[x, y] & 15
            row[x // 2] |= v << 4 if x % 2 == 0 else v
        rows.append(bytes(row))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    bits = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(bits), 2835, 2835, 16, 16)
    with open(path, "wb") as f:
        f.write(header + info + palette + bits)


def icon_image_bytes(img):
    """One icon image: 4-bit colour bits (transparent pixels black) followed by the AND mask."""
    w, h = img.size
    px = img.load()
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_stride = ((w * 4 + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in range(h - 1, -1, -1):
        xr, ar = bytearray(xor_stride), bytearray(and_stride)
        for x in range(w):
            v = px[x, y] & 15
            if v == MAG:
                v = K
                ar[x // 8] |= 0x80 >> (x % 8)
            xr[x // 2] |= v << 4 if x % 2 == 0 else v
        xor_rows.append(bytes(xr))
        and_rows.append(bytes(ar))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 4, 0, len(bits), 0, 0, 16, 0)
    return info + palette + bits


def write_ico(images, path):
    """Writes an .ico file holding the given palette images (largest first)."""
    blobs = [icon_image_bytes(im) for im in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def new_image(size, background=MAG):
    img = Image.new("P", size, background)
    img.putpalette([c for rgb in PALETTE for c in rgb] + [0] * (768 - 48))
    return img


# ---------------------------------------------------------------------------------------------
# Drawing helpers

def poly(d, pts, fill, outline=K):
    d.polygon([(round(x), round(y)) for x, y in pts], fill=fill, outline=outline)


def line(d, pts, fill=K, width=1):
    d.line([(round(x), round(y)) for x, y in pts], fill=fill, width=width)


def rect(d, x0, y0, x1, y1, fill, outline=K):
    d.rectangle([round(x0), round(y0), round(x1), round(y1)], fill=fill, outline=outline)


def capsule(p, q, r, n=6):
    """Polygon of a rounded bar from p to q with radius r."""
    ang = math.atan2(q[1] - p[1], q[0] - p[0])
    pts = []
    for i in range(n + 1):
        a = ang + math.pi / 2 + math.pi * i / n
        pts.append((p[0] + r * math.cos(a), p[1] + r * math.sin(a)))
    for i in range(n + 1):
        a = ang - math.pi / 2 + math.pi * i / n
        pts.append((q[0] + r * math.cos(a), q[1] + r * math.sin(a)))
    return pts


def arrow(d, p, q, shaft=5, head=13, head_len=10, fill=RED):
    """A filled arrow from p to q (the tip), outlined in black."""
    dx, dy = q[0] - p[0], q[1] - p[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux
    bx, by = q[0] - ux * head_len, q[1] - uy * head_len
    s, hw = shaft / 2, head / 2
    pts = [(p[0] + nx * s, p[1] + ny * s), (bx + nx * s, by + ny * s), (bx + nx * hw, by + ny * hw),
           q, (bx - nx * hw, by - ny * hw), (bx - nx * s, by - ny * s), (p[0] - nx * s, p[1] - ny * s)]
    poly(d, pts, fill)


def curved_arrow(d, cx, cy, r, start, end, fill=RED, width=5, head=12):
    """An arrow along a circle arc (degrees, clockwise in image coordinates) ending in a head."""
    steps = max(6, int(abs(end - start) / 8))
    inner, outer = [], []
    for i in range(steps + 1):
        a = math.radians(start + (end - start) * i / steps)
        inner.append((cx + (r - width / 2) * math.cos(a), cy + (r - width / 2) * math.sin(a)))
        outer.append((cx + (r + width / 2) * math.cos(a), cy + (r + width / 2) * math.sin(a)))
    poly(d, outer + inner[::-1], fill)
    a = math.radians(end)
    sign = 1 if end > start else -1
    tx, ty = -math.sin(a) * sign, math.cos(a) * sign  # direction of travel
    ex, ey = cx + r * math.cos(a), cy + r * math.sin(a)
    nx, ny = math.cos(a), math.sin(a)
    hw = head / 2
    poly(d, [(ex + nx * hw, ey + ny * hw), (ex + tx * head * 0.9, ey + ty * head * 0.9),
             (ex - nx * hw, ey - ny * hw)], fill)


class Affine:
    """Rotation by angle (degrees), scale, optional mirror across the x axis, then translation."""

    def __init__(self, x, y, scale, angle=0.0, mirror=False):
        self.x, self.y, self.s = x, y, scale
        self.c, self.si = math.cos(math.radians(angle)), math.sin(math.radians(angle))
        self.m = -1 if mirror else 1

    def __call__(self, pts):
        out = []
        for px, py in pts:
            py *= self.m
            out.append((self.x + self.s * (px * self.c - py * self.si),
                        self.y + self.s * (px * self.si + py * self.c)))
        return out


def hand(d, x, y, scale, angle=0.0, mirror=False, skin=SKIN, sleeve=BLUE, grip=False):
    """A hand seen from its back, fingers pointing along the angle; (x, y) is the knuckles."""
    t = Affine(x, y, scale, angle, mirror)
    poly(d, t([(-1.25, -0.30), (-0.55, -0.33), (-0.55, 0.33), (-1.25, 0.30)]), sleeve)
    poly(d, t([(-0.60, -0.30), (0.02, -0.36), (0.08, 0.34), (-0.60, 0.31)]), skin)
    lengths = (0.36, 0.44, 0.42, 0.34) if not grip else (0.26, 0.30, 0.29, 0.24)
    for i, ln in enumerate(lengths):
        fy = -0.25 + i * 0.17
        poly(d, t(capsule((0.0, fy), (ln, fy + (0.04 if grip else 0.0)), 0.085)), skin)
    poly(d, t(capsule((-0.30, -0.30), (0.02, -0.50), 0.09)), skin)


def glove(d, x, y, scale, angle=0.0, mirror=False, grip=False):
    hand(d, x, y, scale, angle, mirror, skin=WHITE, sleeve=TEAL, grip=grip)


def iso_box(d, x, y, w, h, dx, dy, front, top, side):
    """A box seen from the front right: front rectangle at (x, y), depth (dx, -dy)."""
    poly(d, [(x, y), (x + w, y), (x + w + dx, y - dy), (x + dx, y - dy)], top)
    poly(d, [(x + w, y), (x + w + dx, y - dy), (x + w + dx, y + h - dy), (x + w, y + h)], side)
    rect(d, x, y, x + w, y + h, front)


# ---------------------------------------------------------------------------------------------
# The printer

class Printer:
    """Geometry of the printer in a picture: front face at (x, y), size w x h, depth (dx, -dy)."""

    def __init__(self, x=10, y=44, w=72, h=58, dx=30, dy=18):
        self.x, self.y, self.w, self.h, self.dx, self.dy = x, y, w, h, dx, dy

    def top(self, u, v):
        return (self.x + u * self.w + v * self.dx, self.y - v * self.dy)

    def side(self, v, t):
        return (self.x + self.w + v * self.dx, self.y - v * self.dy + t * self.h)

    def front(self, u, t):
        return (self.x + u * self.w, self.y + t * self.h)

    def opening(self):
        """The front opening behind the front cover: left, top, right, bottom."""
        return (self.x + 5, self.y + 5, self.x + self.w - 5, self.y + round(self.h * 0.66))


def draw_printer(d, p, cover_open=False, rear=False, paper_out_top=False):
    x0, y0, x1, y1 = p.x, p.y, p.x + p.w, p.y + p.h
    # feet
    rect(d, x0 + 3, y1, x0 + 9, y1 + 2, K)
    rect(d, x1 - 9, y1, x1 - 3, y1 + 2, K)
    iso_box(d, x0, y0, p.w, p.h, p.dx, p.dy, SILVER, WHITE, GREY)
    # output tray recess on the top face and the exit slot at its back
    if not rear:
        poly(d, [p.top(0.10, 0.18), p.top(0.68, 0.18), p.top(0.68, 0.86), p.top(0.10, 0.86)], SILVER)
        line(d, [p.top(0.14, 0.80), p.top(0.64, 0.80)], K, 2)
        # control panel on the front right of the top face
        poly(d, [p.top(0.74, 0.10), p.top(0.95, 0.10), p.top(0.95, 0.62), p.top(0.74, 0.62)], GREY)
        lx, ly = p.top(0.80, 0.26)
        rect(d, lx - 1, ly - 1, lx + 1, ly + 1, LIME, K)
        lx, ly = p.top(0.80, 0.46)
        rect(d, lx - 1, ly - 1, lx + 1, ly + 1, YELLOW, K)
        bx, by = p.top(0.89, 0.36)
        rect(d, bx - 2, by - 1, bx + 2, by + 1, SILVER, K)
    else:
        poly(d, [p.top(0.08, 0.45), p.top(0.92, 0.45), p.top(0.92, 0.85), p.top(0.08, 0.85)], SILVER)
    # vents on the side
    for i in range(5):
        v = 0.50 + i * 0.09
        line(d, [p.side(v, 0.14), p.side(v, 0.40)], SILVER)
    # side seam
    line(d, [p.side(0.0, 0.66), p.side(1.0, 0.66)], K)
    if rear:
        draw_printer_rear(d, p, cover_open)
        return
    ox0, oy0, ox1, oy1 = p.opening()
    if cover_open:
        rect(d, ox0, oy0, ox1, oy1, K, K)
        # toner carousel: the cartridge in front and the edges of two others
        rect(d, ox0 + 4, oy0 + 3, ox1 - 4, oy0 + 7, YELLOW, GREY)
        rect(d, ox0 + 3, oy0 + 10, ox1 - 3, oy0 + 20, CYAN, K)
        rect(d, ox0 + 3, oy0 + 10, ox0 + 8, oy0 + 20, GREY, K)
        rect(d, ox1 - 8, oy0 + 10, ox1 - 3, oy0 + 20, GREY, K)
        rect(d, ox0 + 4, oy0 + 23, ox1 - 4, oy1 - 3, PURPLE, GREY)
    else:
        rect(d, ox0, oy0, ox1, oy1, SILVER)
        rect(d, (ox0 + ox1) / 2 - 10, oy0 + 3, (ox0 + ox1) / 2 + 10, oy0 + 5, GREY, GREY)
        # the colour stripe of the model
        for i, c in enumerate((CYAN, PURPLE, YELLOW, K)):
            rect(d, ox0 + 4 + i * 5, oy1 - 6, ox0 + 7 + i * 5, oy1 - 4, c, c)
    # paper cassette
    cy0 = y0 + round(p.h * 0.72)
    rect(d, x0 + 5, cy0, x1 - 5, y1 - 4, SILVER)
    rect(d, (x0 + x1) / 2 - 8, cy0 + 4, (x0 + x1) / 2 + 8, cy0 + 7, GREY)
    if cover_open:
        # the front cover lies open towards the viewer, hinged at the bottom of the opening
        a, b = 15, 15
        poly(d, [(ox0, oy1), (ox1, oy1), (ox1 - a, oy1 + b), (ox0 - a, oy1 + b)], SILVER)
        for k in (0.35, 0.65):
            line(d, [(ox0 + (ox1 - ox0) * k, oy1 + 2), (ox0 + (ox1 - ox0) * k - a + 2, oy1 + b - 2)], GREY)
    if paper_out_top:
        # a crumpled sheet stuck in the exit slot
        poly(d, [p.top(0.20, 0.80), p.top(0.58, 0.80), (p.top(0.62, 0.80)[0] + 2, 12),
                 (p.top(0.40, 0.80)[0], 16), (p.top(0.22, 0.80)[0] - 4, 8)], WHITE)


def draw_printer_rear(d, p, cover_open):
    x0, y0, x1, y1 = p.x, p.y, p.x + p.w, p.y + p.h
    # connectors: power socket, USB and parallel port
    rect(d, x0 + 6, y0 + 5, x0 + 14, y0 + 11, K)
    rect(d, x0 + 8, y0 + 7, x0 + 12, y0 + 9, GREY, GREY)
    rect(d, x0 + 19, y0 + 6, x0 + 24, y0 + 9, K)
    rect(d, x0 + 28, y0 + 5, x0 + 46, y0 + 10, NAVY)
    # fan grille
    for i in range(4):
        line(d, [(x1 - 20, y0 + 5 + i * 2), (x1 - 6, y0 + 5 + i * 2)], GREY)
    # rear cover
    cx0, cy0, cx1, cy1 = x0 + 6, y0 + 16, x1 - 6, y1 - 6
    if cover_open:
        rect(d, cx0, cy0, cx1, cy1, K, K)
        rect(d, cx0 + 4, cy0 + 6, cx1 - 4, cy0 + 12, GREY, K)  # fixing unit
        rect(d, cx0 + 8, cy0 + 8, cx1 - 8, cy0 + 10, MAROON, MAROON)
    else:
        rect(d, cx0, cy0, cx1, cy1, SILVER)
        rect(d, (cx0 + cx1) / 2 - 8, cy0 + 3, (cx0 + cx1) / 2 + 8, cy0 + 5, GREY, GREY)


def rear_cover_flap(d, p, open_amount):
    """The rear cover swung down towards the viewer."""
    x0, y1 = p.x + 6, p.y + p.h - 6
    x1 = p.x + p.w - 6
    a, b = open_amount
    poly(d, [(x0, y1), (x1, y1), (x1 - a, y1 + b), (x0 - a, y1 + b)], SILVER)


# ---------------------------------------------------------------------------------------------
# Other subjects

def paper_sheet(d, x, y, w, depth_dx, depth_dy, fill=WHITE):
    poly(d, [(x, y), (x + w, y), (x + w + depth_dx, y - depth_dy), (x + depth_dx, y - depth_dy)], fill)


def paper_stack(d, x, y, w, sheets, dx=26, dy=16, spacing=3):
    # the sides of the stack, then the top sheet
    hgt = sheets * spacing
    poly(d, [(x, y), (x + w, y), (x + w, y + hgt), (x, y + hgt)], WHITE)
    poly(d, [(x + w, y), (x + w + dx, y - dy), (x + w + dx, y - dy + hgt), (x + w, y + hgt)], WHITE)
    for i in range(1, sheets):
        line(d, [(x, y + i * spacing), (x + w, y + i * spacing), (x + w + dx, y - dy + i * spacing)], SILVER)
    paper_sheet(d, x, y, w, dx, dy)


def inset_frame(d, x0, y0, x1, y1):
    rect(d, x0 + 2, y0 + 2, x1 + 2, y1 + 2, GREY, GREY)
    rect(d, x0, y0, x1, y1, WHITE)


def monitor(d, x, y, w, h, screen=BLUE):
    """A computer screen with its stand; returns the screen's inner rectangle."""
    rect(d, x + w / 2 - 8, y + h, x + w / 2 + 8, y + h + 6, SILVER)
    rect(d, x + w / 2 - 18, y + h + 6, x + w / 2 + 18, y + h + 10, SILVER)
    rect(d, x, y, x + w, y + h, SILVER)
    rect(d, x + 1, y + 1, x + w - 1, y + 1, WHITE, WHITE)
    sx0, sy0, sx1, sy1 = x + 6, y + 6, x + w - 6, y + h - 9
    rect(d, sx0, sy0, sx1, sy1, screen)
    rect(d, x + w - 12, y + h - 6, x + w - 9, y + h - 4, LIME)
    return sx0, sy0, sx1, sy1


def warning_triangle(d, cx, top, size, fill=YELLOW):
    poly(d, [(cx, top), (cx + size / 2, top + size * 0.87), (cx - size / 2, top + size * 0.87)], fill)
    h = size * 0.87
    rect(d, cx - 1, top + h * 0.32, cx + 1, top + h * 0.66, K, K)
    rect(d, cx - 1, top + h * 0.74, cx + 1, top + h * 0.84, K, K)


def memory_chip(d, x, y, w, h):
    rect(d, x, y, x + w, y + h, GREEN)
    for i in range(4):
        cx = x + 4 + i * (w - 6) / 4
        rect(d, cx, y + 3, cx + (w - 6) / 4 - 3, y + h - 6, K, K)
    for i in range(0, w - 2, 3):
        line(d, [(x + 2 + i, y + h - 3), (x + 2 + i, y + h - 1)], YELLOW)


def hard_disk(d, x, y, w, h):
    rect(d, x, y, x + w, y + h, SILVER)
    d.ellipse([x + 4, y + 3, x + h + 1, y + h - 3], fill=WHITE, outline=K)
    d.ellipse([x + (h + 5) / 2 - 1, y + h / 2 - 1, x + (h + 5) / 2 + 1, y + h / 2 + 1], fill=K)
    line(d, [(x + h + 6, y + h - 5), (x + (h + 5) / 2 + 3, y + h / 2 + 1)], K, 2)


def usage_bar(d, x, y, w, h, full=0.92):
    rect(d, x, y, x + w, y + h, WHITE)
    rect(d, x + 1, y + 1, x + 1 + (w - 2) * full, y + h - 1, RED, RED)


def cable_plug(d, x, y, scale=1.0, body=SILVER):
    """A printer cable plug pointing right with its cable leaving to the left."""
    s = scale
    line(d, [(x - 40 * s, y + 10 * s), (x - 22 * s, y + 2 * s), (x - 12 * s, y)], GREY, max(2, round(4 * s)))
    rect(d, x - 12 * s, y - 6 * s, x + 6 * s, y + 6 * s, body)
    rect(d, x + 6 * s, y - 4 * s, x + 16 * s, y + 4 * s, GREY)
    for i in range(3):
        line(d, [(x - 9 * s + i * 5 * s, y - 5 * s), (x - 9 * s + i * 5 * s, y + 5 * s)], GREY)


def drum_cartridge(d, x, y, w, h, dx=10, dy=6):
    iso_box(d, x, y, w, h, dx, dy, GREY, SILVER, K)
    rect(d, x + 3, y + h - 5, x + w - 3, y + h - 1, GREEN, K)
    rect(d, x + w / 2 - 6, y + 2, x + w / 2 + 6, y + 4, SILVER, K)


def toner_cartridge(d, x, y, w, h, body=CYAN, dx=8, dy=5):
    iso_box(d, x, y, w, h, dx, dy, body, WHITE, GREY)
    rect(d, x, y, x + 5, y + h, GREY)
    rect(d, x + w - 5, y, x + w, y + h, GREY)


# ---------------------------------------------------------------------------------------------
# Pictures

def pic_printer():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    draw_printer(d, Printer())
    return img


def pic_paper_stack(with_tray):
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    if with_tray:
        iso_box(d, 14, 92, 74, 14, 30, 18, SILVER, GREY, GREY)
        poly(d, [(19, 91), (83, 91), (108, 76), (44, 76)], K, K)
        paper_stack(d, 22, 82, 62, 3, dx=22, dy=13)
    else:
        paper_stack(d, 18, 84, 70, 6)
    arrow(d, (62, 8), (62, 58), shaft=12, head=28, head_len=18)
    return img


def pic_cover_open():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    p = Printer(x=24, y=38, w=70, h=56)
    draw_printer(d, p, cover_open=True)
    curved_arrow(d, 20, 70, 16, 150, 250, width=5, head=13)
    return img


def pic_toner_remove():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    p = Printer(x=26, y=34, w=68, h=56, dx=28, dy=17)
    draw_printer(d, p, cover_open=True)
    toner_cartridge(d, 6, 86, 58, 11)
    glove(d, 26, 95, 20, angle=-75, grip=True)
    glove(d, 54, 94, 20, angle=-100, mirror=True, grip=True)
    return img


def pic_cable_check():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    # the printer's connector panel edge and the cable plugged into it
    rect(d, 96, 20, 122, 110, SILVER)
    rect(d, 98, 48, 103, 64, K)
    cable_plug(d, 84, 56)
    # magnifier: an enlarged view of the plug inside the lens
    lens = new_image((52, 52), WHITE)
    ld = ImageDraw.Draw(lens)
    rect(ld, 40, 0, 52, 52, SILVER)
    cable_plug(ld, 26, 26, scale=1.7)
    mask = Image.new("L", (52, 52), 0)
    ImageDraw.Draw(mask).ellipse([0, 0, 51, 51], fill=255)
    img.paste(lens, (26, 14), mask)
    d.ellipse([24, 12, 79, 67], outline=K, width=3)
    d.ellipse([26, 14, 77, 65], outline=GREY)
    line(d, [(33, 59), (12, 86)], K, 9)
    line(d, [(31, 61), (14, 84)], MAROON, 5)
    return img


def pic_screen_warning(kind):
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    sx0, sy0, sx1, sy1 = monitor(d, 12, 14, 100, 78)
    if kind == "memory":
        memory_chip(d, sx0 + 8, sy0 + 16, 50, 24)
    else:
        hard_disk(d, sx0 + 6, sy0 + 10, 44, 30)
        usage_bar(d, sx0 + 6, sy0 + 46, 44, 7)
    warning_triangle(d, sx1 - 18, sy0 + 8, 28)
    return img


def pic_network():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    # wall socket
    rect(d, 66, 20, 112, 84, WHITE)
    rect(d, 70, 24, 108, 80, SILVER, GREY)
    rect(d, 78, 44, 100, 62, K)
    rect(d, 84, 62, 94, 65, K)
    # RJ-45 plug going into the socket
    line(d, [(8, 110), (30, 96), (54, 58), (64, 54)], BLUE, 6)
    poly(d, [(58, 46), (84, 46), (84, 62), (58, 62)], CYAN)
    for i in range(5):
        line(d, [(76, 49 + i * 3), (83, 49 + i * 3)], YELLOW)
    rect(d, 56, 48, 62, 60, BLUE)
    arrow(d, (30, 34), (52, 44), shaft=5, head=13, head_len=9)
    return img


def pic_jam(cover_open):
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    p = Printer(x=20, y=46, w=72, h=56)
    if cover_open:
        draw_printer(d, p, cover_open=True)
        ox0, oy0, ox1, oy1 = p.opening()
        # the jammed sheet comes out of the opening, pulled by a hand
        poly(d, [(ox0 + 10, oy0 + 12), (ox1 - 14, oy0 + 12), (ox1 - 28, oy1 + 24), (ox0 - 8, oy1 + 24)], WHITE)
        line(d, [(ox0 + 6, oy1 + 4), (ox1 - 20, oy1 + 4)], SILVER)
        hand(d, 22, 102, 18, angle=-60, grip=True)
    else:
        draw_printer(d, p, paper_out_top=True)
        hand(d, 58, 14, 20, angle=200, grip=True, mirror=True)
        arrow(d, (26, 30), (26, 6), shaft=5, head=13, head_len=9)
    return img


def pic_jam_rear():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    p = Printer(x=28, y=50, w=66, h=52, dx=28, dy=17)
    draw_printer(d, p, rear=True, cover_open=True)
    rear_cover_flap(d, p, (12, 14))
    # the jammed sheet coming out of the fixing unit
    poly(d, [(48, 64), (80, 64), (74, 94), (40, 96)], WHITE)
    hand(d, 50, 98, 18, angle=70, grip=True)
    # inset: the lever of the fixing unit pushed down
    inset_frame(d, 2, 2, 48, 40)
    rect(d, 8, 22, 42, 32, GREY)
    poly(d, [(14, 22), (20, 22), (30, 8), (26, 6)], LIME)
    arrow(d, (36, 8), (36, 20), shaft=3, head=9, head_len=6)
    return img


def pic_cleaning_sheet():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    # the manual feed tray of the printer
    iso_box(d, 62, 84, 58, 30, 0, 0, SILVER, SILVER, SILVER)
    rect(d, 66, 88, 116, 92, K)
    # the cleaning sheet, printed face down: its dark band shows through
    poly(d, [(4, 24), (58, 12), (76, 50), (22, 62)], WHITE)
    poly(d, [(14, 34), (60, 24), (64, 32), (18, 42)], SILVER, SILVER)
    arrow(d, (62, 56), (90, 82), shaft=6, head=16, head_len=12)
    return img


def pic_paper_tray():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    iso_box(d, 8, 72, 84, 22, 30, 30, SILVER, GREY, GREY)
    poly(d, [(12, 70), (88, 70), (114, 44), (38, 44)], K, K)
    paper_stack(d, 16, 64, 70, 3, dx=24, dy=24)
    rect(d, 40, 80, 60, 84, GREY)
    line(d, [(92, 72), (122, 42)], K)
    return img


def pic_rear_cover():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    p = Printer(x=22, y=40, w=70, h=56, dx=30, dy=18)
    draw_printer(d, p, rear=True, cover_open=True)
    rear_cover_flap(d, p, (16, 16))
    hand(d, 26, 104, 20, angle=-20, grip=True)
    curved_arrow(d, 104, 82, 14, -40, 80, width=4, head=11)
    return img


def pic_toner_exchange():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    p = Printer(x=32, y=50, w=66, h=54, dx=26, dy=16)
    draw_printer(d, p, cover_open=True)
    toner_cartridge(d, 10, 96, 56, 10, body=YELLOW)
    hand(d, 28, 108, 18, angle=-70, grip=True)
    arrow(d, (62, 114), (80, 92), shaft=4, head=11, head_len=8)
    # inset: a finger pressing the toner key on the panel
    inset_frame(d, 2, 2, 52, 40)
    rect(d, 6, 26, 48, 36, GREY)
    rect(d, 20, 27, 34, 31, YELLOW)
    poly(d, capsule((27, 6), (27, 24), 4), SKIN)
    poly(d, [(19, 2), (35, 2), (34, 10), (20, 10)], SKIN)
    line(d, [(24, 21), (30, 21)], MAROON)
    return img


def pic_drum_insert():
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    p = Printer(x=26, y=34, w=70, h=56, dx=28, dy=17)
    draw_printer(d, p, cover_open=True)
    drum_cartridge(d, 18, 82, 64, 18)
    hand(d, 22, 98, 20, angle=-80, grip=True)
    hand(d, 78, 98, 20, angle=-100, mirror=True, grip=True)
    arrow(d, (96, 112), (114, 96), shaft=4, head=11, head_len=8)
    return img


def pic_output_tray():
    """Close view of the output tray: exit slot on the right, tray sloping to the lower left."""
    img = new_image(PICTURE_SIZE)
    d = ImageDraw.Draw(img)
    # upper housing behind the slot
    poly(d, [(0, 10), (124, 10), (124, 34), (0, 64)], WHITE)
    # tray surface reaching below the largest sheet
    poly(d, [(0, 64), (124, 34), (124, 72), (0, 100)], SILVER)
    line(d, [(0, 64), (124, 34)], K)
    # exit slot where the sheet appears
    poly(d, [(120, 36), (124, 34), (124, 66), (120, 68)], K)
    # front of the printer below the tray
    poly(d, [(0, 100), (124, 72), (124, 121), (0, 121)], SILVER)
    line(d, [(0, 104), (124, 76)], GREY)
    # paper stop at the tray's lower end
    poly(d, [(6, 94), (16, 92), (16, 99), (6, 101)], GREY)
    for i in range(3):
        line(d, [(40 + i * 24, 22 - i * 6 + 8), (58 + i * 24, 18 - i * 6 + 8)], SILVER)
    return img


def pic_frame(size):
    """A printed sheet lying on the tray, its far edge in the exit slot on the right."""
    w, h = size
    img = new_image(size)
    d = ImageDraw.Draw(img)
    depth = 24  # the sheet's depth as seen on the tray
    poly(d, [(w - 1, 0), (w - 1, depth), (0, h - 1), (0, h - 1 - depth)], WHITE)
    # lines of print parallel to the long edge
    for k in range(3, depth - 3, 4):
        x_start, x_end = w * 0.15, w - 6
        ya = (h - 1 - depth) + k - (h - 1 - depth) * (x_start / (w - 1))
        yb = (h - 1 - depth) + k - (h - 1 - depth) * (x_end / (w - 1))
        line(d, [(x_start, ya), (x_end, yb)], GREY)
    return img


# ---------------------------------------------------------------------------------------------
# Toolbar images (16 x 16 each, on the button-face grey)

def toolbar_job():
    img = new_image((48, 16), SILVER)
    d = ImageDraw.Draw(img)
    # Pause: two bars
    rect(d, 3, 3, 6, 12, NAVY)
    rect(d, 9, 3, 12, 12, NAVY)
    # Resume: a triangle pointing right
    poly(d, [(20, 2), (29, 8), (29, 8), (20, 13)], GREEN)
    # Cancel: a red cross
    for off in range(-1, 1):
        line(d, [(35 + off, 3), (44 + off, 12)], RED, 2)
        line(d, [(44 + off, 3), (35 + off, 12)], RED, 2)
    return img


def toolbar_info():
    img = new_image((32, 16), SILVER)
    d = ImageDraw.Draw(img)
    # consumables: a sheet with dots of the four toners
    rect(d, 2, 1, 13, 14, WHITE)
    for i, c in enumerate((CYAN, MAG, YELLOW, K)):
        rect(d, 4 + (i % 2) * 5, 3 + (i // 2) * 5, 6 + (i % 2) * 5, 5 + (i // 2) * 5, c, c)
    line(d, [(4, 12), (11, 12)], GREY)
    # refresh: two arrows chasing each other round a circle
    d.arc([18, 2, 29, 13], 200, 340, fill=GREEN, width=2)
    d.arc([18, 2, 29, 13], 20, 160, fill=GREEN, width=2)
    poly(d, [(27, 1), (30, 6), (25, 6)], GREEN, GREEN)
    poly(d, [(20, 14), (17, 9), (22, 9)], GREEN, GREEN)
    return img


# ---------------------------------------------------------------------------------------------
# Icons

def icon_printer_32(d):
    # paper in the input slot at the back
    poly(d, [(10, 3), (24, 3), (26, 12), (8, 12)], WHITE)
    line(d, [(12, 6), (22, 6)], GREY)
    line(d, [(12, 9), (22, 9)], GREY)
    # body: top, side, front
    poly(d, [(2, 13), (24, 13), (30, 8), (8, 8)], WHITE)
    poly(d, [(24, 13), (30, 8), (30, 22), (24, 27)], GREY)
    rect(d, 2, 13, 24, 27, SILVER)
    line(d, [(4, 10), (25, 10)], SILVER)
    rect(d, 4, 16, 22, 19, GREY)
    rect(d, 5, 21, 21, 24, SILVER)
    rect(d, 19, 14, 21, 15, LIME, LIME)
    # output sheet
    poly(d, [(5, 17), (21, 17), (20, 29), (6, 29)], WHITE)
    line(d, [(8, 21), (18, 21)], GREY)
    line(d, [(8, 24), (18, 24)], GREY)


def icon_printer_16(d):
    poly(d, [(4, 1), (11, 1), (12, 6), (3, 6)], WHITE)
    poly(d, [(1, 7), (12, 7), (15, 4), (4, 4)], WHITE)
    poly(d, [(12, 7), (15, 4), (15, 11), (12, 14)], GREY)
    rect(d, 1, 7, 12, 14, SILVER)
    rect(d, 3, 9, 10, 10, GREY, GREY)
    poly(d, [(3, 10), (10, 10), (10, 15), (3, 15)], WHITE)
    d.point((10, 8), fill=LIME)


def badge(d, kind, size):
    """Status badge in the lower right corner of a printer icon."""
    if size == 32:
        box = (17, 17, 31, 31)
    else:
        box = (8, 8, 15, 15)
    x0, y0, x1, y1 = box
    cx = (x0 + x1) / 2
    if kind == "pause":
        rect(d, x0, y0, x1, y1, K)
        if size == 32:
            rect(d, x0 + 4, y0 + 3, x0 + 6, y1 - 3, WHITE, WHITE)
            rect(d, x1 - 6, y0 + 3, x1 - 4, y1 - 3, WHITE, WHITE)
        else:
            line(d, [(x0 + 2, y0 + 2), (x0 + 2, y1 - 2)], WHITE)
            line(d, [(x1 - 2, y0 + 2), (x1 - 2, y1 - 2)], WHITE)
    elif kind == "warning":
        poly(d, [(cx, y0 - 1), (x1, y1), (x0, y1)], YELLOW)
        if size == 32:
            rect(d, cx - 0.5, y0 + 4, cx + 0.5, y1 - 5, K, K)
            rect(d, cx - 0.5, y1 - 3, cx + 0.5, y1 - 2, K, K)
        else:
            line(d, [(cx, y0 + 2), (cx, y1 - 3)], K)
            d.point((round(cx), y1 - 1), fill=K)
    elif kind == "cross":
        d.ellipse(box, fill=RED, outline=K)
        m = 4 if size == 32 else 2
        w = 2 if size == 32 else 1
        line(d, [(x0 + m, y0 + m), (x1 - m, y1 - m)], WHITE, w)
        line(d, [(x1 - m, y0 + m), (x0 + m, y1 - m)], WHITE, w)
    elif kind == "exclamation":
        d.ellipse(box, fill=RED, outline=K)
        if size == 32:
            rect(d, cx - 1, y0 + 3, cx, y1 - 6, WHITE, WHITE)
            rect(d, cx - 1, y1 - 4, cx, y1 - 3, WHITE, WHITE)
        else:
            line(d, [(cx, y0 + 2), (cx, y1 - 3)], WHITE)
            d.point((round(cx), y1 - 1), fill=WHITE)


def make_icon(kind):
    images = []
    for size in (32, 16):
        img = new_image((size, size))
        d = ImageDraw.Draw(img)
        (icon_printer_32 if size == 32 else icon_printer_16)(d)
        if kind:
            badge(d, kind, size)
        images.append(img)
    return images


# ---------------------------------------------------------------------------------------------

def all_bitmaps():
    pics = {
        210: pic_output_tray(),
        301: pic_printer(),
        302: pic_paper_stack(False),
        303: pic_paper_stack(True),
        304: pic_cover_open(),
        305: pic_toner_remove(),
        306: pic_cable_check(),
        307: pic_screen_warning("memory"),
        308: pic_screen_warning("disk"),
        309: pic_network(),
        310: pic_printer(),
        311: pic_jam(False),
        312: pic_jam(True),
        313: pic_jam_rear(),
        314: pic_cleaning_sheet(),
        315: pic_paper_tray(),
        316: pic_rear_cover(),
        317: pic_toner_exchange(),
        318: pic_drum_insert(),
    }
    for rid, size in FRAME_SIZES.items():
        pics[rid] = pic_frame(size)
    return pics


ICON_BADGES = {400: None, 401: "pause", 402: "warning", 403: "cross", 404: "exclamation"}


def contact_sheet(pics, toolbars, icons, path, zoom=3):
    """Everything enlarged on a grey page: pictures, the animation over 210, toolbars, icons."""
    cell = (PICTURE_SIZE[0] * zoom + 10, PICTURE_SIZE[1] * zoom + 10)
    order = [210] + list(range(301, 319))
    cols = 6
    anim_rows = 1
    rows = (len(order) + cols - 1) // cols + anim_rows + 1
    sheet = Image.new("RGB", (cell[0] * cols, cell[1] * rows), (236, 233, 216))

    def rgb(img, transparent):
        # transparent magenta shown as the light background of the picture pane
        im = img.convert("RGB")
        if transparent:
            mask = img.point(lambda v: 255 if v == MAG else 0, "L")
            im.paste((250, 250, 240), (0, 0), mask)
        return im

    def put(img, x, y, z=zoom, transparent=True):
        im = rgb(img, transparent).resize((img.size[0] * z, img.size[1] * z), Image.NEAREST)
        sheet.paste(im, (x, y))

    for i, rid in enumerate(order):
        put(pics[rid], (i % cols) * cell[0] + 5, (i // cols) * cell[1] + 5)
    row = (len(order) + cols - 1) // cols
    # the animation frames composed over 210, magenta treated as transparent
    for j, rid in enumerate(range(211, 216)):
        base = pics[210].copy()
        frame = pics[rid]
        mask = frame.point(lambda v: 0 if v == MAG else 255, "L")
        base.paste(frame, (FRAME_X[rid], FRAME_Y), mask)
        put(base, j * cell[0] + 5, row * cell[1] + 5)
    row += 1
    y = row * cell[1] + 5
    x = 5
    for img in toolbars:
        put(img, x, y, 6, transparent=False)
        x += img.size[0] * 6 + 20
    for images in icons:
        for img in images:
            put(img, x, y, 4)
            x += img.size[0] * 4 + 10
    sheet.save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                      "..", "..", "resources", "presentation", "art"))
    parser.add_argument("--sheet", help="also write a PNG contact sheet to this path")
    args = parser.parse_args()
    out = os.path.normpath(args.out)
    os.makedirs(out, exist_ok=True)

    pics = all_bitmaps()
    for rid, img in sorted(pics.items()):
        write_bmp4(img, os.path.join(out, "picture_%d.bmp" % rid))
    toolbars = [toolbar_job(), toolbar_info()]
    write_bmp4(toolbars[0], os.path.join(out, "toolbar_216.bmp"))
    write_bmp4(toolbars[1], os.path.join(out, "toolbar_217.bmp"))
    icons = []
    for rid, kind in sorted(ICON_BADGES.items()):
        images = make_icon(kind)
        write_ico(images, os.path.join(out, "icon_%d.ico" % rid))
        icons.append(images)
    if args.sheet:
        contact_sheet(pics, toolbars, icons, args.sheet)
    return 0


if __name__ == "__main__":
    sys.exit(main())
