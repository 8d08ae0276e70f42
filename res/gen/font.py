"""A small hand-drawn proportional bitmap font.

Each glyph is up to 9 rows: capitals and digits use rows 0-6 (baseline
under row 6), lower case letters have their x-height in rows 2-6 and
descenders in rows 7-8. '#' marks a lit pixel. Text can be enlarged by
integer factors (separately in x and y) and made bold.
"""

from canvas import Rect, Union

_GLYPHS = {
    'A': ".###. #...# #...# ##### #...# #...# #...#",
    'B': "####. #...# #...# ####. #...# #...# ####.",
    'C': ".###. #...# #.... #.... #.... #...# .###.",
    'D': "####. #...# #...# #...# #...# #...# ####.",
    'E': "##### #.... #.... ####. #.... #.... #####",
    'F': "##### #.... #.... ####. #.... #.... #....",
    'G': ".###. #...# #.... #.### #...# #...# .####",
    'H': "#...# #...# #...# ##### #...# #...# #...#",
    'I': "### .#. .#. .#. .#. .#. ###",
    'J': "..### ...#. ...#. ...#. #..#. #..#. .##..",
    'K': "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    'L': "#.... #.... #.... #.... #.... #.... #####",
    'M': "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    'N': "#...# #...# ##..# #.#.# #..## #...# #...#",
    'O': ".###. #...# #...# #...# #...# #...# .###.",
    'P': "####. #...# #...# ####. #.... #.... #....",
    'Q': ".###. #...# #...# #...# #.#.# #..#. .##.#",
    'R': "####. #...# #...# ####. #.#.. #..#. #...#",
    'S': ".#### #.... #.... .###. ....# ....# ####.",
    'T': "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    'U': "#...# #...# #...# #...# #...# #...# .###.",
    'V': "#...# #...# #...# #...# #...# .#.#. ..#..",
    'W': "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    'X': "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    'Y': "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    'Z': "##### ....# ...#. ..#.. .#... #.... #####",
    'a': "..... ..... .###. ....# .#### #...# .####",
    'b': "#.... #.... ####. #...# #...# #...# ####.",
    'c': ".... .... .### #... #... #... .###",
    'd': "....# ....# .#### #...# #...# #...# .####",
    'e': "..... ..... .###. #...# ##### #.... .###.",
    'f': "..## .#.. #### .#.. .#.. .#.. .#..",
    'g': "..... ..... .#### #...# #...# #...# .#### ....# .###.",
    'h': "#.... #.... #.##. ##..# #...# #...# #...#",
    'i': "# . # # # # #",
    'j': "..# ... ..# ..# ..# ..# ..# #.# .#.",
    'k': "#... #... #..# #.#. ##.. #.#. #..#",
    'l': "# # # # # # #",
    'm': "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#",
    'n': "..... ..... #.##. ##..# #...# #...# #...#",
    'o': "..... ..... .###. #...# #...# #...# .###.",
    'p': "..... ..... ####. #...# #...# #...# ####. #.... #....",
    'q': "..... ..... .#### #...# #...# #...# .#### ....# ....#",
    'r': ".... .... #.## ##.. #... #... #...",
    's': "..... ..... .#### #.... .###. ....# ####.",
    't': ".#.. .#.. #### .#.. .#.. .#.. ..##",
    'u': "..... ..... #...# #...# #...# #..## .##.#",
    'v': "..... ..... #...# #...# #...# .#.#. ..#..",
    'w': "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    'x': "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    'y': "..... ..... #...# #...# #...# #...# .#### ....# .###.",
    'z': "..... ..... ##### ...#. ..#.. .#... #####",
    '0': ".###. #...# #...# #...# #...# #...# .###.",
    '1': "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    '2': ".###. #...# ....# ...#. ..#.. .#... #####",
    '3': "##### ...#. ..#.. ...#. ....# #...# .###.",
    '4': "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    '5': "##### #.... ####. ....# ....# #...# .###.",
    '6': "..##. .#... #.... ####. #...# #...# .###.",
    '7': "##### ....# ...#. ..#.. .#... .#... .#...",
    '8': ".###. #...# #...# .###. #...# #...# .###.",
    '9': ".###. #...# #...# .#### ....# ...#. .##..",
    ' ': "... ... ... ... ... ... ...",
    ':': ". . # . . # .",
    '.': ". . . . . . #",
    '-': "... ... ... ### ... ... ...",
    '>': "#... .#.. ..#. ...# ..#. .#.. #...",
    '_': "..... ..... ..... ..... ..... ..... #####",
    '\\': "#.... #.... .#... ..#.. ...#. ....# ....#",
    '/': "....# ....# ...#. ..#.. .#... #.... #....",
    '=': "..... ..... ##### ..... ##### ..... .....",
    '+': "..... ..#.. ..#.. ##### ..#.. ..#.. .....",
}

GLYPHS = {ch: rows.split() for ch, rows in _GLYPHS.items()}
CAP_HEIGHT = 7
LINE_HEIGHT = 9


def _scale(scale):
    return (scale, scale) if isinstance(scale, int) else scale


def text_width(text, scale=1, spacing=1, bold=False, tracking=0):
    """Width in pixels of `text` drawn with the same arguments."""
    sx, _ = _scale(scale)
    w = 0
    for i, ch in enumerate(text):
        w += len(GLYPHS.get(ch, GLYPHS[' '])[0]) * sx
        if i:
            w += spacing * sx + tracking
    return w + (1 if bold and text else 0)


def text_shape(x, y, text, scale=1, spacing=1, bold=False, tracking=0):
    """A Shape covering the lit pixels of `text`; (x, y) is the top-left
    of the capital height. `spacing` is in font pixels, `tracking` adds
    whole output pixels between characters."""
    sx, sy = _scale(scale)
    rects = []
    cx = x
    for ch in text:
        rows = GLYPHS.get(ch, GLYPHS[' '])
        for r, row in enumerate(rows):
            c = 0
            while c < len(row):
                if row[c] == '#':
                    e = c
                    while e < len(row) and row[e] == '#':
                        e += 1
                    rects.append(Rect(cx + c * sx, y + r * sy,
                                      cx + e * sx + (1 if bold else 0),
                                      y + (r + 1) * sy))
                    c = e
                else:
                    c += 1
        cx += (len(rows[0]) + spacing) * sx + tracking
    return Union(*rects) if rects else None


def draw_text(canvas, x, y, text, paint, scale=1, spacing=1, bold=False, tracking=0):
    shape = text_shape(x, y, text, scale, spacing, bold, tracking)
    if shape is not None:
        canvas.fill(shape, paint)
    return text_width(text, scale, spacing, bold, tracking)


def draw_text_centered(canvas, cx, y, text, paint, scale=1, spacing=1, bold=False,
                       tracking=0):
    w = text_width(text, scale, spacing, bold, tracking)
    x = int(round(cx - w / 2.0))
    draw_text(canvas, x, y, text, paint, scale, spacing, bold, tracking)
    return x
