"""The program's icons, drawn in a 32 x 32 logical space.

Every function takes (canvas, small); `small` is True when the drawing
ends up as a 16 x 16 image, so strokes can be made thicker and fine detail
left out.
"""

from canvas import Canvas, Gradient, Rect, Union, bezier, ellipse_points, stroke
from font import draw_text
from ids import ID
from style import (BLACK, BLUE, BLUE_HI, BLUE_LO, DARK, GREY, OUTLINE, PAPER,
                   RED, RED_LO, SHADOW, SILVER, SILVER_HI, SILVER_LO, WHITE,
                   YELLOW, YELLOW_HI, YELLOW_LO, mouse_body, red, silver)


def _mouse(c, small, cx, cy, w, h):
    lw = 2.0 if small else 1.0
    c.ellipse(cx + 1, cy + h / 2.0 - 0.5, w / 2.0, 1.6, SHADOW)
    mouse_body(c, cx, cy, w, h, border=lw)
    top = cy - h / 2.0
    split = top + h * 0.40
    line = (86, 90, 100)
    # the two buttons: centre groove and their rear edge
    c.line(cx, top + lw, cx, split, lw * 0.9, line)
    c.polyline(bezier((cx - w / 2.0 + 0.8, split - 1.2), (cx - w / 4.0, split + 1.6),
                      (cx + w / 4.0, split + 1.6), (cx + w / 2.0 - 0.8, split - 1.2)),
               lw * 0.9, line)
    # the wheel
    ww = 4.0 if small else 3.6
    wy0, wy1 = top + h * 0.12, top + h * 0.32
    c.round_rect(cx - ww / 2, wy0, cx + ww / 2, wy1, ww / 2, OUTLINE)
    c.round_rect(cx - ww / 2 + 0.8, wy0 + 0.8, cx + ww / 2 - 0.8, wy1 - 0.8,
                 ww / 2 - 0.8, red(wy0, wy1))
    if not small:
        c.ellipse(cx - w * 0.24, top + h * 0.28, w * 0.11, h * 0.13, (255, 255, 255, 120))


def icon_mouse(c, small):
    _mouse(c, small, 16, 16, 19, 29)


def icon_mixer(c, small):
    lw = 2.0 if small else 1.0
    # loudspeaker
    cone = [(3, 11.5), (8, 11.5), (14.5, 5), (14.5, 27), (8, 20.5), (3, 20.5)]
    c.polygon(cone, OUTLINE)
    inner = [(4, 12.5), (8.4, 12.5), (13.5, 7.5), (13.5, 24.5), (8.4, 19.5), (4, 19.5)]
    if small:
        inner = [(5, 13.5), (8.8, 13.5), (12.5, 9.5), (12.5, 22.5), (8.8, 18.5), (5, 18.5)]
    c.polygon(inner, silver(5, 27))
    c.line(8.4, 12.5 + lw / 2, 8.4, 19.5 - lw / 2, 0.8, (120, 124, 132))
    if not small:
        c.polyline(ellipse_points(15, 16, 3.5, 4.5, -50, 50, 12), 1.2, BLUE)
    # slider: track, ticks and knob
    tx = 24.5
    for y in (5, 10, 15, 20, 25) if not small else ():
        c.line(20.5, y, 22, y, 0.8, GREY)
    c.round_rect(tx - lw, 2, tx + lw, 30, lw, DARK)
    ky = 17
    kh = 3.5 if not small else 4.5
    c.round_rect(19.5, ky - kh, 29.5, ky + kh, 1.5, OUTLINE)
    c.round_rect(20.5, ky - kh + 1, 28.5, ky + kh - 1, 1, silver(ky - kh, ky + kh))
    c.rect(20.5, ky - 0.6, 28.5, ky + 0.6, RED)


def icon_console(c, small):
    c.round_rect(1, 3, 31, 29, 2, OUTLINE)
    c.fill(Rect(2, 4, 30, 9), Gradient(4, 9, (120, 126, 138), (70, 74, 84)))
    c.rect(2, 9, 30, 28, BLACK)
    if small:
        draw_text(c, 6, 14, '>_', WHITE, scale=2, spacing=0)
    else:
        for i, x in enumerate((22, 25.5)):
            c.rect(x, 5.5, x + 2.5, 7.5, SILVER if i == 0 else RED)
        draw_text(c, 4, 12, 'C:\\>', WHITE, spacing=1)
        c.rect(4, 22, 9, 23, (200, 200, 200))


def _folder_back(c, small, x0=2, y0=6, x1=30, y1=28):
    c.polygon([(x0, y0 + 1.5), (x0 + 1.5, y0), (x0 + 9, y0), (x0 + 11, y0 + 2.5),
               (x1, y0 + 2.5), (x1, y1), (x0, y1)], YELLOW_LO)
    c.polygon([(x0 + 1, y0 + 2), (x0 + 2, y0 + 1), (x0 + 8.6, y0 + 1),
               (x0 + 10.6, y0 + 3.5), (x1 - 1, y0 + 3.5), (x1 - 1, y1 - 1),
               (x0 + 1, y1 - 1)], Gradient(y0, y1, YELLOW_HI, YELLOW))


def icon_tools(c, small):
    _folder_back(c, small, 2, 6, 30, 28)
    c.round_rect(2, 11, 30, 28, 1, YELLOW_LO)
    c.round_rect(3, 12, 29, 27, 0.5, Gradient(12, 27, YELLOW_HI, YELLOW, YELLOW_LO))
    # screwdriver: red handle, silver shaft
    c.line(7, 26, 21, 7, 1.6 if not small else 2.4, OUTLINE)
    c.line(7, 26, 20.5, 7.7, 0.8 if not small else 1.2, SILVER)
    c.line(3.5, 30, 9, 22.5, 5.2 if not small else 6, RED_LO)
    c.line(3.8, 29.6, 8.8, 22.8, 3.6 if not small else 4.2, red(22, 30))
    # open-end wrench over the other diagonal
    w = 3.4 if small else 2.8
    c.line(27, 28, 13, 12, w + 1.4, OUTLINE)
    c.line(27, 28, 13, 12, w, silver(12, 28))
    head = ellipse_points(11, 9.5, 4.2, 4.2, 100, 350, 24)
    c.polyline(head, 4.2 if small else 3.4, OUTLINE)
    c.polyline(head, 2.6 if small else 2.0, silver(5, 14))
    c.circle(27, 28, (w + 1.4) / 2 + 0.6, OUTLINE)
    c.circle(27, 28, w / 2 + 0.4, SILVER)


def _window(c, x0, y0, x1, y1, small):
    c.rect(x0, y0, x1, y1, OUTLINE)
    c.fill(Rect(x0 + 1, y0 + 1, x1 - 1, y0 + 5), Gradient(y0, y0 + 5, BLUE_HI, BLUE))
    c.rect(x0 + 1, y0 + 5, x1 - 1, y1 - 1, WHITE)
    if not small:
        c.rect(x1 - 4.5, y0 + 2, x1 - 2, y0 + 4, WHITE)
        for i in range(3):
            c.rect(x0 + 3, y0 + 8 + i * 3, x0 + 3 + (11, 8, 13)[i], y0 + 9 + i * 3,
                   (170, 176, 186))


def icon_find(c, small):
    _window(c, 1, 3, 25, 23, small)
    # magnifier: handle first, then ring and glass
    hw = 4.5 if small else 4
    c.line(22, 22, 29, 29, hw + 1.2, OUTLINE)
    c.line(22, 22, 29, 29, hw, red(22, 30))
    c.circle(18, 17, 8, OUTLINE)
    c.circle(18, 17, 7 - (0.8 if small else 0), silver(10, 24))
    c.circle(18, 17, 5.2 - (0.6 if small else 0), (120, 190, 250, 150))
    if not small:
        c.ellipse(16, 14.5, 2.2, 1.4, (255, 255, 255, 170))


def icon_mail(c, small):
    lw = 2.0 if small else 1.0
    c.rect(1, 6, 31, 27, OUTLINE)
    c.fill(Rect(1 + lw, 6 + lw, 31 - lw, 27 - lw), Gradient(6, 27, PAPER, (220, 222, 214)))
    c.polyline([(2, 26), (12.5, 16.5)], lw, (150, 150, 150))
    c.polyline([(30, 26), (19.5, 16.5)], lw, (150, 150, 150))
    c.polygon([(1.5, 6.5), (30.5, 6.5), (16, 19)], Gradient(6, 19, (255, 255, 255), (214, 216, 206)))
    c.polyline([(1.5, 6.5), (16, 19), (30.5, 6.5)], lw, OUTLINE)
    c.circle(16, 17.5, 3.2 if not small else 3.6, red(14, 21))


def icon_open_folder(c, small):
    _folder_back(c, small, 2, 5, 28, 27)
    # a sheet of paper sticking out
    c.rect(6, 8, 25, 22, OUTLINE)
    c.rect(7, 9, 24, 22, PAPER)
    if not small:
        for y in (11, 13.5, 16):
            c.rect(9, y, 22, y + 0.8, (176, 182, 192))
    # the front flap, tilted open
    front = [(6, 13), (31, 13), (27, 28), (2, 28)]
    c.polygon(front, YELLOW_LO)
    c.polygon([(6.8, 14), (29.8, 14), (26.2, 27), (3.2, 27)],
              Gradient(13, 28, YELLOW_HI, YELLOW, YELLOW_LO))


def icon_e(c, small):
    cx, cy, r = 16, 17, 9.5
    orbit = ellipse_points(16, 16.5, 15, 5.5, 0, 360, 72, rotate=25)
    ow = 2.4 if small else 1.6
    orbit_paint = Gradient(4, 28, (255, 214, 90), (226, 150, 20))
    c.polyline(orbit, ow, orbit_paint)                 # back half of the ring
    blue = Gradient(cy - r, cy + r, BLUE_HI, BLUE, BLUE_LO)
    sw, bar = (4.2, 3.0) if small else (4.4, 3.5)
    arc = ellipse_points(cx, cy, r - sw / 2, r - sw / 2, 0, 320, 48)
    shape = Union(stroke(arc, sw, round_caps=False),
                  Rect(cx - r + 0.3, cy - bar / 2, cx + r - 0.3, cy + bar / 2))
    c.fill(Union(stroke(arc, sw + 1.2, round_caps=False),
                 Rect(cx - r - 0.3, cy - bar / 2 - 0.6, cx + r + 0.3, cy + bar / 2 + 0.6)),
           BLUE_LO)
    c.fill(shape, blue)
    # front part of the ring passes over the letter
    c.polyline(ellipse_points(16, 16.5, 15, 5.5, 185, 330, 30, rotate=25), ow, orbit_paint)
    if not small:
        c.ellipse(12.5, 11, 2.5, 1.2, (255, 255, 255, 120))


def icon_notepad(c, small):
    c.rect(5, 4, 27, 31, OUTLINE)
    c.fill(Rect(6, 5, 26, 30), Gradient(5, 30, (255, 255, 236), (240, 238, 206)))
    c.rect(6, 5, 26, 9, red(5, 9))
    step = 4 if small else 3
    for y in range(12, 29, step):
        c.rect(6, y, 26, y + (1 if small else 0.7), (140, 180, 230))
    if not small:
        c.rect(9.5, 9, 10.2, 30, (230, 120, 120))
    # spiral rings across the top edge
    n = 5 if small else 7
    for i in range(n):
        x = 8.5 + i * (15.0 / (n - 1))
        c.round_rect(x - 0.9, 1.5, x + 0.9, 7.5, 0.9, DARK)
        c.round_rect(x - 0.4, 2, x + 0.4, 7, 0.4, SILVER_HI)


def icon_calculator(c, small):
    c.round_rect(5, 1, 27, 31, 2.5, DARK)
    c.round_rect(6, 2, 26, 30, 2, Gradient(2, 30, (110, 116, 128), (62, 66, 76)))
    c.rect(8, 4, 24, 12, OUTLINE)
    c.fill(Rect(8.7, 4.7, 23.3, 11.3), Gradient(4, 12, (214, 230, 200), (170, 190, 156)))
    if not small:
        draw_text(c, 11, 5, '12', (40, 50, 40))
        cols, rows, top = 4, 4, 14.5
    else:
        cols, rows, top = 3, 3, 15
    kw = (16.0 - (cols - 1) * 1.2) / cols
    kh = (14.0 - (rows - 1) * 1.2) / rows
    for j in range(rows):
        for i in range(cols):
            x, y = 8 + i * (kw + 1.2), top + j * (kh + 1.2)
            last = (i == cols - 1 and j == rows - 1)
            paint = red(y, y + kh) if last else Gradient(y, y + kh, SILVER_HI, SILVER_LO)
            c.round_rect(x, y, x + kw, y + kh, 0.7, paint)


def icon_mouse_cable(c, small):
    lw = 2.0 if small else 1.4
    cable = bezier((17, 9), (17, 2), (6, 9), (3, 1.5))
    c.polyline(cable, lw + 0.8, OUTLINE)
    c.polyline(cable, lw - 0.4, GREY)
    _mouse(c, small, 17, 19, 16, 23)


ICONS = {
    ID['IDI_APP']: icon_mouse,
    ID['IDI_VOLUME']: icon_mixer,
    ID['IDI_CONSOLE']: icon_console,
    ID['IDI_CONTROL_PANEL']: icon_tools,
    ID['IDI_MAGNIFIER']: icon_find,
    ID['IDI_MAIL']: icon_mail,
    ID['IDI_DOCUMENTS']: icon_open_folder,
    ID['IDI_BROWSER']: icon_e,
    ID['IDI_NOTEPAD']: icon_notepad,
    ID['IDI_CALCULATOR']: icon_calculator,
    ID['IDI_UNASSIGNED']: icon_mouse_cable,
}


def render_icon(icon_id, size):
    """Render one icon at 32 or 16 pixels as a 1x RGBA canvas."""
    ss = 8 * size // 32
    c = Canvas(32, 32, ss)
    ICONS[icon_id](c, size < 32)
    return c.downsample(8)
