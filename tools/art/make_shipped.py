#!/usr/bin/python3
"""Draws the pictures shipped in the program folder's modules folder: the OEM logo that the
customisation dialog previews and stores by default, and two toolbar skins.

    make_shipped.py            write them into dist/modules
    make_shipped.py --check    compare a fresh drawing with dist/modules; exit status 1 when
                               they differ

Needs Debian's python3-pil (run with /usr/bin/python3)."""

import argparse
import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bmp  # noqa: E402
import emblem  # noqa: E402
import paint  # noqa: E402
from palette import (BRIGHT_BLUE, DEEP_BLUE, ICE, ORANGE, ROYAL_BLUE, SKY, TEXT_BLUE,  # noqa: E402
                     WHITE)

DIST_MODULES = os.path.normpath(os.path.join(HERE, "..", "..", "dist", "modules"))
LOGO_SIZE = (180, 114)  # the dialog's logo preview; the logo's bottom-left pixel is see-through
SKIN_SIZE = (176, 94)


def oem_logo():
    canvas = Image.new("RGBA", LOGO_SIZE, WHITE + (255,))
    d = 64
    canvas.alpha_composite(emblem.orb(d), ((LOGO_SIZE[0] - d) // 2, 4))
    bold = paint.font("DejaVuSans-Bold.ttf", 15)
    name, year = "Brelvanto Kit ", "2005"
    left = (LOGO_SIZE[0] - paint.text_width(name + year, bold)) // 2
    paint.layer(canvas, TEXT_BLUE, paint.text_mask(LOGO_SIZE, (left, 80), name, bold, anchor="lt"))
    paint.layer(canvas, ORANGE, paint.text_mask(
        LOGO_SIZE, (left + paint.text_width(name, bold), 80), year, bold, anchor="lt"))
    return canvas


def toolbar_skin(top, bottom, stripe):
    canvas = paint.vgradient(SKIN_SIZE, [(0.0, top), (1.0, bottom)])
    w, h = SKIN_SIZE
    for x in range(-h, w, 24):
        band = paint.polygon_mask(SKIN_SIZE, [(x, h), (x + 10, h), (x + 10 + h, 0), (x + h, 0)])
        paint.layer(canvas, stripe, paint.scale_mask(band, 0.25))
    return canvas


def build():
    return {
        "oemlogo.bmp": bmp.encode(oem_logo()),
        os.path.join("skins", "01.bmp"): bmp.encode(toolbar_skin(ICE, SKY, WHITE)),
        os.path.join("skins", "02.bmp"): bmp.encode(toolbar_skin(BRIGHT_BLUE, DEEP_BLUE, ORANGE)),
        os.path.join("skins", "03.bmp"): bmp.encode(toolbar_skin(WHITE, ROYAL_BLUE, ICE)),
    }


def main(argv):
    parser = argparse.ArgumentParser(description="Draw the pictures shipped in modules.")
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    args = parser.parse_args(argv)
    problems = []
    for name, data in sorted(build().items()):
        path = os.path.join(DIST_MODULES, name)
        if args.check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                problems.append("make_shipped: differs or missing: " + path)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    for line in problems:
        print(line, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
