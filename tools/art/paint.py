"""Small painting toolkit on top of PIL: gradients, anti-aliased figures, glows and text.

Layers are RGBA images composited onto an RGBA canvas; anti-aliasing comes from drawing masks at
four times the size and box-filtering them down, which is exact and repeatable."""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
SUPERSAMPLE = 4


def font(name, size):
    return ImageFont.truetype(FONT_DIR + name, size)


def mix(a, b, t):
    """Colour between a and b; t = 0 gives a, t = 1 gives b."""
    t = min(1.0, max(0.0, t))
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def ramp(stops, t):
    """Colour at t (0..1) along [(position, colour), ...] with positions ascending."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 1.0)
    return stops[-1][1]


def vgradient(size, stops):
    w, h = size
    column = Image.new("RGB", (1, h))
    column.putdata([ramp(stops, (y + 0.5) / h) for y in range(h)])
    return column.resize((w, h), Image.NEAREST).convert("RGBA")


def hgradient(size, stops):
    w, h = size
    row = Image.new("RGB", (w, 1))
    row.putdata([ramp(stops, (x + 0.5) / w) for x in range(w)])
    return row.resize((w, h), Image.NEAREST).convert("RGBA")


def solid(size, colour, alpha=255):
    return Image.new("RGBA", size, tuple(colour) + (alpha,))


def aa_mask(size, draw):
    """Anti-aliased L mask; draw(ImageDraw, scale) paints the figure in white at scale."""
    big = Image.new("L", (size[0] * SUPERSAMPLE, size[1] * SUPERSAMPLE), 0)
    draw(ImageDraw.Draw(big), SUPERSAMPLE)
    return big.reduce(SUPERSAMPLE)


def round_rect_mask(size, box, radius):
    l, t, r, b = box
    return aa_mask(size, lambda d, s: d.rounded_rectangle(
        (l * s, t * s, r * s - 1, b * s - 1), radius=radius * s, fill=255))


def ellipse_mask(size, box):
    l, t, r, b = box
    return aa_mask(size, lambda d, s: d.ellipse((l * s, t * s, r * s - 1, b * s - 1), fill=255))


def polygon_mask(size, points):
    return aa_mask(size, lambda d, s: d.polygon([(x * s, y * s) for x, y in points], fill=255))


def scale_mask(mask, factor):
    """Multiplies a mask's coverage by factor (0..1)."""
    return mask.point(lambda v: int(round(v * factor)))


def multiply_masks(a, b):
    return ImageChops.multiply(a, b)


def vfade(size, top_alpha, bottom_alpha, top=0, bottom=None):
    """L mask fading linearly from top_alpha at row `top` to bottom_alpha at row `bottom`."""
    w, h = size
    bottom = h if bottom is None else bottom
    column = Image.new("L", (1, h))
    values = []
    for y in range(h):
        t = (y + 0.5 - top) / max(1, bottom - top)
        values.append(int(round(top_alpha + (bottom_alpha - top_alpha) * min(1.0, max(0.0, t)))))
    column.putdata(values)
    return column.resize((w, h), Image.NEAREST)


def layer(canvas, source, mask, offset=(0, 0)):
    """Composites source (RGBA image or RGB colour) through mask onto canvas, in place."""
    if isinstance(source, tuple):
        source = solid(mask.size, source)
    src = source.copy()
    alpha = ImageChops.multiply(src.getchannel("A"), mask)
    src.putalpha(alpha)
    over = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    over.paste(src, offset)
    canvas.alpha_composite(over)


def blurred(mask, radius):
    return mask.filter(ImageFilter.GaussianBlur(radius))


def shifted(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def text_mask(size, xy, text, fnt, anchor="la", spacing=0):
    """Anti-aliased mask of text; spacing adds pixels between letters."""
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    if not spacing:
        draw.text(xy, text, fill=255, font=fnt, anchor=anchor)
        return mask
    x, y = xy
    width = sum(draw.textlength(ch, font=fnt) for ch in text) + spacing * (len(text) - 1)
    if anchor[0] == "m":
        x -= width / 2
    elif anchor[0] == "r":
        x -= width
    for ch in text:
        draw.text((x, y), ch, fill=255, font=fnt, anchor="l" + anchor[1])
        x += draw.textlength(ch, font=fnt) + spacing
    return mask


def text_width(text, fnt):
    return ImageDraw.Draw(Image.new("L", (1, 1))).textlength(text, font=fnt)


def eroded(mask, pixels):
    for _ in range(pixels):
        mask = mask.filter(ImageFilter.MinFilter(3))
    return mask


def outline_of(mask, width=1):
    """The inner rim of a mask: pixels inside that lie within `width` of its edge."""
    return ImageChops.subtract(mask, eroded(mask, width))


def sphere(diameter, dark, mid, light, rim=None):
    """RGBA shaded ball lit from the upper left, with a soft rim."""
    size = diameter
    r = diameter / 2.0
    img = Image.new("RGBA", (size, size))
    pixels = []
    lx, ly = r * 0.62, r * 0.45
    for y in range(size):
        for x in range(size):
            dx, dy = x + 0.5 - r, y + 0.5 - r
            dist = math.hypot(dx, dy)
            alpha = min(1.0, max(0.0, r - dist + 0.5))
            light_t = math.hypot(x + 0.5 - lx, y + 0.5 - ly) / (1.6 * r)
            colour = ramp([(0.0, light), (0.45, mid), (1.0, dark)], light_t)
            edge = dist / r
            if rim and edge > 0.82:
                colour = mix(colour, rim, (edge - 0.82) / 0.18 * 0.85)
            pixels.append(colour + (int(round(alpha * 255)),))
    img.putdata(pixels)
    return img


def dgradient(size, stops):
    """Diagonal gradient from the top-left corner (0) to the bottom-right corner (1)."""
    w, h = size
    img = Image.new("RGB", size)
    span = float(w + h)
    img.putdata([ramp(stops, (x + y + 1) / span) for y in range(h) for x in range(w)])
    return img.convert("RGBA")


def bevel(canvas, mask, light, dark, strength=0.8, offset=(0, 0)):
    """Lights the upper-left rim of a mask and darkens its lower-right rim."""
    lit = ImageChops.subtract(mask, shifted(mask, 1, 1))
    shade = ImageChops.subtract(mask, shifted(mask, -1, -1))
    layer(canvas, light, scale_mask(lit, strength), offset)
    layer(canvas, dark, scale_mask(shade, strength), offset)
