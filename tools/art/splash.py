"""The splash window: emblem, word mark, feature list and a calm corner for the version label."""

from PIL import Image

import emblem
import paint
from palette import (BRIGHT_BLUE, DEEP_BLUE, NAVY, ORANGE, ROYAL_BLUE, SILVER, SILVER_LIGHT,
                     SKY, STEEL, TEXT_BLUE, WHITE, ICE)
from silhouette import Circle, RoundRect, Union
from skinkit import Skin

SIZE = (372, 243)
ORB_CENTRE = (64, 64)
ORB_RADIUS = 62
BODY = (10, 26, 372, 243)
CORNERS = (22, 54, 20, 54)
HEADER_BOTTOM = 118
VERSION_LABEL = (240, 214, 350, 228)  # left, top, right, bottom: grey version text goes here
RECT_COUNT = 96


def figure():
    body = RoundRect(*BODY, CORNERS)
    return Union(body, Circle(ORB_CENTRE[0], ORB_CENTRE[1], ORB_RADIUS))


def header(canvas):
    w, h = SIZE
    band = paint.vgradient(SIZE, [(0.0, BRIGHT_BLUE), (0.25, ROYAL_BLUE), (0.46, DEEP_BLUE)])
    mask = Image.new("L", SIZE, 0)
    mask.paste(255, (0, 0, w, HEADER_BOTTOM))
    paint.layer(canvas, band, mask)
    gloss = paint.multiply_masks(paint.vfade(SIZE, 120, 20, top=12, bottom=56),
                                 paint.round_rect_mask(SIZE, (4, 14, w - 4, 58), 14))
    paint.layer(canvas, WHITE, gloss)
    swoosh = paint.aa_mask(SIZE, lambda d, s: d.ellipse((-120 * s, 78 * s, 520 * s, 260 * s), fill=255))
    swoosh_hole = paint.aa_mask(SIZE, lambda d, s: d.ellipse((-100 * s, 88 * s, 540 * s, 300 * s), fill=255))
    ring = paint.multiply_masks(swoosh, swoosh_hole.point(lambda v: 255 - v))
    paint.layer(canvas, SKY, paint.scale_mask(paint.multiply_masks(ring, mask), 0.55))


def body(canvas):
    w, h = SIZE
    mask = Image.new("L", SIZE, 0)
    mask.paste(255, (0, HEADER_BOTTOM, w, h))
    paint.layer(canvas, paint.vgradient(SIZE, [(HEADER_BOTTOM / h, SILVER_LIGHT), (0.8, WHITE),
                                               (1.0, ICE)]), mask)
    line = Image.new("L", SIZE, 0)
    line.paste(255, (0, HEADER_BOTTOM, w, HEADER_BOTTOM + 2))
    paint.layer(canvas, paint.hgradient(SIZE, [(0.0, ORANGE), (0.6, (255, 200, 120)), (1.0, SILVER)]),
                line)


def features(canvas):
    regular = paint.font("DejaVuSans.ttf", 11)
    items = ["Performance- und Internet-Tuning", "Sicherheit und Anti-Spy",
             "Backups und Wiederherstellung", "Systeminformationen"]
    for i, text in enumerate(items):
        y = 132 + i * 18
        tick = paint.ellipse_mask(SIZE, (150, y, 161, y + 11))
        paint.layer(canvas, paint.vgradient(SIZE, [(y / SIZE[1], BRIGHT_BLUE), ((y + 11) / SIZE[1], DEEP_BLUE)]), tick)
        check = paint.aa_mask(SIZE, lambda d, s, y=y: d.line(
            [(152.5 * s, (y + 5.5) * s), (155 * s, (y + 8) * s), (159 * s, (y + 3) * s)],
            fill=255, width=int(1.6 * s)))
        paint.layer(canvas, WHITE, check)
        paint.layer(canvas, TEXT_BLUE, paint.text_mask(SIZE, (168, y - 1), text, regular))


def draw():
    skin = Skin("splash_skin", SIZE, figure())
    canvas = skin.canvas
    header(canvas)
    body(canvas)
    features(canvas)
    emblem.word_mark(canvas, (140, 40), 28, stacked=True)
    d = 2 * ORB_RADIUS
    shadow = Image.new("L", SIZE, 0)
    ox, oy = ORB_CENTRE[0] - ORB_RADIUS, ORB_CENTRE[1] - ORB_RADIUS
    orb = emblem.orb(d)
    canvas.alpha_composite(orb, (ox, oy))
    small = paint.font("DejaVuSans.ttf", 9)
    paint.layer(canvas, STEEL, paint.text_mask(SIZE, (14, 222), "© 2005 Kestovar", small))
    skin.edge()
    return skin
