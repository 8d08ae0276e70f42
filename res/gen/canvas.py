"""A tiny RGBA raster canvas with supersampled (anti-aliased) shape filling.

Coordinates are logical floats; a canvas may hold `ss` x `ss` samples per
logical pixel so that shapes get smooth edges once the canvas is reduced
with `downsample()`. Every shape is turned into horizontal spans per sample
row; spans of a union are merged before painting, so translucent paint is
applied once per sample.
"""

import math


def rgba(colour):
    """Return a 4-tuple (r, g, b, a) from a 3- or 4-tuple."""
    if len(colour) == 3:
        return (colour[0], colour[1], colour[2], 255)
    return tuple(colour)


def mix(c0, c1, t):
    """Linear blend of two colours, t in [0, 1]."""
    a, b = rgba(c0), rgba(c1)
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


class Gradient:
    """Vertical gradient through evenly spaced colour stops from y0 to y1."""

    def __init__(self, y0, y1, *stops):
        self.y0, self.y1 = float(y0), float(y1)
        self.stops = [rgba(s) for s in stops]

    def at(self, y):
        if self.y1 == self.y0:
            t = 0.0
        else:
            t = (y - self.y0) / (self.y1 - self.y0)
        t = min(1.0, max(0.0, t))
        n = len(self.stops) - 1
        i = min(int(t * n), n - 1)
        return mix(self.stops[i], self.stops[i + 1], t * n - i)


# --------------------------------------------------------------------------
# Shapes: each knows its vertical extent and its x-intervals at a given y.
# --------------------------------------------------------------------------

def _merge(intervals):
    out = []
    for a, b in sorted(intervals):
        if b <= a:
            continue
        if out and a <= out[-1][1]:
            if b > out[-1][1]:
                out[-1] = (out[-1][0], b)
        else:
            out.append((a, b))
    return out


def _subtract(keep, cut):
    result = []
    for a, b in keep:
        pieces = [(a, b)]
        for c, d in cut:
            nxt = []
            for p, q in pieces:
                if d <= p or c >= q:
                    nxt.append((p, q))
                    continue
                if c > p:
                    nxt.append((p, c))
                if d < q:
                    nxt.append((d, q))
            pieces = nxt
        result.extend(pieces)
    return result


class Shape:
    y0 = y1 = 0.0

    def spans(self, y):
        raise NotImplementedError


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.x1 = min(x0, x1), max(x0, x1)
        self.y0, self.y1 = min(y0, y1), max(y0, y1)

    def spans(self, y):
        if self.y0 <= y <= self.y1:
            return [(self.x0, self.x1)]
        return []


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.x1 = min(x0, x1), max(x0, x1)
        self.y0, self.y1 = min(y0, y1), max(y0, y1)
        self.r = max(0.0, min(r, (self.x1 - self.x0) / 2, (self.y1 - self.y0) / 2))

    def spans(self, y):
        if not self.y0 <= y <= self.y1:
            return []
        r = self.r
        dy = 0.0
        if y < self.y0 + r:
            dy = self.y0 + r - y
        elif y > self.y1 - r:
            dy = y - (self.y1 - r)
        dx = r - math.sqrt(max(0.0, r * r - dy * dy)) if dy else 0.0
        return [(self.x0 + dx, self.x1 - dx)]


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, abs(rx), abs(ry)
        self.y0, self.y1 = cy - self.ry, cy + self.ry

    def spans(self, y):
        if self.ry <= 0:
            return []
        t = (y - self.cy) / self.ry
        if abs(t) > 1:
            return []
        w = self.rx * math.sqrt(1 - t * t)
        return [(self.cx - w, self.cx + w)]


class Polygon(Shape):
    """One or more closed contours, filled with the even-odd rule."""

    def __init__(self, *contours):
        if contours and isinstance(contours[0][0], (int, float)):
            contours = (contours,)
        self.edges = []
        ys = []
        for pts in contours:
            n = len(pts)
            for i in range(n):
                (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
                ys.append(ay)
                if ay != by:
                    self.edges.append((ax, ay, bx, by))
        self.y0, self.y1 = (min(ys), max(ys)) if ys else (0.0, 0.0)

    def spans(self, y):
        xs = []
        for ax, ay, bx, by in self.edges:
            if (ay <= y < by) or (by <= y < ay):
                xs.append(ax + (y - ay) * (bx - ax) / (by - ay))
        xs.sort()
        return [(xs[i], xs[i + 1]) for i in range(0, len(xs) - 1, 2)]


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = [s for s in shapes if s is not None]
        self.y0 = min(s.y0 for s in self.shapes)
        self.y1 = max(s.y1 for s in self.shapes)

    def spans(self, y):
        out = []
        for s in self.shapes:
            if s.y0 <= y <= s.y1:
                out.extend(s.spans(y))
        return _merge(out)


class Difference(Shape):
    def __init__(self, keep, cut):
        self.keep, self.cut = keep, cut
        self.y0, self.y1 = keep.y0, keep.y1

    def spans(self, y):
        a = _merge(self.keep.spans(y))
        if self.cut.y0 <= y <= self.cut.y1:
            return _subtract(a, _merge(self.cut.spans(y)))
        return a


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.y0, self.y1 = max(a.y0, b.y0), min(a.y1, b.y1)

    def spans(self, y):
        out = []
        bs = _merge(self.b.spans(y))
        for p, q in _merge(self.a.spans(y)):
            for c, d in bs:
                lo, hi = max(p, c), min(q, d)
                if hi > lo:
                    out.append((lo, hi))
        return out


def segment(x0, y0, x1, y1, width, round_caps=True):
    """A thick line segment, optionally with round caps."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    h = width / 2.0
    if length == 0:
        return Ellipse(x0, y0, h, h)
    nx, ny = -dy / length * h, dx / length * h
    quad = Polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                    (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    if not round_caps:
        return quad
    return Union(quad, Ellipse(x0, y0, h, h), Ellipse(x1, y1, h, h))


def stroke(points, width, closed=False, round_caps=True):
    """A thick polyline (round joins)."""
    pts = list(points)
    if closed:
        pts.append(pts[0])
    parts = [segment(a[0], a[1], b[0], b[1], width, round_caps)
             for a, b in zip(pts, pts[1:])]
    return Union(*parts)


def ellipse_points(cx, cy, rx, ry, a0=0.0, a1=360.0, steps=64, rotate=0.0):
    """Points on an (optionally rotated) ellipse; angles in degrees,
    counter-clockwise on screen (y grows downwards)."""
    out = []
    rot = math.radians(rotate)
    cr, sr = math.cos(rot), math.sin(rot)
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        x, y = rx * math.cos(a), -ry * math.sin(a)
        out.append((cx + x * cr + y * sr, cy - x * sr + y * cr))
    return out


def bezier(p0, p1, p2, p3, steps=24):
    """Points on a cubic Bezier curve."""
    out = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        a, b, c, d = u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t
        out.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                    a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return out


def transform(points, dx=0.0, dy=0.0, angle=0.0, cx=0.0, cy=0.0, scale=1.0):
    """Rotate (degrees, clockwise on screen) and scale around (cx, cy), then move."""
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    out = []
    for x, y in points:
        x, y = (x - cx) * scale, (y - cy) * scale
        out.append((cx + x * ca - y * sa + dx, cy + x * sa + y * ca + dy))
    return out


# --------------------------------------------------------------------------
# The canvas
# --------------------------------------------------------------------------

# How much larger than drawn in logical units every new canvas comes out
# (1, 1.5 or 2): the drawings stay in their 96-DPI coordinates and get more
# samples per unit, and downsample() by the canvas's own factor gives the
# larger picture.
_SCALE = [1]


def set_scale(scale):
    _SCALE[0] = scale


def current_scale():
    return _SCALE[0]


class Canvas:
    def __init__(self, width, height, ss=1, background=(0, 0, 0, 0), unscaled=False):
        scaled = ss * (1 if unscaled else _SCALE[0])
        if scaled != int(scaled):
            raise ValueError('%d samples per unit do not scale by %s' % (ss, _SCALE[0]))
        self.out = ss
        ss = int(scaled)
        self.width, self.height, self.ss = width, height, ss
        self.sw, self.sh = width * ss, height * ss
        self.px = bytearray(bytes(rgba(background)) * (self.sw * self.sh))
        self._clip = None

    # -- clipping (logical coordinates) --
    def set_clip(self, x0=None, y0=None, x1=None, y1=None):
        if x0 is None:
            self._clip = None
        else:
            s = self.ss
            self._clip = (int(round(x0 * s)), int(round(y0 * s)),
                          int(round(x1 * s)), int(round(y1 * s)))

    # -- core painting --
    def fill(self, shape, paint):
        s = self.ss
        cx0, cy0, cx1, cy1 = 0, 0, self.sw, self.sh
        if self._clip:
            cx0, cy0 = max(cx0, self._clip[0]), max(cy0, self._clip[1])
            cx1, cy1 = min(cx1, self._clip[2]), min(cy1, self._clip[3])
        r0 = max(cy0, int(math.ceil(shape.y0 * s - 0.5)))
        r1 = min(cy1 - 1, int(math.floor(shape.y1 * s - 0.5)))
        grad = isinstance(paint, Gradient)
        colour = None if grad else rgba(paint)
        for row in range(r0, r1 + 1):
            y = (row + 0.5) / s
            spans = _merge(shape.spans(y))
            if not spans:
                continue
            col = paint.at(y) if grad else colour
            for a, b in spans:
                i0 = max(cx0, int(math.ceil(a * s - 0.5)))
                i1 = min(cx1, int(math.floor(b * s - 0.5)) + 1)
                if i1 > i0:
                    self._span(row, i0, i1, col)

    def _span(self, row, i0, i1, col):
        px = self.px
        base = (row * self.sw) * 4
        if col[3] == 255:
            px[base + i0 * 4: base + i1 * 4] = bytes(col) * (i1 - i0)
            return
        if col[3] == 0:
            return
        sa = col[3] / 255.0
        for i in range(i0, i1):
            o = base + i * 4
            da = px[o + 3] / 255.0 * (1 - sa)
            oa = sa + da
            px[o] = int(round((col[0] * sa + px[o] * da) / oa))
            px[o + 1] = int(round((col[1] * sa + px[o + 1] * da) / oa))
            px[o + 2] = int(round((col[2] * sa + px[o + 2] * da) / oa))
            px[o + 3] = int(round(oa * 255))

    # -- convenience shape helpers --
    def rect(self, x0, y0, x1, y1, paint):
        self.fill(Rect(x0, y0, x1, y1), paint)

    def round_rect(self, x0, y0, x1, y1, r, paint):
        self.fill(RoundRect(x0, y0, x1, y1, r), paint)

    def round_rect_outline(self, x0, y0, x1, y1, r, width, paint):
        outer = RoundRect(x0, y0, x1, y1, r)
        inner = RoundRect(x0 + width, y0 + width, x1 - width, y1 - width,
                          max(0.0, r - width))
        self.fill(Difference(outer, inner), paint)

    def ellipse(self, cx, cy, rx, ry, paint):
        self.fill(Ellipse(cx, cy, rx, ry), paint)

    def circle(self, cx, cy, r, paint):
        self.fill(Ellipse(cx, cy, r, r), paint)

    def ellipse_outline(self, cx, cy, rx, ry, width, paint):
        self.fill(Difference(Ellipse(cx, cy, rx, ry),
                             Ellipse(cx, cy, rx - width, ry - width)), paint)

    def circle_outline(self, cx, cy, r, width, paint):
        self.ellipse_outline(cx, cy, r, r, width, paint)

    def line(self, x0, y0, x1, y1, width, paint, round_caps=True):
        self.fill(segment(x0, y0, x1, y1, width, round_caps), paint)

    def polyline(self, points, width, paint, closed=False):
        self.fill(stroke(points, width, closed), paint)

    def polygon(self, points, paint):
        self.fill(Polygon(points), paint)

    def polygon_outline(self, points, width, paint):
        self.fill(stroke(points, width, closed=True), paint)

    def gradient(self, x0, y0, x1, y1, *stops):
        self.fill(Rect(x0, y0, x1, y1), Gradient(y0, y1, *stops))

    # -- pixel level --
    def blit(self, src, x, y, scale=1):
        """Alpha-blend a 1x canvas `src` at logical (x, y), each of its pixels
        `scale` logical units wide (a fraction for a source drawn larger)."""
        k = int(round(scale * self.ss))
        for sy in range(src.sh):
            for sx in range(src.sw):
                o = (sy * src.sw + sx) * 4
                col = tuple(src.px[o:o + 4])
                if col[3] == 0:
                    continue
                r0 = int(round((y + sy * scale) * self.ss))
                c0 = int(round((x + sx * scale) * self.ss))
                for row in range(max(0, r0), min(self.sh, r0 + k)):
                    i0, i1 = max(0, c0), min(self.sw, c0 + k)
                    if i1 > i0:
                        self._span(row, i0, i1, col)

    def downsample(self, factor=None):
        """Average factor x factor sample blocks (premultiplied alpha)."""
        f = factor or self.out
        w, h = self.sw // f, self.sh // f
        out = Canvas(w, h, 1, unscaled=True)
        src, dst, sw = self.px, out.px, self.sw
        n = f * f
        for oy in range(h):
            for ox in range(w):
                ta = tr = tg = tb = 0
                for yy in range(oy * f, oy * f + f):
                    o = (yy * sw + ox * f) * 4
                    for _ in range(f):
                        a = src[o + 3]
                        if a:
                            ta += a
                            tr += src[o] * a
                            tg += src[o + 1] * a
                            tb += src[o + 2] * a
                        o += 4
                d = (oy * w + ox) * 4
                if ta:
                    dst[d] = (tr + ta // 2) // ta
                    dst[d + 1] = (tg + ta // 2) // ta
                    dst[d + 2] = (tb + ta // 2) // ta
                    dst[d + 3] = (ta + n // 2) // n
        return out

    def get(self, x, y):
        o = (y * self.sw + x) * 4
        return tuple(self.px[o:o + 4])

    def flatten(self, background):
        """Rows of (r, g, b) tuples with the canvas composited over `background`."""
        bg = rgba(background)
        rows = []
        for y in range(self.sh):
            row = []
            for x in range(self.sw):
                r, g, b, a = self.get(x, y)
                if a == 255:
                    row.append((r, g, b))
                else:
                    t = a / 255.0
                    row.append(tuple(int(round(c * t + d * (1 - t)))
                                     for c, d in zip((r, g, b), bg[:3])))
            rows.append(row)
        return rows
