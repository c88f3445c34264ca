"""Small pictures of the windows: link buttons, icons, the settings gear and the menu hovers.

Each glyph is one table entry: name -> (size, drawing function). A drawing function gets an
empty RGBA image and paints on it; what it leaves transparent becomes magenta 0xFF00FF, the
colour the bottom-left pixel gives as the picture's transparent colour. Partly covered edge
pixels are blended onto white, the background of the pages."""

import math
import re

from PIL import Image

import paint
from palette import DEEP_BLUE, MAGENTA, ROYAL_BLUE, WHITE
import main_window
from silhouette import Gear

BLUE_BALL = ((10, 40, 110), ROYAL_BLUE, (150, 205, 255))
GREEN_BALL = ((0, 70, 0), (34, 150, 40), (170, 240, 150))
GREY_BALL = ((70, 80, 100), (150, 160, 178), (236, 240, 246))
RED_BALL = ((100, 0, 0), (210, 40, 30), (255, 170, 150))
EDGE_ALPHA = 96  # pixels covered less than this are transparent


def ball(img, colours, rim=None):
    """A glossy ball filling the picture."""
    size = img.size[0]
    dark, mid, light = colours
    img.alpha_composite(paint.sphere(size, dark, mid, light, rim=rim or dark))
    gloss = paint.ellipse_mask(img.size, (size * 0.2, size * 0.06, size * 0.8, size * 0.5))
    paint.layer(img, WHITE, paint.multiply_masks(gloss, paint.vfade(img.size, 170, 20, top=0,
                                                                     bottom=size // 2)))


def arrow(img, colour=WHITE):
    """A right-pointing chevron in the middle of the picture."""
    s = img.size[0] / 16.0
    pts = [(6.0 * s, 4.2 * s), (10.8 * s, 8.0 * s), (6.0 * s, 11.8 * s)]
    mask = paint.aa_mask(img.size, lambda d, k: d.line([(x * k, y * k) for x, y in pts], fill=255,
                                                       width=int(2.2 * s * k), joint="curve"))
    paint.layer(img, colour, mask)


def cross(img, colour=WHITE):
    s = img.size[0] / 16.0

    def draw(d, k):
        for a, b in (((5.2, 5.2), (10.8, 10.8)), ((10.8, 5.2), (5.2, 10.8))):
            d.line((a[0] * s * k, a[1] * s * k, b[0] * s * k, b[1] * s * k), fill=255,
                   width=int(2.0 * s * k))
    paint.layer(img, colour, paint.aa_mask(img.size, draw))


def letter_i(img, colour=WHITE):
    s = img.size[0] / 32.0
    dot = paint.ellipse_mask(img.size, (13.6 * s, 6.5 * s, 18.4 * s, 11.3 * s))
    stem = paint.round_rect_mask(img.size, (int(13.5 * s), int(13 * s), int(18.5 * s), int(25 * s)), 1)
    paint.layer(img, (0, 0, 0), paint.scale_mask(paint.shifted(paint.multiply_masks(stem, stem), 0, 1), 0.3))
    paint.layer(img, colour, dot)
    paint.layer(img, colour, stem)


def link_arrow(img):
    ball(img, BLUE_BALL)
    arrow(img)


def link_arrow_over(img):
    ball(img, GREEN_BALL)
    arrow(img)


HARDWARE_LINK_TEXT = "Hardware-Analyse >"
HARDWARE_LINK_SIZE = (152, 16)


def text_link(text, colour, balls):
    """A link drawn as one picture: the round arrow and the link's text beside it."""
    def draw(img):
        ball_img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
        ball(ball_img, balls)
        arrow(ball_img)
        img.alpha_composite(ball_img)
        fnt = paint.font("DejaVuSans-Bold.ttf", 11)
        paint.layer(img, colour, paint.text_mask(img.size, (20, 8), text, fnt, anchor="lm"))
    return draw


def info_icon(img):
    ball(img, BLUE_BALL)
    letter_i(img)


def info_icon_over(img):
    ball(img, GREEN_BALL)
    letter_i(img)


def uninstall_normal(img):
    ball(img, GREY_BALL)
    cross(img)


def uninstall_over(img):
    ball(img, RED_BALL)
    cross(img)


def _cog(img, light, dark):
    size = img.size[0]
    k = paint.SUPERSAMPLE
    c = size * k / 2.0
    cog = Gear(c, c, size * k * 0.33, size * k * 0.5, 8, 22.5, tooth=0.34, flank=0.12)
    big = Image.new("L", (size * k, size * k), 0)
    for y in range(size * k):
        for start, end in cog.spans(y):
            big.paste(255, (max(0, start), y, min(size * k, end), y + 1))
    mask = big.reduce(k)
    r = size * 0.14
    hole = paint.ellipse_mask(img.size, (size / 2 - r, size / 2 - r, size / 2 + r, size / 2 + r))
    mask = paint.multiply_masks(mask, hole.point(lambda v: 255 - v))
    paint.layer(img, paint.dgradient(img.size, [(0.0, light), (1.0, dark)]), mask)
    paint.bevel(img, mask, WHITE, (20, 30, 50), strength=0.5)


def gear_normal(img):
    _cog(img, (222, 228, 238), (92, 104, 128))


def gear_over(img):
    _cog(img, (170, 214, 255), DEEP_BLUE)


# Row icons of the tuning list, one per category: a ball in the category's colour with a sign.
ORANGE_BALL = ((120, 50, 0), (240, 130, 20), (255, 214, 140))
VIOLET_BALL = ((60, 20, 100), (140, 70, 200), (220, 190, 250))
TEAL_BALL = ((0, 70, 80), (20, 150, 160), (160, 235, 235))


def _figure(img, draw):
    """Paints in white what draw(ImageDraw, unit) draws, unit being 1/16 of the picture."""
    s = img.size[0] / 16.0
    paint.layer(img, WHITE, paint.aa_mask(img.size, lambda d, k: draw(d, s * k)))


def bolt(img):
    _figure(img, lambda d, u: d.polygon([(x * u, y * u) for x, y in (
        (9.2, 2.6), (4.6, 8.8), (7.6, 8.8), (6.4, 13.4), (11.4, 6.8), (8.4, 6.8))], fill=255))


def star(img):
    pts = []
    for i in range(10):
        r = 5.6 if i % 2 == 0 else 2.4
        a = math.pi / 2 + i * math.pi / 5
        pts.append((8 + r * math.cos(a), 8.4 - r * math.sin(a)))
    _figure(img, lambda d, u: d.polygon([(x * u, y * u) for x, y in pts], fill=255))


def globe(img):
    def draw(d, u):
        w = max(1, int(1.1 * u))
        d.ellipse((3.2 * u, 3.2 * u, 12.8 * u, 12.8 * u), outline=255, width=w)
        d.ellipse((5.9 * u, 3.2 * u, 10.1 * u, 12.8 * u), outline=255, width=w)
        d.line((3.2 * u, 8 * u, 12.8 * u, 8 * u), fill=255, width=w)
    _figure(img, draw)


def keyhole(img):
    def draw(d, u):
        d.ellipse((5.6 * u, 3.4 * u, 10.4 * u, 8.2 * u), fill=255)
        d.polygon([(6.9 * u, 7 * u), (9.1 * u, 7 * u), (10 * u, 12.6 * u), (6 * u, 12.6 * u)],
                  fill=255)
    _figure(img, draw)


def eye(img):
    def draw(d, u):
        d.chord((2.6 * u, 4.2 * u, 13.4 * u, 14.6 * u), 200, 340, fill=255)
        d.chord((2.6 * u, 1.4 * u, 13.4 * u, 11.8 * u), 20, 160, fill=255)
    _figure(img, draw)
    pupil = paint.ellipse_mask(img.size, tuple(v * img.size[0] / 16.0 for v in (6.3, 6.3, 9.7, 9.7)))
    paint.layer(img, (40, 20, 20), pupil)


def tick(img):
    s = img.size[0] / 16.0
    pts = [(4.2 * s, 8.2 * s), (7.0 * s, 11.0 * s), (11.8 * s, 5.0 * s)]
    mask = paint.aa_mask(img.size, lambda d, k: d.line([(x * k, y * k) for x, y in pts], fill=255,
                                                       width=int(2.2 * s * k), joint="curve"))
    paint.layer(img, WHITE, mask)


def row_icon(colours, sign):
    def draw(img):
        ball(img, colours)
        sign(img)
    return draw


ROW_ICON_SIZE = (15, 15)  # centred in the rows' 20 x 15 icon places

GLYPHS = {
    "link_arrow": ((16, 16), link_arrow),
    "link_arrow_over": ((16, 16), link_arrow_over),
    "hardware_link": (HARDWARE_LINK_SIZE, text_link(HARDWARE_LINK_TEXT, (0, 0, 0), BLUE_BALL)),
    "hardware_link_over": (HARDWARE_LINK_SIZE,
                           text_link(HARDWARE_LINK_TEXT, (0, 128, 0), GREEN_BALL)),
    "info_icon": ((32, 32), info_icon),
    "info_icon_over": ((32, 32), info_icon_over),
    "uninstall_normal": ((16, 16), uninstall_normal),
    "uninstall_over": ((16, 16), uninstall_over),
    "gear": ((16, 16), gear_normal),
    "gear_over": ((16, 16), gear_over),
    "row_performance": (ROW_ICON_SIZE, row_icon(ORANGE_BALL, bolt)),
    "row_appearance": (ROW_ICON_SIZE, row_icon(VIOLET_BALL, star)),
    "row_internet": (ROW_ICON_SIZE, row_icon(BLUE_BALL, globe)),
    "row_security": (ROW_ICON_SIZE, row_icon(GREEN_BALL, keyhole)),
    "row_antispy": (ROW_ICON_SIZE, row_icon(RED_BALL, eye)),
    "row_options": (ROW_ICON_SIZE, row_icon(TEAL_BALL, tick)),
}


def flatten(img):
    """RGB picture: covered pixels blended onto white, the rest magenta."""
    out = Image.new("RGB", img.size, MAGENTA)
    on_white = Image.new("RGBA", img.size, WHITE + (255,))
    on_white.alpha_composite(img)
    covered = img.getchannel("A").point(lambda a: 255 if a >= EDGE_ALPHA else 0)
    out.paste(on_white.convert("RGB"), (0, 0), covered)
    if out.getpixel((0, out.size[1] - 1)) != MAGENTA:
        raise ValueError("a transparent glyph must leave its bottom-left pixel uncovered")
    return out


def render(name):
    size, draw = GLYPHS[name]
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    draw(img)
    return flatten(img)


def menu_hover_name(caption):
    return "menu_hover_" + re.sub("[^a-z]+", "_", caption.lower()).strip("_")


def menu_hovers(main_bitmap):
    """Opaque hover pictures, one per menu label: the strip under the label, lit. Each is cut
    from the finished main skin so it fits seamlessly at its cell."""
    out = {}
    for caption, _, has_hover, cell, _ in main_window.menu_cells():
        if not has_hover:
            continue
        l, t, r, b = cell
        size = (r - l, b - t)
        img = main_bitmap.crop(cell).convert("RGBA")
        pill = paint.round_rect_mask(size, (0, 0) + size, 7)
        paint.layer(img, paint.vgradient(size, [(0.0, (120, 184, 255)), (0.5, (44, 118, 224)),
                                                (1.0, (20, 70, 170))]), pill)
        gloss = paint.multiply_masks(paint.round_rect_mask(size, (2, 1, size[0] - 2, size[1] // 2), 5),
                                     paint.vfade(size, 120, 30, top=0, bottom=size[1] // 2))
        paint.layer(img, WHITE, gloss)
        paint.layer(img, (180, 220, 255), paint.scale_mask(paint.outline_of(pill, 1), 0.8))
        out[menu_hover_name(caption)] = img.convert("RGB")
    return out
