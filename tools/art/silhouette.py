"""Window silhouettes built from simple figures, evaluated exactly per scanline.

A pixel belongs to a figure when its centre lies inside it. Every figure answers spans(y): the
[start, end) pixel ranges of scanline y that it covers. Pure arithmetic, so the outline does not
depend on the drawing library's rasteriser."""

import math

from region import normalise_spans


def _centre_span(left_edge, right_edge):
    """Pixels whose centre x + 0.5 lies within [left_edge, right_edge]."""
    start = math.ceil(left_edge - 0.5)
    end = math.floor(right_edge - 0.5) + 1
    return (start, end) if end > start else None


class Circle:
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def spans(self, y):
        dy = y + 0.5 - self.cy
        if abs(dy) >= self.r:
            return []
        half = math.sqrt(self.r * self.r - dy * dy)
        span = _centre_span(self.cx - half, self.cx + half)
        return [span] if span else []


class RoundRect:
    """Rectangle [left, right) x [top, bottom) with its own radius at each corner
    (top-left, top-right, bottom-right, bottom-left)."""

    def __init__(self, left, top, right, bottom, radii=(0, 0, 0, 0)):
        self.left, self.top, self.right, self.bottom = left, top, right, bottom
        self.tl, self.tr, self.br, self.bl = radii

    @staticmethod
    def _inset(radius, distance):
        """How far a corner of this radius pulls the edge in, `distance` from the end."""
        if radius <= 0 or distance >= radius:
            return 0.0
        d = radius - distance
        return radius - math.sqrt(radius * radius - d * d)

    def spans(self, y):
        yc = y + 0.5
        if yc <= self.top or yc >= self.bottom:
            return []
        from_top, from_bottom = yc - self.top, self.bottom - yc
        left = self.left + max(self._inset(self.tl, from_top), self._inset(self.bl, from_bottom))
        right = self.right - max(self._inset(self.tr, from_top), self._inset(self.br, from_bottom))
        span = _centre_span(left, right)
        return [span] if span else []


class Union:
    def __init__(self, *parts):
        self.parts = parts

    def spans(self, y):
        return list(normalise_spans([s for p in self.parts for s in p.spans(y)]))


def rows(figure, height):
    """Span lists of scanlines 0 .. height-1."""
    return [figure.spans(y) for y in range(height)]


def clipped_rows(figure, width, height):
    """Span lists limited to the window's client area."""
    out = []
    for spans in rows(figure, height):
        out.append([(max(0, a), min(width, b)) for a, b in spans if min(width, b) > max(0, a)])
    return out


class Gear:
    """A cog: `teeth` trapezoid teeth between radius `root` and `outer`, the first tooth centred
    at angle `phase` (degrees, counter-clockwise from the right). `tooth` is the share of a
    period covered by a tooth's top, `flank` the share taken by each sloping side."""

    def __init__(self, cx, cy, root, outer, teeth, phase=0.0, tooth=0.32, flank=0.12):
        self.cx, self.cy, self.root, self.outer = cx, cy, root, outer
        self.teeth, self.phase, self.tooth, self.flank = teeth, phase, tooth, flank

    def radius_at(self, angle):
        period = 360.0 / self.teeth
        pos = ((angle - self.phase) / period + 0.5) % 1.0 - 0.5  # -0.5 .. 0.5, 0 = tooth centre
        off = abs(pos)
        top = self.tooth / 2
        if off <= top:
            return self.outer
        if off >= top + self.flank:
            return self.root
        return self.outer - (self.outer - self.root) * (off - top) / self.flank

    def spans(self, y):
        yc = y + 0.5
        dy = yc - self.cy
        if abs(dy) >= self.outer:
            return []
        out, start = [], None
        x0 = math.floor(self.cx - self.outer) - 1
        x1 = math.ceil(self.cx + self.outer) + 1
        for x in range(x0, x1 + 1):
            dx = x + 0.5 - self.cx
            angle = math.degrees(math.atan2(-dy, dx))
            inside = math.hypot(dx, dy) <= self.radius_at(angle)
            if inside and start is None:
                start = x
            elif not inside and start is not None:
                out.append((start, x))
                start = None
        if start is not None:
            out.append((start, x1 + 1))
        return out


class Fillet:
    """Rounds a concave corner: fills the r x r square that lies from corner (x, y) in direction
    (dx, dy) (each +1 or -1), except the disc of radius r centred at its far corner."""

    def __init__(self, x, y, r, dx, dy):
        self.x, self.y, self.r, self.dx, self.dy = x, y, r, dx, dy

    def spans(self, y):
        yc = y + 0.5
        y0, y1 = sorted((self.y, self.y + self.dy * self.r))
        if yc <= y0 or yc >= y1:
            return []
        far_x, far_y = self.x + self.dx * self.r, self.y + self.dy * self.r
        d = abs(far_y - yc)
        half = math.sqrt(max(0.0, self.r * self.r - d * d))
        # the part of the square nearer the corner than the disc's edge
        if self.dx > 0:
            span = _centre_span(self.x, far_x - half)
        else:
            span = _centre_span(far_x + half, self.x)
        return [span] if span else []
