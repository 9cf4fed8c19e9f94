#!/usr/bin/env python3
"""Checks the shipped skin folders the way the skin loader reads them.

    python3 skins/generator/check_skins.py [SKINS_DIR] [--determinism]

For each of Flatline/ and MetroUI/: the folder holds exactly its members;
Options.dat has CR LF lines, upper-case names, no repeated sections or keys;
every image value is parsed by its rule ("@", "^", "~", "!", "#", plain
".BMP") and its rectangle lies inside its image and divides evenly into state
images and rows; "!" and plain names find their member by upper-case name;
mask rows are grey; gradient strings and numbers parse; PARENTCLASS chains
end; every entry of required-keys.txt resolves; and the few values other
parts of the program rely on hold. --determinism also regenerates both skins
twice into temporary folders and compares the bytes with SKINS_DIR.

Exit status 0 when everything holds, 1 otherwise.
"""

import filecmp
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skinimg import KEY, read_image  # noqa: E402

MEMBERS = {
    'Flatline': None,  # five members: Options.dat, the master bitmap and three more
    'MetroUI': ['Options.dat', 'ButtonHuge.BMP', 'Master.bmp', 'Close.png', 'Max.png', 'Min.png',
                'Norm.png', 'RectHint1.PNG'],
}
VERSION = {'Flatline': '7.67', 'MetroUI': '8.00'}


class Problems:
    def __init__(self):
        self.items = []

    def __call__(self, skin, text):
        self.items.append('%s: %s' % (skin, text))


# ---------------------------------------------------------------------------
# Description

def parse_description(data, skin, bad):
    if data.startswith(b'\xef\xbb\xbf'):
        text = data[3:].decode('utf-8')
    else:
        text = data.decode('ascii')
    if '\n' in text.replace('\r\n', ''):
        bad(skin, 'Options.dat has line ends other than CR LF')
    if not text.endswith('\r\n'):
        bad(skin, 'Options.dat does not end with CR LF')
    sections = []          # [(name, [(key, value)])] in file order
    for raw in text.split('\r\n'):
        line = raw.strip()
        if not line or line.startswith(';'):
            continue
        if line.startswith('[') and line.endswith(']'):
            sections.append((line[1:-1].strip(), []))
            continue
        if not sections:
            continue
        if '=' in line:
            k, v = line.split('=', 1)
            sections[-1][1].append((k.strip(), v.strip()))
        else:
            sections[-1][1].append((line, ''))
    return sections


def first(entries, key):
    for k, v in entries:
        if k == key:
            return v
    return None


def to_int_strict(s):
    s = s.strip()
    if not s or not (s.isdigit() or (s[0] in '+-' and s[1:].isdigit())):
        raise ValueError(repr(s))
    return int(s)


def to_int_lenient(s):
    try:
        return to_int_strict(s)
    except ValueError:
        return 0


class Mask:
    def __init__(self, section, key, rule, rect, count, mask_type, source, widths=(0, 0, 0, 0),
                 draw_mode=0, border_width=0, img_type=0):
        self.section, self.key, self.rule = section, key, rule
        self.rect, self.count, self.mask_type, self.source = rect, count, mask_type, source
        self.widths, self.draw_mode, self.border_width, self.img_type = widths, draw_mode, border_width, img_type


def find_member(members, name):
    """A member found by upper-case name, as the package reader finds it."""
    for m in members:
        if m.upper() == name.upper():
            return m
    return None


def parse_masks(sections, members, skin, bad):
    """Apply the image value rules in file order; returns the mask table."""
    masks = []
    for sec, entries in sections:
        for key, value in entries:
            if sec == 'GLOBALINFO' and key == 'MASTERBITMAP':
                continue
            if not value:
                continue
            where = '[%s] %s=%s' % (sec, key, value)
            try:
                c = value[0]
                if c == '@':
                    if len(value) != 24:
                        bad(skin, '%s: "@" value must be 24 characters' % where)
                    r = tuple(to_int_strict(value[i:i + 4]) for i in (1, 6, 11, 16))
                    masks.append(Mask(sec, key, '@', r, to_int_strict(value[21]), to_int_strict(value[23]),
                                      'MASTER', img_type=2))
                elif c == '^':
                    if len(value) != 48:
                        bad(skin, '%s: "^" value must be 48 characters' % where)
                    r = tuple(to_int_strict(value[i:i + 4]) for i in (1, 6, 11, 16))
                    wd = tuple(to_int_strict(value[i:i + 4]) for i in (21, 26, 31, 36))
                    m = Mask(sec, key, '^', r, to_int_strict(value[41]), to_int_strict(value[43]), 'MASTER',
                             wd, to_int_strict(value[45]), to_int_strict(value[47]), 0)
                    masks.append(m)
                elif c == '~':
                    if len(value) not in (23, 25):
                        bad(skin, '%s: "~" value must be 23 or 25 characters' % where)
                    r = tuple(to_int_strict(value[i:i + 4]) for i in (1, 6, 11, 16))
                    mt = to_int_strict(value[24]) if len(value) >= 25 else 0
                    masks.append(Mask(sec, key, '~', r, 1, mt, 'MASTER', draw_mode=to_int_strict(value[21:23]),
                                      img_type=1))
                elif c == '!':
                    words = [w for w in value.split('!') if w != '']
                    name = words[0]
                    if '.BMP' not in name and '.PNG' not in name:
                        bad(skin, '%s: image name must hold ".BMP" or ".PNG" in upper case' % where)
                        continue
                    member = find_member(members, name)
                    if member is None:
                        bad(skin, '%s: no member named %s' % (where, name))
                        continue
                    if len(words) < 9:
                        bad(skin, '%s: "!" value has fewer than nine words' % where)
                    nums = [to_int_lenient(w) for w in words[1:9]] + [0] * 8
                    masks.append(Mask(sec, key, '!', None, nums[0], nums[1], member, tuple(nums[3:7]),
                                      nums[7], 0, min(nums[2], 4)))
                elif '#' in value and value != '#':
                    for ch in '()':
                        value = value.replace(ch, ' ')
                    words = value.split()
                    r = tuple(to_int_lenient(x) for x in words[1].split(','))
                    rest = words[2].split(',')
                    ic = max(1, to_int_lenient(rest[0]))
                    mt = max(0, to_int_lenient(rest[1]))
                    bw = to_int_strict(rest[2]) if len(rest) > 2 else 0
                    dm = to_int_strict(rest[3]) if len(rest) > 3 else 1
                    masks.append(Mask(sec, key, '#', r, ic, mt, 'MASTER', (0, 0, 0, 0), dm, max(0, bw), 0))
                elif '.BMP' in value.upper():
                    member = find_member(members, value.upper())
                    if member is None:
                        bad(skin, '%s: no member named %s' % (where, value.upper()))
                        continue
                    masks.append(Mask(sec, key, 'BMP', None, 3, 1, member, None, 0, 0, 0))
                elif '.JPG' in value.upper() or '.JPEG' in value.upper():
                    bad(skin, '%s: JPEG images are not used by these skins' % where)
            except (ValueError, IndexError) as e:
                bad(skin, '%s: malformed number (%s)' % (where, e))
    return masks


# ---------------------------------------------------------------------------

def check_mask_geometry(m, img, skin, bad):
    h = len(img)
    w = len(img[0]) if h else 0
    where = '[%s] %s' % (m.section, m.key)
    if m.rect is None:
        m.rect = (0, 0, w, h)
    l, t, r, b = m.rect
    if not (0 <= l < r <= w and 0 <= t < b <= h):
        bad(skin, '%s: rectangle %s lies outside its %dx%d image %s' % (where, m.rect, w, h, m.source))
        return
    rw, rh = r - l, b - t
    if m.count < 1 or rw % m.count:
        bad(skin, '%s: width %d does not divide into %d images' % (where, rw, m.count))
        return
    if rh % (m.mask_type + 1):
        bad(skin, '%s: height %d does not divide into %d rows' % (where, rh, m.mask_type + 1))
        return
    iw, ih = rw // m.count, rh // (m.mask_type + 1)
    if m.rule == 'BMP':
        m.widths = (rw // 9, rh // 6, rw // 9, rh // 6)
    if m.rule in ('^', '#') and sum(m.widths) == 0:
        if m.border_width:
            m.widths = (m.border_width,) * 4
        else:
            m.widths = (rw // (m.count * 3), rh // ((m.mask_type + 1) * 3)) * 2
    wl, wt, wr, wb = m.widths
    if m.rule in ('^', '#', 'BMP') or (m.rule == '!' and m.img_type == 0):
        if wl + wr > iw or wt + wb > ih:
            bad(skin, '%s: border parts %s do not fit one %dx%d image' % (where, m.widths, iw, ih))
    # Without a mask row, sides and centre of a border are copied with no key
    # test: a key pixel there would show up magenta.
    if m.mask_type == 0 and (m.rule in ('^', '#', 'BMP') or (m.rule == '!' and m.img_type == 0)):
        for i in range(m.count):
            x0 = l + i * iw
            for y in range(t, t + ih):
                for x in range(x0, x0 + iw):
                    in_corner = (x < x0 + wl or x >= x0 + iw - wr) and (y < t + wt or y >= t + ih - wb)
                    if not in_corner and img[y][x][:3] == KEY:
                        bad(skin, '%s: key pixel (%d, %d) in a side or the centre of a border '
                                  'without mask row' % (where, x, y))
                        return
    if m.mask_type == 1:
        for y in range(t + ih, b):
            for x in range(l, r):
                p = img[y][x][:3]
                if p != KEY and not (p[0] == p[1] == p[2]):
                    bad(skin, '%s: mask row pixel (%d, %d) is not grey' % (where, x, y))
                    return
    # Images drawn with a mask row must not be see-through where the mask says
    # opaque; images without one use only the key colour for transparency.
    if m.source != 'MASTER' and m.source.upper().endswith('.PNG') and m.img_type != 4:
        for row in img:
            if any(px[3] != 255 for px in row):
                bad(skin, '%s: PNG used as a border or glyph carries alpha; use a mask row' % where)
                break


def corner_type(m, img):
    if m.section == 'BUTTON_HUGE' and m.key == 'BORDERSMASK':
        return 2
    l, t, r, b = m.rect
    iw = (r - l) // max(1, m.count)
    ih = (b - t) // (m.mask_type + 1)
    wl, wt, wr, wb = m.widths
    for (x0, x1) in ((l, l + wl), (l + iw - wr, l + iw)):
        for (y0, y1) in ((t, t + wt), (t + ih - wb, t + ih)):
            for y in range(y0, y1):
                for x in range(x0, x1):
                    if img[y][x][:3] == KEY:
                        return 1
    return 0


def resolve_mask(masks, sections, section, key, inherit=True, seen=None):
    """Like the manager's lookup: in the section, then along PARENTCLASS."""
    for m in masks:
        if m.section == section and m.key == key:
            return m
    if not inherit:
        return None
    entries = next((e for (n, e) in sections if n == section), None)
    if entries is None:
        return None
    parent = first(entries, 'PARENTCLASS')
    seen = seen or set()
    if parent and parent != '?' and parent != section and parent not in seen:
        seen.add(section)
        return resolve_mask(masks, sections, parent, key, True, seen)
    return None


def read_inherited(sections, section, key):
    seen = set()
    while section and section not in seen:
        seen.add(section)
        entries = next((e for (n, e) in sections if n == section), None)
        if entries is None:
            return None
        v = first(entries, key)
        if v is not None and v != '-1':
            return v
        section = first(entries, 'PARENTCLASS')
    return None


INT_KEYS = {'COLOR', 'HOTCOLOR', 'FONTCOLOR', 'HOTFONTCOLOR', 'TRANSPARENCY', 'HOTTRANSPARENCY',
            'GRADIENTPERCENT', 'HOTGRADIENTPERCENT', 'IMAGEPERCENT', 'HOTIMAGEPERCENT', 'STATES',
            'FADINGITERATIONS', 'GLOW', 'GLOWMARGIN', 'GCOL', 'HGCOL', 'GSIZE', 'HGSIZE',
            'TCLEFT', 'TCTOP', 'TCRIGHT', 'TCBOTTOM', 'HOTTCLEFT', 'HOTTCTOP', 'HOTTCRIGHT', 'HOTTCBOTTOM',
            'BORDERWIDTH', 'TITLEHEIGHT', 'MAXHEIGHT', 'FORMOFFSET', 'ALIGNOFFSET', 'CENTEROFFSET',
            'BORDERMODE', 'SHADOW1COLOR', 'SHADOW1OFFSET', 'SHADOW1BLUR', 'SHADOW1TRANSPARENCY', 'BISPACE',
            'BIVALIGN', 'BIRIGHT', 'BILEFT', 'BITOP', 'BORDERCOLOR', 'BIKEEPHUE', 'BICONCLOSEGLOW',
            'BICONMAXGLOW', 'BICONMINGLOW', 'BICONCLOSEGLOWMARGIN', 'BICONMAXGLOWMARGIN',
            'BICONMINGLOWMARGIN', 'AEROBLUR', 'EXTSHADOW'}
BOOL_KEYS = {'RESERVEDBOOLEAN', 'GIVEOWNFONT', 'SHOWFOCUS', 'FADINGENABLED'}


def check_values(sections, skin, bad):
    names = [n for n, _ in sections]
    for n in set(names):
        if names.count(n) > 1:
            bad(skin, 'section [%s] appears %d times' % (n, names.count(n)))
    for sec, entries in sections:
        if sec != sec.upper():
            bad(skin, 'section name [%s] is not upper case' % sec)
        keys = [k for k, _ in entries]
        for k in set(keys):
            if keys.count(k) > 1:
                bad(skin, '[%s] key %s appears %d times (only the first counts)' % (sec, k, keys.count(k)))
        for k, v in entries:
            if k != k.upper():
                bad(skin, '[%s] key %s is not upper case' % (sec, k))
            if k in INT_KEYS:
                try:
                    to_int_strict(v)
                except ValueError:
                    bad(skin, '[%s] %s=%s is not an integer' % (sec, k, v))
            if k in BOOL_KEYS and v not in ('0', '1'):
                bad(skin, '[%s] %s=%s is not 0 or 1' % (sec, k, v))
            if k in ('GRADIENTDATA', 'HOTGRADIENTDATA'):
                words = [w for w in v.split(';') if w != '']
                try:
                    nums = [to_int_strict(w) for w in words]
                except ValueError:
                    bad(skin, '[%s] %s=%s holds a non-number' % (sec, k, v))
                    continue
                if len(nums) < 5 or len(nums) % 5:
                    bad(skin, '[%s] %s: %d numbers, not groups of five' % (sec, k, len(nums)))
                elif nums[3] not in (0, 1, 2):
                    bad(skin, '[%s] %s: unknown layout %d' % (sec, k, nums[3]))
                pk = 'GRADIENTPERCENT' if k == 'GRADIENTDATA' else 'HOTGRADIENTPERCENT'
                if not first(entries, pk):
                    bad(skin, '[%s] %s without %s' % (sec, k, pk))
        parent = first(entries, 'PARENTCLASS')
        if parent is not None:
            if parent not in names:
                bad(skin, '[%s] PARENTCLASS=%s names no section' % (sec, parent))
            seen, cur = {sec}, parent
            while cur:
                if cur in seen:
                    bad(skin, '[%s] PARENTCLASS chain forms a cycle' % sec)
                    break
                seen.add(cur)
                e = next((e for (n, e) in sections if n == cur), None)
                cur = first(e, 'PARENTCLASS') if e else None
        states = read_inherited(sections, sec, 'STATES')
        if states is not None and sec != 'GLOBALINFO' and not (1 <= int(states) <= 4):
            bad(skin, '[%s] STATES=%s out of 1..4' % (sec, states))


def load_required(path):
    req = []
    with open(path) as f:
        for line in f:
            line = line.split('#', 1)[0].strip()
            if not line:
                continue
            words = line.split()
            sec = words[0]
            key = words[1] if len(words) > 1 and '=' not in words[1] and words[1] != 'noinherit' else None
            opts = words[2:] if key else words[1:]
            only = next((o.split('=', 1)[1] for o in opts if o.startswith('only=')), None)
            req.append((sec, key, 'noinherit' not in opts, only))
    return req


# Values that the rest of the program (and its tests) rely on.
def check_facts(skin, sections, masks, gi, bad):
    def mask(sec, key):
        return next((m for m in masks if m.section == sec and m.key == key), None)

    def sec_value(sec, key):
        e = next((e for (n, e) in sections if n == sec), None)
        return first(e, key) if e is not None else None

    def expect(cond, text):
        if not cond:
            bad(skin, text)
    if skin == 'Flatline':
        for key in ('BICONCLOSE', 'BICLOSEALONE'):
            m = mask('GLOBALINFO', key)
            expect(m and m.rect == (1, 37, 64, 79) and m.count == 3 and m.mask_type == 1,
                   '%s must be (1, 37)-(64, 79), three images with a mask row' % key)
        expect(gi.get('BIRIGHT') == '5' and gi.get('BISPACE') == '1', 'BIRIGHT 5 and BISPACE 1 expected')
        expect(not any(k.startswith('BICON') and 'GLOW' in k for k in gi), 'Flatline has no caption glow keys')
        expect(sec_value('TARNWICKCOMBOBOX', 'STATES') == '1', 'TARNWICKCOMBOBOX must have one state')
        expect(sec_value('FORM', 'STATES') == '1', 'FORM must have one state')
        expect('ICOLINE' not in [n for n, _ in sections], 'Flatline has no ICOLINE section')
        expect(sec_value('SCROLLBTNLEFT', 'RESERVEDBOOLEAN') in (None, '0'), 'no RESERVEDBOOLEAN in SCROLLBTNLEFT')
        expect(gi.get('FONTCOLOR') == '0', 'global font colour must be black')
    else:
        m = mask('GLOBALINFO', 'BICONCLOSE')
        expect(m and m.rect == (52, 21, 100, 32) and m.count == 3 and m.mask_type == 0,
               'BICONCLOSE must be (52, 21)-(100, 32), three images, no mask row')
        expect(mask('GLOBALINFO', 'BICLOSEALONE') is None, 'MetroUI has no BICLOSEALONE')
        expect(gi.get('BIRIGHT') == '5' and gi.get('BISPACE') == '5', 'BIRIGHT and BISPACE 5 expected')
        for k in ('CLOSE', 'MAX', 'MIN', 'NORM'):
            g = mask('GLOBALINFO', 'BICON%sGLOW0' % k)
            expect(g is not None and g.source.upper() == '%s.PNG' % k and g.rect == (0, 0, 24, 18),
                   'BICON%sGLOW0 must be the 24 x 18 picture %s.PNG' % (k, k))
        for k in ('CLOSE', 'MAX', 'MIN'):
            expect(gi.get('BICON%sGLOWMARGIN' % k) == '4', 'glow margin 4 expected for %s' % k)
            expect(int(gi.get('BICON%sGLOW' % k, '0')) > 0, 'glow size expected for %s' % k)
        expect(gi.get('BICONCLOSEGLOW0') == '!CLOSE.PNG!1!0!4!0000!0000!0000!0000!0', 'close glow value')
        expect(gi.get('BOXCHECKED') == '@0026@0011@0039@0024@1@0', 'BOXCHECKED value')
        expect(sec_value('EDIT', 'BORDERSMASK') == '^0051^0004^0057^0007^0001^0001^0001^0001^2^0^1^1',
               'EDIT border value')
        expect(sec_value('EDIT', 'STATES') == '2', 'EDIT must have two states')
        expect(sec_value('FORM', 'STATES') == '2', 'FORM must have two states')
        expect('ICOLINE' in [n for n, _ in sections], 'MetroUI has an ICOLINE section')
        expect(sec_value('SCROLLBTNLEFT', 'RESERVEDBOOLEAN') == '1', 'RESERVEDBOOLEAN expected in SCROLLBTNLEFT')
        b = mask('SCROLLBTNTOP', 'BORDERSMASK')
        expect(b is not None and (b.rect[3] - b.rect[1]) // (b.mask_type + 1) == 26,
               'SCROLLBTNTOP image must be 26 pixels high')
    expect(mask('DIVIDERV', 'BORDERSMASK') is not None, 'DIVIDERV border mask expected')


def check_skin(folder, skin, required, bad, verbose):
    members = sorted(os.listdir(folder))
    want = MEMBERS[skin]
    if want is None:
        if len(members) != 5 or 'Options.dat' not in members:
            bad(skin, 'expected five members with Options.dat, found %s' % members)
    elif sorted(want) != members:
        bad(skin, 'members %s, expected %s' % (members, sorted(want)))
    with open(os.path.join(folder, 'Options.dat'), 'rb') as f:
        sections = parse_description(f.read(), skin, bad)
    if not sections or sections[0][0] != 'GLOBALINFO':
        bad(skin, 'the description must start with [GLOBALINFO]')
    gi = {}
    for k, v in next((e for (n, e) in sections if n == 'GLOBALINFO'), []):
        gi.setdefault(k, v)
    if gi.get('VERSION') != VERSION[skin]:
        bad(skin, 'VERSION %s, expected %s' % (gi.get('VERSION'), VERSION[skin]))
    for k in ('SHADOW1OFFSET', 'SHADOW1BLUR', 'SHADOW1TRANSPARENCY', 'BICONCLOSEGLOW', 'BICONMAXGLOW',
              'BICONMINGLOW', 'BICONCLOSEGLOWMARGIN', 'BICONMAXGLOWMARGIN', 'BICONMINGLOWMARGIN'):
        if k in gi:
            try:
                to_int_strict(gi[k])
            except ValueError:
                bad(skin, '[GLOBALINFO] %s must be an integer' % k)
    master_name = gi.get('MASTERBITMAP', '')
    master_member = next((m for m in members if m.upper() == master_name), None)
    if master_member is None:
        bad(skin, 'MASTERBITMAP=%s finds no member (names compare upper-cased)' % master_name)
        return
    images = {'MASTER': read_image(os.path.join(folder, master_member))}
    check_values(sections, skin, bad)
    masks = parse_masks(sections, members, skin, bad)
    used = {'Options.dat', master_member}
    for m in masks:
        if m.source != 'MASTER':
            used.add(m.source)
            if m.source not in images:
                images[m.source] = read_image(os.path.join(folder, m.source))
        check_mask_geometry(m, images[m.source], skin, bad)
    for mem in members:
        if mem not in used:
            bad(skin, 'member %s is named by no value' % mem)
    # Pieces of the master bitmap must not overlap (one place per picture).
    rects = sorted({m.rect for m in masks if m.source == 'MASTER'})
    for i, a in enumerate(rects):
        for b in rects[i + 1:]:
            if a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]:
                bad(skin, 'master rectangles %s and %s overlap' % (a, b))
    for sec, key, inherit, only in required:
        if only and only != skin:
            continue
        if not any(n == sec for n, _ in sections):
            bad(skin, 'required section [%s] is missing' % sec)
            continue
        if key and resolve_mask(masks, sections, sec, key, inherit) is None:
            bad(skin, 'required image [%s] %s does not resolve' % (sec, key))
    check_facts(skin, sections, masks, gi, bad)
    if verbose:
        syntaxes = sorted({m.rule for m in masks})
        print('%s: %d sections, %d images, syntaxes %s, with mask row %d, without %d' % (
            skin, len(sections), len(masks), ' '.join(syntaxes),
            sum(1 for m in masks if m.mask_type), sum(1 for m in masks if not m.mask_type)))
        for m in masks:
            if m.rule in ('^', '#', 'BMP') or (m.rule == '!' and m.img_type == 0):
                ct = corner_type(m, images[m.source])
                if ct:
                    print('  corner type %d: [%s] %s' % (ct, m.section, m.key))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    args = [a for a in sys.argv[1:] if not a.startswith('--')]
    root = args[0] if args else os.path.dirname(here)
    bad = Problems()
    required = load_required(os.path.join(os.path.dirname(here), 'required-keys.txt'))
    for skin in ('Flatline', 'MetroUI'):
        check_skin(os.path.join(root, skin), skin, required, bad, '--quiet' not in sys.argv)
    if '--determinism' in sys.argv:
        with tempfile.TemporaryDirectory() as t:
            for run in ('a', 'b'):
                subprocess.check_call([sys.executable, os.path.join(here, 'make_skins.py'), '--out',
                                       os.path.join(t, run)], stdout=subprocess.DEVNULL)
            for skin in ('Flatline', 'MetroUI'):
                names = sorted(os.listdir(os.path.join(t, 'a', skin)))
                for n in names:
                    for other in (os.path.join(t, 'b', skin, n), os.path.join(root, skin, n)):
                        if not os.path.exists(other) or not filecmp.cmp(os.path.join(t, 'a', skin, n), other,
                                                                        shallow=False):
                            bad(skin, 'regenerating gives different bytes for %s' % other)
    for p in bad.items:
        print('PROBLEM ' + p)
    print('%d problem(s)' % len(bad.items))
    return 1 if bad.items else 0


if __name__ == '__main__':
    sys.exit(main())
