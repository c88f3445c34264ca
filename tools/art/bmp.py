"""24-bit Windows bitmaps (BI_RGB, bottom-up), written byte for byte the same on every run."""

import struct

FILE_HEADER = 14
INFO_HEADER = 40


def encode(image):
    """The .bmp file contents of an RGB PIL image."""
    width, height = image.size
    stride = (width * 3 + 3) & ~3
    pixels = image.convert("RGB").tobytes()
    rows = []
    pad = b"\0" * (stride - width * 3)
    for y in range(height - 1, -1, -1):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        bgr = bytearray(row)
        bgr[0::3], bgr[2::3] = row[2::3], row[0::3]
        rows.append(bytes(bgr) + pad)
    data = b"".join(rows)
    offset = FILE_HEADER + INFO_HEADER
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", INFO_HEADER, width, height, 1, 24, 0, len(data),
                              0, 0, 0, 0)
    return file_header + info_header + data


def decode(blob):
    """(width, height, rows of (r, g, b) top to bottom) of a file made by encode."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", blob, 0)
    header, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", blob, FILE_HEADER)
    if magic != b"BM" or size != len(blob) or bits != 24 or compression != 0 or height <= 0:
        raise ValueError("not a bottom-up 24-bit BI_RGB bitmap")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        row = blob[start:start + width * 3]
        rows.append([(row[i + 2], row[i + 1], row[i]) for i in range(0, width * 3, 3)])
    return width, height, rows
