"""Writers for Windows .ico, .bmp and run-length encoded 8-bit .avi files,
plus a small deterministic median-cut colour quantiser."""

import struct
import zlib


# --------------------------------------------------------------------------
# Palette building
# --------------------------------------------------------------------------

def _box_stats(box):
    lo = [min(c[k] for c, _ in box) for k in range(3)]
    hi = [max(c[k] for c, _ in box) for k in range(3)]
    return lo, hi


def make_palette(images, size=256):
    """Build a palette (list of (r, g, b), at most `size`) for images given
    as rows of (r, g, b) tuples, and return (palette, index_images)."""
    hist = {}
    for rows in images:
        for row in rows:
            for c in row:
                hist[c] = hist.get(c, 0) + 1
    colours = sorted(hist.items(), key=lambda kv: (-kv[1], kv[0]))
    if len(colours) <= size:
        palette = [c for c, _ in colours]
    else:
        boxes = [colours]
        while len(boxes) < size:
            # split the box with the widest channel range (weighted by count)
            best, best_score, best_axis = None, -1, 0
            for i, box in enumerate(boxes):
                if len(box) < 2:
                    continue
                lo, hi = _box_stats(box)
                axis = max(range(3), key=lambda k: (hi[k] - lo[k], -k))
                rng = hi[axis] - lo[axis]
                score = rng * rng * sum(n for _, n in box) ** 0.5
                if score > best_score:
                    best, best_score, best_axis = i, score, axis
            if best is None:
                break
            box = sorted(boxes[best], key=lambda cn: (cn[0][best_axis], cn[0]))
            total = sum(n for _, n in box)
            acc, cut = 0, 1
            for j, (_, n) in enumerate(box):
                acc += n
                if acc * 2 >= total:
                    cut = min(max(j + 1, 1), len(box) - 1)
                    break
            boxes[best:best + 1] = [box[:cut], box[cut:]]
        palette = []
        for box in boxes:
            total = sum(n for _, n in box)
            palette.append(tuple(int(round(sum(c[k] * n for c, n in box) / total))
                                 for k in range(3)))
    lookup = {}
    for c in sorted(hist):
        if c in palette:
            lookup[c] = palette.index(c)
        else:
            lookup[c] = min(range(len(palette)), key=lambda i: (
                sum((palette[i][k] - c[k]) ** 2 for k in range(3)), i))
    indexed = [[[lookup[c] for c in row] for row in rows] for rows in images]
    return palette, indexed


def _rgbquads(palette, count=256):
    pal = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in pal)


def _info_header(width, height, bpp, image_size, colours_used=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0,
                       image_size, 2835, 2835, colours_used, 0)


def _rows_24(rows):
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b'\0' * (-len(line) % 4)
        out += line
    return bytes(out)


def _rows_8(indexed):
    out = bytearray()
    for row in reversed(indexed):
        line = bytes(row)
        out += line + b'\0' * (-len(line) % 4)
    return bytes(out)


# --------------------------------------------------------------------------
# BMP
# --------------------------------------------------------------------------

def write_bmp(path, rows, bpp=24):
    """Write rows of (r, g, b) as a bottom-up BI_RGB bitmap (24 or 8 bpp)."""
    h, w = len(rows), len(rows[0])
    if bpp == 24:
        pixels, palette_bytes, used = _rows_24(rows), b'', 0
    elif bpp == 8:
        palette, (indexed,) = make_palette([rows])
        pixels, palette_bytes, used = _rows_8(indexed), _rgbquads(palette), 256
    else:
        raise ValueError('unsupported depth %d' % bpp)
    info = _info_header(w, h, bpp, len(pixels), used)
    offset = 14 + len(info) + len(palette_bytes)
    head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(head + info + palette_bytes + pixels)


# --------------------------------------------------------------------------
# ICO
# --------------------------------------------------------------------------

def _icon_image(canvas):
    w, h = canvas.sw, canvas.sh
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = canvas.get(x, y)
            if a == 0:
                xor += b'\0\0\0\0'
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                xor += bytes((b, g, r, a))
        mask += bits
    info = _info_header(w, h * 2, 32, len(xor) + len(mask))
    return info + bytes(xor) + bytes(mask)


def _png(canvas):
    """The canvas as an RGBA PNG, as icon files hold their large images."""
    w, h = canvas.sw, canvas.sh
    raw = b''.join(b'\0' + bytes(canvas.px[y * w * 4:(y + 1) * w * 4]) for y in range(h))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


# Images from this size up are stored as PNG (Windows Vista on, and Wine, read
# them): they are needed only at the larger scales, and would be most of the
# program's size as bitmaps.
PNG_FROM = 40


def write_ico(path, canvases):
    """Write an icon file with one image per canvas: a 32-bit DIB plus AND
    mask, or a PNG from PNG_FROM pixels up."""
    images = [_png(c) if c.sw >= PNG_FROM else _icon_image(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.sw % 256, c.sh % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


# --------------------------------------------------------------------------
# AVI (run-length encoded 8-bit DIB frames, one shared palette)
# --------------------------------------------------------------------------

def _chunk(fourcc, data):
    return fourcc + struct.pack('<I', len(data)) + data + (b'\0' if len(data) % 2 else b'')


def _list(kind, data):
    return _chunk(b'LIST', kind + data)


def _rle8(indexed):
    """BI_RLE8 of one picture (rows of palette indices, top row first), every
    row in runs, with an end-of-line after each and end-of-bitmap at the end.
    Runs only, no absolute mode: the drawings are flat enough."""
    out = bytearray()
    for row in reversed(indexed):
        i = 0
        while i < len(row):
            j = i
            while j < len(row) and j - i < 255 and row[j] == row[i]:
                j += 1
            out += bytes((j - i, row[i]))
            i = j
        out += b'\0\0'
    out[-2:] = b'\0\1'
    return bytes(out)


def write_avi(path, frames, usec_per_frame, rate=None, scale=1):
    """Write frames (each rows of (r, g, b), all the same size) as an 8-bit
    run-length encoded AVI (BI_RLE8, handler 'RLE ', every frame complete)
    with a single palette for every frame: the kind of clip the common
    Animation control plays without a codec."""
    h, w = len(frames[0]), len(frames[0][0])
    palette, indexed = make_palette(frames)
    frame_data = [_rle8(f) for f in indexed]
    fsize = max(len(f) for f in frame_data)
    n = len(frames)
    if rate is None:
        rate = int(round(1000000.0 / usec_per_frame))

    AVIF_HASINDEX = 0x10
    avih = struct.pack('<14I', usec_per_frame, fsize * rate, 0, AVIF_HASINDEX,
                       n, 0, 1, fsize, w, h, 0, 0, 0, 0)
    strh = struct.pack('<4s4sIHHIIIIIIII4h', b'vids', b'RLE ', 0, 0, 0, 0,
                       scale, rate, 0, n, fsize, 0xFFFFFFFF, 0, 0, 0, w, h)
    BI_RLE8 = 1
    strf = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, BI_RLE8, fsize, 2835, 2835, 256, 0) + _rgbquads(palette)
    hdrl = _list(b'hdrl', _chunk(b'avih', avih) +
                 _list(b'strl', _chunk(b'strh', strh) + _chunk(b'strf', strf)))

    movi_body = b''
    index = b''
    AVIIF_KEYFRAME = 0x10
    for data in frame_data:
        offset = 4 + len(movi_body)       # relative to the 'movi' fourcc
        index += struct.pack('<4sIII', b'00db', AVIIF_KEYFRAME, offset, len(data))
        movi_body += _chunk(b'00db', data)
    movi = _list(b'movi', movi_body)
    body = b'AVI ' + hdrl + movi + _chunk(b'idx1', index)
    with open(path, 'wb') as f:
        f.write(_chunk(b'RIFF', body))
