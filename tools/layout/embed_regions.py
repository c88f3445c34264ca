#!/usr/bin/env python3
"""Writes each window's region stream (res/art/*.rgn, made by the artwork generator) into the
Mask2 property of the window skin in its layout, in the layouts' canonical binary form.
With --check, changes nothing and fails when a layout does not hold its region."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
WINDOWS = {
    "form1.dfm": "splash_skin.rgn",
    "form2.dfm": "main_skin.rgn",
    "form7.dfm": "form7_skin.rgn",
    "setup.dfm": "setup_skin.rgn",
}
MASK = re.compile(r"^( *)Mask2 = \{[0-9A-F\s]*\}", re.MULTILINE)


def block(indent: str, data: bytes) -> str:
    hexed = data.hex().upper()
    lines = [hexed[i:i + 64] for i in range(0, len(hexed), 64)]
    inner = indent + "  "
    return indent + "Mask2 = {" + "".join("\n" + inner + line for line in lines) + "}"


def main() -> int:
    check = "--check" in sys.argv[1:]
    stale = []
    for layout, region in WINDOWS.items():
        path = ROOT / "res" / "layouts" / layout
        if not path.exists():
            continue
        text = path.read_text(encoding="utf-8")
        data = (ROOT / "res" / "art" / region).read_bytes()
        found = MASK.search(text)
        if not found:
            print(f"{layout}: no Mask2 property", file=sys.stderr)
            return 1
        new = text[:found.start()] + block(found.group(1), data) + text[found.end():]
        if new != text:
            stale.append(layout)
            if not check:
                path.write_text(new, encoding="utf-8")
    if check and stale:
        print("layouts without their current region: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
