#!/usr/bin/env python3
"""Draws the two skins the program ships and writes their folders.

    python3 skins/generator/make_skins.py [--out DIR] [--preview DIR]

Writes skins/Flatline and skins/MetroUI (or DIR/Flatline, DIR/MetroUI): each
folder holds Options.dat and exactly the images its description names.
--preview also writes scaled-up copies of every image to look at.

A designer changes the constants in DESIGN below and runs the script again.
Every rectangle in a master bitmap comes from the same layout table that
places the pixels, so the numbers in Options.dat always match the images.
Running the script twice gives identical bytes.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skinimg import (Canvas, KEY, circle, colorref, minus, mix, polyline,  # noqa: E402
                     preview_png, rgb, rrect, rrect_top, segment, to_pixels, to_rgba, union,
                     write_bmp24, write_png_rgba)

# ============================================================================
# Design constants. Colours are '#RRGGBB'.

DESIGN = {
    'Flatline': {
        'version': '7.67',
        'author': 'Qwillet',
        'description': 'Light and flat: neutral greys with one blue accent.',
        'accent': '#2B6CDE',        # the one accent colour
        'accent_dark': '#1F55B8',   # accent while pressed
        'accent_tint': '#E8F0FD',   # light accent wash (hot menu item)
        'window': '#F0F0F0',        # form background and frame
        'page': '#FFFFFF',          # page area, fields, menus
        'text': '#000000',          # global text colour (labels)
        'text_soft': '#555555',     # captions of group boxes, inactive tabs
        'text_off': '#8C8C8C',      # inactive caption text
        'outline': '#A3A3A3',       # window outline
        'line': '#D6D6D6',          # group box and page borders
        'field': '#BCBCBC',         # field and button borders
        'field_hot': '#8F8F8F',     # button border under the mouse
        'face': '#F7F7F7',          # button face
        'face_hot': '#FFFFFF',      # button face under the mouse
        'face_down': '#E3E3E3',     # button face while pressed
        'glyph': '#3C3C3C',         # caption glyphs and arrows
        'glyph_soft': '#8A8A8A',    # arrows at rest
        'hover': '#E4E4E4',         # small buttons under the mouse
        'down': '#CFCFCF',          # small buttons while pressed
        'tab': '#E9E9E9',           # inactive tab
        'tab_hot': '#F7F7F7',       # tab under the mouse
        'track': '#F3F3F3',         # scroll-bar track
        'thumb': ['#C6C6C6', '#A8A8A8', '#8B8B8B'],
        'title_grad': ['#FBFBFB', '#F0F0F0'],
        'radius': 3,                # corner radius of buttons, fields, tabs
        'border': 1,                # width of every outline
        'caption_btn': 21,          # big caption button (square)
        'small_btn': 16,            # small caption button (square)
        'box': 14,                  # check box and radio glyphs (square)
        'master_width': 160,
    },
    'MetroUI': {
        'version': '8.00',
        'author': 'Qwillet',
        'description': 'Flat tiles in strong colours.',
        'accent': '#0078D7',
        'accent_dark': '#005A9E',
        'accent_light': '#3A96E0',  # tab and caption button under the mouse
        'accent_tint': '#E5F1FB',   # button face under the mouse
        'close': '#E81123',         # the close button
        'close_dark': '#A50E1B',
        'window': '#FFFFFF',
        'page': '#FFFFFF',
        'text': '#000000',
        'text_soft': '#444444',
        'title_off': '#9A9A9A',     # caption bar of an inactive window
        'title_grad': ['#0063B8', '#0078D7'],
        'outline_off': '#9A9A9A',
        'line': '#CCCCCC',
        'field': '#ABABAB',
        'face': '#E1E1E1',
        'glyph': '#FFFFFF',         # caption glyphs on the coloured bar
        'arrow': ['#606060', '#000000', '#FFFFFF'],
        'hover': '#CCE4F7',
        'down': '#99C9EF',
        'tab': '#EBEBEB',
        'track': '#F0F0F0',
        'track_btn': ['#F0F0F0', '#DADADA', '#A6A6A6'],
        'thumb': ['#CDCDCD', '#A6A6A6', '#606060'],
        'icoline': ['#F7F7F7', '#ECECEC'],
        'border': 1,
        'caption_btn': (16, 11),
        'small_btn': (14, 10),
        'box': 13,
        'scroll_btn_len': 26,       # arrow button length (tall scroll arrows)
        'glow': (24, 18),           # caption button glow pictures
        'glow_margin': 4,
        'master_width': 176,
    },
}


def C(d, name):
    """Colour constant -> (r, g, b)."""
    return rgb(d[name])


def cv(c):
    """(r, g, b) or '#RRGGBB' -> decimal colour value of the description."""
    return str(colorref(rgb(c) if isinstance(c, str) else c))


def global_info_head(d, bispace, keep_hue):
    """The [GLOBALINFO] keys both skins share: names, colours, frame geometry, shadow and caption-button
    placement; the two values that differ are parameters."""
    return [('MASTERBITMAP', 'MASTER.BMP'),
            ('VERSION', d['version']),
            ('AUTHOR', d['author']),
            ('DESCRIPTION', d['description']),
            ('COLOR', cv(d['window'])), ('FONTCOLOR', '0'),
            ('BORDERCOLOR', cv(d['line'])),
            ('BORDERWIDTH', '4'), ('TITLEHEIGHT', '30'), ('MAXHEIGHT', '28'),
            ('FORMOFFSET', '4'), ('ALIGNOFFSET', '0'), ('CENTEROFFSET', '0'), ('BORDERMODE', '0'),
            ('SHADOW1COLOR', '0'), ('SHADOW1OFFSET', '0'), ('SHADOW1BLUR', '-1'),
            ('SHADOW1TRANSPARENCY', '0'),
            ('BISPACE', str(bispace)), ('BIVALIGN', '0'), ('BIRIGHT', '5'), ('BILEFT', '2'), ('BITOP', '0'),
            ('BIKEEPHUE', str(keep_hue)), ('AEROBLUR', '0'), ('EXTSHADOW', '0')]


# ============================================================================
# Pieces: rectangles of state images, placed in the master bitmap or written
# as image files of their own.

class Piece:
    def __init__(self, name, w, h, states, mask_type, draw, pin=None, aa=True, matte=None):
        self.name = name
        self.w, self.h = w, h                  # one state image
        self.states = states
        self.mask_type = mask_type
        self.draw = draw                      # draw(state) -> Canvas(w, h)
        self.pin = pin                        # fixed (left, top) in the master, or None
        self.aa = aa
        self.matte = matte
        self.pos = None

    @property
    def size(self):
        return self.w * self.states, self.h * (self.mask_type + 1)

    def rows(self, png=False):
        strip = Canvas(self.w * self.states, self.h)
        for s in range(self.states):
            strip.blit(self.draw(s), s * self.w, 0)
        return to_pixels(strip, self.mask_type, matte=self.matte, png=png)

    def rect(self):
        w, h = self.size
        return (self.pos[0], self.pos[1], self.pos[0] + w, self.pos[1] + h)


def pack(pieces, width):
    """Place pieces in a master bitmap: pinned ones where they are pinned,
    the others first-fit (tallest first) with one key-coloured pixel between
    neighbours. Deterministic."""
    placed = []
    gap = 1

    def free(x, y, w, h):
        if x < 0 or y < 0 or x + w > width:
            return False
        for (px, py, pw, ph) in placed:
            if x < px + pw + gap and px < x + w + gap and y < py + ph + gap and py < y + h + gap:
                return False
        return True

    for p in pieces:
        if p.pin is not None:
            w, h = p.size
            if not free(p.pin[0], p.pin[1], w, h):
                raise SystemExit('pinned piece %s overlaps another' % p.name)
            p.pos = p.pin
            placed.append((p.pin[0], p.pin[1], w, h))
    rest = sorted([p for p in pieces if p.pin is None], key=lambda p: (-p.size[1], -p.size[0], p.name))
    for p in rest:
        w, h = p.size
        xs = sorted({1} | {px + pw + gap for (px, py, pw, ph) in placed})
        ys = sorted({1} | {py + ph + gap for (px, py, pw, ph) in placed})
        best = None
        for y in ys:
            for x in xs:
                if free(x, y, w, h):
                    best = (x, y)
                    break
            if best:
                break
        if best is None:
            raise SystemExit('piece %s does not fit into a %d-pixel master' % (p.name, width))
        p.pos = best
        placed.append((best[0], best[1], w, h))
    height = max(py + ph for (px, py, pw, ph) in placed) + 1
    return height


# ---------------------------------------------------------------------------
# Value syntaxes. Each refers to a piece (or a file) and is formatted after
# the layout has been made.

class At:          # "@": a glyph strip in the master bitmap
    def __init__(self, piece):
        self.piece = piece

    def text(self):
        l, t, r, b = self.piece.rect()
        return '@%04d@%04d@%04d@%04d@%d@%d' % (l, t, r, b, self.piece.states, self.piece.mask_type)


class Border:      # "^": a nine-part border in the master bitmap
    def __init__(self, piece, wl, wt, wr, wb, draw_mode, border_width=0):
        self.piece, self.wd = piece, (wl, wt, wr, wb)
        self.draw_mode, self.bw = draw_mode, border_width

    def text(self):
        l, t, r, b = self.piece.rect()
        return '^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%d^%d^%d^%d' % (
            (l, t, r, b) + self.wd + (self.piece.states, self.piece.mask_type, self.draw_mode, self.bw))


class Texture:     # "~": a texture tile in the master bitmap
    def __init__(self, piece, draw_mode):
        self.piece, self.draw_mode = piece, draw_mode

    def text(self):
        l, t, r, b = self.piece.rect()
        return '~%04d~%04d~%04d~%04d~%02d~%d' % (l, t, r, b, self.draw_mode, self.piece.mask_type)


class Hash:        # "#": a border given as two number lists
    def __init__(self, piece, border_width, draw_mode):
        self.piece, self.bw, self.draw_mode = piece, border_width, draw_mode

    def text(self):
        l, t, r, b = self.piece.rect()
        return '#(%d,%d,%d,%d)(%d,%d,%d,%d)' % (l, t, r, b, self.piece.states, self.piece.mask_type,
                                               self.bw, self.draw_mode)


class File:        # "!": an image member of its own
    def __init__(self, member, states, mask_type, img_type, widths=(0, 0, 0, 0), draw_mode=0):
        self.member, self.states, self.mask_type = member, states, mask_type
        self.img_type, self.wd, self.draw_mode = img_type, widths, draw_mode

    def text(self):
        return '!%s!%d!%d!%d!%04d!%04d!%04d!%04d!%d' % (
            (self.member.upper(), self.states, self.mask_type, self.img_type) + self.wd + (self.draw_mode,))


class PlainBmp:    # a plain ".BMP" name: three states with a mask row
    def __init__(self, member):
        self.member = member

    def text(self):
        return self.member.upper()


# ============================================================================
# Drawing helpers shared by both skins

def new(w, h):
    return Canvas(w, h)


def box_outline(w, h, r, line, lw=1, fill=None, key=True, inset=0, top_only=False, aa=True):
    """A rounded outline (and optional fill) over a w x h image; pixels outside
    the outer shape become key pixels when key is set."""
    c = new(w, h)
    x0, y0, x1, y1 = inset, inset, w - inset, h - inset
    outer = rrect_top(x0, y0, x1, y1, r) if top_only else rrect(x0, y0, x1, y1, r)
    if fill is not None:
        c.draw(outer, fill, aa=aa)
    if line is not None and lw > 0:
        if top_only:
            inner = rrect_top(x0 + lw, y0 + lw, x1 - lw, y1, max(0, r - lw))
        else:
            inner = rrect(x0 + lw, y0 + lw, x1 - lw, y1 - lw, max(0, r - lw))
        c.draw(minus(outer, inner), line, aa=aa)
    if key:
        c.key_outside(outer)
    return c


def square_frame(w, h, colors, inner=None):
    """Opaque frame: colors[i] is the colour of ring i counted from outside
    (None = transparent); 'inner' fills the rest."""
    c = new(w, h)
    if inner is not None:
        c.rect(0, 0, w, h, inner)
    for i, col in enumerate(colors):
        if col is None:
            continue
        c.rect(i, i, w - i, i + 1, col)
        c.rect(i, h - 1 - i, w - i, h - i, col)
        c.rect(i, i, i + 1, h - i, col)
        c.rect(w - 1 - i, i, w - i, h - i, col)
    return c


def glyph_shape(kind, x0, y0, s, lw):
    """Caption-button symbols inside the square (x0, y0, s x s)."""
    x1, y1 = x0 + s, y0 + s
    if kind == 'close':
        return union(segment(x0, y0, x1, y1, lw), segment(x1, y0, x0, y1, lw))
    if kind == 'max':
        return minus(rrect(x0, y0, x1, y1, 0), rrect(x0 + lw, y0 + lw, x1 - lw, y1 - lw, 0))
    if kind == 'min':
        ym = y0 + s / 2.0
        return rrect(x0, ym - lw / 2.0, x1, ym + lw / 2.0, 0)
    if kind == 'norm':
        d = max(2, int(round(s * 0.25)))
        back = minus(rrect(x0 + d, y0, x1, y1 - d, 0), rrect(x0 + d + lw, y0 + lw, x1 - lw, y1 - d - lw, 0))
        front_outer = rrect(x0, y0 + d, x1 - d, y1, 0)
        front = minus(front_outer, rrect(x0 + lw, y0 + d + lw, x1 - d - lw, y1 - lw, 0))
        return union(minus(back, front_outer), front)
    if kind == 'help':
        cx = x0 + s / 2.0
        pts = []
        import math
        for i in range(0, 11):
            a = math.pi * (1.0 + i / 10.0 * 1.25)
            pts.append((cx + s * 0.3 * math.cos(a), y0 + s * 0.3 + s * 0.3 * math.sin(a)))
        pts.append((cx, y0 + s * 0.68))
        dot = circle(cx, y1 - lw * 0.7, lw * 0.75)
        return union(polyline(pts, lw), dot)
    raise ValueError(kind)


def chevron(direction, w, h, lw, size):
    """An open arrow head pointing 'up', 'down', 'left' or 'right', centred."""
    cx, cy = w / 2.0, h / 2.0
    a = size / 2.0
    b = size / 4.0
    pts = {
        'down': [(cx - a, cy - b), (cx, cy + b), (cx + a, cy - b)],
        'up': [(cx - a, cy + b), (cx, cy - b), (cx + a, cy + b)],
        'left': [(cx + b, cy - a), (cx - b, cy), (cx + b, cy + a)],
        'right': [(cx - b, cy - a), (cx + b, cy), (cx - b, cy + a)],
    }[direction]
    return polyline(pts, lw)


def pix(c, x0, y0, lines, color):
    """Pixel art: every '#' of the pattern sets one pixel."""
    for y, line in enumerate(lines):
        for x, ch in enumerate(line):
            if ch == '#':
                c.rect(x0 + x, y0 + y, x0 + x + 1, y0 + y + 1, color)


HELP_7 = ['.###.', '#...#', '....#', '..##.', '..#..', '.....', '..#..']
HELP_6 = ['.##.', '#..#', '...#', '..#.', '....', '..#.']
ARROW_DOWN = ['#######', '.#####.', '..###..', '...#...']
CHECK_9 = ['........#', '.......##', '......##.', '#....##..', '##..##...', '.####....', '..##.....']


def pixel_arrow(direction, w, h, color):
    """A crisp filled arrow head centred in a w x h canvas."""
    c = new(7, 7)
    pix(c, 0, 2, ARROW_DOWN, color)
    c = {'down': c, 'up': c.transformed('flipv'), 'right': c.transformed('transpose'),
         'left': c.transformed('transpose').transformed('fliph')}[direction]
    out = new(w, h)
    out.blit(c, (w - 7) // 2, (h - 7 + 1) // 2)
    return out


def check_mark(x0, y0, s, lw):
    return polyline([(x0 + s * 0.22, y0 + s * 0.52), (x0 + s * 0.42, y0 + s * 0.72),
                     (x0 + s * 0.78, y0 + s * 0.30)], lw)


# ============================================================================

class Skin:
    def __init__(self, name):
        self.name = name
        self.d = DESIGN[name]
        self.pieces = []          # master bitmap pieces
        self.files = {}           # member name -> ('bmp'|'png', rows)
        self.sections = []        # [(name, [(key, value)])]

    def piece(self, *a, **kw):
        p = Piece(*a, **kw)
        self.pieces.append(p)
        return p

    def section(self, name, *entries):
        self.sections.append((name, list(entries)))

    # -- output ------------------------------------------------------------
    def description(self):
        lines = ['; %s skin. Made by skins/generator/make_skins.py:' % self.name,
                 '; change the generator, not this file.', '']
        for name, entries in self.sections:
            lines.append('[%s]' % name)
            for key, value in entries:
                text = value if isinstance(value, str) else value.text()
                lines.append('%s=%s' % (key, text))
            lines.append('')
        return ('\r\n'.join(lines)).encode('ascii')

    def write(self, folder, preview=None):
        height = pack(self.pieces, self.d['master_width'])
        master = [[KEY + (255,)] * self.d['master_width'] for _ in range(height)]
        for p in self.pieces:
            rows = p.rows()
            x0, y0 = p.pos
            for y, row in enumerate(rows):
                master[y0 + y][x0:x0 + len(row)] = row
        os.makedirs(folder, exist_ok=True)
        wanted = {'Options.dat', 'Master.bmp'} | set(self.files)
        for f in os.listdir(folder):
            if f not in wanted:
                os.remove(os.path.join(folder, f))
        with open(os.path.join(folder, 'Options.dat'), 'wb') as f:
            f.write(self.description())
        write_bmp24(os.path.join(folder, 'Master.bmp'), master)
        for member, (kind, rows) in sorted(self.files.items()):
            path = os.path.join(folder, member)
            if kind == 'bmp':
                write_bmp24(path, rows)
            else:
                write_png_rgba(path, rows)
        if preview:
            os.makedirs(preview, exist_ok=True)
            preview_png(os.path.join(preview, '%s-Master.png' % self.name), master, 4)
            for member, (kind, rows) in sorted(self.files.items()):
                preview_png(os.path.join(preview, '%s-%s.png' % (self.name, member)), rows, 8)
            with open(os.path.join(preview, '%s-layout.txt' % self.name), 'w') as f:
                for p in sorted(self.pieces, key=lambda p: p.pos[1] * 10000 + p.pos[0]):
                    f.write('%-22s %s\n' % (p.name, p.rect()))


# ============================================================================
# Flatline

def build_flatline():
    s = Skin('Flatline')
    d = s.d
    A, AD, AT = C(d, 'accent'), C(d, 'accent_dark'), C(d, 'accent_tint')
    R, BW = d['radius'], d['border']
    white = (255, 255, 255)

    # -- caption buttons: transparent at rest, grey plates under the mouse ----
    def caption_button(kind, size, glyph_size):
        def draw(st):
            c = new(size, size)
            plate = [None, C(d, 'hover'), C(d, 'down')][st]
            if plate:
                c.draw(rrect(0, 0, size, size, R), plate)
            o = (size - glyph_size) / 2.0
            c.draw(glyph_shape(kind, o, o, glyph_size, 1.25), C(d, 'glyph'))
            return c
        return draw

    big, small = d['caption_btn'], d['small_btn']
    # The close button's place in the master bitmap is fixed (1, 37)-(64, 79).
    close = s.piece('BICONCLOSE', big, big, 3, 1, caption_button('close', big, 8), pin=(1, 37))
    bmax = s.piece('BICONMAX', big, big, 3, 1, caption_button('max', big, 9))
    bnorm = s.piece('BICONNORM', big, big, 3, 1, caption_button('norm', big, 9))
    bmin = s.piece('BICONMIN', big, big, 3, 1, caption_button('min', big, 9))
    bhelp = s.piece('BICONHELP', big, big, 3, 1, caption_button('help', big, 10))
    sclose = s.piece('SICONCLOSE', small, small, 3, 1, caption_button('close', small, 6))
    smax = s.piece('SICONMAX', small, small, 3, 1, caption_button('max', small, 7))
    snorm = s.piece('SICONNORM', small, small, 3, 1, caption_button('norm', small, 7))
    smin = s.piece('SICONMIN', small, small, 3, 1, caption_button('min', small, 7))
    shelp = s.piece('SICONHELP', small, small, 3, 1, caption_button('help', small, 8))

    # -- check boxes and radios: normal, under the mouse, pressed ------------
    bx = d['box']

    def box(kind):
        def draw(st):
            if kind == 'checked':
                fill = [A, mix(A, white, 0.18), AD][st]
                c = box_outline(bx, bx, 2, fill, fill=fill)
                c.draw(check_mark(0, 0, bx, 1.6), white)
                return c
            line = [C(d, 'field_hot'), A, AD][st]
            fill = [white, white, AT][st]
            c = box_outline(bx, bx, 2, line, fill=fill)
            if kind == 'grayed':
                c.draw(rrect(4, 4, bx - 4, bx - 4, 1), [A, A, AD][st])
            return c
        return draw

    def radio(kind):
        def draw(st):
            c = new(bx, bx)
            m = bx / 2.0
            if kind == 'checked':
                fill = [A, mix(A, white, 0.18), AD][st]
                c.draw(circle(m, m, m), fill)
                c.draw(circle(m, m, 2.6), white)
            else:
                line = [C(d, 'field_hot'), A, AD][st]
                c.draw(circle(m, m, m), line)
                c.draw(circle(m, m, m - 1), [white, white, AT][st])
                if kind == 'grayed':
                    c.draw(circle(m, m, 2.6), [A, A, AD][st])
            c.key_outside(circle(m, m, m))
            return c
        return draw

    bchk = s.piece('BOXCHECKED', bx, bx, 3, 1, box('checked'))
    bunc = s.piece('BOXUNCHECKED', bx, bx, 3, 1, box('unchecked'))
    bgry = s.piece('BOXGRAYED', bx, bx, 3, 1, box('grayed'))
    rchk = s.piece('RADIOCHECKED', bx, bx, 3, 1, radio('checked'))
    runc = s.piece('RADIOUNCHECKED', bx, bx, 3, 1, radio('unchecked'))
    rgry = s.piece('RADIOGRAYED', bx, bx, 3, 1, radio('grayed'))

    def menu_check(st):
        c = new(16, 16)
        c.draw(check_mark(2, 2, 12, 1.6), [C(d, 'glyph'), A][st])
        return c
    mcheck = s.piece('CHECK', 16, 16, 2, 1, menu_check)

    def grip(st):
        c = new(12, 12)
        for (x, y) in [(9, 3), (6, 6), (9, 6), (3, 9), (6, 9), (9, 9)]:
            c.rect(x, y, x + 2, y + 2, C(d, 'field'))
        return c
    gripp = s.piece('GRIPIMAGE', 12, 12, 1, 1, grip)

    # -- frame -------------------------------------------------------------
    outline = C(d, 'outline')
    form_b = s.piece('FORM', 3, 3, 1, 0, lambda st: square_frame(3, 3, [outline], inner=C(d, 'window')))

    def title_border(st):
        c = square_frame(3, 3, [outline], inner=C(d, 'window'))
        c.rect(1, 2, 2, 3, mix(C(d, 'line'), C(d, 'outline'), 0.3))   # the line under the caption
        return c
    title_b = s.piece('FORMTITLE', 3, 3, 1, 0, title_border)

    # -- buttons: face from the section, outline and pressed face from the mask
    def button(st):
        line = [C(d, 'field'), C(d, 'field_hot'), C(d, 'field_hot')][st]
        fill = C(d, 'face_down') if st == 2 else None
        return box_outline(2 * R + 1, 2 * R + 1, R, line, fill=fill)
    btn = s.piece('BUTTON', 2 * R + 1, 2 * R + 1, 3, 1, button)

    def field(line):
        return lambda st: box_outline(2 * R + 1, 2 * R + 1, R, line[st] if isinstance(line, list) else line)
    tarn = s.piece('TARNWICKCOMBOBOX', 2 * R + 1, 2 * R + 1, 1, 1, field(C(d, 'field')))
    edit = s.piece('EDIT', 2 * R + 1, 2 * R + 1, 2, 1, field([C(d, 'field'), A]))
    group = s.piece('GROUPBOX', 9, 9, 1, 1, lambda st: box_outline(9, 9, R, C(d, 'line')))
    panel_low = s.piece('PANEL_LOW', 3, 3, 1, 0, lambda st: square_frame(3, 3, [C(d, 'field')], inner=white))
    page = s.piece('PAGECONTROL', 3, 3, 1, 0, lambda st: square_frame(3, 3, [C(d, 'line')], inner=white))

    # Hot-only plates behind small buttons (combo button, spin arrows, scroll
    # arrows, tool buttons): nothing at rest.
    def plate(st):
        c = new(9, 9)
        col = [None, C(d, 'hover'), C(d, 'down')][st]
        if col:
            c.draw(rrect(1, 1, 8, 8, 2), col)
        return c
    hot_plate = s.piece('HOTPLATE', 9, 9, 3, 1, plate)

    # Tabs: outline on top, left and right; the selected tab (state 2) is
    # white with an accent bar and no bottom line, so it opens into the page.
    def tab(st):
        n = 2 * R + 1
        line = [C(d, 'line'), C(d, 'field'), C(d, 'line')][st]
        c = box_outline(n, n, R, line, top_only=True)
        if st == 2:
            c.draw(rrect_top(1, 1, n - 1, n, R - 1), white)
            c.draw(rrect_top(1, 1, n - 1, 3, R - 1), A)
        return c
    tabs = {}
    for sec, how in [('TABTOP', None), ('TABBOTTOM', 'flipv'), ('TABLEFT', 'transpose'), ('TABRIGHT', 'rot')]:
        draw = tab if how is None else (lambda st, how=how: tab(st).transformed(how))
        tabs[sec] = s.piece(sec, 2 * R + 1, 2 * R + 1, 3, 1, draw)

    # Scroll bars: slim rounded thumb over a light track, arrows in grey.
    thumbc = [rgb(x) for x in d['thumb']]

    def thumb(st):
        c = new(17, 13)
        c.draw(rrect(4, 2, 13, 11, 4), thumbc[st])
        return c
    slider_v = s.piece('SCROLLSLIDERV', 17, 13, 3, 1, thumb)
    slider_h = s.piece('SCROLLSLIDERH', 13, 17, 3, 1, lambda st: thumb(st).transformed('transpose'))

    arrow_cols = [C(d, 'glyph_soft'), C(d, 'glyph'), C(d, 'glyph')]

    def arrow(direction):
        def draw(st):
            c = new(9, 9)
            c.draw(chevron(direction, 9, 9, 1.4, 7), arrow_cols[st])
            return c
        return draw
    arrows = {dname: s.piece('ARROW' + dname.upper(), 9, 9, 3, 1, arrow(dname))
              for dname in ('up', 'left', 'right')}

    # Menus
    menu_b = s.piece('MAINMENU', 7, 7, 1, 0, lambda st: square_frame(7, 7, [C(d, 'field'), white, white],
                                                                     inner=white))

    def item(st):
        c = new(9, 9)
        if st:
            c.draw(rrect(0, 0, 9, 9, R), AT)
        return c
    menu_item = s.piece('MENUITEM', 9, 9, 2, 1, item)

    def divider(st):
        c = new(3, 2)
        c.rect(0, 0, 3, 1, C(d, 'line'))
        c.rect(0, 1, 3, 2, white)
        return c
    divider_p = s.piece('DIVIDERV', 3, 2, 1, 0, divider)
    hint_b = s.piece('HINT', 9, 9, 1, 1, lambda st: box_outline(9, 9, R, C(d, 'field')))

    def band(st):
        c = new(1, 3)
        c.rect(0, 0, 1, 3, A)
        return c
    band_p = s.piece('DIALOGBAND', 1, 3, 1, 0, band)

    # -- separate images -----------------------------------------------------
    # Arrow.png: the down arrow of the combo box and of the scroll bar, as a
    # PNG glyph strip (three states and a mask row).
    arrow_down = Piece('Arrow.png', 9, 9, 3, 1, arrow('down'))
    s.files['Arrow.png'] = ('png', arrow_down.rows(png=True))

    # ButtonHuge.bmp: the big button's border (three states, mask row). Its
    # part widths come from the image size (width / 9, height / 6).
    # Outlines only: this border has no centre piece, so a fill would show as
    # a band along the edges.
    def huge(st):
        line = [C(d, 'field'), A, AD][st]
        c = box_outline(9, 18, R, line, lw=(2 if st == 2 else 1))
        if st == 1:
            c.draw(minus(rrect(1, 1, 8, 17, R - 1), rrect(2, 2, 7, 16, max(0, R - 2))), AT)
        return c
    s.files['ButtonHuge.bmp'] = ('bmp', Piece('ButtonHuge.bmp', 9, 18, 3, 1, huge).rows())

    # Band.bmp: a strip stretched along the top of menu caption items.
    def caption_band(st):
        c = new(1, 20)
        for y in range(19):
            c.rect(0, y, 1, y + 1, mix(rgb('#F8F8F8'), rgb('#EDEDED'), y / 18.0))
        c.rect(0, 19, 1, 20, C(d, 'line'))
        return c
    s.files['Band.bmp'] = ('bmp', Piece('Band.bmp', 1, 20, 1, 0, caption_band).rows())

    # -- description --------------------------------------------------------
    win, pg, txt = cv(d['window']), cv(d['page']), cv(d['text'])
    soft = cv(d['text_soft'])
    g0, g1 = d['title_grad']
    s.section('GLOBALINFO',
              *global_info_head(d, bispace=1, keep_hue=0),
              ('BOXCHECKED', At(bchk)), ('BOXUNCHECKED', At(bunc)), ('BOXGRAYED', At(bgry)),
              ('RADIOCHECKED', At(rchk)), ('RADIOUNCHECKED', At(runc)), ('RADIOGRAYED', At(rgry)),
              ('CHECK', At(mcheck)), ('GRIPIMAGE', At(gripp)),
              ('BICONCLOSE', At(close)), ('BICLOSEALONE', At(close)),
              ('BICONMAX', At(bmax)), ('BICONNORM', At(bnorm)), ('BICONMIN', At(bmin)),
              ('BICONHELP', At(bhelp)),
              ('SICONCLOSE', At(sclose)), ('SICONMAX', At(smax)), ('SICONNORM', At(snorm)),
              ('SICONMIN', At(smin)), ('SICONHELP', At(shelp)))
    s.section('FORM', ('STATES', '1'), ('COLOR', win), ('FONTCOLOR', txt),
              ('BORDERSMASK', Border(form_b, 1, 1, 1, 1, 1, BW)))
    s.section('FORMTITLE', ('STATES', '1'), ('COLOR', win), ('FONTCOLOR', txt),
              ('GRADIENTPERCENT', '100'),
              ('GRADIENTDATA', '%s;%s;100;0;0' % (cv(g0), cv(g1))),
              ('BORDERSMASK', Border(title_b, 1, 1, 1, 1, 1, BW)))
    s.section('CAPTION', ('STATES', '2'), ('TRANSPARENCY', '100'), ('HOTTRANSPARENCY', '100'),
              ('FONTCOLOR', cv(d['text_off'])), ('HOTFONTCOLOR', cv('#1E1E1E')))
    s.section('DIALOG', ('PARENTCLASS', 'FORM'), ('IMAGEPERCENT', '100'),
              ('PATTERN', Texture(band_p, 2)))
    s.section('DIALOGTITLE', ('PARENTCLASS', 'FORMTITLE'))
    s.section('BUTTON', ('STATES', '3'), ('COLOR', cv(d['face'])), ('HOTCOLOR', cv(d['face_hot'])),
              ('FONTCOLOR', txt), ('HOTFONTCOLOR', txt), ('SHOWFOCUS', '1'),
              ('FADINGENABLED', '1'), ('FADINGITERATIONS', '5'),
              ('BORDERSMASK', Border(btn, R, R, R, R, 5, BW)))
    s.section('BUTTON_HUGE', ('PARENTCLASS', 'BUTTON'), ('BORDERSMASK', PlainBmp('ButtonHuge.bmp')))
    s.section('SPEEDBUTTON', ('PARENTCLASS', 'BUTTON'))
    s.section('UPDOWNBTN', ('PARENTCLASS', 'BUTTON'))
    # The generate and copy buttons, the length, own-characters and history
    # fields all paint with this section; it has a single look.
    s.section('TARNWICKCOMBOBOX', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt), ('SHOWFOCUS', '1'),
              ('BORDERSMASK', Border(tarn, R, R, R, R, 1, BW)))
    s.section('EDIT', ('STATES', '2'), ('COLOR', pg), ('HOTCOLOR', pg), ('FONTCOLOR', txt),
              ('HOTFONTCOLOR', txt), ('BORDERSMASK', Border(edit, R, R, R, R, 1, BW)))
    s.section('COMBOBOX', ('PARENTCLASS', 'EDIT'),
              ('GLYPHMASK', File('Arrow.png', 3, 1, 4)))
    s.section('COMBOBTN', ('STATES', '3'), ('TRANSPARENCY', '100'), ('HOTTRANSPARENCY', '100'),
              ('FONTCOLOR', txt), ('HOTFONTCOLOR', txt),
              ('BORDERSMASK', Border(hot_plate, 4, 4, 4, 4, 7, 0)))
    s.section('SPEEDBUTTON_SMALL', ('PARENTCLASS', 'COMBOBTN'), ('HOTFONTCOLOR', cv(d['accent'])))
    s.section('TOOLBUTTON', ('PARENTCLASS', 'COMBOBTN'))
    s.section('SELECTION', ('STATES', '2'), ('COLOR', cv(d['accent'])), ('HOTCOLOR', cv(d['accent'])),
              ('FONTCOLOR', cv('#FFFFFF')), ('HOTFONTCOLOR', cv('#FFFFFF')))
    s.section('CHECKBOX', ('STATES', '3'), ('TRANSPARENCY', '100'), ('HOTTRANSPARENCY', '100'),
              ('FONTCOLOR', txt), ('HOTFONTCOLOR', txt), ('SHOWFOCUS', '1'))
    s.section('GROUPBOX', ('STATES', '1'), ('TRANSPARENCY', '100'), ('FONTCOLOR', soft),
              ('BORDERSMASK', Border(group, R, R, R, R, 1, BW)))
    s.section('PANEL', ('STATES', '1'), ('COLOR', win), ('TRANSPARENCY', '100'), ('FONTCOLOR', txt))
    s.section('PANEL_LOW', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt),
              ('BORDERSMASK', Border(panel_low, 1, 1, 1, 1, 1, BW)))
    s.section('PAGECONTROL', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt),
              ('BORDERSMASK', Border(page, 1, 1, 1, 1, 1, BW)))
    for sec in ('PAGECONTROLBOTTOM', 'PAGECONTROLLEFT', 'PAGECONTROLRIGHT'):
        s.section(sec, ('PARENTCLASS', 'PAGECONTROL'))
    s.section('TABSHEET', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt))
    s.section('TABTOP', ('STATES', '3'), ('COLOR', cv(d['tab'])), ('HOTCOLOR', cv(d['tab_hot'])),
              ('FONTCOLOR', soft), ('HOTFONTCOLOR', txt), ('FADINGENABLED', '1'), ('FADINGITERATIONS', '4'),
              ('BORDERSMASK', Border(tabs['TABTOP'], R, R, R, R, 5, BW)))
    for sec in ('TABBOTTOM', 'TABLEFT', 'TABRIGHT'):
        s.section(sec, ('PARENTCLASS', 'TABTOP'), ('BORDERSMASK', Border(tabs[sec], R, R, R, R, 5, BW)))
    s.section('MAINMENU', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt),
              ('BORDERSMASK', Border(menu_b, 3, 3, 3, 3, 1, 3)))
    s.section('MENUITEM', ('STATES', '2'), ('TRANSPARENCY', '100'), ('HOTTRANSPARENCY', '100'),
              ('FONTCOLOR', txt), ('HOTFONTCOLOR', txt),
              ('BORDERSMASK', Border(menu_item, R, R, R, R, 7, 0)))
    s.section('MENUCAPTION', ('STATES', '1'), ('COLOR', cv('#EDEDED')), ('FONTCOLOR', soft),
              ('IMAGEPERCENT', '100'), ('PATTERN', File('Band.bmp', 1, 0, 1, draw_mode=4)))
    s.section('MENULINE', ('STATES', '1'), ('COLOR', win), ('FONTCOLOR', txt))
    s.section('DIVIDERV', ('BORDERSMASK', Border(divider_p, 1, 1, 1, 1, 1, 0)))
    s.section('TOOLBAR', ('STATES', '1'), ('COLOR', win), ('FONTCOLOR', txt))
    s.section('EXTRALINE', ('STATES', '1'), ('COLOR', cv(d['accent'])), ('FONTCOLOR', cv('#FFFFFF')))
    s.section('HINT', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt),
              ('BORDERSMASK', Border(hint_b, R, R, R, R, 1, BW)))
    track = cv(d['track'])
    s.section('SCROLLBAR1H', ('STATES', '3'), ('COLOR', track), ('HOTCOLOR', cv('#E8E8E8')))
    s.section('SCROLLBAR2H', ('PARENTCLASS', 'SCROLLBAR1H'))
    s.section('SCROLLBAR1V', ('PARENTCLASS', 'SCROLLBAR1H'))
    s.section('SCROLLBAR2V', ('PARENTCLASS', 'SCROLLBAR1H'))
    # Thumb and arrow buttons are opaque in the track colour: their images
    # leave the track colour showing around the rounded thumb and plates.
    s.section('SCROLLSLIDERV', ('STATES', '3'), ('COLOR', track), ('HOTCOLOR', track),
              ('BORDERSMASK', Border(slider_v, 8, 6, 8, 6, 5, 0)))
    s.section('SCROLLSLIDERH', ('PARENTCLASS', 'SCROLLSLIDERV'),
              ('BORDERSMASK', Border(slider_h, 6, 8, 6, 8, 5, 0)))
    s.section('SCROLLBTNTOP', ('STATES', '3'), ('COLOR', track), ('HOTCOLOR', track),
              ('BORDERSMASK', Border(hot_plate, 4, 4, 4, 4, 7, 0)),
              ('GLYPHMASK', At(arrows['up'])))
    s.section('SCROLLBTNBOTTOM', ('PARENTCLASS', 'SCROLLBTNTOP'),
              ('GLYPHMASK', File('Arrow.png', 3, 1, 4)))
    s.section('SCROLLBTNLEFT', ('PARENTCLASS', 'SCROLLBTNTOP'), ('GLYPHMASK', At(arrows['left'])))
    s.section('SCROLLBTNRIGHT', ('PARENTCLASS', 'SCROLLBTNTOP'), ('GLYPHMASK', At(arrows['right'])))
    return s


# ============================================================================
# MetroUI

def build_metro():
    s = Skin('MetroUI')
    d = s.d
    A, AD, AL = C(d, 'accent'), C(d, 'accent_dark'), C(d, 'accent_light')
    RED, RED_D = C(d, 'close'), C(d, 'close_dark')
    white = (255, 255, 255)
    BW = d['border']
    cbw, cbh = d['caption_btn']
    sbw, sbh = d['small_btn']

    # -- caption buttons: white symbols on the coloured bar; the close button
    # turns red under the mouse. Crisp pixels, key-coloured background.
    def caption_button(kind, w, h, gs, hot, down):
        def draw(st):
            c = new(w, h)
            plate = [None, hot, down][st]
            if plate:
                c.rect(0, 0, w, h, plate)
            gx, gy = (w - gs) // 2, (h - gs) // 2
            if kind == 'help':
                pattern = HELP_7 if gs >= 7 else HELP_6
                pix(c, (w - len(pattern[0])) // 2, (h - len(pattern)) // 2, pattern, C(d, 'glyph'))
            else:
                c.draw(glyph_shape(kind, gx, gy, gs, 1.0), C(d, 'glyph'), aa=False)
            return c
        return draw

    # Fixed place of the close button: (52, 21)-(100, 32).
    close = s.piece('BICONCLOSE', cbw, cbh, 3, 0, caption_button('close', cbw, cbh, 7, RED, RED_D),
                    pin=(52, 21), aa=False)
    bmax = s.piece('BICONMAX', cbw, cbh, 3, 0, caption_button('max', cbw, cbh, 7, AL, AD))
    bnorm = s.piece('BICONNORM', cbw, cbh, 3, 0, caption_button('norm', cbw, cbh, 7, AL, AD))
    bmin = s.piece('BICONMIN', cbw, cbh, 3, 0, caption_button('min', cbw, cbh, 7, AL, AD))
    bhelp = s.piece('BICONHELP', cbw, cbh, 3, 0, caption_button('help', cbw, cbh, 7, AL, AD))
    sclose = s.piece('SICONCLOSE', sbw, sbh, 3, 0, caption_button('close', sbw, sbh, 5, RED, RED_D))
    smax = s.piece('SICONMAX', sbw, sbh, 3, 0, caption_button('max', sbw, sbh, 6, AL, AD))
    snorm = s.piece('SICONNORM', sbw, sbh, 3, 0, caption_button('norm', sbw, sbh, 6, AL, AD))
    smin = s.piece('SICONMIN', sbw, sbh, 3, 0, caption_button('min', sbw, sbh, 6, AL, AD))
    shelp = s.piece('SICONHELP', sbw, sbh, 3, 0, caption_button('help', sbw, sbh, 6, AL, AD))

    # -- check boxes: square tiles, one look each (fixed place of the checked box)
    bx = d['box']

    def box(kind):
        def draw(st):
            c = new(bx, bx)
            if kind == 'checked':
                c.rect(0, 0, bx, bx, A)
                pix(c, (bx - 9) // 2, (bx - 7) // 2, CHECK_9, white)
            else:
                c.draw(minus(rrect(0, 0, bx, bx, 0), rrect(1, 1, bx - 1, bx - 1, 0)), C(d, 'text_soft'),
                       aa=False)
                c.rect(1, 1, bx - 1, bx - 1, white)
                if kind == 'grayed':
                    c.rect(3, 3, bx - 3, bx - 3, A)
            return c
        return draw
    bchk = s.piece('BOXCHECKED', bx, bx, 1, 0, box('checked'), pin=(26, 11))
    bunc = s.piece('BOXUNCHECKED', bx, bx, 1, 0, box('unchecked'))
    bgry = s.piece('BOXGRAYED', bx, bx, 1, 0, box('grayed'))

    def radio(kind):
        def draw(st):
            c = new(bx, bx)
            m = bx / 2.0
            c.draw(circle(m, m, m), C(d, 'text_soft') if kind != 'checked' else A)
            c.draw(circle(m, m, m - 1), white)
            if kind == 'checked':
                c.draw(circle(m, m, 3.2), A)
            elif kind == 'grayed':
                c.draw(circle(m, m, 3.2), C(d, 'line'))
            c.key_outside(circle(m, m, m))
            return c
        return draw
    rchk = s.piece('RADIOCHECKED', bx, bx, 1, 1, radio('checked'))
    runc = s.piece('RADIOUNCHECKED', bx, bx, 1, 1, radio('unchecked'))
    rgry = s.piece('RADIOGRAYED', bx, bx, 1, 1, radio('grayed'))

    def menu_check(st):
        c = new(16, 16)
        pix(c, 3, 4, CHECK_9, [C(d, 'text'), white][st])
        return c
    mcheck = s.piece('CHECK', 16, 16, 2, 0, menu_check)

    def grip(st):
        c = new(12, 12)
        for (x, y) in [(9, 3), (6, 6), (9, 6), (3, 9), (6, 9), (9, 9)]:
            c.rect(x, y, x + 2, y + 2, C(d, 'field'))
        return c
    gripp = s.piece('GRIPIMAGE', 12, 12, 1, 0, grip)

    # -- frame: grey when inactive, accent when active ------------------------
    frame_cols = [C(d, 'outline_off'), A]
    form_b = s.piece('FORM', 3, 3, 2, 0, lambda st: square_frame(3, 3, [frame_cols[st]], inner=white))
    title_b = s.piece('FORMTITLE', 3, 3, 2, 0, lambda st: square_frame(3, 3, [frame_cols[st]], inner=white))

    # -- fields and buttons -----------------------------------------------
    # The edit border's place is fixed: (51, 4)-(57, 7), two 3 x 3 images.
    edit = s.piece('EDIT', 3, 3, 2, 0,
                   lambda st: square_frame(3, 3, [[C(d, 'field'), A][st]], inner=white), pin=(51, 4))

    def ring(colors):
        """Square outline rings over a transparent inside (5 x 5, mask row)."""
        def draw(st):
            c = new(5, 5)
            for i, col in enumerate(colors[st]):
                if col is not None:
                    c.draw(minus(rrect(i, i, 5 - i, 5 - i, 0), rrect(i + 1, i + 1, 4 - i, 4 - i, 0)), col)
            return c
        return draw
    tarn = s.piece('TARNWICKCOMBOBOX', 5, 5, 3, 1, ring([[C(d, 'field')], [A], [A, A]]))
    btn = s.piece('BUTTON', 5, 5, 3, 1, ring([[rgb('#ADADAD')], [A], [AD, AD]]))
    group = s.piece('GROUPBOX', 3, 3, 1, 0, lambda st: square_frame(3, 3, [C(d, 'line')], inner=white))
    page = s.piece('PAGECONTROL', 3, 3, 1, 0, lambda st: square_frame(3, 3, [C(d, 'line')], inner=white))
    panel_low = s.piece('PANEL_LOW', 3, 3, 1, 0, lambda st: square_frame(3, 3, [C(d, 'field')], inner=white))

    def plate(st):
        c = new(3, 3)
        c.rect(0, 0, 3, 3, [white, C(d, 'hover'), C(d, 'down')][st])
        return c
    hot_plate = s.piece('HOTPLATE', 3, 3, 3, 0, plate)

    def combo_arrow(st):
        return pixel_arrow('down', 9, 9, [C(d, 'text_soft'), C(d, 'text'), C(d, 'text')][st])
    combo_glyph = s.piece('COMBOGLYPH', 9, 9, 3, 0, combo_arrow)

    # Tabs: flat tiles. Resting tabs take the section colour, the tab under
    # the mouse the hot colour, the selected tab is a solid accent tile.
    def tab(st):
        c = new(5, 5)
        if st == 2:
            c.rect(0, 0, 5, 5, A)
        return c
    tabs = {}
    for sec, how in [('TABTOP', None), ('TABBOTTOM', 'flipv'), ('TABLEFT', 'transpose'), ('TABRIGHT', 'rot')]:
        draw = tab if how is None else (lambda st, how=how: tab(st).transformed(how))
        tabs[sec] = s.piece(sec, 5, 5, 3, 1, draw)

    # Scroll bars: square tiles; the arrow buttons are 26 pixels long.
    L = d['scroll_btn_len']
    tb = [rgb(x) for x in d['track_btn']]
    btn_v = s.piece('SCROLLBTNV', 17, L, 3, 0, lambda st: square_frame(17, L, [], inner=tb[st]))
    btn_h = s.piece('SCROLLBTNH', L, 17, 3, 0, lambda st: square_frame(L, 17, [], inner=tb[st]))
    arc = [rgb(x) for x in d['arrow']]

    def arrow(direction):
        return lambda st: pixel_arrow(direction, 9, 9, arc[st])
    arrows = {dname: s.piece('ARROW' + dname.upper(), 9, 9, 3, 0, arrow(dname))
              for dname in ('up', 'down', 'left', 'right')}
    th = [rgb(x) for x in d['thumb']]

    def thumb(st):
        c = new(7, 3)
        c.rect(0, 0, 7, 3, C(d, 'track'))
        c.rect(2, 0, 5, 3, th[st])
        return c
    slider_v = s.piece('SCROLLSLIDERV', 7, 3, 3, 0, thumb)
    slider_h = s.piece('SCROLLSLIDERH', 3, 7, 3, 0, lambda st: thumb(st).transformed('transpose'))

    menu_b = s.piece('MAINMENU', 7, 7, 1, 0,
                     lambda st: square_frame(7, 7, [C(d, 'line'), white, white], inner=white))

    def divider(st):
        c = new(3, 2)
        c.rect(0, 0, 3, 1, C(d, 'line'))
        c.rect(0, 1, 3, 2, white)
        return c
    divider_p = s.piece('DIVIDERV', 3, 2, 1, 0, divider)

    def band(st):
        c = new(1, 4)
        c.rect(0, 0, 1, 4, A)
        return c
    band_p = s.piece('DIALOGBAND', 1, 4, 1, 0, band)

    # -- separate images -----------------------------------------------------
    # ButtonHuge.BMP: big tile button (three states with a mask row).
    def huge(st):
        c = new(9, 12)
        cols = [[rgb('#ADADAD')], [A, A], [AD, AD, AD]][st]
        for i, col in enumerate(cols):
            c.draw(minus(rrect(i, i, 9 - i, 12 - i, 0), rrect(i + 1, i + 1, 8 - i, 11 - i, 0)), col)
        return c
    s.files['ButtonHuge.BMP'] = ('bmp', Piece('ButtonHuge.BMP', 9, 12, 3, 1, huge).rows())

    # Glow pictures: the hot caption button as it fades in, with a soft halo.
    gw, gh = d['glow']
    gm = d['glow_margin']

    def glow(kind, fill):
        c = new(gw, gh)
        for k in range(gm, 0, -1):
            a = 0.10 + 0.35 * (gm - k) / float(gm)
            c.draw(rrect(gm - k, gm - k, gm + cbw + k, gm + cbh + k, k), fill, alpha=a * 0.6)
        c.rect(gm, gm, gm + cbw, gm + cbh, fill)
        c.draw(glyph_shape(kind, gm + (cbw - 7) // 2, gm + (cbh - 7) // 2, 7, 1.0), white, aa=False)
        return to_rgba(c)
    s.files['Close.png'] = ('png', glow('close', RED))
    s.files['Max.png'] = ('png', glow('max', AL))
    s.files['Min.png'] = ('png', glow('min', AL))
    s.files['Norm.png'] = ('png', glow('norm', AL))

    # RectHint1.PNG: hint frame, grey outline with an accent bar on the left.
    def hint(st):
        c = new(9, 9)
        c.draw(minus(rrect(0, 0, 9, 9, 0), rrect(1, 1, 8, 8, 0)), rgb('#767676'))
        c.rect(1, 1, 3, 8, A)
        return c
    s.files['RectHint1.PNG'] = ('png', Piece('RectHint1.PNG', 9, 9, 1, 1, hint).rows(png=True))

    # -- description --------------------------------------------------------
    win, pg, txt = cv(d['window']), cv(d['page']), cv(d['text'])
    soft = cv(d['text_soft'])
    acc = cv(d['accent'])
    g0, g1 = d['title_grad']
    i0, i1 = d['icoline']
    s.section('GLOBALINFO',
              *global_info_head(d, bispace=5, keep_hue=1),
              ('BOXCHECKED', At(bchk)), ('BOXUNCHECKED', At(bunc)), ('BOXGRAYED', At(bgry)),
              ('RADIOCHECKED', At(rchk)), ('RADIOUNCHECKED', At(runc)), ('RADIOGRAYED', At(rgry)),
              ('CHECK', At(mcheck)), ('GRIPIMAGE', At(gripp)),
              ('BICONCLOSE', At(close)),
              ('BICONMAX', At(bmax)), ('BICONNORM', At(bnorm)), ('BICONMIN', At(bmin)),
              ('BICONHELP', At(bhelp)),
              ('SICONCLOSE', At(sclose)), ('SICONMAX', At(smax)), ('SICONNORM', At(snorm)),
              ('SICONMIN', At(smin)), ('SICONHELP', At(shelp)),
              ('BICONCLOSEGLOW', '8'), ('BICONCLOSEGLOWMARGIN', str(gm)),
              ('BICONMAXGLOW', '8'), ('BICONMAXGLOWMARGIN', str(gm)),
              ('BICONMINGLOW', '8'), ('BICONMINGLOWMARGIN', str(gm)),
              ('BICONCLOSEGLOW0', File('Close.png', 1, 0, 4)),
              ('BICONMAXGLOW0', File('Max.png', 1, 0, 4)),
              ('BICONMINGLOW0', File('Min.png', 1, 0, 4)),
              ('BICONNORMGLOW0', File('Norm.png', 1, 0, 4)))
    s.section('FORM', ('STATES', '2'), ('COLOR', win), ('HOTCOLOR', win), ('FONTCOLOR', txt),
              ('HOTFONTCOLOR', txt), ('BORDERSMASK', Border(form_b, 1, 1, 1, 1, 1, BW)))
    s.section('FORMTITLE', ('STATES', '2'), ('COLOR', cv(d['title_off'])), ('HOTCOLOR', acc),
              ('FONTCOLOR', cv('#FFFFFF')), ('HOTFONTCOLOR', cv('#FFFFFF')),
              ('HOTGRADIENTPERCENT', '100'),
              ('HOTGRADIENTDATA', '%s;%s;100;1;0' % (cv(g0), cv(g1))),
              ('BORDERSMASK', Border(title_b, 1, 1, 1, 1, 1, BW)))
    s.section('CAPTION', ('STATES', '2'), ('TRANSPARENCY', '100'), ('HOTTRANSPARENCY', '100'),
              ('FONTCOLOR', cv('#F2F2F2')), ('HOTFONTCOLOR', cv('#FFFFFF')))
    s.section('DIALOG', ('PARENTCLASS', 'FORM'), ('IMAGEPERCENT', '100'), ('HOTIMAGEPERCENT', '100'),
              ('PATTERN', Texture(band_p, 2)), ('HOTPATTERN', Texture(band_p, 2)))
    s.section('DIALOGTITLE', ('PARENTCLASS', 'FORMTITLE'))
    s.section('BUTTON', ('STATES', '3'), ('COLOR', cv(d['face'])), ('HOTCOLOR', cv(d['accent_tint'])),
              ('FONTCOLOR', txt), ('HOTFONTCOLOR', txt), ('SHOWFOCUS', '1'),
              ('FADINGENABLED', '1'), ('FADINGITERATIONS', '4'),
              ('BORDERSMASK', Border(btn, 2, 2, 2, 2, 1, BW)))
    s.section('BUTTON_HUGE', ('PARENTCLASS', 'BUTTON'), ('BORDERSMASK', PlainBmp('ButtonHuge.BMP')))
    s.section('SPEEDBUTTON', ('PARENTCLASS', 'BUTTON'))
    s.section('UPDOWNBTN', ('PARENTCLASS', 'BUTTON'))
    s.section('TARNWICKCOMBOBOX', ('STATES', '3'), ('COLOR', pg), ('HOTCOLOR', pg), ('FONTCOLOR', txt),
              ('HOTFONTCOLOR', txt), ('SHOWFOCUS', '1'), ('FADINGENABLED', '1'), ('FADINGITERATIONS', '4'),
              ('BORDERSMASK', Border(tarn, 2, 2, 2, 2, 1, BW)))
    s.section('EDIT', ('STATES', '2'), ('COLOR', pg), ('FONTCOLOR', '0'), ('HOTCOLOR', pg),
              ('HOTFONTCOLOR', '0'), ('BORDERSMASK', Border(edit, 1, 1, 1, 1, 1, 1)))
    s.section('COMBOBOX', ('PARENTCLASS', 'EDIT'), ('GLYPHMASK', At(combo_glyph)))
    s.section('COMBOBTN', ('STATES', '3'), ('TRANSPARENCY', '100'), ('HOTTRANSPARENCY', '100'),
              ('FONTCOLOR', soft), ('HOTFONTCOLOR', txt),
              ('BORDERSMASK', Border(hot_plate, 1, 1, 1, 1, 7, 0)))
    s.section('SPEEDBUTTON_SMALL', ('PARENTCLASS', 'COMBOBTN'), ('HOTFONTCOLOR', acc))
    s.section('TOOLBUTTON', ('PARENTCLASS', 'COMBOBTN'))
    s.section('SELECTION', ('STATES', '2'), ('COLOR', acc), ('HOTCOLOR', acc),
              ('FONTCOLOR', cv('#FFFFFF')), ('HOTFONTCOLOR', cv('#FFFFFF')))
    s.section('CHECKBOX', ('STATES', '3'), ('TRANSPARENCY', '100'), ('HOTTRANSPARENCY', '100'),
              ('FONTCOLOR', cv('#1F1F1F')), ('HOTFONTCOLOR', acc), ('SHOWFOCUS', '1'))
    s.section('GROUPBOX', ('STATES', '1'), ('TRANSPARENCY', '100'), ('FONTCOLOR', acc),
              ('BORDERSMASK', Border(group, 1, 1, 1, 1, 1, BW)))
    s.section('PANEL', ('STATES', '1'), ('COLOR', win), ('TRANSPARENCY', '100'), ('FONTCOLOR', txt))
    s.section('PANEL_LOW', ('STATES', '1'), ('COLOR', cv('#F7F7F7')), ('FONTCOLOR', txt),
              ('BORDERSMASK', Hash(panel_low, 1, 1)))
    s.section('PAGECONTROL', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt),
              ('BORDERSMASK', Border(page, 1, 1, 1, 1, 1, BW)))
    for sec in ('PAGECONTROLBOTTOM', 'PAGECONTROLLEFT', 'PAGECONTROLRIGHT'):
        s.section(sec, ('PARENTCLASS', 'PAGECONTROL'))
    s.section('TABSHEET', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt))
    s.section('TABTOP', ('STATES', '3'), ('COLOR', cv(d['tab'])), ('HOTCOLOR', cv(d['accent_light'])),
              ('FONTCOLOR', soft), ('HOTFONTCOLOR', cv('#FFFFFF')),
              ('FADINGENABLED', '1'), ('FADINGITERATIONS', '4'),
              ('BORDERSMASK', Border(tabs['TABTOP'], 2, 2, 2, 2, 5, 0)))
    for sec in ('TABBOTTOM', 'TABLEFT', 'TABRIGHT'):
        s.section(sec, ('PARENTCLASS', 'TABTOP'), ('BORDERSMASK', Border(tabs[sec], 2, 2, 2, 2, 5, 0)))
    s.section('MAINMENU', ('STATES', '1'), ('COLOR', pg), ('FONTCOLOR', txt),
              ('BORDERSMASK', Border(menu_b, 3, 3, 3, 3, 1, 3)))
    s.section('ICOLINE', ('STATES', '1'), ('COLOR', cv(i1)), ('GRADIENTPERCENT', '100'),
              ('GRADIENTDATA', '%s;%s;100;1;0' % (cv(i0), cv(i1))))
    s.section('MENUITEM', ('STATES', '2'), ('TRANSPARENCY', '100'), ('HOTCOLOR', acc),
              ('FONTCOLOR', txt), ('HOTFONTCOLOR', cv('#FFFFFF')))
    s.section('MENUCAPTION', ('STATES', '1'), ('COLOR', acc), ('FONTCOLOR', cv('#FFFFFF')))
    s.section('MENULINE', ('STATES', '1'), ('COLOR', win), ('FONTCOLOR', txt))
    s.section('DIVIDERV', ('BORDERSMASK', Border(divider_p, 1, 1, 1, 1, 1, 0)))
    s.section('TOOLBAR', ('STATES', '1'), ('COLOR', cv('#F2F2F2')), ('FONTCOLOR', txt))
    s.section('EXTRALINE', ('STATES', '1'), ('COLOR', acc), ('FONTCOLOR', cv('#FFFFFF')))
    s.section('HINT', ('STATES', '1'), ('COLOR', cv('#FFFFFF')), ('FONTCOLOR', cv('#1F1F1F')),
              ('BORDERSMASK', File('RectHint1.PNG', 1, 1, 0, (3, 1, 1, 1), 1)))
    track = cv(d['track'])
    s.section('SCROLLBAR1H', ('STATES', '3'), ('COLOR', track), ('HOTCOLOR', cv('#DADADA')))
    s.section('SCROLLBAR2H', ('PARENTCLASS', 'SCROLLBAR1H'))
    s.section('SCROLLBAR1V', ('PARENTCLASS', 'SCROLLBAR1H'))
    s.section('SCROLLBAR2V', ('PARENTCLASS', 'SCROLLBAR1H'))
    s.section('SCROLLSLIDERV', ('STATES', '3'), ('COLOR', track), ('HOTCOLOR', track),
              ('BORDERSMASK', Border(slider_v, 3, 1, 3, 1, 5, 0)))
    s.section('SCROLLSLIDERH', ('PARENTCLASS', 'SCROLLSLIDERV'),
              ('BORDERSMASK', Border(slider_h, 1, 3, 1, 3, 5, 0)))
    s.section('SCROLLBTNTOP', ('STATES', '3'), ('COLOR', track), ('HOTCOLOR', track),
              ('BORDERSMASK', Border(btn_v, 1, 1, 1, 1, 5, 0)), ('GLYPHMASK', At(arrows['up'])))
    s.section('SCROLLBTNBOTTOM', ('PARENTCLASS', 'SCROLLBTNTOP'), ('GLYPHMASK', At(arrows['down'])))
    # RESERVEDBOOLEAN: draw the arrow buttons as long as their image.
    s.section('SCROLLBTNLEFT', ('PARENTCLASS', 'SCROLLBTNTOP'), ('RESERVEDBOOLEAN', '1'),
              ('BORDERSMASK', Border(btn_h, 1, 1, 1, 1, 5, 0)), ('GLYPHMASK', At(arrows['left'])))
    s.section('SCROLLBTNRIGHT', ('PARENTCLASS', 'SCROLLBTNLEFT'), ('GLYPHMASK', At(arrows['right'])))
    return s


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('--out', default=os.path.dirname(here), help='folder that receives Flatline/ and MetroUI/')
    ap.add_argument('--preview', help='also write scaled-up previews of every image here')
    args = ap.parse_args()
    for build in (build_flatline, build_metro):
        skin = build()
        skin.write(os.path.join(args.out, skin.name),
                   os.path.join(args.preview) if args.preview else None)
        print('wrote %s' % os.path.join(args.out, skin.name))


if __name__ == '__main__':
    main()
