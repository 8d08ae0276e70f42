"""Shared colours and a few reusable drawing pieces."""

import math

from canvas import Gradient, Polygon, transform

FACE = (212, 208, 200)          # the 3D-face grey of dialogs
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
OUTLINE = (58, 62, 70)
DARK = (36, 38, 44)
GREY = (128, 132, 140)
SILVER_HI = (252, 252, 253)
SILVER = (212, 216, 222)
SILVER_LO = (160, 165, 174)
RED = (214, 36, 40)
RED_HI = (246, 96, 90)
RED_LO = (140, 16, 20)
YELLOW_HI = (255, 228, 130)
YELLOW = (246, 196, 64)
YELLOW_LO = (206, 146, 26)
BLUE_HI = (110, 170, 245)
BLUE = (36, 104, 208)
BLUE_LO = (20, 62, 150)
PAPER = (252, 252, 246)
SHADOW = (0, 0, 0, 60)


def silver(y0, y1):
    return Gradient(y0, y1, SILVER_HI, SILVER, SILVER_LO)


def red(y0, y1):
    return Gradient(y0, y1, RED_HI, RED, RED_LO)


def _spow(v, p):
    return math.copysign(abs(v) ** p, v)


def mouse_points(cx, cy, w, h, steps=96, angle=0.0):
    """Outline of a computer mouse seen from above, front (cable end) up:
    an egg with a narrower nose and a slight waist."""
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        s, c = math.sin(t), math.cos(t)
        k = 0.80 + 0.20 * (1 - c) / 2            # narrower at the front
        k *= 1 - 0.05 * math.exp(-((c + 0.05) ** 2) / 0.08)   # waist
        x = cx + (w / 2.0) * k * _spow(s, 2 / 2.5)
        y = cy - (h / 2.0) * _spow(c, 2 / 2.2)
        pts.append((x, y))
    if angle:
        pts = transform(pts, angle=angle, cx=cx, cy=cy)
    return pts


def mouse_body(c, cx, cy, w, h, border=1.0, angle=0.0, fill=None):
    """Outlined silver mouse body; returns the inner polygon points."""
    outer = mouse_points(cx, cy, w, h, angle=angle)
    inner = mouse_points(cx, cy, w - 2 * border, h - 2 * border, angle=angle)
    c.fill(Polygon(outer), OUTLINE)
    c.fill(Polygon(inner), fill or silver(cy - h / 2.0, cy + h / 2.0))
    return inner
