"""What every window skin shares: the silhouette mask, the framed edge and the final flattening
to the opaque bitmap (pixels outside the silhouette are black; they are not part of the window)."""

from PIL import Image

import paint
import region
import silhouette
from palette import OUTLINE, WHITE


class Skin:
    def __init__(self, name, size, figure):
        self.name = name
        self.size = size
        self.rows = silhouette.clipped_rows(figure, size[0], size[1])
        self.rects = region.rects_from_rows(self.rows)
        self.mask = Image.new("L", size, 0)
        for y, spans in enumerate(self.rows):
            for start, end in spans:
                self.mask.paste(255, (start, y, end, y + 1))
        self.canvas = Image.new("RGBA", size, (0, 0, 0, 255))

    def edge(self, outline=OUTLINE, highlight=WHITE, highlight_alpha=0.45):
        """A dark rim on the outermost pixels and a soft light line inside it."""
        rim = paint.outline_of(self.mask, 1)
        inner = paint.outline_of(paint.eroded(self.mask, 1), 1)
        paint.layer(self.canvas, highlight, paint.scale_mask(inner, highlight_alpha))
        paint.layer(self.canvas, outline, rim)

    def bitmap(self):
        black = Image.new("RGB", self.size, (0, 0, 0))
        black.paste(self.canvas.convert("RGB"), (0, 0), self.mask)
        return black

    def region_stream(self):
        return region.region_stream(self.rects)
