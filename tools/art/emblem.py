"""The product emblem (a glossy orb holding a speedometer) and the word mark."""

import math

from PIL import Image

import paint
from palette import NAVY, ORANGE, ORANGE_DARK, ORANGE_LIGHT, ROYAL_BLUE, SKY, WHITE


def orb(diameter):
    """RGBA emblem: silver bezel, blue glass ball, dial ticks, orange needle, gloss."""
    size = (diameter, diameter)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    bezel = paint.sphere(diameter, (96, 110, 136), (206, 214, 228), (255, 255, 255))
    img.alpha_composite(bezel)
    inset = max(3, diameter // 14)
    ball = paint.sphere(diameter - 2 * inset, NAVY, ROYAL_BLUE, (120, 190, 255), rim=(4, 20, 60))
    img.alpha_composite(ball, (inset, inset))

    c = diameter / 2.0
    dial_r = c - inset - diameter * 0.1

    def draw_dial(d, s):
        for i in range(11):
            angle = math.radians(215 - i * 25)
            outer = dial_r
            inner = dial_r - (diameter * 0.09 if i % 5 == 0 else diameter * 0.05)
            x0, y0 = c + inner * math.cos(angle), c - inner * math.sin(angle)
            x1, y1 = c + outer * math.cos(angle), c - outer * math.sin(angle)
            d.line((x0 * s, y0 * s, x1 * s, y1 * s), fill=255,
                   width=max(1, int(round(diameter * 0.025 * s))))
    ticks = paint.aa_mask(size, draw_dial)
    paint.layer(img, SKY, ticks)

    arc_box = (c - dial_r - 1, c - dial_r - 1, c + dial_r + 1, c + dial_r + 1)
    # the high end of the scale, in PIL's angles (clockwise from three o'clock)
    red_zone = paint.aa_mask(size, lambda d, s: d.arc(
        tuple(v * s for v in arc_box), start=265, end=325,
        fill=255, width=max(1, int(round(diameter * 0.035 * s)))))
    paint.layer(img, ORANGE, red_zone)

    needle_angle = math.radians(40)
    tip = (c + dial_r * 0.92 * math.cos(needle_angle), c - dial_r * 0.92 * math.sin(needle_angle))
    side = diameter * 0.045
    base_l = (c - side * math.sin(needle_angle), c - side * math.cos(needle_angle))
    base_r = (c + side * math.sin(needle_angle), c + side * math.cos(needle_angle))
    tail = (c - diameter * 0.08 * math.cos(needle_angle), c + diameter * 0.08 * math.sin(needle_angle))
    needle = paint.polygon_mask(size, [tip, base_l, tail, base_r])
    paint.layer(img, (60, 20, 0), paint.blurred(paint.shifted(needle, 1, 2), 1.2))
    paint.layer(img, paint.vgradient(size, [(0.3, ORANGE_LIGHT), (0.7, ORANGE_DARK)]), needle)
    hub_r = diameter * 0.07
    hub = paint.ellipse_mask(size, (c - hub_r, c - hub_r, c + hub_r, c + hub_r))
    paint.layer(img, paint.vgradient(size, [(0.42, WHITE), (0.58, (150, 160, 180))]), hub)

    gloss_box = (c - dial_r * 0.95, inset + diameter * 0.04, c + dial_r * 0.95, c + diameter * 0.02)
    gloss = paint.ellipse_mask(size, gloss_box)
    fade = paint.vfade(size, 200, 8, top=int(gloss_box[1]), bottom=int(gloss_box[3]))
    paint.layer(img, WHITE, paint.multiply_masks(gloss, fade))
    return img


def _glossy_text(canvas, xy, text, fnt, top, bottom, shadow):
    w, h = canvas.size
    mask = paint.text_mask((w, h), xy, text, fnt, anchor="lt")
    paint.layer(canvas, shadow, paint.scale_mask(paint.blurred(paint.shifted(mask, 1, 2), 2), 0.85))
    size = fnt.size
    paint.layer(canvas, paint.vgradient((w, h), [(xy[1] / h, top), ((xy[1] + size) / h, bottom)]), mask)


def word_mark(canvas, origin, size, stacked=False):
    """Draws "Brelvanto Kit" in white and "2005" in orange, the caps' top-left at origin. Stacked
    puts the year on a second line, right-aligned under the name. Returns the right edge."""
    x, y = origin
    bold = paint.font("DejaVuSans-Bold.ttf", size)
    name = "Brelvanto Kit"
    _glossy_text(canvas, (x, y), name, bold, WHITE, (196, 222, 255), (0, 10, 40))
    name_width = paint.text_width(name, bold)
    if stacked:
        year_xy = (x + name_width - paint.text_width("2005", bold), y + size * 1.15)
    else:
        year_xy = (x + paint.text_width(name + " ", bold), y)
    _glossy_text(canvas, year_xy, "2005", bold, ORANGE_LIGHT, ORANGE_DARK, (40, 10, 0))
    return max(x + name_width, year_xy[0] + paint.text_width("2005", bold))


def orb_plain(diameter):
    """A small glossy dark button (the close knob), without the dial."""
    size = (diameter, diameter)
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    img.alpha_composite(paint.sphere(diameter, (96, 110, 136), (206, 214, 228), WHITE))
    inset = max(2, diameter // 10)
    ball = paint.sphere(diameter - 2 * inset, (90, 10, 0), (214, 70, 20), (255, 160, 90), rim=(60, 8, 0))
    img.alpha_composite(ball, (inset, inset))
    c = diameter / 2.0
    gloss = paint.ellipse_mask(size, (inset + 3, inset + 1, diameter - inset - 3, c))
    fade = paint.vfade(size, 190, 10, top=inset, bottom=int(c))
    paint.layer(img, WHITE, paint.multiply_masks(gloss, fade))
    return img
