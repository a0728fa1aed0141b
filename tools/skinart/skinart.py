#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""skinart: draws the bitmaps of the program's skin.

Remake them (from the repository root) with

    python3 tools/skinart/skinart.py assets/skin

The INI description (assets/skin/Lirem3_Numero.ini) and the entry order
(assets/skin/entries.lst) are hand-written; this script checks their sizes too.
Standard library only. Every bitmap is written with its fixed pixel size and bit
depth; magenta (255, 0, 255) marks pixels that must stay see-through, including
the rounded outer corners of the window frame, which give the window its shape.

Look: a flat blue frame and title bar (highlight 64 112 176) with a thin dark
outline and a lighter rim, white caption glyphs, light controls on the grey
button face (207 207 207) with blue accents.
"""

import os
import struct
import sys

MAGENTA = (255, 0, 255)
FACE = (207, 207, 207)
BLUE = (64, 112, 176)
WHITE = (255, 255, 255)

# Frame metrics of the window (left, title, right, bottom) and outer corner radii.
LEFT_W, TITLE_H, RIGHT_W, BOTTOM_H = 10, 33, 12, 13
RADIUS_TOP, RADIUS_BOTTOM = 8, 4

# Frame colours: active and inactive.
FRAME = {
    True: dict(outline=(30, 58, 100), rim=(112, 156, 214), body=BLUE, inner=(38, 72, 124),
               title_top=(104, 150, 212), title_mid=(74, 122, 186)),
    False: dict(outline=(92, 100, 114), rim=(168, 176, 190), body=(124, 134, 150), inner=(96, 104, 118),
                title_top=(152, 160, 174), title_mid=(132, 142, 158)),
}

SS = 4  # subsamples per axis for anti-aliasing


# --------------------------------------------------------------------------- helpers

def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def clamp(v, lo, hi):
    return lo if v < lo else hi if v > hi else v


def rounded_rect_sdf(px, py, x0, y0, x1, y1, r_top, r_bottom=None):
    """Signed distance to a rectangle with rounded corners (negative inside)."""
    if r_bottom is None:
        r_bottom = r_top
    r = r_top if py < (y0 + y1) / 2 else r_bottom
    cx = clamp(px, x0 + r, x1 - r)
    cy = clamp(py, y0 + r, y1 - r)
    dx, dy = px - cx, py - cy
    if r > 0 and (dx != 0 or dy != 0) and abs(dx) > 0 and abs(dy) > 0:
        return (dx * dx + dy * dy) ** 0.5 - r
    # Straight part: distance to the nearest side (negative inside).
    inside = -min(px - x0, x1 - px, py - y0, y1 - py)
    if px < x0 or px > x1 or py < y0 or py > y1:
        ox = max(x0 - px, 0, px - x1)
        oy = max(y0 - py, 0, py - y1)
        return (ox * ox + oy * oy) ** 0.5
    return inside


def subsamples(x, y):
    for j in range(SS):
        for i in range(SS):
            yield x + (i + 0.5) / SS, y + (j + 0.5) / SS


class Canvas:
    def __init__(self, w, h, fill=MAGENTA):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def blit(self, src, dx, dy):
        for y in range(src.h):
            for x in range(src.w):
                self.set(dx + x, dy + y, src.px[y][x])

    def crop(self, x0, y0, w, h):
        out = Canvas(w, h)
        for y in range(h):
            for x in range(w):
                out.px[y][x] = self.px[y0 + y][x0 + x]
        return out

    def paint(self, shape, colour, backdrop=None, ox=0, oy=0):
        """Fills the pixels covered by `shape(px, py) -> bool` with colour(px, py)
        (or a constant), anti-aliased. Partly covered pixels blend with what is
        there; over magenta they blend with `backdrop(y)` instead (the colour the
        pixel will be seen against)."""
        col = colour if callable(colour) else (lambda px, py, c=colour: c)
        for y in range(self.h):
            for x in range(self.w):
                n = 0
                acc = [0.0, 0.0, 0.0]
                for sx, sy in subsamples(x - ox, y - oy):
                    if shape(sx, sy):
                        c = col(sx, sy)
                        n += 1
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                if n == 0:
                    continue
                cover = n / (SS * SS)
                fg = tuple(int(round(a / n)) for a in acc)
                under = self.px[y][x]
                if under == MAGENTA:
                    if backdrop is None:
                        self.px[y][x] = fg if cover >= 0.5 else MAGENTA
                        continue
                    under = backdrop(y)
                self.px[y][x] = mix(under, fg, cover)


# --------------------------------------------------------------------------- BMP files

def _headers(w, h, bpp, palette_entries, stride):
    image = stride * h
    offset = 14 + 40 + 4 * palette_entries
    file_header = struct.pack('<2sIHHI', b'BM', offset + image, 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, image, 3780, 3780, 0, 0)
    return file_header + info


def write_bmp24(path, c):
    stride = (c.w * 3 + 3) // 4 * 4
    rows = []
    for y in range(c.h - 1, -1, -1):
        row = bytearray()
        for (r, g, b) in c.px[y]:
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    with open(path, 'wb') as f:
        f.write(_headers(c.w, c.h, 24, 0, stride) + b''.join(rows))


def _palette(c, limit):
    counts = {}
    for row in c.px:
        for p in row:
            counts[p] = counts.get(p, 0) + 1
    colours = sorted(counts, key=lambda p: (-counts[p], p))
    if len(colours) > limit:
        keep = colours[:limit]
        if MAGENTA in counts and MAGENTA not in keep:
            keep[-1] = MAGENTA
        colours = keep
    index = {p: i for i, p in enumerate(colours)}

    def lookup(p):
        if p in index:
            return index[p]
        best = min(range(len(colours)), key=lambda i: sum((colours[i][k] - p[k]) ** 2 for k in range(3)))
        index[p] = best
        return best
    return colours, lookup


def write_bmp_indexed(path, c, bpp):
    limit = 1 << bpp
    colours, lookup = _palette(c, limit)
    stride = (c.w * bpp + 31) // 32 * 4
    rows = []
    for y in range(c.h - 1, -1, -1):
        idx = [lookup(p) for p in c.px[y]]
        row = bytearray()
        if bpp == 8:
            row += bytes(idx)
        else:  # 4 bits, high nibble first
            for i in range(0, len(idx), 2):
                hi = idx[i]
                lo = idx[i + 1] if i + 1 < len(idx) else 0
                row.append(hi << 4 | lo)
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pal = b''.join(bytes((b, g, r, 0)) for (r, g, b) in colours)
    pal += bytes(4 * limit - len(pal))
    with open(path, 'wb') as f:
        f.write(_headers(c.w, c.h, bpp, limit, stride) + pal + b''.join(rows))


# --------------------------------------------------------------------------- the window frame

def title_colour(y, active):
    """Title bar body colour of row y (vertical gradient, lighter at the top)."""
    f = FRAME[active]
    if y < 16:
        return mix(f['title_top'], f['title_mid'], y / 16)
    return mix(f['title_mid'], f['body'], min((y - 16) / 15, 1.0))


def frame_colour(px, py, w, h, active):
    f = FRAME[active]
    depth = -rounded_rect_sdf(px, py, 0, 0, w, h, RADIUS_TOP, RADIUS_BOTTOM)
    if depth < 1:
        return f['outline']
    if depth < 2:
        return f['rim']
    # The line that frames the client area.
    cl, ct, cr, cb = LEFT_W, TITLE_H, w - RIGHT_W, h - BOTTOM_H
    if (cl - 1 <= px < cr + 1) and (ct - 1 <= py < cb + 1):
        if px < cl or px >= cr or py < ct or py >= cb:
            return f['inner']
        return FACE
    if py < TITLE_H:
        return title_colour(int(py), active)
    return f['body']


def render_window(w, h, active):
    """A whole window frame; the pieces of the skin are cut from it."""
    c = Canvas(w, h)
    c.paint(lambda px, py: rounded_rect_sdf(px, py, 0, 0, w, h, RADIUS_TOP, RADIUS_BOTTOM) < 0,
            lambda px, py: frame_colour(px, py, w, h, active))
    return c


VW, VH = 400, 200  # the window the pieces are cut from


def stack_vertical(a, b):
    out = Canvas(a.w, a.h + b.h)
    out.blit(a, 0, 0)
    out.blit(b, 0, a.h)
    return out


def side_by_side(a, b):
    out = Canvas(a.w + b.w, a.h)
    out.blit(a, 0, 0)
    out.blit(b, a.w, 0)
    return out


def side_piece(win, x0, width, middle):
    """A side border: the title part, `middle` rows of the plain side, the bottom corner."""
    out = Canvas(width, TITLE_H + middle + BOTTOM_H)
    out.blit(win.crop(x0, 0, width, TITLE_H), 0, 0)
    out.blit(win.crop(x0, 80, width, middle), 0, TITLE_H)
    out.blit(win.crop(x0, VH - BOTTOM_H, width, BOTTOM_H), 0, TITLE_H + middle)
    return out


def top_piece(win):
    """179 wide: 76 fixed at the left, 19 to tile, 84 fixed at the right."""
    out = Canvas(179, TITLE_H)
    out.blit(win.crop(LEFT_W, 0, 76, TITLE_H), 0, 0)
    out.blit(win.crop(200, 0, 19, TITLE_H), 76, 0)
    out.blit(win.crop(VW - RIGHT_W - 84, 0, 84, TITLE_H), 95, 0)
    return out


# --------------------------------------------------------------------------- caption buttons

BUTTON_TOP = 4  # the caption buttons sit 4 pixels below the window top


def caption_button(kind):
    """57 x 20: normal, pressed, hot; each 19 x 20, see-through around the glyph."""
    out = Canvas(57, 20)
    hot = (196, 52, 40) if kind == 'close' else (108, 154, 214)
    pressed = (150, 34, 26) if kind == 'close' else (42, 80, 136)
    for frame, fill in ((0, None), (1, pressed), (2, hot)):
        cell = Canvas(19, 20)
        backdrop = (lambda y: title_colour(y + BUTTON_TOP, True))
        if fill is not None:
            cell.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, 18, 19, 3) < 0, fill, backdrop)
            under = (lambda y, f=fill: f)
        else:
            # The normal frame is drawn on the active and on the inactive caption:
            # its glyph has no edge pixels blended with either caption colour.
            under = None
        draw_glyph(cell, kind, under)
        out.blit(cell, frame * 19, 0)
    return out


def draw_glyph(cell, kind, backdrop):
    def box(x0, y0, x1, y1):  # 1-pixel outline of the pixel box x0..x1, y0..y1
        return lambda px, py: (x0 <= px < x1 + 1 and y0 <= py < y1 + 1) and not (
            x0 + 1 <= px < x1 and y0 + 1 <= py < y1)

    if kind == 'min':
        shape = lambda px, py: 5 <= px < 14 and 10 <= py < 11
    elif kind == 'max':
        shape = box(5, 5, 13, 13)
    elif kind == 'restore':
        back = box(7, 5, 13, 11)
        front = box(5, 7, 11, 13)
        shape = lambda px, py: front(px, py) or (back(px, py) and not (5 <= px < 12 and 7 <= py < 14))
    elif backdrop is None:  # close, drawn on any caption: two diagonals of whole pixels, two wide
        def shape(px, py):
            x, y = int(px), int(py)
            return 5 <= x <= 14 and 5 <= y <= 14 and (x - y in (0, 1) or x + y in (18, 19))
    else:  # close: two diagonals
        def shape(px, py):
            if not (4.6 <= px <= 14.4 and 4.6 <= py <= 14.4):
                return False
            d1 = abs((px - 4.5) - (py - 4.5)) / 1.4142
            d2 = abs((px - 4.5) + (py - 4.5) - 10) / 1.4142
            return min(d1, d2) < 0.7
    cell.paint(shape, WHITE, backdrop)


# --------------------------------------------------------------------------- controls

def vgrad(top, bottom, y0, y1):
    return lambda px, py: mix(top, bottom, clamp((py - y0) / max(y1 - y0, 1), 0, 1))


def push_button_frame(border, top, bottom, w=72, h=24, accent=None):
    c = Canvas(w, h)
    on_face = lambda y: FACE
    c.paint(lambda px, py: rounded_rect_sdf(px, py, 0, 0, w, h, 4) < 0, border, on_face)
    c.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, w - 1, h - 1, 3) < 0, vgrad(top, bottom, 1, h - 1))
    if accent is not None:  # a second ring inside the border
        c.paint(lambda px, py: -1 < rounded_rect_sdf(px, py, 1, 1, w - 1, h - 1, 3) < 0, accent)
    # A light line under the top edge.
    c.paint(lambda px, py: 2 <= py < 3 and 3 <= px < w - 3, mix(top, WHITE, 0.6))
    return c


def buttons_image():
    frames = [
        push_button_frame((150, 150, 150), (247, 247, 247), (224, 224, 224)),             # normal
        push_button_frame((104, 104, 104), (196, 196, 196), (214, 214, 214)),             # pressed
        push_button_frame((182, 182, 182), (224, 224, 224), (222, 222, 222)),             # disabled
        push_button_frame(BLUE, (242, 247, 253), (214, 228, 246)),                        # hot / focused
        push_button_frame(BLUE, (247, 247, 247), (224, 224, 224), accent=(150, 182, 222)),  # default
    ]
    out = Canvas(360, 24)
    for i, f in enumerate(frames):
        out.blit(f, i * 72, 0)
    return out


def check_cell(state):
    c = Canvas(12, 12)
    on_face = lambda y: FACE
    border = {'off': (128, 128, 128), 'on': (40, 80, 138), 'disabled': (178, 178, 178), 'grey': (128, 128, 128)}[state]
    fill = {'off': vgrad(WHITE, (236, 236, 236), 0, 12), 'on': vgrad((86, 136, 200), (56, 102, 166), 0, 12),
            'disabled': (226, 226, 226), 'grey': vgrad(WHITE, (236, 236, 236), 0, 12)}[state]
    c.paint(lambda px, py: rounded_rect_sdf(px, py, 0, 0, 12, 12, 2.5) < 0, border, on_face)
    c.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, 11, 11, 1.5) < 0, fill)
    if state == 'on':
        def tick(px, py):
            def seg(ax, ay, bx, by):
                vx, vy = bx - ax, by - ay
                t = clamp(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0, 1)
                return ((px - ax - t * vx) ** 2 + (py - ay - t * vy) ** 2) ** 0.5
            return min(seg(2.8, 6.2, 5.0, 8.4), seg(5.0, 8.4, 9.3, 3.6)) < 0.85
        c.paint(tick, WHITE)
    if state == 'grey':
        c.paint(lambda px, py: 3 <= px < 9 and 3 <= py < 9, BLUE)
    return c


def radio_cell(state):
    c = Canvas(12, 12)
    on_face = lambda y: FACE
    circle = lambda r: (lambda px, py: ((px - 6) ** 2 + (py - 6) ** 2) ** 0.5 < r)
    if state in ('off', 'on'):
        c.paint(circle(6), (128, 128, 128) if state == 'off' else (40, 80, 138), on_face)
        inner = vgrad(WHITE, (236, 236, 236), 0, 12) if state == 'off' else vgrad((86, 136, 200), (56, 102, 166), 0, 12)
        c.paint(circle(5), inner)
        if state == 'on':
            c.paint(circle(2.3), WHITE)
    else:
        c.paint(circle(6), (178, 178, 178), on_face)
        c.paint(circle(5), (226, 226, 226))
        if state == 'disabled_on':
            c.paint(circle(2.3), (160, 160, 160))
    return c


def glyph_strip(cells):
    out = Canvas(12 * len(cells), 12)
    for i, cell in enumerate(cells):
        out.blit(cell, i * 12, 0)
    return out


def progress_image():
    out = Canvas(182, 13)
    on_face = lambda y: FACE
    track = Canvas(91, 13)
    track.paint(lambda px, py: rounded_rect_sdf(px, py, 0, 0, 91, 13, 4) < 0, (150, 150, 150), on_face)
    track.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, 90, 12, 3) < 0, vgrad((222, 222, 222), (242, 242, 242), 1, 12))
    bar = Canvas(91, 13)
    bar.paint(lambda px, py: rounded_rect_sdf(px, py, 0, 0, 91, 13, 4) < 0, (40, 80, 138), on_face)
    bar.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, 90, 12, 3) < 0, vgrad((112, 160, 220), (56, 102, 166), 1, 12))
    bar.paint(lambda px, py: 2 <= py < 3 and 4 <= px < 87, (150, 190, 236))
    out.blit(track, 0, 0)
    out.blit(bar, 91, 0)
    return out


def tab_border_image():
    c = Canvas(29, 28, FACE)
    line = (150, 150, 150)
    for x in range(29):
        c.set(x, 0, line)
        c.set(x, 27, line)
    for y in range(28):
        c.set(0, y, line)
        c.set(28, y, line)
    return c


def tab_frame(fill, border, accent=None, open_bottom=False):
    c = Canvas(55, 22)
    on_face = lambda y: FACE
    shape = lambda px, py: rounded_rect_sdf(px, py, 0, 0, 55, 26, 4) < 0 and py < 22
    c.paint(shape, border, on_face)
    inner = lambda px, py: rounded_rect_sdf(px, py, 1, 1, 54, 26, 3) < 0 and py < (22 if open_bottom else 21)
    c.paint(inner, fill)
    if accent is not None:
        c.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, 54, 26, 3) < 0 and py < 3, accent)
    return c


def tabs_image():
    frames = [
        tab_frame(vgrad((222, 222, 222), (198, 198, 198), 1, 21), (150, 150, 150)),           # other tabs
        tab_frame(FACE, (150, 150, 150), accent=BLUE, open_bottom=True),                      # focused tab
        tab_frame(vgrad((236, 242, 250), (212, 222, 236), 1, 21), (150, 150, 150)),           # hot
        tab_frame((214, 214, 214), (182, 182, 182)),                                          # disabled
        tab_frame(FACE, (150, 150, 150), accent=(108, 154, 214), open_bottom=True),           # focused, hot
    ]
    out = Canvas(275, 22)
    for i, f in enumerate(frames):
        out.blit(f, i * 55, 0)
    return out


def toolbar_image():
    out = Canvas(275, 22)
    looks = [(None, None), ((104, 104, 104), (198, 198, 198)), (None, None),
             (BLUE, (226, 236, 248)), ((120, 140, 170), (216, 224, 236))]
    for i, (border, fill) in enumerate(looks):
        cell = Canvas(55, 22, FACE)
        if border is not None:
            cell.paint(lambda px, py: rounded_rect_sdf(px, py, 0, 0, 55, 22, 3) < 0, border)
            cell.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, 54, 21, 2) < 0, fill)
        out.blit(cell, i * 55, 0)
    return out


def scroll_track(vertical):
    out = Canvas(64, 16)
    fills = [(238, 238, 238), (214, 214, 214), (228, 228, 228), (244, 244, 244)]
    for i, fill in enumerate(fills):
        cell = Canvas(16, 16, fill)
        for k in range(16):
            for edge in (0, 15):
                if vertical:
                    cell.set(edge, k, (200, 200, 200))
                else:
                    cell.set(k, edge, (200, 200, 200))
        out.blit(cell, i * 16, 0)
    return out


def scroll_thumb():
    out = Canvas(48, 16)
    on_track = lambda y: (238, 238, 238)
    for i, fill in enumerate([(176, 176, 176), (120, 120, 120), (150, 150, 150)]):
        cell = Canvas(16, 16)
        cell.paint(lambda px, py: rounded_rect_sdf(px, py, 1, 1, 15, 15, 3) < 0, fill, on_track)
        out.blit(cell, i * 16, 0)
    return out


def menu_image():
    a = Canvas(70, 18)
    a.paint(lambda px, py: True, vgrad((236, 236, 236), (214, 214, 214), 0, 17))
    b = Canvas(70, 18, (218, 218, 218))
    for x in range(70):
        a.set(x, 17, (176, 176, 176))
        b.set(x, 17, (190, 190, 190))
    return stack_vertical(a, b)


def dialog_image():
    """A small dialog in the skin's look (listed by the INI, not read)."""
    win = render_window(150, 150, True)
    ok = push_button_frame((150, 150, 150), (247, 247, 247), (224, 224, 224), w=56, h=22)
    for y in range(ok.h):
        for x in range(ok.w):
            p = ok.px[y][x]
            win.set(80 + x, 112 + y, FACE if p == MAGENTA else p)
    for y in range(8, 26):  # the caption buttons
        pass
    close = caption_button('close').crop(0, 0, 19, 20)
    for y in range(20):
        for x in range(19):
            p = close.px[y][x]
            if p != MAGENTA:
                win.set(150 - 23 + x, BUTTON_TOP + y, p)
    # A text line and a check box on the face.
    for x in range(22, 120):
        if x % 7 < 5:
            win.set(x, 60, (80, 80, 80))
            win.set(x, 61, (80, 80, 80))
    box = check_cell('on')
    for y in range(12):
        for x in range(12):
            p = box.px[y][x]
            win.set(22 + x, 82 + y, FACE if p == MAGENTA else p)
    return win


# --------------------------------------------------------------------------- main

EXPECTED = {
    'top.bmp': 12958, 'bottom.bmp': 950, 'left.bmp': 2238, 'right.bmp': 2422, 'menu.bmp': 3670,
    'Dialog.bmp': 23878, 'button.bmp': 25974, 'checkbox.bmp': 1782, 'radio.bmp': 1782, 'progress.bmp': 7178,
    'tabborder.bmp': 2518, 'tabs.bmp': 18270, 'scrollhz.bmp': 3126, 'scrollvt.bmp': 3126, 'scrollhb.bmp': 2358,
    'scrollvb.bmp': 2358, 'toolbar.bmp': 18270, 'min.bmp': 2278, 'max.bmp': 2278, 'close.bmp': 2278,
    'restore.bmp': 2278, 'Lirem3_Numero.ini': 3738,
}


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    p = lambda name: os.path.join(out, name)

    active, inactive = render_window(VW, VH, True), render_window(VW, VH, False)
    write_bmp_indexed(p('top.bmp'), stack_vertical(top_piece(active), top_piece(inactive)), 8)
    bottom = lambda w: w.crop(100, VH - BOTTOM_H, 57, BOTTOM_H)
    write_bmp_indexed(p('bottom.bmp'), stack_vertical(bottom(active), bottom(inactive)), 4)
    write_bmp_indexed(p('left.bmp'), side_by_side(side_piece(active, 0, LEFT_W, 12),
                                                  side_piece(inactive, 0, LEFT_W, 12)), 8)
    write_bmp_indexed(p('right.bmp'), side_by_side(side_piece(active, VW - RIGHT_W, RIGHT_W, 10),
                                                   side_piece(inactive, VW - RIGHT_W, RIGHT_W, 10)), 8)
    write_bmp_indexed(p('menu.bmp'), menu_image(), 8)
    write_bmp_indexed(p('Dialog.bmp'), dialog_image(), 8)
    write_bmp24(p('button.bmp'), buttons_image())
    write_bmp24(p('checkbox.bmp'), glyph_strip([check_cell(s) for s in ('off', 'on', 'disabled', 'grey')]))
    write_bmp24(p('radio.bmp'), glyph_strip([radio_cell(s) for s in ('off', 'on', 'disabled', 'disabled_on')]))
    write_bmp24(p('progress.bmp'), progress_image())
    write_bmp24(p('tabborder.bmp'), tab_border_image())
    write_bmp24(p('tabs.bmp'), tabs_image())
    write_bmp24(p('scrollhz.bmp'), scroll_track(False))
    write_bmp24(p('scrollvt.bmp'), scroll_track(True))
    write_bmp24(p('scrollhb.bmp'), scroll_thumb())
    write_bmp24(p('scrollvb.bmp'), scroll_thumb())
    write_bmp24(p('toolbar.bmp'), toolbar_image())
    for kind in ('min', 'max', 'close', 'restore'):
        write_bmp_indexed(p(kind + '.bmp'), caption_button(kind), 8)

    total, ok = 0, True
    for name, size in EXPECTED.items():
        path = p(name)
        actual = os.path.getsize(path) if os.path.exists(path) else -1
        total += max(actual, 0)
        if actual != size:
            ok = False
            print(f'{name}: {actual} bytes, expected {size}', file=sys.stderr)
    print(f'{len(EXPECTED)} entries, {total} bytes' + ('' if ok else ' (sizes differ)'))
    return 0 if ok else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv))
