#!/usr/bin/env python3
"""Draw every picture of the program and write it into res/art/.

Usage: python3 res/gen/generate.py [output-directory]

The output is deterministic: running it twice gives identical files.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True      # keep the source tree clean

from formats import write_avi, write_bmp, write_ico   # noqa: E402
from icons import ICONS, render_icon                   # noqa: E402
from ids import ID                                     # noqa: E402
from pictures import (bitmap_about, bitmap_buttons, bitmap_launcher,  # noqa: E402
                      bitmap_shield, bitmap_wheel, clip_frame)
from style import FACE                                 # noqa: E402

SKIN = """\
; Colours of the dialog skin (R,G,B).
[Dialog]
Face=212,208,200
Text=0,0,0
Accent=180,30,30
Highlight=255,255,255
Shadow=128,128,128
"""

CLIP_FRAMES = 21
BLOCK_HEIGHT = ID['IDB_DPI_BLOCK_HEIGHT']
CLIP_USEC_PER_FRAME = 83333          # 12 frames per second


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    written = []

    def path(name):
        p = os.path.join(out_dir, name)
        written.append(p)
        return p

    for icon_id in ICONS:
        write_ico(path('icon_%d.ico' % icon_id),
                  [render_icon(icon_id, 32), render_icon(icon_id, 16)])

    bitmaps = [
        ('IDB_MOUSE_BUTTONS', bitmap_buttons(), 24),
        ('IDB_ABOUT', bitmap_about(), 24),
        ('IDB_WHEEL', bitmap_wheel(), 24),
        ('IDB_LAUNCHER_PREVIEW', bitmap_launcher(), 24),
        # The 400 shield is one pixel shorter than the block, as it has always been.
        ('IDB_DPI_400', bitmap_shield('400', BLOCK_HEIGHT - 1), 8),
        ('IDB_DPI_800', bitmap_shield('800', BLOCK_HEIGHT), 8),
        ('IDB_DPI_1600', bitmap_shield('1600', BLOCK_HEIGHT), 8),
        ('IDB_DPI_2000', bitmap_shield('2000', BLOCK_HEIGHT), 24),
    ]
    for name, canvas, bpp in bitmaps:
        write_bmp(path('bitmap_%d.bmp' % ID[name]), canvas.flatten(FACE), bpp)

    frames = [clip_frame(i).flatten(FACE) for i in range(CLIP_FRAMES)]
    write_avi(path('clip_%d.avi' % ID['IDR_DOUBLECLICK_CLIP']), frames, CLIP_USEC_PER_FRAME, rate=12)

    with open(path('skin1.skin'), 'w', newline='\n') as f:
        f.write(SKIN)

    for p in written:
        print('%-40s %7d bytes' % (os.path.relpath(p), os.path.getsize(p)))


if __name__ == '__main__':
    default = os.path.join(os.path.dirname(HERE), 'art')
    main(sys.argv[1] if len(sys.argv) > 1 else default)
