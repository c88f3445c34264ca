"""The two small skinned windows: the customisation dialog and the installer. Both have the
same 274 x 323 silhouette: a cog at the top left, a header with the close knob, a silver frame
around a white content area and a light foot bar for the "fortfahren >" links."""

from PIL import Image

import emblem
import gear
import paint
from palette import (BRIGHT_BLUE, DEEP_BLUE, ORANGE, ROYAL_BLUE, SILVER_DARK, WHITE)
from silhouette import Circle, Fillet, Gear, RoundRect, Union
from skinkit import Skin

FRAME_SIZE = (274, 323)
RECT_COUNT = 96
COG = dict(cx=28, cy=28, root=22, outer=28, teeth=12, phase=16.0)
HEADER = (30, 14, 274, 46)
HEADER_CAP = 18
BODY = (12, 30, 266, 300)
FOOT = (0, 283, 274, 323)
FOOT_CAP = 20
KNOB = (254, 15, 14)  # centre x, centre y, radius: the close label sits on it
CONTENT = (30, 50, 250, 279)  # white: the dialog's panels sit at (30, 50), 220 wide
FILLET = 8
# Link glyphs on the foot bar (left, top of a 16 x 16 glyph); each label starts 20 pixels right.
FOOT_LINKS = {"fortfahren": (160, 295), "beenden": (50, 295)}


def figure():
    c = COG
    width = FRAME_SIZE[0]
    inset = width - BODY[2]
    return Union(Gear(c["cx"], c["cy"], c["root"], c["outer"], c["teeth"], c["phase"]),
                 RoundRect(*HEADER, (0, HEADER_CAP, 0, 0)),
                 RoundRect(*BODY),
                 RoundRect(*FOOT, (FOOT_CAP,) * 4),
                 Fillet(BODY[2], HEADER[3], inset, 1, 1),
                 Fillet(BODY[0], FOOT[1], FILLET, -1, -1),
                 Fillet(BODY[2], FOOT[1], inset, 1, -1),
                 Circle(*KNOB))


def close_label_box():
    cx, cy, r = KNOB
    return (cx - 7, cy - 8, cx + 7, cy + 7)


def _box(size, box):
    mask = Image.new("L", size, 0)
    mask.paste(255, box)
    return mask


def _frame(skin):
    canvas, size = skin.canvas, skin.size
    h = FRAME_SIZE[1]
    paint.layer(canvas, paint.hgradient(size, [(0.0, (186, 206, 234)), (0.12, (228, 237, 250)),
                                               (0.88, (214, 226, 244)), (1.0, (168, 188, 220))]), skin.mask)
    l, t, r, b = CONTENT
    paint.layer(canvas, SILVER_DARK, _box(size, (l - 1, t - 1, r + 1, b + 1)))
    paint.layer(canvas, WHITE, _box(size, (l, t, r, b)))

    hl, ht, hr, hb = HEADER
    band = paint.vgradient(size, [(ht / size[1], BRIGHT_BLUE), ((ht + 12) / size[1], ROYAL_BLUE),
                                  (hb / size[1], DEEP_BLUE)])
    header_area = paint.multiply_masks(skin.mask, _box(size, (0, 0, hr, hb)))
    paint.layer(canvas, band, header_area)
    gloss = paint.multiply_masks(paint.eroded(header_area, 2),
                                 paint.vfade(size, 140, 20, top=ht, bottom=ht + 14))
    paint.layer(canvas, WHITE, paint.multiply_masks(gloss, _box(size, (0, ht, hr, ht + 14))))
    paint.layer(canvas, ORANGE, _box(size, (0, hb - 2, hr, hb)))

    fl, ft, fr, fb = FOOT
    foot_area = paint.multiply_masks(skin.mask, _box(size, (0, ft, fr, fb)))
    paint.layer(canvas, paint.vgradient(size, [(ft / size[1], WHITE), ((ft + 18) / size[1], (222, 230, 242)),
                                               (fb / size[1], (176, 192, 216))]), foot_area)
    paint.layer(canvas, SILVER_DARK, _box(size, (fl + 14, ft, fr - 14, ft + 1)))

    cx, cy, rr = KNOB
    canvas.alpha_composite(emblem.orb_plain(2 * rr), (cx - rr, cy - rr))

    c = COG
    cog_figure = Gear(c["cx"], c["cy"], c["root"], c["outer"], c["teeth"], c["phase"])
    shadow = Gear(c["cx"] + 1, c["cy"] + 2, c["root"], c["outer"], c["teeth"], c["phase"])
    _, smask = gear.metal(shadow, size)
    paint.layer(canvas, (0, 0, 0), paint.scale_mask(paint.blurred(smask, 2), 0.35))
    img, _ = gear.metal(cog_figure, size)
    canvas.alpha_composite(img)
    d = 2 * (c["root"] - 4)
    canvas.alpha_composite(emblem.orb(d), (c["cx"] - d // 2, c["cy"] - d // 2))
    emblem.word_mark(canvas, (64, 21), 15)


def draw_form7():
    skin = Skin("form7_skin", FRAME_SIZE, figure())
    _frame(skin)
    skin.edge()
    return skin


SETUP_SIZE = (377, 492)
SETUP_UPDATE_LABEL = (180, 56, 246, 72)  # "UPDATE", bold orange, right in the content's top


def draw_setup():
    skin = Skin("setup_skin", SETUP_SIZE, figure())
    _frame(skin)
    skin.edge()
    return skin
