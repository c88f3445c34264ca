"""Icons of the tuning assistant's risk levels: a ball in the level's colour (green, orange,
red) with one, two or three rising bars, like a signal meter. Drawn as the glyphs are, on a
magenta background that the layouts use as the transparent colour."""

from PIL import Image

import glyphs
import paint
from palette import WHITE

ICON_SIZE = (20, 20)
ORANGE_BALL = ((120, 50, 0), (240, 130, 20), (255, 214, 140))
LEVELS = {
    "risk_low": (glyphs.GREEN_BALL, 1),
    "risk_medium": (ORANGE_BALL, 2),
    "risk_high": (glyphs.RED_BALL, 3),
}


def _bars(img, lit):
    """Three bars rising left to right; the first `lit` are white, the others faint."""
    u = img.size[0] / 16.0
    for i in range(3):
        left = 4.3 + i * 2.8
        top = 10.6 - i * 2.4

        def draw(d, k, left=left, top=top):
            d.rectangle((left * u * k, top * u * k, (left + 1.9) * u * k, 12.2 * u * k), fill=255)
        mask = paint.aa_mask(img.size, draw)
        paint.layer(img, WHITE, mask if i < lit else paint.scale_mask(mask, 0.35))


def render(name):
    colours, lit = LEVELS[name]
    img = Image.new("RGBA", ICON_SIZE, (0, 0, 0, 0))
    glyphs.ball(img, colours)
    _bars(img, lit)
    return glyphs.flatten(img)


def pictures():
    return {name: render(name) for name in LEVELS}
