"""The metal cog that frames the emblem on the main window."""

from PIL import Image

import paint
from palette import WHITE


def metal(figure, size):
    """RGBA steel rendering of a silhouette figure lit from the upper left; returns the image
    and the figure's mask."""
    w, h = size
    mask = Image.new("L", size, 0)
    for y in range(h):
        for start, end in figure.spans(y):
            mask.paste(255, (start, y, end, y + 1))
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    box = mask.getbbox() or (0, 0, w, h)
    bw, bh = box[2] - box[0], box[3] - box[1]
    steel = paint.dgradient((bw, bh), [(0.0, (252, 253, 255)), (0.35, (214, 222, 234)),
                                       (0.62, (164, 176, 198)), (1.0, (96, 110, 138))])
    full = Image.new("RGBA", size, (0, 0, 0, 0))
    full.paste(steel, box[:2])
    paint.layer(img, full, mask)
    paint.bevel(img, mask, WHITE, (40, 50, 74), strength=0.9)
    paint.layer(img, (44, 56, 82), paint.scale_mask(paint.outline_of(mask, 1), 0.7))
    return img, mask
