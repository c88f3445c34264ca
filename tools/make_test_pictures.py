#!/usr/bin/python3
"""Writes the small picture files of tests/data/pictures.

The bitmaps are written byte by byte here (so every header kind and depth is covered) and each
one is read back with Pillow, which must see the same picture: the files are checked by a
decoder other than ours. The JPEG files come from Pillow's encoder.

The pictures follow patterns that tests/unit/bitmap_test.cpp knows:
  indexed  pixel (x, y) has palette index (5x + 3y) mod (number of colours),
           palette entry i is RGB((37i) & 255, (91i + 10) & 255, (255 - 13i) & 255);
  true     pixel (x, y) is RGB(30x, 50y, (9xy + 7) & 255);
  16-bit   channel values are 0, half or full scale, see pattern16;
  jpeg     four quadrants: red, green / blue, white (grey levels 0, 85 / 170, 255).
Run: /usr/bin/python3 tools/make_test_pictures.py
"""

import io
import os
import struct

from PIL import Image

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "pictures")
W, H = 7, 5  # odd width: every depth needs row padding


def palette_entry(i):
    return ((37 * i) & 255, (91 * i + 10) & 255, (255 - 13 * i) & 255)


def index_at(x, y, colours):
    return (5 * x + 3 * y) % colours


def true_at(x, y):
    return (30 * x, 50 * y, (9 * x * y + 7) & 255)


def pattern16(x, y, bits_green):
    """Channel values of the 16-bit pictures: 0, about half and full scale."""
    full_g = (1 << bits_green) - 1
    levels = lambda full, k: (0, (full + 1) // 2, full)[k % 3]
    return levels(31, x), levels(full_g, y), levels(31, x + y)


def scale(value, full):
    return (value * 255 + full // 2) // full


def pack_row(values, bpp):
    """Packs one row of pixel values (indexes or 16/32-bit words or RGB tuples), padded."""
    out = bytearray()
    if bpp in (1, 4):
        per_byte = 8 // bpp
        for i in range(0, len(values), per_byte):
            byte = 0
            for j, v in enumerate(values[i:i + per_byte]):
                byte |= v << (8 - bpp * (j + 1))
            out.append(byte)
    elif bpp == 8:
        out += bytes(values)
    elif bpp == 16:
        for v in values:
            out += struct.pack("<H", v)
    elif bpp == 24:
        for r, g, b in values:
            out += bytes((b, g, r))
    elif bpp == 32:
        for v in values:
            out += struct.pack("<I", v)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def bmp_file(rows, bpp, header="info", compression=0, palette=(), masks=None, colours_used=0,
             top_down=False):
    """rows: packed rows, top row first. Returns the whole file."""
    height = len(rows)
    data = b"".join(rows if top_down else reversed(rows))
    if header == "core":
        info = struct.pack("<IHHHH", 12, W, height, 1, bpp)
        table = b"".join(bytes((b, g, r)) for r, g, b in palette)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, W, -height if top_down else height, 1, bpp,
                           compression, len(data), 2835, 2835, colours_used, 0)
        if header == "v5":
            red, green, blue, alpha = masks
            info = struct.pack("<I", 124) + info[4:] + struct.pack("<IIII", red, green, blue, alpha)
            info += b"BGRs" + bytes(36 + 12) + struct.pack("<IIII", 4, 0, 0, 0)
            assert len(info) == 124
        elif masks:
            info += struct.pack("<III", *masks[:3])
        table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + table + data


def check_with_pillow(name, data, expected_at, tolerance=0):
    image = Image.open(io.BytesIO(data)).convert("RGB")
    assert image.size == (W, H), (name, image.size)
    for y in range(H):
        for x in range(W):
            got, want = image.getpixel((x, y)), expected_at(x, y)
            assert all(abs(a - b) <= tolerance for a, b in zip(got, want)), (name, x, y, got, want)


def indexed(name, bpp, header="info", colours_used=0, top_down=False):
    colours = colours_used or (1 << bpp)
    palette = [palette_entry(i) for i in range(colours)]
    rows = [pack_row([index_at(x, y, colours) for x in range(W)], bpp) for y in range(H)]
    data = bmp_file(rows, bpp, header, palette=palette, colours_used=colours_used,
                    top_down=top_down)
    check_with_pillow(name, data, lambda x, y: palette_entry(index_at(x, y, colours)))
    return data


def true_colour(name, bpp, top_down=False, masks=None, header="info"):
    if bpp == 24:
        rows = [pack_row([true_at(x, y) for x in range(W)], 24) for y in range(H)]
    elif masks is None:  # 32-bit BI_RGB: B, G, R and a byte that is not used
        rows = [pack_row([0xAB000000 | r << 16 | g << 8 | b
                          for r, g, b in (true_at(x, y) for x in range(W))], 32)
                for y in range(H)]
    else:  # red in the low byte, then green, blue and alpha
        rows = [pack_row([0xFF000000 | b << 16 | g << 8 | r
                          for r, g, b in (true_at(x, y) for x in range(W))], 32)
                for y in range(H)]
    data = bmp_file(rows, bpp, header, compression=3 if masks else 0, masks=masks,
                    top_down=top_down)
    check_with_pillow(name, data, true_at)
    return data


def sixteen(name, bits_green):
    shift_red = 5 + bits_green
    rows = [pack_row([r << shift_red | g << 5 | b
                      for r, g, b in (pattern16(x, y, bits_green) for x in range(W))], 16)
            for y in range(H)]
    masks = None
    if bits_green == 6:
        masks = (0xF800, 0x07E0, 0x001F)
    data = bmp_file(rows, 16, compression=3 if masks else 0, masks=masks)
    full_g = (1 << bits_green) - 1

    def expected(x, y):
        r, g, b = pattern16(x, y, bits_green)
        return scale(r, 31), scale(g, full_g), scale(b, 31)

    check_with_pillow(name, data, expected, tolerance=1)  # Pillow truncates, we round
    return data


def quadrants(size, colours, mode):
    width, height = size
    image = Image.new(mode, size)
    for y in range(height):
        for x in range(width):
            image.putpixel((x, y), colours[(2 if y >= height // 2 else 0) + (x >= width // 2)])
    return image


def jpeg(image, **options):
    out = io.BytesIO()
    image.save(out, "JPEG", **options)
    return out.getvalue()


def main():
    os.makedirs(OUT, exist_ok=True)
    rgb = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]
    cmyk = [(0, 255, 255, 0), (255, 0, 255, 0), (255, 255, 0, 0), (0, 0, 0, 0)]
    files = {
        "indexed1.bmp": indexed("indexed1", 1),
        "indexed4_topdown.bmp": indexed("indexed4_topdown", 4, top_down=True),
        "indexed4_core.bmp": indexed("indexed4_core", 4, header="core"),
        "indexed8_43colours.bmp": indexed("indexed8_43colours", 8, colours_used=43),
        "rgb16_555.bmp": sixteen("rgb16_555", 5),
        "rgb16_565_bitfields.bmp": sixteen("rgb16_565_bitfields", 6),
        "rgb24.bmp": true_colour("rgb24", 24),
        "rgb24_topdown.bmp": true_colour("rgb24_topdown", 24, top_down=True),
        "rgb32.bmp": true_colour("rgb32", 32),
        "rgb32_v5_bitfields_topdown.bmp": true_colour(
            "rgb32_v5", 32, top_down=True, masks=(0xFF, 0xFF00, 0xFF0000, 0xFF000000),
            header="v5"),
        "baseline.jpg": jpeg(quadrants((16, 16), rgb, "RGB"), quality=95, subsampling=0),
        "progressive.jpg": jpeg(quadrants((32, 16), rgb, "RGB"), quality=95, subsampling=0,
                                progressive=True),
        "grey.jpg": jpeg(quadrants((16, 16), [0, 85, 170, 255], "L"), quality=95),
        "cmyk_adobe.jpg": jpeg(quadrants((16, 16), cmyk, "CMYK"), quality=95),
    }
    for name, data in files.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
