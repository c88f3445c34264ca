"""Opaque pictures of the tuning list: the category title strip, the header with the three
column buttons (deactivate, no change, activate) at its right end, and the background of a
row's button panel. The layouts place them on white."""

from PIL import Image

import paint
from palette import BRIGHT_BLUE, DEEP_BLUE, ROYAL_BLUE, SILVER, SILVER_LIGHT, WHITE

TITLE_SIZE = (354, 21)   # the strip spans the list; the header covers its right end
HEADER_SIZE = (58, 21)
ROW_BACK_SIZE = (58, 17)
HEADER_CELLS = (2, 21, 40)  # left edges of the 17-pixel header buttons, as in the layout
CELL = 17

MINUS_BALL = ((120, 10, 0), (214, 70, 40), (255, 180, 160))
NONE_BALL = ((70, 80, 100), (150, 160, 178), (236, 240, 246))
PLUS_BALL = ((0, 70, 0), (34, 150, 40), (170, 240, 150))


def title_strip():
    size = TITLE_SIZE
    img = Image.new("RGBA", size, WHITE + (255,))
    body = paint.round_rect_mask(size, (0, 0) + size, 5)
    paint.layer(img, paint.vgradient(size, [(0.0, BRIGHT_BLUE), (0.5, ROYAL_BLUE),
                                            (1.0, DEEP_BLUE)]), body)
    gloss = paint.multiply_masks(paint.round_rect_mask(size, (2, 1, size[0] - 2, size[1] // 2), 4),
                                 paint.vfade(size, 90, 20, top=0, bottom=size[1] // 2))
    paint.layer(img, WHITE, gloss)
    return img


def _symbol(img, kind, cx, cy):
    def draw(d, k):
        w = int(2.0 * k)
        if kind in ("minus", "plus"):
            d.line(((cx - 3.5) * k, cy * k, (cx + 3.5) * k, cy * k), fill=255, width=w)
        if kind == "plus":
            d.line((cx * k, (cy - 3.5) * k, cx * k, (cy + 3.5) * k), fill=255, width=w)
        if kind == "none":
            d.ellipse(((cx - 2.2) * k, (cy - 2.2) * k, (cx + 2.2) * k, (cy + 2.2) * k), fill=255)
    paint.layer(img, WHITE, paint.aa_mask(img.size, draw))


def category_header():
    img = title_strip().crop((TITLE_SIZE[0] - HEADER_SIZE[0], 0) + TITLE_SIZE)
    for left, colours, kind in zip(HEADER_CELLS, (MINUS_BALL, NONE_BALL, PLUS_BALL),
                                   ("minus", "none", "plus")):
        ball = paint.sphere(CELL - 2, *colours, rim=colours[0])
        top = (HEADER_SIZE[1] - ball.size[1]) // 2
        img.alpha_composite(ball, (left + 1, top))
        _symbol(img, kind, left + CELL / 2.0, HEADER_SIZE[1] / 2.0)
    return img


def row_back():
    """White, with a faint frame between the three buttons and a line under them."""
    size = ROW_BACK_SIZE
    img = Image.new("RGBA", size, WHITE + (255,))
    band = paint.round_rect_mask(size, (0, 0) + size, 4)
    paint.layer(img, SILVER_LIGHT, band)
    paint.layer(img, SILVER, paint.outline_of(band, 1))
    return img


def pictures():
    """{file name without extension: RGB picture}"""
    return {"category_title": title_strip().convert("RGB"),
            "category_header": category_header().convert("RGB"),
            "row_back": row_back().convert("RGB")}
