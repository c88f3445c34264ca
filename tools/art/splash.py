"""The splash window: emblem, word mark, feature list and a calm corner for the version label."""

from PIL import Image

import emblem
import paint
from palette import (BRIGHT_BLUE, DEEP_BLUE, ICE, ORANGE, ROYAL_BLUE, SILVER, SILVER_LIGHT, SKY,
                     STEEL, TEXT_BLUE, WHITE)
from silhouette import Circle, RoundRect, Union
from skinkit import Skin

SIZE = (372, 243)
RECT_COUNT = 96
ORB_CENTRE = (64, 64)
ORB_RADIUS = 62
BODY = (10, 26, 372, 243)
CORNERS = (22, 54, 20, 54)  # top-left, top-right, bottom-right, bottom-left
HEADER_BOTTOM = 118
VERSION_LABEL = (240, 214, 350, 228)  # left, top, right, bottom: the grey version text goes here
FEATURES = ["Performance- und Internet-Tuning", "Sicherheit und Anti-Spy",
            "Backups und Wiederherstellung", "Systeminformationen"]


def figure():
    return Union(RoundRect(*BODY, CORNERS), Circle(ORB_CENTRE[0], ORB_CENTRE[1], ORB_RADIUS))


def _box(box):
    mask = Image.new("L", SIZE, 0)
    mask.paste(255, box)
    return mask


def header(canvas, mask):
    w, h = SIZE
    top = BODY[1]
    area = paint.multiply_masks(mask, _box((0, 0, w, HEADER_BOTTOM)))
    paint.layer(canvas, paint.vgradient(SIZE, [(top / h, BRIGHT_BLUE), ((top + 30) / h, ROYAL_BLUE),
                                               (HEADER_BOTTOM / h, DEEP_BLUE)]), area)
    gloss = paint.multiply_masks(paint.eroded(area, 2), paint.vfade(SIZE, 120, 20, top=top, bottom=top + 34))
    paint.layer(canvas, WHITE, paint.multiply_masks(gloss, _box((0, top, w, top + 34))))
    swoosh = paint.aa_mask(SIZE, lambda d, s: d.ellipse((-120 * s, 84 * s, 520 * s, 266 * s), fill=255))
    hole = paint.aa_mask(SIZE, lambda d, s: d.ellipse((-100 * s, 94 * s, 540 * s, 306 * s), fill=255))
    ring = paint.multiply_masks(swoosh, hole.point(lambda v: 255 - v))
    paint.layer(canvas, SKY, paint.scale_mask(paint.multiply_masks(ring, area), 0.55))


def body(canvas):
    w, h = SIZE
    paint.layer(canvas, paint.vgradient(SIZE, [(HEADER_BOTTOM / h, SILVER_LIGHT), (0.8, WHITE),
                                               (1.0, ICE)]), _box((0, HEADER_BOTTOM, w, h)))
    paint.layer(canvas, paint.hgradient(SIZE, [(0.0, ORANGE), (0.6, (255, 200, 120)), (1.0, SILVER)]),
                _box((0, HEADER_BOTTOM, w, HEADER_BOTTOM + 2)))


def features(canvas):
    regular = paint.font("DejaVuSans.ttf", 11)
    for i, text in enumerate(FEATURES):
        y = 132 + i * 18
        tick = paint.ellipse_mask(SIZE, (150, y, 161, y + 11))
        paint.layer(canvas, paint.vgradient(SIZE, [(y / SIZE[1], BRIGHT_BLUE), ((y + 11) / SIZE[1], DEEP_BLUE)]), tick)
        check = paint.aa_mask(SIZE, lambda d, s, y=y: d.line(
            [(152.5 * s, (y + 5.5) * s), (155 * s, (y + 8) * s), (159 * s, (y + 3) * s)],
            fill=255, width=int(1.6 * s)))
        paint.layer(canvas, WHITE, check)
        paint.layer(canvas, TEXT_BLUE, paint.text_mask(SIZE, (168, y - 1), text, regular))


def orb(canvas):
    cx, cy = ORB_CENTRE
    shadow = paint.ellipse_mask(SIZE, (cx - 50, cy + ORB_RADIUS - 6, cx + 54, cy + ORB_RADIUS + 8))
    paint.layer(canvas, (40, 60, 100), paint.scale_mask(paint.blurred(shadow, 4), 0.45))
    d = 2 * ORB_RADIUS
    canvas.alpha_composite(emblem.orb(d), (cx - ORB_RADIUS, cy - ORB_RADIUS))


def draw():
    skin = Skin("splash_skin", SIZE, figure())
    canvas = skin.canvas
    header(canvas, skin.mask)
    body(canvas)
    features(canvas)
    emblem.word_mark(canvas, (140, 40), 28, stacked=True)
    orb(canvas)
    small = paint.font("DejaVuSans.ttf", 9)
    paint.layer(canvas, STEEL, paint.text_mask(SIZE, (38, 216), "© 2005 Kestovar", small))
    skin.edge()
    return skin
