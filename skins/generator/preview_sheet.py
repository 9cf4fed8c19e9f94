#!/usr/bin/env python3
"""Paints a rough mock-up of the generator window with a skin folder, for a
designer to judge colours, spacing and states without building the program.

    python3 skins/generator/preview_sheet.py SKIN_FOLDER OUT.png [--scale N] [--crop X0,Y0,X1,Y1] [--states]

--states paints every bordered section in its three states and every glyph
strip instead of the window.

The painting follows the skin rules closely enough to judge a look (section
colour, gradient, transparency, nine-part borders with their mask rows and key
corners, state images, glyphs); text is shown as bars in the text colour. It
is no substitute for the program's own painting.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from check_skins import Problems, first, parse_description, parse_masks, check_mask_geometry  # noqa: E402
from skinimg import KEY, read_image, write_png_rgba  # noqa: E402


def dec(v):
    v = int(v)
    return (v & 255, (v >> 8) & 255, (v >> 16) & 255)


class Skin:
    def __init__(self, folder):
        bad = Problems()
        with open(os.path.join(folder, 'Options.dat'), 'rb') as f:
            self.sections = parse_description(f.read(), 'x', bad)
        members = os.listdir(folder)
        self.masks = parse_masks(self.sections, members, 'x', bad)
        gi = dict(self.entries('GLOBALINFO'))
        master = next(m for m in members if m.upper() == gi['MASTERBITMAP'])
        self.images = {'MASTER': read_image(os.path.join(folder, master))}
        for m in self.masks:
            if m.source not in self.images:
                self.images[m.source] = read_image(os.path.join(folder, m.source))
            check_mask_geometry(m, self.images[m.source], 'x', bad)

    def entries(self, sec):
        return next((e for (n, e) in self.sections if n == sec), [])

    def value(self, sec, key, default=None):
        seen = set()
        while sec and sec not in seen:
            seen.add(sec)
            e = self.entries(sec)
            v = first(e, key)
            if v is not None and v != '-1':
                return v
            sec = first(e, 'PARENTCLASS')
        return default

    def mask(self, sec, key, inherit=True):
        seen = set()
        while sec and sec not in seen:
            seen.add(sec)
            m = next((m for m in self.masks if m.section == sec and m.key == key), None)
            if m or not inherit:
                return m
            sec = first(self.entries(sec), 'PARENTCLASS')
        return None


class Pic:
    def __init__(self, w, h, color):
        self.w, self.h = w, h
        self.px = [[tuple(color) for _ in range(w)] for _ in range(h)]

    def fill(self, r, color):
        for y in range(max(0, r[1]), min(self.h, r[3])):
            for x in range(max(0, r[0]), min(self.w, r[2])):
                self.px[y][x] = tuple(color)


def blend(d, s, m):
    return tuple(((s[i] * 256 + m[i] * (d[i] - s[i])) >> 8) for i in range(3))


def src_px(skin, mk, x, y):
    return skin.images[mk.source][y][x][:3]


def piece(pic, skin, mk, sx, sy, sw, sh, dx, dy, dw, dh, stretch, mask_off, corner):
    if sw <= 0 or sh <= 0 or dw <= 0 or dh <= 0:
        return
    for y in range(dh):
        for x in range(dw):
            if stretch:
                ux, uy = sx + x * sw // dw, sy + y * sh // dh
            else:
                ux, uy = sx + x % sw, sy + y % sh
            X, Y = dx + x, dy + y
            if not (0 <= X < pic.w and 0 <= Y < pic.h):
                continue
            s = src_px(skin, mk, ux, uy)
            if mask_off:
                if s == KEY:
                    continue
                m = src_px(skin, mk, ux, uy + mask_off)
                pic.px[Y][X] = blend(pic.px[Y][X], s, m)
            else:
                if corner and s == KEY:
                    continue
                pic.px[Y][X] = s


def border(pic, skin, mk, r, state):
    if mk is None:
        return
    if state == 0 and mk.draw_mode & 2:
        return
    l, t, rr, b = mk.rect
    iw = (rr - l) // mk.count
    ih = (b - t) // (mk.mask_type + 1)
    i = min(state, mk.count - 1)
    x0, y0 = l + i * iw, t
    L, T, R, B = mk.widths
    W, H = r[2] - r[0], r[3] - r[1]
    if W < L + R:
        d = L + R - W
        L, R = max(0, L - d // 2), max(0, R - d // 2 - d % 2)
    if H < T + B:
        d = T + B - H
        T, B = max(0, T - d // 2), max(0, B - d // 2 - d % 2)
    mo = ih if mk.mask_type else 0
    st = bool(mk.draw_mode & 1)
    cw, ch = iw - mk.widths[0] - mk.widths[2], ih - mk.widths[1] - mk.widths[3]
    WL, WT, WR, WB = mk.widths
    # corners
    piece(pic, skin, mk, x0, y0, L, T, r[0], r[1], L, T, False, mo, True)
    piece(pic, skin, mk, x0 + iw - R, y0, R, T, r[2] - R, r[1], R, T, False, mo, True)
    piece(pic, skin, mk, x0, y0 + ih - B, L, B, r[0], r[3] - B, L, B, False, mo, True)
    piece(pic, skin, mk, x0 + iw - R, y0 + ih - B, R, B, r[2] - R, r[3] - B, R, B, False, mo, True)
    # sides
    piece(pic, skin, mk, x0, y0 + WT, L, ch, r[0], r[1] + T, L, H - T - B, st, mo, False)
    piece(pic, skin, mk, x0 + iw - R, y0 + WT, R, ch, r[2] - R, r[1] + T, R, H - T - B, st, mo, False)
    piece(pic, skin, mk, x0 + WL, y0, cw, T, r[0] + L, r[1], W - L - R, T, st, mo, False)
    piece(pic, skin, mk, x0 + WL, y0 + ih - B, cw, B, r[0] + L, r[3] - B, W - L - R, B, st, mo, False)
    if mk.draw_mode & 4:
        piece(pic, skin, mk, x0 + WL, y0 + WT, cw, ch, r[0] + L, r[1] + T, W - L - R, H - T - B, st, mo, False)


def glyph(pic, skin, mk, x, y, state):
    if mk is None:
        return
    l, t, rr, b = mk.rect
    iw = (rr - l) // mk.count
    ih = (b - t) // (mk.mask_type + 1)
    i = min(state, mk.count - 1)
    piece(pic, skin, mk, l + i * iw, t, iw, ih, x, y, iw, ih, False, ih if mk.mask_type else 0, True)
    return iw, ih


def gradient(pic, r, text):
    w = [int(x) for x in text.split(';') if x]
    c1, c2, mode = dec(w[0]), dec(w[1]), w[3]
    n = (r[3] - r[1]) if mode == 0 else (r[2] - r[0])
    for k in range(n):
        c = tuple(int(round(c1[i] + (c2[i] - c1[i]) * k / max(1, n - 1))) for i in range(3))
        if mode == 0:
            pic.fill((r[0], r[1] + k, r[2], r[1] + k + 1), c)
        else:
            pic.fill((r[0] + k, r[1], r[0] + k + 1, r[3]), c)


def section(pic, skin, sec, r, state=0, custom=None):
    states = int(skin.value(sec, 'STATES', '3'))
    state = min(state, states - 1)
    hot = state > 0
    p = 'HOT' if hot else ''
    tr = int(skin.value(sec, p + 'TRANSPARENCY', '0'))
    if custom is not None:
        pic.fill(r, custom)
    elif tr < 100:
        col = dec(skin.value(sec, p + 'COLOR', '16777215'))
        gp = int(skin.value(sec, p + 'GRADIENTPERCENT', '0'))
        gd = skin.value(sec, p + 'GRADIENTDATA', '')
        ip = int(skin.value(sec, p + 'IMAGEPERCENT', '0'))
        if gp and gd:
            gradient(pic, r, gd)
        else:
            pic.fill(r, col)
        if ip:
            tex = skin.mask(sec, p + 'PATTERN') if hot else skin.mask(sec, 'PATTERN')
            if tex is not None:
                l, t, rr, b = tex.rect
                if tex.draw_mode in (2, 4):
                    piece(pic, skin, tex, l, t, rr - l, b - t, r[0], r[1], r[2] - r[0], b - t,
                          tex.draw_mode == 4, 0, False)
    border(pic, skin, skin.mask(sec, 'BORDERSMASK'), r, state)
    return state


def text(pic, skin, sec, x, y, w, state=0, color=None):
    states = int(skin.value(sec, 'STATES', '3'))
    hot = min(state, states - 1) > 0
    c = color if color is not None else dec(skin.value(sec, ('HOT' if hot else '') + 'FONTCOLOR', '0'))
    pic.fill((x, y + 3, x + w, y + 8), c)


def mock(skin):
    W, H = 452, 470
    pic = Pic(W, H, (90, 96, 110))          # desktop
    fx, fy, fw, fh = 6, 6, 447, 437          # window
    cap = 26
    form = (fx, fy, fx + fw, fy + fh)
    section(pic, skin, 'FORM', form, 1)
    section(pic, skin, 'FORMTITLE', (fx, fy, fx + fw, fy + cap), 1)
    st = int(skin.value('CAPTION', 'STATES', '1'))
    text(pic, skin, 'CAPTION', fx + 26, fy + 8, 80, min(1, st - 1))
    pic.fill((fx + 8, fy + 7, fx + 20, fy + 19), (200, 60, 60))     # the icon
    close = skin.mask('GLOBALINFO', 'BICLOSEALONE') or skin.mask('GLOBALINFO', 'BICONCLOSE')
    bw = (close.rect[2] - close.rect[0]) // close.count
    bh = (close.rect[3] - close.rect[1]) // (close.mask_type + 1)
    x = fx + fw - 3 - int(skin.value('GLOBALINFO', 'BIRIGHT', '0')) - bw
    for s in range(3):                          # the close button in its three states
        glyph(pic, skin, close, x - s * (bw + 4), fy + (cap - bh) // 2, s)
    ox, oy = fx + 3, fy + cap                   # client origin
    # page control with the two tabs
    px, py = ox + 2, oy + 62
    section(pic, skin, 'PAGECONTROL', (px, py + 22, px + 437, py + 342))
    section(pic, skin, 'TABSHEET', (px + 4, py + 26, px + 433, py + 338))
    tabs = [(px + 2, 'sel', 120), (px + 124, 'norm', 24), (px + 150, 'hot', 60)]
    for tx, kind, w in tabs:
        if kind == 'sel':
            continue
        s = 1 if kind == 'hot' else 0
        section(pic, skin, 'TABTOP', (tx, py + 2, tx + w, py + 22), s)
        text(pic, skin, 'TABTOP', tx + 8, py + 8, w - 16, s)
    tx = px + 2
    section(pic, skin, 'TABTOP', (tx - 2, py, tx + 122, py + 24), 2)
    text(pic, skin, 'TABTOP', tx + 10, py + 6, 96, 2)
    sx, sy = px + 6, py + 28                      # sheet origin
    # password display (EDIT section, own colour white)
    section(pic, skin, 'EDIT', (sx + 2, sy + 3, sx + 426, sy + 48), 0, custom=(255, 255, 255))
    pic.fill((sx + 150, sy + 18, sx + 280, sy + 32), (255, 0, 0))
    # parameters group
    g = (sx + 2, sy + 48, sx + 426, sy + 171)
    section(pic, skin, 'GROUPBOX', (g[0], g[1] + 7, g[2], g[3]))
    bg = pic.px[g[1] + 30][g[0] + 30]
    pic.fill((g[0] + 8, g[1], g[0] + 120, g[1] + 14), bg)
    text(pic, skin, 'GROUPBOX', g[0] + 10, g[1] + 2, 104)
    for i, (bx, by, key, s) in enumerate([(8, 19, 'BOXCHECKED', 0), (8, 43, 'BOXCHECKED', 1),
                                          (260, 18, 'BOXUNCHECKED', 1), (260, 43, 'BOXUNCHECKED', 2)]):
        mk = skin.mask('GLOBALINFO', key)
        iw, ih = glyph(pic, skin, mk, g[0] + bx, g[1] + by + 2, s)
        text(pic, skin, 'CHECKBOX', g[0] + bx + iw + 6, g[1] + by + 2, 120, s)
    # length spin, own characters, combo
    ly = g[1] + 61 + 31
    section(pic, skin, 'TARNWICKCOMBOBOX', (g[0] + 7, ly, g[0] + 53, ly + 21), 0, custom=(255, 255, 255))
    text(pic, skin, 'TARNWICKCOMBOBOX', g[0] + 11, ly + 5, 8)
    for k, s in ((0, 1), (1, 0)):
        r = (g[0] + 53 - 18, ly + 2 + k * 9, g[0] + 53 - 3, ly + 11 + k * 9)
        section(pic, skin, 'SPEEDBUTTON_SMALL', r, s)
    section(pic, skin, 'TARNWICKCOMBOBOX', (g[0] + 54, ly, g[0] + 312, ly + 21), 1, custom=(255, 255, 255))
    cb = (g[0] + 329, ly, g[0] + 419, ly + 21)
    section(pic, skin, 'TARNWICKCOMBOBOX', cb, 0, custom=(255, 255, 255))
    btn = (cb[2] - 20, cb[1] + 2, cb[2] - 2, cb[3] - 2)
    section(pic, skin, 'COMBOBTN', btn, 1)
    gm = skin.mask('COMBOBOX', 'GLYPHMASK', False)
    if gm:
        gw = (gm.rect[2] - gm.rect[0]) // gm.count
        gh = (gm.rect[3] - gm.rect[1]) // (gm.mask_type + 1)
        glyph(pic, skin, gm, btn[0] + (btn[2] - btn[0] - gw) // 2, cb[1] + (21 - gh) // 2, 1)
    # actions group with the two buttons in different states
    a = (sx + 2, sy + 173, sx + 235, sy + 289)
    section(pic, skin, 'GROUPBOX', (a[0], a[1] + 7, a[2], a[3]))
    pic.fill((a[0] + 8, a[1], a[0] + 70, a[1] + 14), bg)
    text(pic, skin, 'GROUPBOX', a[0] + 10, a[1] + 2, 56)
    for k, s in ((0, 0), (1, 1)):
        r = (a[0] + 7, a[1] + 25 + 45 * k, a[0] + 226, a[1] + 57 + 45 * k)
        section(pic, skin, 'TARNWICKCOMBOBOX', r, s, custom=(240, 240, 240))
        text(pic, skin, 'TARNWICKCOMBOBOX', r[0] + 40, r[1] + 10, 140, s, color=(128, 128, 128))
    # history group with memo and scroll bar
    hgr = (sx + 241, sy + 173, sx + 426, sy + 289)
    section(pic, skin, 'GROUPBOX', (hgr[0], hgr[1] + 7, hgr[2], hgr[3]))
    memo = (hgr[0] + 6, hgr[1] + 18, hgr[0] + 178, hgr[1] + 110)
    section(pic, skin, 'TARNWICKCOMBOBOX', memo, 0, custom=(255, 255, 255))
    for k in range(5):
        text(pic, skin, 'TARNWICKCOMBOBOX', memo[0] + 5, memo[1] + 4 + 13 * k, 60)
    bar = (memo[2] - 2 - 17, memo[1] + 2, memo[2] - 2, memo[3] - 2)
    top = skin.mask('SCROLLBTNTOP', 'BORDERSMASK')
    alen = 17
    if skin.value('SCROLLBTNLEFT', 'RESERVEDBOOLEAN', '0') == '1' and top:
        alen = (top.rect[3] - top.rect[1]) // (top.mask_type + 1)
    mid = bar[1] + alen + 20
    section(pic, skin, 'SCROLLBAR1V', (bar[0], bar[1] + alen, bar[2], mid + 10))
    section(pic, skin, 'SCROLLBAR2V', (bar[0], mid + 10, bar[2], bar[3] - alen))
    for secn, r, s in (('SCROLLBTNTOP', (bar[0], bar[1], bar[2], bar[1] + alen), 1),
                       ('SCROLLBTNBOTTOM', (bar[0], bar[3] - alen, bar[2], bar[3]), 0)):
        section(pic, skin, secn, r, s)
        gm = skin.mask(secn, 'GLYPHMASK')
        gw = (gm.rect[2] - gm.rect[0]) // gm.count
        gh = (gm.rect[3] - gm.rect[1]) // (gm.mask_type + 1)
        glyph(pic, skin, gm, r[0] + (17 - gw) // 2, r[1] + (min(alen, 17) - gh) // 2 + (alen - 17) // 2, s)
    section(pic, skin, 'SCROLLSLIDERV', (bar[0], mid, bar[2], mid + 20), 1)
    # status strip and a popup menu with a hot item and a divider, a hint
    mx, my = ox + 250, oy + 395 - 60
    menu = (mx, my, mx + 170, my + 66)
    section(pic, skin, 'MAINMENU', menu)
    if any(n == 'ICOLINE' for n, _ in skin.sections):
        section(pic, skin, 'ICOLINE', (mx + 3, my + 3, mx + 29, my + 63))
    section(pic, skin, 'MENUITEM', (mx + 3, my + 3, mx + 167, my + 25), 1)
    text(pic, skin, 'MENUITEM', mx + 36, my + 9, 100, 1)
    pic.fill((mx + 8, my + 6, mx + 24, my + 22), (90, 160, 90))
    section(pic, skin, 'DIVIDERV', (mx + 31, my + 30, mx + 160, my + 32))
    text(pic, skin, 'MENUITEM', mx + 36, my + 38, 90, 0)
    pic.fill((mx + 8, my + 40, mx + 24, my + 56), (90, 90, 160))
    hint = (ox + 20, oy + 400 - 20, ox + 200, oy + 400)
    section(pic, skin, 'HINT', hint)
    text(pic, skin, 'HINT', hint[0] + 8, hint[1] + 5, 150)
    return pic


STATE_ROWS = [('BUTTON', 80, 26), ('BUTTON_HUGE', 80, 34), ('TARNWICKCOMBOBOX', 80, 22), ('EDIT', 80, 22),
              ('COMBOBTN', 18, 18), ('SPEEDBUTTON_SMALL', 15, 10), ('TABTOP', 60, 20), ('TABBOTTOM', 60, 20),
              ('TABLEFT', 22, 50), ('TABRIGHT', 22, 50), ('MENUITEM', 90, 22), ('SCROLLBTNTOP', 17, 17),
              ('SCROLLSLIDERV', 17, 40), ('SCROLLSLIDERH', 40, 17), ('GROUPBOX', 80, 30), ('HINT', 80, 20),
              ('PANEL_LOW', 80, 20), ('PAGECONTROL', 80, 30), ('MAINMENU', 80, 30), ('DIVIDERV', 80, 2),
              ('FORMTITLE', 90, 22), ('DIALOG', 80, 30)]


def states_sheet(skin):
    """Every bordered section in states 0, 1 and 2 on the page colour, then
    every glyph strip of [GLOBALINFO] and the GLYPHMASKs in their states."""
    cell = 100
    rows = (len(STATE_ROWS) + 1) // 2
    glyphs = [m for m in skin.masks if m.img_type in (2, 4) and m.key != 'GRIPIMAGE']
    gh = 30 * ((len(glyphs) + 3) // 4)
    pic = Pic(2 * 3 * cell + 20, rows * 60 + gh + 20, dec(skin.value('PAGECONTROL', 'COLOR', '16777215')))
    for i, (sec, w, h) in enumerate(STATE_ROWS):
        if not any(n == sec for n, _ in skin.sections):
            continue
        x0 = (i % 2) * (3 * cell + 10) + 5
        y0 = (i // 2) * 60 + 8
        for st in range(3):
            section(pic, skin, sec, (x0 + st * cell, y0, x0 + st * cell + w, y0 + h), st)
    y0 = rows * 60 + 10
    for k, m in enumerate(glyphs):
        x = (k % 4) * 155 + 5
        y = y0 + (k // 4) * 30
        iw = (m.rect[2] - m.rect[0]) // m.count
        for st in range(m.count):
            glyph(pic, skin, m, x + st * (iw + 3), y, st)
    return pic


def main():
    folder, out = sys.argv[1], sys.argv[2]
    scale = int(sys.argv[sys.argv.index('--scale') + 1]) if '--scale' in sys.argv else 2
    pic = states_sheet(Skin(folder)) if '--states' in sys.argv else mock(Skin(folder))
    if '--crop' in sys.argv:
        x0, y0, x1, y1 = [int(v) for v in sys.argv[sys.argv.index('--crop') + 1].split(',')]
        pic.px = [row[x0:x1] for row in pic.px[y0:y1]]
    rows = []
    for row in pic.px:
        line = []
        for c in row:
            line.extend([c + (255,)] * scale)
        for _ in range(scale):
            rows.append(line)
    write_png_rgba(out, rows)


if __name__ == '__main__':
    main()
