#!/usr/bin/env python3
"""The status pictures of TSTMON_J: 71 bitmaps of 200 x 200 pixels, 4 bits per
pixel, drawn from the description table PICTURES at the end of this file.

The monitor draws a picture as layers at the same origin: the first layer
(a printer body, series CSDB) is copied as it is; every later layer (options,
series CSDD; states, series CSDM; toner and supplies, series CSDT) is laid
over it with white (#FFFFFF) as the transparent colour. So every overlay is
white wherever the layers below must show, and nothing drawn uses white: paper
is drawn in an off-white that stays opaque.

All pictures share one 16-colour palette and one layout of the printer:

    y   0..62   mailbox (5 or 10 bins) above the body, status badge top left,
                toner and supplies icons top right
    y  62..134  the colour laser printer: output tray on top, control panel,
                front door with the four toner marks C M Y K, tray 1 cassette
    y 134..190  optional paper trays 2 to 5 (or the large-capacity cassette)
    x  18..45   duplex unit and manual feed tray on the left
    x 155..198  finisher (or mailbox-finisher) on the right

Usage:
    make_pictures.py [OUTDIR]            write the bitmaps and pictures.rc.inc
    make_pictures.py --check [OUTDIR]    verify the committed files match
    make_pictures.py --compose OUT.bmp NAME [NAME...]
                                         lay pictures over each other as the
                                         monitor does, for looking at them
Only the Python 3 standard library is used.
"""

import math
import os
import struct
import sys

WIDTH = HEIGHT = 200

# --- palette ---------------------------------------------------------------
PALETTE = [
    ("black", 0x000000), ("white", 0xFFFFFF), ("body", 0xCCCCCC), ("grey", 0x8C8C8C),
    ("dark", 0x484848), ("cyan", 0x00A8E0), ("magenta", 0xE0007C), ("yellow", 0xF8D800),
    ("red", 0xE02020), ("green", 0x20A040), ("amber", 0xF09000), ("paper", 0xF2F2E4),
    ("lcd", 0xA8D0A8), ("blue", 0x2850C0), ("light", 0xE4E4E4), ("steel", 0x8098B0),
]
C = {name: index for index, (name, _) in enumerate(PALETTE)}
WHITE = C["white"]
TONER = {"C": C["cyan"], "M": C["magenta"], "Y": C["yellow"], "K": C["black"]}
TONER_ORDER = "CMYK"


# --- a 16-colour canvas and its shapes --------------------------------------
class Canvas:
    def __init__(self):
        self.px = [[WHITE] * WIDTH for _ in range(HEIGHT)]

    def dot(self, x, y, c):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Fill the rectangle [x0, x1) x [y0, y1)."""
        for y in range(max(y0, 0), min(y1, HEIGHT)):
            row = self.px[y]
            for x in range(max(x0, 0), min(x1, WIDTH)):
                row[x] = c

    def frame(self, x0, y0, x1, y1, c, w=1):
        self.rect(x0, y0, x1, y0 + w, c)
        self.rect(x0, y1 - w, x1, y1, c)
        self.rect(x0, y0, x0 + w, y1, c)
        self.rect(x1 - w, y0, x1, y1, c)

    def box(self, x0, y0, x1, y1, fill, edge=C["black"]):
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, c, w=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.rect(x - w // 2, y - w // 2, x - w // 2 + w, y - w // 2 + w, c)

    def disc(self, cx, cy, r, c):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r:
                    self.dot(x, y, c)

    def ring(self, cx, cy, r, c, w=1):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if (r - w) ** 2 + (r - w) < d <= r * r + r:
                    self.dot(x, y, c)

    def poly(self, points, fill, edge=None):
        """Fill a polygon by scanlines (pixel centres inside), then trace its edge."""
        ys = [p[1] for p in points]
        for y in range(max(min(ys), 0), min(max(ys) + 1, HEIGHT)):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for xa, xb in zip(xs[0::2], xs[1::2]):
                for x in range(int(round(xa)), int(round(xb))):
                    self.dot(x, y, fill)
        if edge is not None:
            for a, b in zip(points, points[1:] + points[:1]):
                self.line(a[0], a[1], b[0], b[1], edge)

    def text(self, x, y, s, c, scale=1):
        for ch in s:
            glyph = FONT[ch]
            for gy, bits in enumerate(glyph):
                for gx, bit in enumerate(bits):
                    if bit == "#":
                        self.rect(x + gx * scale, y + gy * scale,
                                  x + (gx + 1) * scale, y + (gy + 1) * scale, c)
            x += (len(glyph[0]) + 1) * scale


# A 5 x 7 font with just the characters the pictures use.
FONT = {
    " ": ["....."] * 7,
    "!": ["..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."],
    "?": [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
}

# --- where things are --------------------------------------------------------
BODY = (45, 62, 155, 134)
DOOR = (50, 72, 114, 118)
TRAY1 = (50, 120, 150, 132)


def tray_rows(n):
    """Outer rows of optional tray n (2..5) under the body."""
    y0 = 134 + (n - 2) * 14
    return y0, y0 + 14


def cassette(n):
    """The cassette front of tray n (1..5)."""
    if n == 1:
        return TRAY1
    y0, y1 = tray_rows(n)
    return 50, y0 + 2, 150, y1 - 2


def toner_mark(colour):
    x = 55 + TONER_ORDER.index(colour) * 14
    return x, 106, x + 9, 113


DUPLEX = (33, 70, 45, 106)
MPT_SHELF = [(45, 110), (45, 117), (18, 127), (16, 122)]
MPT_PAPER = [(44, 108), (44, 112), (20, 121), (19, 118)]
FINISHER = (155, 58, 192, 148)
SUPPLY_ICON = (160, 4, 198, 36)  # top right: toner and supplies icons
BADGE = (22, 22)  # top left: the body's state badge


# --- components: printer bodies ---------------------------------------------

def body(cv, led, lcd=""):
    """The colour laser printer without options; `led` names the lamp colour
    (or "off"), `lcd` is up to three characters on the panel."""
    x0, y0, x1, y1 = BODY
    cv.box(x0, y0, x1, y1, C["body"])
    cv.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 2, C["light"])
    cv.box(56, 62, 133, 70, C["dark"])               # output tray recess
    cv.rect(60, 66, 129, 67, C["black"])             # paper exit slot
    cv.box(118, 72, 151, 89, C["grey"])              # control panel
    cv.box(121, 75, 141, 86, C["lcd"] if led != "off" else C["grey"], C["dark"])
    if lcd:
        cv.text(122, 77, lcd[:3], C["dark"])
    lamp = C["dark"] if led == "off" else C[led]
    cv.disc(146, 80, 2, lamp)
    cv.rect(143, 84, 150, 86, C["dark"])             # buttons
    x0d, y0d, x1d, y1d = DOOR
    cv.frame(x0d, y0d, x1d, y1d, C["grey"])          # front door
    cv.rect(x0d + 20, y0d + 4, x1d - 20, y0d + 6, C["grey"])  # door grip
    for colour in TONER_ORDER:
        mx0, my0, mx1, my1 = toner_mark(colour)
        cv.box(mx0, my0, mx1, my1, TONER[colour], C["dark"])
    for y in range(96, 117, 4):                      # vents
        cv.rect(122, y, 150, y + 1, C["grey"])
    draw_cassette(cv, 1)
    cv.rect(50, 134, 60, 137, C["dark"])             # feet
    cv.rect(140, 134, 150, 137, C["dark"])


def draw_cassette(cv, n):
    x0, y0, x1, y1 = cassette(n)
    cv.box(x0, y0, x1, y1, C["light"], C["grey"])
    cv.box(90, y0 + 3, 110, y1 - 3, C["dark"])       # handle
    if n > 1:
        cv.text(56, y0 + 2, str(n), C["dark"])
    else:
        cv.rect(57, y0 + 3, 62, y1 - 3, C["grey"])   # paper gauge


def printing_sheet(cv):
    cv.poly([(70, 64), (120, 64), (116, 50), (74, 50)], C["paper"], C["grey"])
    for y in (54, 57, 60):
        cv.line(80, y, 110, y, C["grey"])


# --- components: state badges of the bodies ----------------------------------
def badge(cv, kind):
    cx, cy = BADGE
    ring_colour, fill = {
        "ready": ("green", "green"), "printing": ("green", "green"),
        "warning": (None, None), "error": ("red", "red"), "paused": ("amber", "amber"),
        "sleep": ("blue", "blue"), "warming": ("amber", "amber"),
        "connecting": ("blue", "blue"), "offline": ("grey", "grey"),
        "busy": ("blue", "blue"), "open": ("red", "red"), "bidi": ("grey", "grey"),
        "port": ("grey", "grey"), "wrong": ("amber", "amber"), "service": ("red", "red"),
    }[kind]
    if kind == "warning":
        cv.poly([(cx, cy - 17), (cx + 18, cy + 14), (cx - 18, cy + 14)], C["yellow"], C["black"])
        cv.text(cx - 5, cy - 7, "!", C["black"], 2)
        return
    cv.disc(cx, cy, 17, C[fill])
    cv.ring(cx, cy, 17, C["dark"])
    ink = C["paper"]
    if kind == "ready":
        cv.line(cx - 9, cy, cx - 3, cy + 7, ink, 3)
        cv.line(cx - 3, cy + 7, cx + 9, cy - 7, ink, 3)
    elif kind == "printing":
        cv.box(cx - 7, cy - 3, cx + 8, cy + 9, ink, C["dark"])
        cv.poly([(cx, cy - 13), (cx + 7, cy - 5), (cx - 7, cy - 5)], ink)
    elif kind == "error":
        cv.line(cx - 8, cy - 8, cx + 8, cy + 8, ink, 3)
        cv.line(cx - 8, cy + 8, cx + 8, cy - 8, ink, 3)
    elif kind == "paused":
        cv.rect(cx - 7, cy - 8, cx - 2, cy + 9, ink)
        cv.rect(cx + 3, cy - 8, cx + 8, cy + 9, ink)
    elif kind == "sleep":
        cv.disc(cx - 2, cy, 10, C["yellow"])
        cv.disc(cx + 4, cy - 4, 9, C["blue"])
        cv.text(cx + 4, cy + 2, "Z", ink)
    elif kind == "warming":
        cv.ring(cx, cy, 10, ink, 2)
        cv.line(cx, cy, cx, cy - 7, ink, 2)
        cv.line(cx, cy, cx + 5, cy + 3, ink, 2)
    elif kind == "connecting":
        for dx in (-8, 0, 8):
            cv.disc(cx + dx, cy, 2, ink)
    elif kind == "offline":
        cv.rect(cx - 13, cy - 2, cx - 5, cy + 3, ink)         # plug
        cv.rect(cx + 5, cy - 2, cx + 13, cy + 3, ink)         # socket
        cv.line(cx - 4, cy - 6, cx + 1, cy + 1, C["red"], 2)  # the break
        cv.line(cx + 1, cy + 1, cx + 4, cy - 4, C["red"], 2)
    elif kind == "busy":
        cv.poly([(cx - 7, cy - 10), (cx + 7, cy - 10), (cx, cy)], ink)
        cv.poly([(cx, cy), (cx + 7, cy + 10), (cx - 7, cy + 10)], ink)
    elif kind == "open":
        cv.text(cx - 5, cy - 7, "!", ink, 2)
    elif kind == "bidi":
        cv.line(cx - 10, cy - 4, cx + 10, cy - 4, ink, 2)
        cv.poly([(cx + 10, cy - 8), (cx + 14, cy - 4), (cx + 10, cy)], ink)
        cv.line(cx - 10, cy + 5, cx + 10, cy + 5, ink, 2)
        cv.poly([(cx - 10, cy + 1), (cx - 14, cy + 5), (cx - 10, cy + 9)], ink)
        cv.line(cx - 11, cy + 11, cx + 11, cy - 11, C["red"], 3)
    elif kind == "port":
        cv.rect(cx - 7, cy - 5, cx + 8, cy + 6, ink)
        cv.rect(cx - 4, cy - 11, cx - 1, cy - 5, ink)
        cv.rect(cx + 2, cy - 11, cx + 5, cy - 5, ink)
        cv.rect(cx - 1, cy + 6, cx + 2, cy + 12, ink)
        cv.line(cx - 11, cy + 11, cx + 11, cy - 11, C["red"], 3)
    elif kind == "wrong":
        cv.text(cx - 5, cy - 7, "?", ink, 2)
    elif kind == "service":
        cv.line(cx - 8, cy + 8, cx + 4, cy - 4, ink, 4)
        cv.ring(cx + 6, cy - 6, 5, ink, 3)


# --- components: options ---------------------------------------------------------
def tray(cv, n):
    y0, y1 = tray_rows(n)
    cv.box(45, y0, 155, y1, C["body"])
    draw_cassette(cv, n)
    cv.rect(50, y1, 60, y1 + 3, C["dark"])
    cv.rect(140, y1, 150, y1 + 3, C["dark"])


def large_capacity(cv):
    """The large-capacity cassette in place of trays 4 and 5."""
    cv.box(45, 162, 155, 194, C["body"])
    cv.box(50, 165, 150, 191, C["light"], C["grey"])
    cv.box(90, 175, 110, 181, C["dark"])
    cv.text(56, 168, "LCC", C["dark"])
    cv.rect(50, 194, 60, 197, C["dark"])
    cv.rect(140, 194, 150, 197, C["dark"])


def duplex(cv):
    x0, y0, x1, y1 = DUPLEX
    cv.box(x0, y0, x1 + 1, y1, C["steel"])
    cv.line(x0 + 3, y0 + 14, x1 - 3, y0 + 14, C["paper"], 2)
    cv.poly([(x1 - 3, y0 + 10), (x1, y0 + 14), (x1 - 3, y0 + 18)], C["paper"])
    cv.line(x0 + 3, y0 + 22, x1 - 3, y0 + 22, C["paper"], 2)
    cv.poly([(x0 + 3, y0 + 18), (x0, y0 + 22), (x0 + 3, y0 + 26)], C["paper"])


def manual_feed(cv):
    cv.poly(MPT_SHELF, C["grey"], C["black"])
    cv.poly(MPT_PAPER, C["paper"], C["grey"])


def mailbox(cv, bins):
    top = 62 - 4 - bins * (7 if bins == 5 else 5)
    cv.box(60, top, 141, 63, C["body"])
    pitch = 7 if bins == 5 else 5
    for i in range(bins):
        y = top + 4 + i * pitch
        cv.rect(64, y + pitch - 2, 137, y + pitch - 1, C["dark"])   # bin floor
        cv.rect(70 + (i % 3) * 10, y + 1, 110 + (i % 3) * 10, y + pitch - 2, C["paper"])
    cv.rect(64, 60, 137, 62, C["dark"])


def finisher(cv, bins=0):
    x0, y0, x1, y1 = FINISHER
    if bins:
        y0 = 40
    cv.box(x0, y0, x1, y1, C["body"])
    cv.poly([(x1 - 1, y0 + 12), (198, y0 + 4), (198, y0 + 9), (x1 - 1, y0 + 18)],
            C["grey"], C["black"])                               # stacker tray
    cv.poly([(x1 - 1, y0 + 10), (196, y0 + 4), (196, y0 + 6), (x1 - 1, y0 + 12)], C["paper"])
    if bins:
        for i in range(4):
            y = y0 + 24 + i * 7
            cv.rect(x0 + 4, y, x1 - 4, y + 1, C["dark"])
            cv.rect(x0 + 8, y - 3, x1 - 8, y, C["paper"])
    cv.box(x0 + 8, y1 - 30, x1 - 8, y1 - 22, C["dark"])         # stapler unit
    cv.rect(x0 + 14, y1 - 27, x1 - 14, y1 - 25, C["grey"])
    cv.rect(x0 + 3, y1, x0 + 9, y1 + 3, C["dark"])
    cv.rect(x1 - 9, y1, x1 - 3, y1 + 3, C["dark"])


def shift_tray(cv):
    cv.box(62, 55, 112, 63, C["paper"], C["grey"])
    cv.box(80, 57, 130, 63, C["paper"], C["grey"])
    cv.line(88, 50, 108, 50, C["amber"], 2)
    cv.poly([(88, 46), (84, 50), (88, 54)], C["amber"])
    cv.poly([(108, 46), (112, 50), (108, 54)], C["amber"])


# --- components: states ------------------------------------------------------------
def arrow_to(cv, x, y, colour, direction="down"):
    """A thick attention arrow whose tip is at (x, y)."""
    c = C[colour]
    if direction == "down":
        cv.rect(x - 2, y - 16, x + 3, y - 6, c)
        cv.poly([(x - 7, y - 7), (x + 8, y - 7), (x, y)], c)
    elif direction == "left":
        cv.rect(x + 6, y - 2, x + 16, y + 3, c)
        cv.poly([(x + 7, y - 7), (x + 7, y + 8), (x, y)], c)
    elif direction == "right":
        cv.rect(x - 16, y - 2, x - 6, y + 3, c)
        cv.poly([(x - 7, y - 7), (x - 7, y + 8), (x, y)], c)


def burst(cv, cx, cy, r=8):
    """The red jam mark."""
    points = []
    for i in range(16):
        a = math.pi * 2 * i / 16
        rr = r if i % 2 == 0 else r // 2
        points.append((round(cx + rr * math.cos(a)), round(cy + rr * math.sin(a))))
    cv.poly(points, C["red"], C["dark"])
    cv.rect(cx - 1, cy - 3, cx + 1, cy + 1, C["paper"])
    cv.rect(cx - 1, cy + 2, cx + 1, cy + 3, C["paper"])


def crumpled(cv, x, y):
    cv.poly([(x, y), (x + 8, y - 5), (x + 14, y + 1), (x + 22, y - 4), (x + 26, y + 4),
             (x + 18, y + 8), (x + 10, y + 5), (x + 3, y + 8)], C["paper"], C["grey"])


def front_door_open(cv):
    x0, y0, x1, y1 = DOOR
    cv.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, C["dark"])
    for colour in TONER_ORDER:                        # the cartridges behind the door
        mx0, _, mx1, _ = toner_mark(colour)
        cv.box(mx0, y0 + 8, mx1, y1 - 4, TONER[colour], C["grey"])
    cv.poly([(x0, y1), (x1, y1), (x1 + 6, y1 + 12), (x0 - 6, y1 + 12)], C["body"], C["black"])
    arrow_to(cv, 82, 70, "amber")


def top_cover_open(cv):
    cv.rect(56, 62, 133, 70, C["black"])
    cv.poly([(47, 63), (153, 63), (146, 42), (54, 42)], C["body"], C["black"])
    cv.rect(60, 46, 140, 48, C["light"])
    arrow_to(cv, 100, 40, "amber")


def side_door_open(cv):
    cv.rect(151, 74, 155, 124, C["black"])
    cv.poly([(155, 74), (174, 66), (174, 130), (155, 124)], C["body"], C["black"])
    arrow_to(cv, 176, 98, "amber", "left")


def duplex_open(cv):
    x0, y0, x1, y1 = DUPLEX
    cv.rect(x0 + 1, y0 + 1, x1, y1 - 1, C["black"])
    cv.poly([(x0, y0), (x0 - 12, y0 + 5), (x0 - 12, y1 + 3), (x0, y1)], C["steel"], C["black"])
    arrow_to(cv, 39, 68, "amber")


def tray_open(cv, n):
    x0, y0, x1, y1 = cassette(n)
    cv.rect(x0, y0, x1, y1, C["black"])
    cv.poly([(x0 - 2, y0 + 4), (x1 + 2, y0 + 4), (x1 + 8, y1 + 6), (x0 - 8, y1 + 6)],
            C["light"], C["grey"])
    cv.poly([(x0 + 8, y0 + 5), (x1 - 8, y0 + 5), (x1 - 4, y0 + 9), (x0 + 4, y0 + 9)], C["paper"])
    arrow_to(cv, 30, (y0 + y1) // 2, "amber", "right")


def jam_in_tray(cv, n):
    x0, y0, x1, y1 = cassette(n)
    crumpled(cv, x0 + 48, (y0 + y1) // 2 - 1)
    burst(cv, x1 - 16, (y0 + y1) // 2, 6)
    arrow_to(cv, x0 - 2, (y0 + y1) // 2, "red", "right")


def jam_at(cv, where):
    if where == "inside":
        crumpled(cv, 62, 92)
        burst(cv, 82, 88)
        arrow_to(cv, 82, 70, "red")
    elif where == "exit":
        crumpled(cv, 74, 63)
        burst(cv, 110, 56)
        arrow_to(cv, 86, 54, "red")
    elif where == "duplex":
        burst(cv, 39, 88)
        arrow_to(cv, 39, 68, "red")
    elif where == "manual":
        crumpled(cv, 20, 113)
        burst(cv, 30, 132, 6)
        arrow_to(cv, 16, 104, "red")
    elif where == "mailbox":
        burst(cv, 100, 34)
        arrow_to(cv, 100, 18, "red")
    elif where == "finisher":
        crumpled(cv, 160, 92)
        burst(cv, 174, 104)
        arrow_to(cv, 172, 56, "red")


def paper_out(cv, n):
    x0, y0, x1, y1 = cassette(n)
    cv.frame(x0, y0, x1, y1, C["red"], 2)
    cv.box(124, y0 + 2, 135, y1 - 2, C["paper"], C["grey"])    # an empty sheet ...
    cv.line(121, y1 - 2, 138, y0 + 1, C["red"], 2)              # ... struck out
    arrow_to(cv, x0 - 2, (y0 + y1) // 2, "red", "right")


def manual_feed_empty(cv):
    cv.poly(MPT_SHELF, C["grey"], C["red"])
    cv.poly([(44, 108), (44, 112), (20, 121), (19, 118)], C["grey"])
    arrow_to(cv, 24, 112, "red")


def output_full(cv):
    cv.box(60, 44, 128, 66, C["paper"], C["grey"])
    for y in range(48, 64, 3):
        cv.line(62, y, 126, y, C["grey"])
    arrow_to(cv, 138, 50, "amber", "left")


# --- components: toner and supplies --------------------------------------------------
def cartridge_icon(cv, x, y, colour, fill_part, w=32, h=12):
    """A toner bottle lying down, filled to `fill_part` (0..1); None: not there."""
    edge = C["dark"]
    if fill_part is None:
        for i in range(x, x + w, 4):                                  # dashed outline
            cv.rect(i, y, i + 2, y + 1, edge)
            cv.rect(i, y + h - 1, i + 2, y + h, edge)
        for j in range(y, y + h, 4):
            cv.rect(x, j, x + 1, j + 2, edge)
            cv.rect(x + w - 1, j, x + w, j + 2, edge)
        return
    cv.box(x, y, x + w, y + h, C["light"], edge)
    filled = round((w - 2) * fill_part)
    if filled:
        cv.rect(x + 1, y + 1, x + 1 + filled, y + h - 1, TONER[colour])
    cv.box(x + w, y + 3, x + w + 4, y + h - 3, C["grey"], edge)        # the nozzle


def mark_sign(cv, kind):
    """The small sign beside a supplies icon: ! (low), X (end), ? (missing)."""
    x, y = 186, 22
    if kind == "low":
        cv.poly([(x, y - 8), (x + 9, y + 8), (x - 9, y + 8)], C["yellow"], C["black"])
        cv.text(x - 2, y - 3, "!", C["black"])
    else:
        cv.disc(x, y + 2, 8, C["red"])
        if kind == "end":
            cv.line(x - 4, y - 2, x + 4, y + 6, C["paper"], 2)
            cv.line(x - 4, y + 6, x + 4, y - 2, C["paper"], 2)
        else:
            cv.text(x - 2, y - 1, "?", C["paper"])


def toner(cv, colour, state):
    level = {"low": 0.2, "end": 0.0, "missing": None}[state]
    cartridge_icon(cv, 160, 6, colour, level, 26, 10)
    cv.text(162, 20, colour, TONER[colour] if colour != "Y" else C["amber"], 2)
    mark_sign(cv, state)
    mx0, my0, mx1, my1 = toner_mark(colour)
    cv.frame(mx0 - 2, my0 - 2, mx1 + 2, my1 + 2, C["red"] if state != "low" else C["amber"], 2)


def drum(cv, state):
    cv.box(162, 8, 184, 20, C["green"], C["dark"])
    for x in range(166, 182, 4):
        cv.rect(x, 9, x + 1, 19, C["dark"])
    cv.box(159, 12, 162, 16, C["grey"], C["dark"])
    cv.box(184, 12, 187, 16, C["grey"], C["dark"])
    mark_sign(cv, state)


def belt(cv):
    cv.disc(165, 16, 6, C["grey"])
    cv.disc(181, 16, 6, C["grey"])
    cv.rect(165, 10, 181, 23, C["steel"])
    cv.frame(165, 9, 182, 23, C["dark"])
    mark_sign(cv, "end")


def fuser(cv):
    cv.disc(170, 11, 6, C["red"])
    cv.ring(170, 11, 6, C["dark"])
    cv.disc(170, 24, 6, C["grey"])
    cv.ring(170, 24, 6, C["dark"])
    cv.line(158, 17, 182, 17, C["paper"], 2)
    mark_sign(cv, "end")


def waste_toner(cv):
    cv.box(161, 8, 181, 30, C["light"], C["dark"])
    for x, y in ((164, 24), (168, 20), (172, 26), (176, 22), (166, 28), (174, 17), (170, 12)):
        cv.rect(x, y, x + 2, y + 2, C["black"])
    mark_sign(cv, "end")


def toner_moving(cv):
    cv.ring(178, 20, 13, C["blue"], 3)
    cv.rect(164, 18, 193, 23, WHITE)   # gaps in the ring make it two arrows
    cv.poly([(162, 17), (170, 17), (166, 12)], C["blue"])
    cv.poly([(186, 24), (194, 24), (190, 29)], C["blue"])
    for i, colour in enumerate(TONER_ORDER):
        cv.rect(171 + i * 4, 18, 174 + i * 4, 23, TONER[colour])


def toner_low_several(cv):
    for i, colour in enumerate(TONER_ORDER):
        cartridge_icon(cv, 160, 4 + i * 7, colour, 0.2, 16, 6)
    mark_sign(cv, "low")


def calibration(cv):
    for i, colour in enumerate(TONER_ORDER):
        cv.box(162 + i * 6, 8, 167 + i * 6, 30, TONER[colour], C["dark"])
    cv.line(158, 33, 188, 33, C["blue"], 2)
    cv.poly([(188, 29), (194, 33), (188, 37)], C["blue"])


COMPONENTS = {fn.__name__: fn for fn in (
    body, printing_sheet, badge, tray, large_capacity, duplex, manual_feed, mailbox, finisher,
    shift_tray, front_door_open, top_cover_open, side_door_open, duplex_open, tray_open,
    jam_in_tray, jam_at, paper_out, manual_feed_empty, output_full, toner, drum, belt, fuser,
    waste_toner, toner_moving, toner_low_several, calibration)}

# --- the pictures ---------------------------------------------------------------------
# name, what it shows, the components that draw it (name and arguments).
PICTURES = [
    # Printer bodies: the first layer of every picture, each with its state badge.
    ("CSDB01", "body: ready", [("body", "green", "RDY"), ("badge", "ready")]),
    ("CSDB02", "body: printing", [("body", "green", "PRT"), ("printing_sheet",),
                                  ("badge", "printing")]),
    ("CSDB03", "body: warning", [("body", "amber", "WRN"), ("badge", "warning")]),
    ("CSDB04", "body: error, printer stopped", [("body", "red", "ERR"), ("badge", "error")]),
    ("CSDB05", "body: paused, off line", [("body", "amber", "OFF"), ("badge", "paused")]),
    ("CSDB06", "body: power save", [("body", "lcd"), ("badge", "sleep")]),
    ("CSDB07", "body: warming up", [("body", "amber", "WRM"), ("badge", "warming")]),
    ("CSDB08", "body: connecting", [("body", "off"), ("badge", "connecting")]),
    ("CSDB09", "body: no connection", [("body", "off"), ("badge", "offline")]),
    ("CSDB10", "body: port busy", [("body", "green", "BSY"), ("badge", "busy")]),
    ("CSDB11", "body: printer cannot be opened", [("body", "off"), ("badge", "open")]),
    ("CSDB12", "body: bidirectional support off", [("body", "off"), ("badge", "bidi")]),
    ("CSDB13", "body: port not supported", [("body", "off"), ("badge", "port")]),
    ("CSDB14", "body: not a supported printer", [("body", "off"), ("badge", "wrong")]),
    ("CSDB15", "body: service call", [("body", "red", "SVC"), ("badge", "service")]),
    # Installed options.
    ("CSDD01", "option: tray 2", [("tray", 2)]),
    ("CSDD02", "option: tray 3", [("tray", 3)]),
    ("CSDD03", "option: tray 4", [("tray", 4)]),
    ("CSDD04", "option: tray 5", [("tray", 5)]),
    ("CSDD05", "option: large-capacity cassette (in place of trays 4 and 5)",
     [("large_capacity",)]),
    ("CSDD06", "option: duplex unit", [("duplex",)]),
    ("CSDD07", "option: manual feed tray, open with paper", [("manual_feed",)]),
    ("CSDD08", "option: 5-bin mailbox", [("mailbox", 5)]),
    ("CSDD09", "option: 10-bin mailbox", [("mailbox", 10)]),
    ("CSDD10", "option: finisher", [("finisher",)]),
    ("CSDD11", "option: mailbox-finisher", [("finisher", 4)]),
    ("CSDD12", "option: shift tray on the output tray", [("shift_tray",)]),
    # Printer states: doors, jams, paper.
    ("CSDM01", "state: front door open", [("front_door_open",)]),
    ("CSDM02", "state: top cover open", [("top_cover_open",)]),
    ("CSDM03", "state: right side door open", [("side_door_open",)]),
    ("CSDM04", "state: duplex cover open", [("duplex_open",)]),
    ("CSDM05", "state: tray 1 open", [("tray_open", 1)]),
    ("CSDM06", "state: tray 2 open", [("tray_open", 2)]),
    ("CSDM07", "state: tray 3 open", [("tray_open", 3)]),
    ("CSDM08", "state: tray 4 open", [("tray_open", 4)]),
    ("CSDM09", "state: paper jam at tray 1", [("jam_in_tray", 1)]),
    ("CSDM10", "state: paper jam at tray 2", [("jam_in_tray", 2)]),
    ("CSDM11", "state: paper jam at tray 3", [("jam_in_tray", 3)]),
    ("CSDM12", "state: paper jam at tray 4", [("jam_in_tray", 4)]),
    ("CSDM13", "state: paper jam inside, behind the front door", [("jam_at", "inside")]),
    ("CSDM14", "state: paper jam at the fuser exit", [("jam_at", "exit")]),
    ("CSDM15", "state: paper jam in the duplex unit", [("jam_at", "duplex")]),
    ("CSDM16", "state: paper jam at the manual feed tray", [("jam_at", "manual")]),
    ("CSDM17", "state: paper jam in the mailbox", [("jam_at", "mailbox")]),
    ("CSDM18", "state: paper jam in the finisher", [("jam_at", "finisher")]),
    ("CSDM19", "state: tray 1 out of paper", [("paper_out", 1)]),
    ("CSDM20", "state: tray 2 out of paper", [("paper_out", 2)]),
    ("CSDM21", "state: tray 3 out of paper", [("paper_out", 3)]),
    ("CSDM22", "state: tray 4 out of paper", [("paper_out", 4)]),
    ("CSDM23", "state: manual feed tray empty", [("manual_feed_empty",)]),
    ("CSDM24", "state: output tray full", [("output_full",)]),
    # Toner and supplies.
    ("CSDT01", "toner: cyan low", [("toner", "C", "low")]),
    ("CSDT02", "toner: magenta low", [("toner", "M", "low")]),
    ("CSDT03", "toner: yellow low", [("toner", "Y", "low")]),
    ("CSDT04", "toner: black low", [("toner", "K", "low")]),
    ("CSDT05", "toner: cyan empty", [("toner", "C", "end")]),
    ("CSDT06", "toner: magenta empty", [("toner", "M", "end")]),
    ("CSDT07", "toner: yellow empty", [("toner", "Y", "end")]),
    ("CSDT08", "toner: black empty", [("toner", "K", "end")]),
    ("CSDT09", "toner: cyan cartridge missing", [("toner", "C", "missing")]),
    ("CSDT10", "toner: magenta cartridge missing", [("toner", "M", "missing")]),
    ("CSDT11", "toner: yellow cartridge missing", [("toner", "Y", "missing")]),
    ("CSDT12", "toner: black cartridge missing", [("toner", "K", "missing")]),
    ("CSDT13", "supplies: image drum near end", [("drum", "low")]),
    ("CSDT14", "supplies: image drum end", [("drum", "end")]),
    ("CSDT15", "supplies: transfer belt end", [("belt",)]),
    ("CSDT16", "supplies: fuser end", [("fuser",)]),
    ("CSDT17", "supplies: waste toner box full", [("waste_toner",)]),
    ("CSDT18", "toner: cartridges moving to the exchange position", [("toner_moving",)]),
    ("CSDT19", "toner: several colours low", [("toner_low_several",)]),
    ("CSDT20", "toner: colour calibration", [("calibration",)]),
]


def draw(steps):
    cv = Canvas()
    for name, *args in steps:
        COMPONENTS[name](cv, *args)
    return cv


# --- files ------------------------------------------------------------------------------
def bmp_bytes(cv):
    """A bottom-up 4-bit BMP with the shared 16-colour palette."""
    stride = (WIDTH * 4 + 31) // 32 * 4
    rows = []
    for y in range(HEIGHT - 1, -1, -1):
        row = cv.px[y]
        data = bytes((row[x] << 4) | row[x + 1] for x in range(0, WIDTH, 2))
        rows.append(data + b"\0" * (stride - len(data)))
    pixels = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0)
                       for _, rgb in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(pixels),
                       2835, 2835, len(PALETTE), 0)
    return header + info + palette + pixels


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    stride = (WIDTH * 4 + 31) // 32 * 4
    cv = Canvas()
    for y in range(HEIGHT):
        row = data[offset + (HEIGHT - 1 - y) * stride:]
        for x in range(WIDTH):
            byte = row[x // 2]
            cv.px[y][x] = byte >> 4 if x % 2 == 0 else byte & 0xF
    return cv


def rc_fragment():
    lines = ["// Status pictures of TSTMON_J, written by pictures/make_pictures.py.",
             "// Included by the library's .rc; paths are relative to dialogs/."]
    for name, summary, _ in PICTURES:
        lines.append('IDB_%s BITMAP "pictures/bmp/IDB_%s.bmp"  // %s' % (name, name, summary))
    return "\n".join(lines) + "\n"


def outputs(outdir):
    files = {os.path.join(outdir, "bmp", "IDB_%s.bmp" % name): bmp_bytes(draw(steps))
             for name, _, steps in PICTURES}
    files[os.path.join(outdir, "pictures.rc.inc")] = rc_fragment().encode("ascii")
    return files


def compose(out, names):
    """Lay pictures over each other the way the monitor draws its layers."""
    here = os.path.dirname(os.path.abspath(__file__))
    result = None
    for name in names:
        layer = read_bmp(os.path.join(here, "bmp", name if name.endswith(".bmp") else
                                      "IDB_%s.bmp" % name.replace("IDB_", "")))
        if result is None:
            result = layer
            continue
        for y in range(HEIGHT):
            for x in range(WIDTH):
                if layer.px[y][x] != WHITE:
                    result.px[y][x] = layer.px[y][x]
    with open(out, "wb") as f:
        f.write(bmp_bytes(result))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    if argv[:1] == ["--compose"]:
        compose(argv[1], argv[2:])
        return 0
    check = argv[:1] == ["--check"]
    if check:
        argv = argv[1:]
    outdir = argv[0] if argv else here
    assert len(PICTURES) == 71 and len({p[0] for p in PICTURES}) == 71
    stale = []
    for path, data in sorted(outputs(outdir).items()):
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                stale.append(path)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if stale:
        print("out of date (run make_pictures.py):\n  " + "\n  ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
