"""Small raster and image-file helpers for the skin generator and its checker.

Standard library only. Pixels are straight (not premultiplied) RGBA with float
channels 0..255 while drawing; the writers turn them into 24-bit BMPs and
8-bit RGBA PNGs. Everything here is deterministic: the same calls give the
same bytes on every run.
"""

import math
import struct
import zlib

KEY = (255, 0, 255)          # the transparent key colour of every skin image


def rgb(hexstr):
    """'#RRGGBB' -> (r, g, b)."""
    h = hexstr.lstrip('#')
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))


def colorref(c):
    """(r, g, b) -> the description's decimal colour value 0x00BBGGRR."""
    r, g, b = c
    return r | (g << 8) | (b << 16)


def mix(a, b, t):
    """Blend two colours: t = 0 gives a, t = 1 gives b."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


# ----------------------------------------------------------------------------
# Shapes: predicates inside(x, y) over real coordinates; a pixel (px, py)
# covers the square [px, px+1) x [py, py+1).

def rrect(x0, y0, x1, y1, r):
    """Rounded rectangle from (x0, y0) to (x1, y1) (exclusive edges)."""
    def inside(x, y):
        if x < x0 or x >= x1 or y < y0 or y >= y1:
            return False
        if r <= 0:
            return True
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def rrect_top(x0, y0, x1, y1, r):
    """Rectangle with only its two top corners rounded."""
    upper = rrect(x0, y0, x1, y1 + r, r)

    def inside(x, y):
        return y < y1 and upper(x, y) and x >= x0 and x < x1
    return inside


def circle(cx, cy, rad):
    def inside(x, y):
        return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad
    return inside


def segment(xa, ya, xb, yb, width):
    """Thick line with round caps."""
    dx, dy = xb - xa, yb - ya
    ll = dx * dx + dy * dy
    hw2 = (width / 2.0) ** 2

    def inside(x, y):
        t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - xa) * dx + (y - ya) * dy) / ll))
        px, py = xa + t * dx - x, ya + t * dy - y
        return px * px + py * py <= hw2
    return inside


def polyline(points, width):
    segs = [segment(points[i][0], points[i][1], points[i + 1][0], points[i + 1][1], width)
            for i in range(len(points) - 1)]

    def inside(x, y):
        return any(s(x, y) for s in segs)
    return inside


def polygon(points):
    n = len(points)

    def inside(x, y):
        c = False
        j = n - 1
        for i in range(n):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                c = not c
            j = i
        return c
    return inside


def minus(a, b):
    def inside(x, y):
        return a(x, y) and not b(x, y)
    return inside


def union(*shapes):
    def inside(x, y):
        return any(s(x, y) for s in shapes)
    return inside


def stroke_rrect(x0, y0, x1, y1, r, w=1):
    """A rounded outline w pixels wide lying inside the rectangle."""
    return minus(rrect(x0, y0, x1, y1, r), rrect(x0 + w, y0 + w, x1 - w, y1 - w, max(0, r - w)))


# ----------------------------------------------------------------------------

class Canvas:
    """RGBA canvas with straight alpha plus a per-pixel 'key' flag.

    Key pixels stand for "outside the element": they are written as the key
    colour, so the painter shows the parent's background there.
    """

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        self.key = [False] * (w * h)

    def fill(self, color, alpha=1.0):
        for p in self.px:
            p[0], p[1], p[2], p[3] = color[0], color[1], color[2], 255.0 * alpha

    def _blend(self, i, color, a):
        if a <= 0:
            return
        p = self.px[i]
        da = p[3] / 255.0
        oa = a + da * (1 - a)
        for c in range(3):
            p[c] = (color[c] * a + p[c] * da * (1 - a)) / oa if oa > 0 else 0
        p[3] = oa * 255.0

    def draw(self, shape, color, alpha=1.0, ss=4, clip=None, aa=True):
        """Composite a shape 'over' the canvas; ss x ss samples per pixel.

        aa=False gives crisp pixel art (a pixel is in when its centre is)."""
        x0, y0, x1, y1 = clip if clip else (0, 0, self.w, self.h)
        for py in range(max(0, y0), min(self.h, y1)):
            for px in range(max(0, x0), min(self.w, x1)):
                if aa:
                    n = 0
                    for sy in range(ss):
                        for sx in range(ss):
                            if shape(px + (sx + 0.5) / ss, py + (sy + 0.5) / ss):
                                n += 1
                    cov = n / float(ss * ss)
                else:
                    cov = 1.0 if shape(px + 0.5, py + 0.5) else 0.0
                if cov > 0:
                    self._blend(py * self.w + px, color, cov * alpha)

    def rect(self, x0, y0, x1, y1, color, alpha=1.0):
        for py in range(max(0, y0), min(self.h, y1)):
            for px in range(max(0, x0), min(self.w, x1)):
                self._blend(py * self.w + px, color, alpha)

    def key_outside(self, shape, clip=None):
        """Mark as key every pixel that the shape does not touch at all."""
        x0, y0, x1, y1 = clip if clip else (0, 0, self.w, self.h)
        for py in range(max(0, y0), min(self.h, y1)):
            for px in range(max(0, x0), min(self.w, x1)):
                hit = False
                for sy in range(4):
                    for sx in range(4):
                        if shape(px + (sx + 0.5) / 4, py + (sy + 0.5) / 4):
                            hit = True
                            break
                    if hit:
                        break
                if not hit:
                    i = py * self.w + px
                    self.key[i] = True
                    self.px[i] = [0.0, 0.0, 0.0, 0.0]

    def blit(self, src, dx, dy):
        """Copy another canvas in (pixels and key flags)."""
        for y in range(src.h):
            for x in range(src.w):
                if 0 <= dx + x < self.w and 0 <= dy + y < self.h:
                    self.px[(dy + y) * self.w + dx + x] = list(src.px[y * src.w + x])
                    self.key[(dy + y) * self.w + dx + x] = src.key[y * src.w + x]

    def transformed(self, kind):
        """'flipv', 'fliph', 'transpose' or 'rot' (transpose then flip horizontally)."""
        if kind in ('transpose', 'rot'):
            out = Canvas(self.h, self.w)
        else:
            out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                if kind == 'flipv':
                    nx, ny = x, self.h - 1 - y
                elif kind == 'fliph':
                    nx, ny = self.w - 1 - x, y
                elif kind == 'transpose':
                    nx, ny = y, x
                else:
                    nx, ny = self.h - 1 - y, x
                out.px[ny * out.w + nx] = list(self.px[y * self.w + x])
                out.key[ny * out.w + nx] = self.key[y * self.w + x]
        return out


def to_pixels(canvas, mask_type, matte=None, png=False):
    """Turn a canvas into output rows of (r, g, b, a) byte tuples.

    mask_type 0: a pixel is the key colour when flagged as key, or when it is
    (mostly) transparent and no matte colour is given; otherwise opaque colour
    (flattened on the matte when partly transparent).
    mask_type 1: the image rows are followed by an equally high mask row whose
    grey value is 255 - alpha (black shows the image, white keeps what lies
    below). Transparent non-key pixels are white in the image row, so that a
    white mask leaves the destination exactly as it was.
    """
    w, h = canvas.w, canvas.h
    rows = []
    if mask_type == 0:
        for y in range(h):
            row = []
            for x in range(w):
                i = y * w + x
                p = canvas.px[i]
                a = p[3] / 255.0
                if canvas.key[i] or (matte is None and a < 0.5):
                    row.append(KEY + (255,))
                elif matte is not None:
                    row.append(tuple(int(round(p[c] * a + matte[c] * (1 - a))) for c in range(3)) + (255,))
                else:
                    row.append(tuple(int(round(p[c])) for c in range(3)) + (255,))
            rows.append(row)
        return rows
    img, msk = [], []
    for y in range(h):
        row, mrow = [], []
        for x in range(w):
            i = y * w + x
            p = canvas.px[i]
            a = int(round(p[3]))
            if canvas.key[i] and not png:
                row.append(KEY + (255,))
                mrow.append((255, 255, 255, 255))
            elif a == 0:
                row.append((255, 255, 255, 255))
                mrow.append((255, 255, 255, 255))
            else:
                row.append(tuple(int(round(p[c])) for c in range(3)) + (255,))
                m = 255 - a
                mrow.append((m, m, m, 255))
        img.append(row)
        msk.append(mrow)
    return img + msk


def to_rgba(canvas):
    """Straight RGBA rows (for pictures that carry their own alpha)."""
    rows = []
    for y in range(canvas.h):
        row = []
        for x in range(canvas.w):
            p = canvas.px[y * canvas.w + x]
            a = int(round(p[3]))
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(p[c])) for c in range(3)) + (a,))
        rows.append(row)
    return rows


# ----------------------------------------------------------------------------
# Writers

def write_bmp24(path, rows):
    h = len(rows)
    w = len(rows[0]) if h else 0
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for (r, g, b, _a) in rows[y]:
            line += bytes((b, g, r))
        line += b'\0' * (stride - w * 3)
        data += line
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + bytes(data))


def _chunk(tag, data):
    c = struct.pack('>I', len(data)) + tag + data
    return c + struct.pack('>I', zlib.crc32(tag + data) & 0xFFFFFFFF)


def write_png_rgba(path, rows):
    h = len(rows)
    w = len(rows[0]) if h else 0
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw += bytes(px)
    png = b'\x89PNG\r\n\x1a\n'
    png += _chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    png += _chunk(b'IDAT', zlib.compress(bytes(raw), 9))
    png += _chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


# ----------------------------------------------------------------------------
# Readers (for the checker and the previews)

def read_bmp(path):
    """24- or 32-bit uncompressed BMP -> rows of (r, g, b, a)."""
    with open(path, 'rb') as f:
        d = f.read()
    if d[:2] != b'BM':
        raise ValueError('%s: not a BMP' % path)
    off = struct.unpack_from('<I', d, 10)[0]
    hsize, w, h, _planes, bpp, comp = struct.unpack_from('<IiiHHI', d, 14)
    if bpp not in (24, 32) or comp not in (0, 3):
        raise ValueError('%s: unsupported BMP (%d bpp, compression %d)' % (path, bpp, comp))
    bottom_up = h > 0
    h = abs(h)
    step = bpp // 8
    stride = (w * step + 3) & ~3
    rows = []
    for y in range(h):
        sy = h - 1 - y if bottom_up else y
        base = off + sy * stride
        row = []
        for x in range(w):
            b, g, r = d[base + x * step], d[base + x * step + 1], d[base + x * step + 2]
            row.append((r, g, b, 255))
        rows.append(row)
    return rows


def read_png(path):
    """8-bit RGB/RGBA non-interlaced PNG (what the generator writes) -> rows."""
    with open(path, 'rb') as f:
        d = f.read()
    if d[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('%s: not a PNG' % path)
    pos, idat, ihdr = 8, b'', None
    while pos < len(d):
        ln = struct.unpack_from('>I', d, pos)[0]
        tag = d[pos + 4:pos + 8]
        body = d[pos + 8:pos + 8 + ln]
        crc = struct.unpack_from('>I', d, pos + 8 + ln)[0]
        if zlib.crc32(tag + body) & 0xFFFFFFFF != crc:
            raise ValueError('%s: CRC error in %r' % (path, tag))
        if tag == b'IHDR':
            ihdr = struct.unpack('>IIBBBBB', body)
        elif tag == b'IDAT':
            idat += body
        pos += 12 + ln
    w, h, depth, ctype, _c, _f, inter = ihdr
    if depth != 8 or ctype not in (2, 6) or inter != 0:
        raise ValueError('%s: unsupported PNG layout' % path)
    bpp = 4 if ctype == 6 else 3
    raw = zlib.decompress(idat)
    stride = w * bpp
    prev = bytearray(stride)
    rows = []
    p = 0
    for _y in range(h):
        ft = raw[p]
        line = bytearray(raw[p + 1:p + 1 + stride])
        p += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ft == 1:
                line[i] = (line[i] + a) & 255
            elif ft == 2:
                line[i] = (line[i] + b) & 255
            elif ft == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif ft == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pr = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pr) & 255
        prev = line
        row = []
        for x in range(w):
            q = x * bpp
            row.append((line[q], line[q + 1], line[q + 2], line[q + 3] if bpp == 4 else 255))
        rows.append(row)
    return rows


def read_image(path):
    with open(path, 'rb') as f:
        sig = f.read(2)
    return read_bmp(path) if sig == b'BM' else read_png(path)


def preview_png(path, rows, scale, checker=True):
    """Scaled-up copy of an image for looking at it: the key colour and
    transparency show as a grey checkerboard."""
    out = []
    for y, row in enumerate(rows):
        line = []
        for x, (r, g, b, a) in enumerate(row):
            cb = 204 if ((x // 4 + y // 4) % 2 == 0) else 170
            if (r, g, b) == KEY and checker:
                c = (cb, cb, cb)
            else:
                t = a / 255.0
                c = (int(r * t + cb * (1 - t)), int(g * t + cb * (1 - t)), int(b * t + cb * (1 - t)))
            line.extend([c + (255,)] * scale)
        for _ in range(scale):
            out.append(line)
    write_png_rgba(path, out)
