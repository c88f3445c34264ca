"""Window regions: pixel rows of a silhouette turned into a Win32 region stream.

The rectangles come out exactly as GetRegionData reports a region: Y-X banded, one band per run
of adjacent scanlines with identical spans, bands top to bottom, rectangles left to right, touching
spans merged. The stream is a 4-byte little-endian byte count N followed by N bytes of RGNDATA
(32-byte header, then 16 bytes per rectangle)."""

import struct

RDH_RECTANGLES = 1
HEADER_SIZE = 32
RECT_SIZE = 16


def normalise_spans(spans):
    """Sorts [start, end) spans, drops empty ones and merges overlapping or touching ones."""
    merged = []
    for start, end in sorted(s for s in spans if s[1] > s[0]):
        if merged and start <= merged[-1][1]:
            merged[-1] = (merged[-1][0], max(merged[-1][1], end))
        else:
            merged.append((start, end))
    return tuple(merged)


def bands_from_rows(rows):
    """rows[y] is the span list of scanline y. Returns [(top, bottom, spans)] with adjacent
    identical scanlines merged and empty scanlines left out."""
    bands = []
    for y, spans in enumerate(rows):
        spans = normalise_spans(spans)
        if not spans:
            continue
        if bands and bands[-1][1] == y and bands[-1][2] == spans:
            bands[-1] = (bands[-1][0], y + 1, spans)
        else:
            bands.append((y, y + 1, spans))
    return bands


def rects_from_rows(rows):
    """The region's rectangles (left, top, right, bottom), right and bottom exclusive."""
    return [(l, top, r, bottom) for top, bottom, spans in bands_from_rows(rows) for l, r in spans]


def bounding_box(rects):
    if not rects:
        return (0, 0, 0, 0)
    return (min(r[0] for r in rects), min(r[1] for r in rects),
            max(r[2] for r in rects), max(r[3] for r in rects))


def rgndata(rects):
    """RGNDATA as GetRegionData fills it for a region made of these banded rectangles."""
    header = struct.pack("<4I4i", HEADER_SIZE, RDH_RECTANGLES, len(rects), RECT_SIZE * len(rects),
                         *bounding_box(rects))
    return header + b"".join(struct.pack("<4i", *r) for r in rects)


def region_stream(rects):
    """The stored form: byte count, then the RGNDATA block."""
    data = rgndata(rects)
    return struct.pack("<I", len(data)) + data


def parse_region_stream(blob):
    """Inverse of region_stream, with the consistency checks a reader must make."""
    if len(blob) < 4:
        raise ValueError("region stream shorter than its count")
    (size,) = struct.unpack_from("<I", blob, 0)
    if size == 0:
        return []
    if len(blob) != 4 + size or size < HEADER_SIZE:
        raise ValueError("region stream size does not match its count")
    dw_size, kind, count, rgn_size, *bound = struct.unpack_from("<4I4i", blob, 4)
    if dw_size != HEADER_SIZE or kind != RDH_RECTANGLES or rgn_size != RECT_SIZE * count:
        raise ValueError("bad region header")
    if size != HEADER_SIZE + RECT_SIZE * count:
        raise ValueError("rectangle count does not match the stream size")
    rects = [struct.unpack_from("<4i", blob, 4 + HEADER_SIZE + RECT_SIZE * i) for i in range(count)]
    if tuple(bound) != bounding_box(rects):
        raise ValueError("bounding box does not enclose the rectangles")
    return rects
