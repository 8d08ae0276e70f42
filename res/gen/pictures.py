"""The program's bitmaps and the animation clip."""

import math

from canvas import (Canvas, Difference, Gradient, Intersection, Polygon, Rect,
                    bezier, ellipse_points, stroke, transform)
from font import draw_text, draw_text_centered, text_width
from icons import render_icon
from ids import ID, predefined_icons
from style import (BLACK, DARK, FACE, OUTLINE, RED, RED_HI, RED_LO,
                   SHADOW, SILVER, SILVER_HI, SILVER_LO, WHITE, mouse_body,
                   mouse_points, red, silver)

LEADER = (92, 92, 96)
LABEL = (24, 24, 28)


def rrect_points(x0, y0, x1, y1, r, steps=6):
    """Polygon points of a rounded rectangle (so it can be rotated)."""
    pts = []
    corners = [(x1 - r, y0 + r, 0), (x0 + r, y0 + r, 90),
               (x0 + r, y1 - r, 180), (x1 - r, y1 - r, 270)]
    for cx, cy, a in corners:
        pts += ellipse_points(cx, cy, r, r, a, a + 90, steps)
    return pts


# --------------------------------------------------------------------------
# 311: the mouse with its numbered buttons
# --------------------------------------------------------------------------

def _leader(c, x0, y0, x1, y1):
    c.line(x0, y0, x1, y1, 1.0, LEADER, round_caps=False)
    c.circle(x1, y1, 1.3, LEADER)


def bitmap_buttons():
    c = Canvas(135, 109, 4, FACE)
    cx, cy, w, h = 62, 57, 44, 88
    top = cy - h / 2.0
    c.ellipse(cx + 2, cy + h / 2.0, w / 2.0, 3, SHADOW)
    # side buttons 4 and 5 stick out of the left flank
    for y in (56, 66):
        c.round_rect(36.5, y, 44, y + 8, 2, OUTLINE)
        c.round_rect(37.5, y + 1, 43, y + 7, 1.5, silver(y, y + 8))
    body = Polygon(mouse_body(c, cx, cy, w, h, border=1.2))
    # red accents along the rear flanks
    flanks = Difference(body, Polygon(mouse_points(cx, cy - 3, w * 0.80, h)))
    c.fill(Intersection(flanks, Rect(0, 58, 135, 94)), red(58, 94))
    # logo on the palm rest
    c.polygon([(cx - 6, 76), (cx, 70), (cx + 6, 76), (cx + 6, 80), (cx, 74), (cx - 6, 80)],
              red(70, 80))
    # central channel holding wheel and dpi buttons, button edges
    groove = (96, 100, 110)
    for sgn in (-1, 1):
        edge = bezier((cx + sgn * w / 2, 48), (cx + sgn * 14, 53), (cx + sgn * 8, 54),
                      (cx + sgn * 5, 53.5))
        c.fill(Intersection(stroke(edge, 1.0), body), groove)
    c.round_rect(cx - 5.5, top + 4, cx + 5.5, 54, 3, OUTLINE)
    c.round_rect(cx - 4.5, top + 5, cx + 4.5, 53, 2.5, Gradient(top, 54, (88, 92, 102), (60, 64, 72)))
    # wheel (button 2)
    c.round_rect(cx - 3, 19, cx + 3, 35, 2.5, red(19, 35))
    for y in range(21, 34, 2):
        c.rect(cx - 3, y, cx + 3, y + 0.6, RED_LO)
    # dpi up / dpi down buttons
    for y0, up in ((38, True), (45.5, False)):
        c.round_rect(cx - 3.5, y0, cx + 3.5, y0 + 6, 1.5, silver(y0, y0 + 6))
        m = y0 + 3
        tri = [(cx - 2, m + 1.2), (cx + 2, m + 1.2), (cx, m - 1.2)] if up else \
              [(cx - 2, m - 1.2), (cx + 2, m - 1.2), (cx, m + 1.2)]
        c.polygon(tri, OUTLINE)
    # highlight
    c.ellipse(cx - 12, 27, 4, 9, (255, 255, 255, 110))

    # numbers with leader lines
    draw_text(c, 6, 24, '1', LABEL)
    _leader(c, 13, 27.5, 49, 27.5)
    draw_text(c, 60, 1, '2', LABEL)
    _leader(c, 62.5, 9.5, 62.5, 20)
    draw_text(c, 125, 24, '3', LABEL)
    _leader(c, 122, 27.5, 75, 27.5)
    draw_text(c, 14, 57, '4', LABEL)
    _leader(c, 21, 60.5, 38.5, 60.5)
    draw_text(c, 14, 67, '5', LABEL)
    _leader(c, 21, 70.5, 38.5, 70.5)
    # the resolution buttons
    draw_text(c, 92, 31, 'dpi up', LABEL)
    _leader(c, 90, 35.5, cx + 2.5, 41)
    draw_text(c, 92, 48, 'dpi down', LABEL)
    _leader(c, 90, 52.5, cx + 2.5, 48.5)
    return c.downsample()


# --------------------------------------------------------------------------
# A gaming mouse that can be rotated (used by the About banner)
# --------------------------------------------------------------------------

def gaming_mouse(c, cx, cy, w, h, angle):
    def tf(pts):
        return transform(pts, angle=angle, cx=cx, cy=cy)

    top = cy - h / 2.0
    c.polygon(tf(mouse_points(cx, cy, w, h)), OUTLINE)
    body = Polygon(tf(mouse_points(cx, cy, w - 3, h - 3)))
    c.fill(body, Gradient(top - 10, top + h + 10, SILVER_HI, SILVER, (110, 114, 124)))
    # red flank stripes
    flanks = Difference(body, Polygon(tf(mouse_points(cx, cy - h * 0.04, w * 0.78, h))))
    rear = Polygon(tf([(cx - w, cy - h * 0.08), (cx + w, cy - h * 0.08),
                       (cx + w, cy + h * 0.42), (cx - w, cy + h * 0.42)]))
    c.fill(Intersection(flanks, rear), Gradient(cy - h * 0.3, cy + h / 2, RED_HI, RED_LO))
    # button edges and the central channel
    groove = (70, 74, 84)
    for sgn in (-1, 1):
        edge = tf(bezier((cx + sgn * w * 0.5, cy - h * 0.11), (cx + sgn * w * 0.3, cy - h * 0.04),
                         (cx + sgn * w * 0.15, cy - h * 0.03), (cx + sgn * w * 0.1, cy - h * 0.04)))
        c.fill(Intersection(stroke(edge, 1.2), body), groove)
    c.polygon(tf(rrect_points(cx - w * 0.12, top + 4, cx + w * 0.12, cy - h * 0.03, w * 0.1)),
              (46, 48, 56))
    c.polygon(tf(rrect_points(cx - w * 0.07, top + h * 0.10, cx + w * 0.07, top + h * 0.27,
                              w * 0.06)), red(top + h * 0.1, top + h * 0.3))
    for y in (top + h * 0.31, top + h * 0.37):
        c.polygon(tf(rrect_points(cx - w * 0.07, y, cx + w * 0.07, y + h * 0.045, 1)),
                  (150, 154, 164))
    c.polygon(tf([(cx - 6, cy + h * 0.22), (cx, cy + h * 0.15), (cx + 6, cy + h * 0.22),
                  (cx + 6, cy + h * 0.27), (cx, cy + h * 0.20), (cx - 6, cy + h * 0.27)]),
              red(cy + h * 0.15, cy + h * 0.27))
    c.polygon(tf([(p[0], p[1]) for p in ellipse_points(cx - w * 0.2, top + h * 0.25,
                                                       w * 0.08, h * 0.12, 0, 360, 24)]),
              (255, 255, 255, 120))


# --------------------------------------------------------------------------
# 314: the About banner
# --------------------------------------------------------------------------

def bitmap_about():
    W, H = 316, 114
    c = Canvas(W, H, 4)
    c.gradient(0, 0, W, H, (52, 54, 62), (24, 25, 30), (10, 10, 12))
    # red glow behind the mouse
    for i in range(12):
        r = 54 - i * 4
        c.ellipse(62, 58, r, r * 0.9, (200, 30, 34, 10 + i * 2))
    # slanted silver and red stripes
    c.polygon([(0, 92), (W, 76), (W, 79), (0, 95)], (190, 194, 202, 60))
    c.polygon([(0, 97), (W, 81), (W, 86), (0, 102)], (200, 30, 34, 170))
    c.ellipse(66, 104, 30, 4, (0, 0, 0, 140))
    gaming_mouse(c, 62, 55, 50, 88, 18)
    # title and subtitle
    title = 'ORVELL QUORRA'
    tw = text_width(title, (2, 3), 1, True)
    x = int(round(214 - tw / 2.0))
    draw_text(c, x + 1, 23, title, (0, 0, 0, 160), scale=(2, 3), spacing=1, bold=True)
    draw_text(c, x, 22, title, Gradient(22, 43, WHITE, (214, 218, 226), (150, 156, 168)),
              scale=(2, 3), spacing=1, bold=True)
    c.fill(Rect(x, 49, x + tw, 51), red(49, 51))
    c.fill(Rect(x, 51, x + tw, 52), (90, 20, 22))
    draw_text(c, x, 58, 'Laser Gaming Mouse', (206, 210, 218), tracking=1)
    return c.downsample()


# --------------------------------------------------------------------------
# 301: the scroll wheel with arrows
# --------------------------------------------------------------------------

def _arrow(c, x, y0, y1, up):
    """A vertical block arrow from y0 (tail) to y1 (tip)."""
    head = 10 if up else -10
    sgn = -1 if up else 1
    tip, neck = y1, y1 + head
    pts = [(x - 3, y0), (x + 3, y0), (x + 3, neck), (x + 8, neck), (x, tip),
           (x - 8, neck), (x - 3, neck)]
    c.polygon(pts, RED_LO)
    inner = [(x - 2, y0 - sgn), (x + 2, y0 - sgn), (x + 2, neck + sgn * 0.8),
             (x + 5.6, neck + sgn * 0.8), (x, tip + sgn * 1.6), (x - 5.6, neck + sgn * 0.8),
             (x - 2, neck + sgn * 0.8)]
    c.polygon(inner, Gradient(min(y0, y1), max(y0, y1), RED_HI, RED))


def bitmap_wheel():
    c = Canvas(82, 81, 4, FACE)
    cx, cy, r = 32, 40.5, 28
    c.ellipse(cx + 2, cy + r + 0.5, r * 0.8, 2.5, SHADOW)
    c.circle(cx, cy, r, DARK)
    c.circle(cx, cy, r - 1, Gradient(cy - r, cy + r, (96, 100, 110), (44, 46, 52)))
    # rubber treads
    for i in range(36):
        a = math.radians(i * 10)
        x0, y0 = cx + math.cos(a) * (r - 5), cy - math.sin(a) * (r - 5)
        x1, y1 = cx + math.cos(a) * (r - 0.8), cy - math.sin(a) * (r - 0.8)
        c.line(x0, y0, x1, y1, 1.6, (26, 27, 31))
    c.circle(cx, cy, r - 6, DARK)
    c.circle(cx, cy, r - 7, Gradient(cy - r, cy + r, SILVER_HI, SILVER, SILVER_LO))
    c.circle(cx, cy, r - 11, Gradient(cy - r, cy + r, SILVER_LO, SILVER, SILVER_HI))
    c.circle(cx, cy, 6, OUTLINE)
    c.circle(cx, cy, 4.6, red(cy - 5, cy + 5))
    c.circle(cx, cy, 1.6, DARK)
    c.ellipse(cx - 8, cy - 11, 6, 3, (255, 255, 255, 110))
    _arrow(c, 72, 36, 4, True)
    _arrow(c, 72, 45, 77, False)
    return c.downsample()


# --------------------------------------------------------------------------
# 295: the launcher popup with its nine icons
# --------------------------------------------------------------------------

LAUNCHER_ICONS = predefined_icons()


def _bevel(c, x0, y0, x1, y1, raised=True):
    light, dark = (WHITE, (128, 128, 128)) if raised else ((128, 128, 128), WHITE)
    c.rect(x0, y0, x1, y1, dark)
    c.rect(x0, y0, x1 - 1, y1 - 1, light)
    c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, FACE)


def bitmap_launcher():
    W, H = 126, 146
    c = Canvas(W, H, 1, FACE)
    # window frame
    c.rect(0, 0, W, H, (64, 64, 64))
    c.rect(0, 0, W - 1, H - 1, FACE)
    c.rect(1, 1, W - 1, H - 1, (128, 128, 128))
    c.rect(1, 1, W - 2, H - 2, WHITE)
    c.rect(2, 2, W - 2, H - 2, FACE)
    # caption
    c.fill(Rect(3, 3, W - 3, 20), Gradient(3, 20, (208, 52, 56), (150, 20, 24)))
    draw_text(c, 7, 9, 'Hot Button', WHITE, bold=True)
    _bevel(c, W - 19, 5, W - 5, 18)
    draw_text(c, W - 14, 8, 'x', BLACK, bold=True)
    # 3 x 3 grid of icon tiles
    tile, gap, x0, y0 = 36, 4, 5, 25
    for n, icon_id in enumerate(LAUNCHER_ICONS):
        i, j = n % 3, n // 3
        x, y = x0 + i * (tile + gap), y0 + j * (tile + gap)
        _bevel(c, x, y, x + tile, y + tile)
        c.blit(render_icon(icon_id, 32), x + 2, y + 2)
    return c


# --------------------------------------------------------------------------
# 290-293: the resolution shields
# --------------------------------------------------------------------------

def shield_points(x0, y0, x1, y1):
    mx = (x0 + x1) / 2.0
    w, h = x1 - x0, y1 - y0
    side = y0 + h * 0.50
    left = bezier((x0, side), (x0, y0 + h * 0.80), (mx - w * 0.20, y0 + h * 0.90), (mx, y1))
    right = bezier((mx, y1), (mx + w * 0.20, y0 + h * 0.90), (x1, y0 + h * 0.80), (x1, side))
    top = bezier((x1, y0 + 5), (mx + w * 0.25, y0 + 1), (mx + w * 0.1, y0), (mx, y0))
    top2 = bezier((mx, y0), (mx - w * 0.1, y0), (mx - w * 0.25, y0 + 1), (x0, y0 + 5))
    return [(x0, y0 + 5)] + left + right[1:] + top + top2[1:]


def bitmap_shield(text, height):
    W = ID['IDB_DPI_BLOCK_WIDTH']
    c = Canvas(W, height, 4, FACE)
    b = height - 3
    c.polygon(shield_points(5, 4, W - 3, b + 1), SHADOW)
    c.polygon(shield_points(3, 2, W - 5, b), OUTLINE)
    c.polygon(shield_points(4.2, 3.2, W - 6.2, b - 1.6),
              Gradient(2, b, SILVER_HI, SILVER, (150, 154, 162)))
    c.polygon(shield_points(8, 7, W - 10, b - 7), (120, 124, 134))
    c.polygon(shield_points(9, 8, W - 11, b - 8.6),
              Gradient(8, b - 8, (236, 238, 242), (200, 204, 212), (238, 240, 244)))
    mid = (3 + W - 5) / 2.0
    scale, spacing, tracking = (2, 3), 1, 1
    x = int(round(mid - text_width(text, scale, spacing, True, tracking) / 2.0))
    draw_text(c, x + 1, 21, text, (120, 110, 110), scale, spacing, True, tracking)
    draw_text(c, x, 20, text, Gradient(20, 41, RED_HI, RED, RED_LO), scale, spacing, True,
              tracking)
    draw_text_centered(c, mid, 50, 'DPI', (62, 66, 76), 2, 1)
    return c.downsample()


# --------------------------------------------------------------------------
# 242: the jack-in-the-box clip
# --------------------------------------------------------------------------

BX0, BX1, BY0, BY1 = 22, 74, 70, 106     # front face of the box
DX, DY = 14, -12                         # depth direction


def _box(c, frame):
    front = red(BY0, BY1)
    c.ellipse(56, BY1 + 1, 36, 4, SHADOW)
    side = [(BX1, BY0), (BX1 + DX, BY0 + DY), (BX1 + DX, BY1 + DY), (BX1, BY1)]
    c.polygon(side, OUTLINE)
    c.polygon([(BX1 + 0.8, BY0 + 0.6), (BX1 + DX - 0.8, BY0 + DY + 1.6),
               (BX1 + DX - 0.8, BY1 + DY - 0.6), (BX1 + 0.8, BY1 - 1.4)],
              Gradient(BY0 + DY, BY1, (178, 28, 32), (110, 12, 16)))
    c.rect(BX0, BY0, BX1, BY1, OUTLINE)
    c.fill(Rect(BX0 + 1, BY0 + 1, BX1 - 1, BY1 - 1), front)
    # silver trim and a star on the front
    c.rect(BX0 + 1, BY1 - 5, BX1 - 1, BY1 - 3, (230, 200, 110))
    star = []
    sx, sy = (BX0 + BX1) / 2.0, (BY0 + BY1) / 2.0 - 2
    for i in range(10):
        a = math.radians(90 + i * 36)
        rr = 11 if i % 2 == 0 else 4.6
        star.append((sx + rr * math.cos(a), sy - rr * math.sin(a)))
    c.polygon(star, OUTLINE)
    c.polygon(transform(star, cx=sx, cy=sy, scale=0.8),
              Gradient(sy - 11, sy + 11, (255, 240, 160), (230, 170, 40)))
    # crank on the right side, turning while the box is closed
    ax, ay = BX1 + DX / 2.0, (BY0 + BY1) / 2.0 + DY / 2.0
    ang = math.radians(frame * 40 if frame < 15 else 14 * 40)
    ex, ey = ax + 9 * math.cos(ang) * 0.55, ay - 9 * math.sin(ang)
    c.circle(ax, ay, 3, OUTLINE)
    c.line(ax, ay, ex, ey, 3.4, OUTLINE)
    c.line(ax, ay, ex, ey, 1.8, SILVER)
    c.circle(ax, ay, 1.6, SILVER_HI)
    c.line(ex, ey, ex + 6, ey - 1, 4.6, OUTLINE)
    c.line(ex, ey, ex + 6, ey - 1, 3, red(ey - 3, ey + 3))


def _lid_closed(c):
    c.polygon([(BX0 - 1, BY0 - 3), (BX0 - 1, BY0 + 2), (BX1 + 1, BY0 + 2),
               (BX1 + 1 + DX, BY0 + 2 + DY), (BX1 + 1 + DX, BY0 - 3 + DY),
               (BX0 - 1 + DX, BY0 - 3 + DY)], OUTLINE)
    c.polygon([(BX0 - 0.2, BY0 - 2.4), (BX1 + 0.2, BY0 - 2.4), (BX1 + 0.2, BY0 + 1.2),
               (BX0 - 0.2, BY0 + 1.2)], silver(BY0 - 3, BY0 + 2))
    c.polygon([(BX1 + 0.8, BY0 - 2.4), (BX1 + DX + 0.4, BY0 - 2.2 + DY),
               (BX1 + DX + 0.4, BY0 + 1.2 + DY), (BX1 + 0.8, BY0 + 1.2)], (150, 154, 162))
    c.polygon([(BX0 + 0.6, BY0 - 3.6), (BX1 + 0.4, BY0 - 3.6), (BX1 + DX, BY0 - 2.6 + DY),
               (BX0 + DX + 0.4, BY0 - 2.6 + DY)], Gradient(BY0 + DY - 3, BY0 - 3, SILVER_HI, SILVER))


def _jack(c, k):
    """The figure on its spring; k = 0..5 is the phase of its bobbing."""
    ph = 2 * math.pi * k / 6.0
    base_x, base_y = (BX0 + BX1 + DX) / 2.0, BY0 + DY / 2.0
    nx = base_x + 4 * math.sin(ph)
    ny = 40 - 4 * math.cos(ph)
    tilt = 10 * math.sin(ph)
    # spring
    coils = 7
    pts = []
    for i in range(coils * 2 + 1):
        t = i / (coils * 2.0)
        x = base_x + (nx - base_x) * t + (6 if i % 2 else -6) * (0 < i < coils * 2)
        y = base_y + (ny - base_y) * t
        pts.append((x, y))
    c.polyline(pts, 3.2, OUTLINE)
    c.polyline(pts, 1.6, SILVER_HI)

    def tf(p):
        return transform(p, angle=tilt, cx=nx, cy=ny)

    # waving arms
    for sgn in (-1, 1):
        wave = 10 * math.sin(ph + sgn * 1.2)
        hx, hy = nx + sgn * 17, ny - 6 - wave * 0.4
        c.line(nx + sgn * 6, ny + 1, hx, hy, 4, OUTLINE)
        c.line(nx + sgn * 6, ny + 1, hx, hy, 2.4, red(ny - 10, ny + 4))
        c.circle(hx, hy, 3.4, OUTLINE)
        c.circle(hx, hy, 2.4, WHITE)
    # ruffled collar
    ruff = []
    for i in range(24):
        a = 2 * math.pi * i / 24
        rr = 1.0 if i % 2 == 0 else 0.72
        ruff.append((nx + 14 * rr * math.cos(a), ny + 4.5 * rr * math.sin(a)))
    c.polygon(tf(ruff), OUTLINE)
    c.polygon(tf(transform(ruff, cx=nx, cy=ny, scale=0.86)), Gradient(ny - 5, ny + 5, WHITE, (220, 220, 236)))
    # head
    hx, hy = nx, ny - 10
    c.polygon(tf(ellipse_points(hx, hy, 9.6, 9.6, 0, 360, 40)), OUTLINE)
    c.polygon(tf(ellipse_points(hx, hy, 8.6, 8.6, 0, 360, 40)),
              Gradient(hy - 9, hy + 9, (255, 232, 206), (240, 196, 160)))
    for sgn in (-1, 1):
        c.polygon(tf(ellipse_points(hx + sgn * 3.4, hy - 2, 1.2, 1.8, 0, 360, 16)), DARK)
        c.polygon(tf(ellipse_points(hx + sgn * 5.6, hy + 2.4, 1.8, 1.2, 0, 360, 16)),
                  (240, 120, 120, 160))
    c.polygon(tf(ellipse_points(hx, hy + 0.8, 2.2, 2.2, 0, 360, 16)), RED)
    c.polyline(tf(ellipse_points(hx, hy + 1.5, 5, 4.4, 200, 340, 12)), 1.2, (150, 30, 30))
    # pointed hat with a pompom
    hat = [(hx - 8, hy - 6), (hx + 8, hy - 6), (hx + 1, hy - 20)]
    c.polygon(tf(hat), OUTLINE)
    c.polygon(tf([(hx - 6.6, hy - 6.8), (hx + 6.6, hy - 6.8), (hx + 0.9, hy - 18.4)]),
              Gradient(hy - 20, hy - 6, (120, 170, 250), (30, 90, 200)))
    c.polygon(tf([(hx - 8.5, hy - 7.5), (hx + 8.5, hy - 7.5), (hx + 8.5, hy - 5), (hx - 8.5, hy - 5)]),
              (240, 210, 90))
    c.polygon(tf(ellipse_points(hx + 1, hy - 20, 2.6, 2.6, 0, 360, 16)), WHITE)


def _lid_open(c):
    hinge_l = (BX0 + DX, BY0 + DY - 3)
    hinge_r = (BX1 + DX, BY0 + DY - 3)
    up = (5, -16)
    outer = [hinge_l, hinge_r, (hinge_r[0] + up[0], hinge_r[1] + up[1]),
             (hinge_l[0] + up[0], hinge_l[1] + up[1])]
    c.polygon(outer, OUTLINE)
    c.polygon(transform(outer, cx=(hinge_l[0] + hinge_r[0] + up[0]) / 2.0,
                        cy=hinge_l[1] + up[1] / 2.0, scale=0.94),
              Gradient(hinge_l[1] + up[1], hinge_l[1], (196, 200, 208), (130, 134, 142)))


def clip_frame(frame):
    c = Canvas(112, 112, 3, FACE)
    _box(c, frame)
    if frame < 15:
        _lid_closed(c)
    else:
        _lid_open(c)
        opening = [(BX0, BY0), (BX1, BY0), (BX1 + DX, BY0 + DY), (BX0 + DX, BY0 + DY)]
        c.polygon(opening, OUTLINE)
        c.polygon(transform(opening, cx=(BX0 + BX1 + DX) / 2.0, cy=BY0 + DY / 2.0, scale=0.93),
                  (70, 14, 18))
        _jack(c, frame - 15)
    return c.downsample()
