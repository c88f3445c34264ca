"""The main window: cog emblem, header with the word mark, left column, white content area,
status area and the menu strip with the close knob."""

from PIL import Image

import emblem
import gear
import paint
from palette import (BRIGHT_BLUE, DEEP_BLUE, NAVY, ORANGE, ROYAL_BLUE, SILVER, SILVER_DARK,
                     SILVER_LIGHT, SKY, WHITE)
from silhouette import Circle, Fillet, Gear, RoundRect, Union
from skinkit import Skin

SIZE = (525, 475)
RECT_COUNT = 168

COG = dict(cx=58, cy=58, root=48, outer=58, teeth=16, phase=5.0)
HEADER = (42, 36, 525, 88)
HEADER_CAP = 30
HEADER_FILLET = 8  # rounds the step from the header's right end down to the body's right edge
BODY = (28, 50, 517, 450)
STRIP_FILLET = 12  # rounds the step from the body's left edge out to the menu strip
STRIP = (0, 432, 525, 470)
STRIP_CAP = 19
KNOB = (501, 451, 24)  # centre x, centre y, radius: the close label "x" sits on it
CONTENT = (115, 88, 505, 432)  # white; the pages sit at (120, 94 .. 104), 380 x 190 .. 203
STATUS_TOP = 304  # status area below the pages: gauges and links

# Menu labels left to right: caption, label name, whether it has a hover picture.
MENU = [("Index", "Label9", True), ("Backups", "Label6", True), ("Support", "Label8", True),
        ("Update", "Label26", True), ("Online- services", "Label35", True),
        ("System-Info", "Label207", True), ("Import", "Label106", False),
        ("Export", "Label107", False)]
MENU_FONT = ("DejaVuSans-Bold.ttf", 11)  # stands in for the labels' font when sizing cells
MENU_LEFT, MENU_RIGHT = 16, 472
MENU_BAND = (437, 465)  # rows of the hover pictures
LINE_HEIGHT = 13


def figure():
    c = COG
    return Union(Gear(c["cx"], c["cy"], c["root"], c["outer"], c["teeth"], c["phase"]),
                 RoundRect(*HEADER, (0, HEADER_CAP, 0, 0)),
                 RoundRect(*BODY),
                 RoundRect(*STRIP, (STRIP_CAP,) * 4),
                 Circle(*KNOB),
                 Fillet(BODY[2], HEADER[3], HEADER_FILLET, 1, 1),
                 Fillet(BODY[0], STRIP[1], STRIP_FILLET, -1, -1))


def caption_lines(caption):
    """A caption with "- " wraps after the hyphen, as the word-wrapping label shows it."""
    return caption.replace("- ", "-\n").split("\n")


def menu_cells():
    """[(caption, label name, has hover, cell box, label box)] across the strip. Cells share the
    strip's width in proportion to their text; label boxes centre one or two lines of text.
    Boxes are (left, top, right, bottom), right and bottom exclusive."""
    fnt = paint.font(*MENU_FONT)
    widths = [max(paint.text_width(line, fnt) for line in caption_lines(c)) for c, _, _ in MENU]
    gap = 2  # separator groove between cells
    spare = (MENU_RIGHT - MENU_LEFT - sum(widths) - gap * (len(MENU) - 1)) / len(MENU)
    top, bottom = MENU_BAND
    centre = (top + bottom) // 2
    cells, x = [], float(MENU_LEFT)
    for (caption, name, hover), w in zip(MENU, widths):
        x0, x1 = int(round(x)), int(round(x + w + spare))
        height = len(caption_lines(caption)) * LINE_HEIGHT
        label_top = centre - height // 2
        cells.append((caption, name, hover, (x0, top, x1, bottom),
                      (x0, label_top, x1, label_top + height)))
        x += w + spare + gap
    return cells


def close_label_box():
    cx, cy, _ = KNOB
    return (cx - 8, cy - 8, cx + 8, cy + 7)


def _box(box):
    mask = Image.new("L", SIZE, 0)
    mask.paste(255, box)
    return mask


def _v(y):
    return y / SIZE[1]


def frame(canvas, mask):
    paint.layer(canvas, paint.hgradient(SIZE, [(0.0, (200, 214, 234)), (0.2, SILVER_LIGHT),
                                               (1.0, SILVER)]), mask)


def left_column(canvas):
    l, t, r, b = BODY[0], HEADER[3], CONTENT[0], STRIP[1]
    area = _box((l, t, r, b))
    paint.layer(canvas, paint.vgradient(SIZE, [(_v(t), (222, 234, 250)), (_v(b), (160, 190, 230))]), area)

    def arcs(d, s):
        cx, cy = l - 40, b + 40
        for i, radius in enumerate((150, 175, 200, 225)):
            d.arc(((cx - radius) * s, (cy - radius) * s, (cx + radius) * s, (cy + radius) * s),
                  start=270, end=360, fill=255, width=int((6 - i) * s))
    paint.layer(canvas, WHITE, paint.scale_mask(paint.multiply_masks(paint.aa_mask(SIZE, arcs), area), 0.55))
    chip(canvas, (l + 14, 190))
    paint.layer(canvas, SILVER_DARK, _box((r - 2, t, r - 1, b)))
    paint.layer(canvas, WHITE, _box((r - 1, t, r, b)))


def chip(canvas, origin):
    """A faint processor outline in the left column."""
    x, y = origin
    size = 58

    def draw(d, s):
        d.rounded_rectangle(((x + 8) * s, (y + 8) * s, (x + size - 8) * s, (y + size - 8) * s),
                            radius=4 * s, outline=255, width=2 * s)
        d.rectangle(((x + 20) * s, (y + 20) * s, (x + size - 20) * s, (y + size - 20) * s),
                    outline=255, width=2 * s)
        for i in range(6):
            p = x + 13 + i * 6.4
            for a, b2 in ((y, y + 8), (y + size - 8, y + size)):
                d.line((p * s, a * s, p * s, b2 * s), fill=255, width=2 * s)
            q = y + 13 + i * 6.4
            for a, b2 in ((x, x + 8), (x + size - 8, x + size)):
                d.line((a * s, q * s, b2 * s, q * s), fill=255, width=2 * s)
    paint.layer(canvas, WHITE, paint.scale_mask(paint.aa_mask(SIZE, draw), 0.7))


def content(canvas):
    l, t, r, b = CONTENT
    paint.layer(canvas, WHITE, _box((l, t, r, b)))
    paint.layer(canvas, paint.vgradient(SIZE, [(_v(STATUS_TOP), WHITE), (_v(b), (234, 242, 252))]),
                _box((l, STATUS_TOP, r, b)))
    rule = paint.hgradient(SIZE, [(l / SIZE[0], WHITE), (0.45, SKY), (0.8, SKY), (r / SIZE[0], WHITE)])
    paint.layer(canvas, rule, _box((l + 6, STATUS_TOP - 2, r - 6, STATUS_TOP - 1)))
    paint.layer(canvas, SILVER_DARK, _box((r, t, r + 1, b)))


def header(canvas, mask):
    l, t, r, b = HEADER
    area = paint.multiply_masks(mask, _box((0, t, r, b)))
    paint.layer(canvas, paint.vgradient(SIZE, [(_v(t), BRIGHT_BLUE), (_v(t + 24), ROYAL_BLUE),
                                               (_v(b), DEEP_BLUE)]), area)
    gloss = paint.multiply_masks(paint.eroded(area, 2), paint.vfade(SIZE, 130, 30, top=t, bottom=t + 24))
    paint.layer(canvas, WHITE, paint.multiply_masks(gloss, _box((0, t, r, t + 24))))
    swoosh = paint.aa_mask(SIZE, lambda d, s: d.ellipse((180 * s, 72 * s, 760 * s, 198 * s), fill=255))
    hole = paint.aa_mask(SIZE, lambda d, s: d.ellipse((190 * s, 78 * s, 780 * s, 208 * s), fill=255))
    ring = paint.multiply_masks(swoosh, hole.point(lambda v: 255 - v))
    paint.layer(canvas, SKY, paint.scale_mask(paint.multiply_masks(ring, area), 0.5))
    paint.layer(canvas, ORANGE, _box((0, b - 2, r, b)))
    paint.layer(canvas, (255, 214, 150), _box((0, b - 1, r, b)))
    emblem.word_mark(canvas, (148, 39), 24)
    small = paint.font("DejaVuSans.ttf", 10)
    paint.layer(canvas, SKY, paint.text_mask(SIZE, (150, 68), "System-Tuning für Windows 2000 / XP", small))


def strip(canvas, mask):
    l, t, r, b = STRIP
    area = paint.multiply_masks(mask, _box(STRIP))
    paint.layer(canvas, paint.vgradient(SIZE, [(_v(t), (70, 120, 200)), (_v(t + 16), DEEP_BLUE),
                                               (_v(b), NAVY)]), area)
    gloss = paint.multiply_masks(paint.eroded(area, 2), paint.vfade(SIZE, 110, 10, top=t, bottom=t + 17))
    paint.layer(canvas, WHITE, paint.multiply_masks(gloss, _box((0, t, r, t + 17))))
    for _, _, _, (x0, y0, _, y1), _ in menu_cells()[1:]:
        paint.layer(canvas, NAVY, _box((x0 - 2, y0 + 4, x0 - 1, y1 - 4)))
        paint.layer(canvas, (90, 140, 220), _box((x0 - 1, y0 + 4, x0, y1 - 4)))
    cx, cy, rr = KNOB
    canvas.alpha_composite(emblem.orb_plain(2 * rr), (cx - rr, cy - rr))


def cog(canvas):
    c = COG
    shadow = Gear(c["cx"] + 2, c["cy"] + 3, c["root"], c["outer"], c["teeth"], c["phase"])
    _, shadow_mask = gear.metal(shadow, SIZE)
    paint.layer(canvas, (0, 0, 0), paint.scale_mask(paint.blurred(shadow_mask, 3), 0.35))
    img, _ = gear.metal(Gear(c["cx"], c["cy"], c["root"], c["outer"], c["teeth"], c["phase"]), SIZE)
    canvas.alpha_composite(img)
    d = 2 * (c["root"] - 8)
    canvas.alpha_composite(emblem.orb(d), (c["cx"] - d // 2, c["cy"] - d // 2))


def draw():
    skin = Skin("main_skin", SIZE, figure())
    frame(skin.canvas, skin.mask)
    left_column(skin.canvas)
    content(skin.canvas)
    header(skin.canvas, skin.mask)
    strip(skin.canvas, skin.mask)
    cog(skin.canvas)
    skin.edge()
    return skin
