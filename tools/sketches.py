#!/usr/bin/env python3
"""Draws the dimension sketch of each connection type, web/sketches/<type>.svg, labelled with
the symbols of its dialogue: plain schematic drawings of ZORPI's own, for the page's help and
the printed record. Lines take the text's colour (currentColor); dimension lines end in ticks,
so that a drawing needs no ids and may stand twice in one page.

Usage: tools/sketches.py   (then commit web/sketches/)
"""
import math
import os


# Every drawing is this big, in its own units.
W, H = 260, 170


def head(name):
    """The drawing's frame: its size, the colour of the text around it, its name for a screen reader."""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {W} {H}" class="skizze" '
            f'role="img" aria-label="Maßskizze {name}" fill="none" stroke="currentColor" '
            f'stroke-width="1.2" font-family="sans-serif" font-size="11">\n')


def f(x):
    """A coordinate, in whole units: the page keeps the drawings small."""
    return str(round(x))


def text(x, y, s, anchor='middle', italic=True):
    """A label; the symbols in italics."""
    st = ' font-style="italic"' if italic else ''
    return f'<text x="{f(x)}" y="{f(y)}" text-anchor="{anchor}" fill="currentColor" stroke="none"{st}>{s}</text>\n'


def line(x1, y1, x2, y2, extra=''):
    return f'<path d="M{f(x1)} {f(y1)}L{f(x2)} {f(y2)}"{extra}/>\n'


def thin(x1, y1, x2, y2):
    """A dimension or extension line."""
    return line(x1, y1, x2, y2, ' stroke-width="0.6"')


def ticks(x, y):
    """The tick that ends a dimension line."""
    return f'<path d="M{f(x-3)} {f(y+3)}L{f(x+3)} {f(y-3)}" stroke-width="1.2"/>\n'


def hdim(x1, x2, y, label, above=True):
    """A horizontal dimension from x1 to x2, labelled."""
    out = thin(x1, y, x2, y) + ticks(x1, y) + ticks(x2, y)
    return out + text((x1+x2)/2, y-4 if above else y+12, label)


def vdim(x, y1, y2, label, side='right'):
    """A vertical dimension from y1 to y2, labelled."""
    out = thin(x, y1, x, y2) + ticks(x, y1) + ticks(x, y2)
    if side == 'right':
        return out + text(x+4, (y1+y2)/2+4, label, 'start')
    return out + text(x-4, (y1+y2)/2+4, label, 'end')


def arrow(x1, y1, x2, y2):
    """An arrow for a force."""
    a = math.atan2(y2-y1, x2-x1)
    s = 7
    p1 = (x2 - s*math.cos(a-0.35), y2 - s*math.sin(a-0.35))
    p2 = (x2 - s*math.cos(a+0.35), y2 - s*math.sin(a+0.35))
    return line(x1, y1, x2, y2) + f'<path d="M{f(x2)} {f(y2)}L{f(p1[0])} {f(p1[1])}L{f(p2[0])} {f(p2[1])}Z" fill="currentColor"/>\n'


def circle(cx, cy, r, extra=''):
    return f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}"{extra}/>\n'


# What is cut or solid is shaded lightly.
SHADE = ' fill="currentColor" fill-opacity="0.12"'


def rect(x, y, w, h, extra=''):
    return f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}"{extra}/>\n'


def poly(points, extra=''):
    return '<path d="M' + 'L'.join(f'{f(x)} {f(y)}' for x, y in points) + f'Z"{extra}/>\n'


def passfeder():
    s = head('Passfeder')
    cx, cy, r = 75, 95, 40
    s += circle(cx, cy, 60, ' stroke-width="0.8"') + text(cx-56, cy+58, 'Nabe', 'middle', False)
    s += circle(cx, cy, r, SHADE)
    s += rect(67, 45, 16, 20, SHADE)  # the key: 10 above the shaft, 10 in its keyway
    s += thin(35, cy, 35, 165) + thin(115, cy, 115, 165) + hdim(35, 115, 160, 'd')
    s += thin(83, 45, 98, 45) + thin(83, 65, 98, 65) + vdim(95, 45, 65, 'h')
    s += thin(67, 55, 46, 55) + thin(67, 65, 46, 65) + vdim(49, 55, 65, 't1', 'left')
    # side view
    s += rect(150, 78, 100, 36, SHADE) + rect(165, 68, 70, 16, SHADE)
    s += rect(160, 56, 80, 70, ' stroke-dasharray="4 3" stroke-width="0.8"')
    s += thin(165, 68, 165, 40) + thin(235, 68, 235, 40) + hdim(165, 235, 44, 'lt')
    return s + '</svg>\n'


def spline_section(cx, cy, inner, outer, count, width_deg, offset):
    """A shaft's section with `count` splines or teeth between `inner` and `outer`."""
    s = circle(cx, cy, inner, SHADE)
    for k in range(count):
        a = math.radians(offset + k * 360 / count)
        w = math.radians(width_deg) / 2
        pts = [(cx + inner*math.cos(a-w), cy + inner*math.sin(a-w)),
               (cx + outer*math.cos(a-w*0.9), cy + outer*math.sin(a-w*0.9)),
               (cx + outer*math.cos(a+w*0.9), cy + outer*math.sin(a+w*0.9)),
               (cx + inner*math.cos(a+w), cy + inner*math.sin(a+w))]
        s += poly(pts, SHADE)
    return s


def keilwelle():
    s = head('Keilwelle')
    cx, cy = 75, 88
    s += circle(cx, cy, 58, ' stroke-width="0.8"') + text(cx-46, cy-44, 'Nabe', 'middle', False)
    s += spline_section(cx, cy, 34, 46, 6, 24, 0)
    s += thin(cx-46, cy, cx-46, 165) + thin(cx+46, cy, cx+46, 165) + hdim(cx-46, cx+46, 160, 'd2')
    s += hdim(cx-34, cx+34, cy+8, 'd1')
    s += rect(150, 72, 100, 32, SHADE) + rect(160, 58, 80, 60, ' stroke-dasharray="4 3" stroke-width="0.8"')
    s += thin(160, 58, 160, 36) + thin(240, 58, 240, 36) + hdim(160, 240, 40, 'lt')
    return s + '</svg>\n'


def zahnwelle():
    s = head('Zahnwelle')
    cx, cy = 75, 88
    s += circle(cx, cy, 58, ' stroke-width="0.8"') + text(cx-46, cy-44, 'Nabe', 'middle', False)
    s += circle(cx, cy, 36, SHADE)
    for k in range(16):
        a = math.radians(k * 22.5)
        w = math.radians(9)
        s += poly([(cx + 36*math.cos(a-w), cy + 36*math.sin(a-w)), (cx + 44*math.cos(a), cy + 44*math.sin(a)),
                   (cx + 36*math.cos(a+w), cy + 36*math.sin(a+w))], SHADE)
    s += thin(cx-44, cy, cx-44, 165) + thin(cx+44, cy, cx+44, 165) + hdim(cx-44, cx+44, 160, 'd3')
    s += hdim(cx-36, cx+36, cy+8, 'd2')
    s += rect(150, 72, 100, 32, SHADE) + rect(160, 58, 80, 60, ' stroke-dasharray="4 3" stroke-width="0.8"')
    s += thin(160, 58, 160, 36) + thin(240, 58, 240, 36) + hdim(160, 240, 40, 'lt')
    return s + '</svg>\n'


def profile(cx, cy, mean, bulge, lobes, steps=48):
    """A polygon profile: a circle of radius `mean` with `lobes` bulges of `bulge`."""
    pts = []
    for k in range(steps):
        t = 2 * math.pi * k / steps
        r = mean + bulge * math.cos(lobes * t)
        pts.append((cx + r * math.sin(t), cy - r * math.cos(t)))
    # A curve this round takes a decimal more than the rest.
    return '<path d="M' + 'L'.join('%.1f %.1f' % point for point in pts) + f'Z"{SHADE}/>\n'


def polygon():
    s = head('Polygon')
    cx, cy = 65, 85
    s += profile(cx, cy, 40, 5, 3) + circle(cx, cy, 40, ' stroke-dasharray="3 3" stroke-width="0.6"')
    s += text(cx, 18, 'P3G', 'middle', False)
    s += thin(cx-40, cy, cx-40, 160) + thin(cx+40, cy, cx+40, 160) + hdim(cx-40, cx+40, 156, 'd1')
    s += thin(cx, cy-45, cx+28, cy-45) + thin(cx, cy-40, cx+28, cy-40) + vdim(cx+25, cy-45, cy-40, 'e1')
    cx2 = 195
    # P4C: a square with rounded corners of radius er, its flats d2 apart
    half, er = 34, 12
    s += (f'<rect x="{cx2-half}" y="{cy-half}" width="{2*half}" height="{2*half}" rx="{er}"{SHADE}/>\n')
    s += text(cx2, 18, 'P4C', 'middle', False)
    s += thin(cx2-half, cy, cx2-half, 160) + thin(cx2+half, cy, cx2+half, 160) + hdim(cx2-half, cx2+half, 156, 'd2')
    s += circle(cx2, cy, half + 8, ' stroke-dasharray="3 3" stroke-width="0.6"')
    s += thin(cx2, cy-half, cx2-30, cy-half) + thin(cx2, cy-half-8, cx2-30, cy-half-8) + vdim(cx2-27, cy-half-8, cy-half, 'e', 'left')
    ex, ey = cx2 + half - er, cy + half - er
    s += thin(ex, ey, ex + er*0.707, ey + er*0.707) + text(ex + er + 4, ey + er + 6, 'er', 'start')
    return s + '</svg>\n'


def kegel():
    s = head('Kegel')
    ax = 85
    # the taper on the shaft: D at x 40, d at x 170; the hub pressed onto it
    s += poly([(40, ax-40), (170, ax-27), (170, ax+27), (40, ax+40)], SHADE)
    s += poly([(55, ax-58), (150, ax-58), (150, ax-29), (55, ax-38.5)], ' stroke-width="0.9"')
    s += poly([(55, ax+38.5), (150, ax+29), (150, ax+58), (55, ax+58)], ' stroke-width="0.9"')
    s += text(102, ax-62, 'Nabe', 'middle', False)
    s += thin(40, ax-40, 18, ax-40) + thin(40, ax+40, 18, ax+40) + vdim(22, ax-40, ax+40, 'D', 'left')
    s += thin(170, ax-27, 188, ax-27) + thin(170, ax+27, 188, ax+27) + vdim(184, ax-27, ax+27, 'd')
    s += thin(150, ax-58, 214, ax-58) + thin(150, ax+58, 214, ax+58) + vdim(210, ax-58, ax+58, 'DA')
    s += thin(40, ax+40, 40, 166) + thin(170, ax+27, 170, 166) + hdim(40, 170, 162, 'L')
    s += thin(60, ax-38.5, 90, ax-38.5) + thin(90, ax-38.5, 90, ax-35.5) + text(76, ax-28, '1:X', 'middle', False)
    s += arrow(245, 40, 156, 40) + text(182, 34, 'FV')
    return s + '</svg>\n'


def klemm():
    s = head('Klemmverbindung')
    # split hub: two halves, bolts either side
    cx, cy = 72, 70
    s += text(cx, 14, 'Nabe geteilt', 'middle', False)
    s += circle(cx, cy, 20, SHADE)
    s += poly([(cx-52, cy-4), (cx+52, cy-4), (cx+52, cy-30), (cx-52, cy-30)], ' stroke-width="0.9"')
    s += poly([(cx-52, cy+4), (cx+52, cy+4), (cx+52, cy+30), (cx-52, cy+30)], ' stroke-width="0.9"')
    for bx in (cx-42, cx+42):
        s += line(bx, cy-36, bx, cy+36, ' stroke-dasharray="5 2 1 2" stroke-width="0.7"')
    s += arrow(cx+42, cy-50, cx+42, cy-32) + arrow(cx+42, cy+50, cx+42, cy+32) + text(cx+48, cy-42, 'FV', 'start')
    s += thin(cx, cy, cx, cy+44) + thin(cx+42, cy+36, cx+42, cy+44) + hdim(cx, cx+42, cy+48, 'ls', False)
    s += thin(cx-20, cy, cx-20, cy-40) + thin(cx+20, cy, cx+20, cy-40) + hdim(cx-20, cx+20, cy-36, 'd')
    s += thin(cx-52, cy+4, cx-60, cy+4) + thin(cx-52, cy+30, cx-60, cy+30) + vdim(cx-57, cy+4, cy+30, 'a', 'left')
    # slotted hub: one piece, a slot to an arm with the bolt
    cx2, cy2 = 180, 70
    s += text(cx2+20, 14, 'Nabe geschlitzt', 'middle', False)
    s += circle(cx2, cy2, 20, SHADE)
    s += (f'<path d="M{cx2+30} {cy2-3}A31 31 0 1 0 {cx2+30} {cy2+3}L{cx2+70} {cy2+3}L{cx2+70} {cy2+26}'
          f'L{cx2+24} {cy2+26}M{cx2+30} {cy2-3}L{cx2+70} {cy2-3}L{cx2+70} {cy2-26}L{cx2+24} {cy2-26}" stroke-width="0.9"/>\n')
    s += line(cx2+58, cy2-32, cx2+58, cy2+32, ' stroke-dasharray="5 2 1 2" stroke-width="0.7"')
    s += arrow(cx2+58, cy2-46, cx2+58, cy2-28) + arrow(cx2+58, cy2+46, cx2+58, cy2+28) + text(cx2+63, cy2-38, 'FV', 'start')
    s += thin(cx2, cy2, cx2, cy2+40) + thin(cx2+58, cy2+32, cx2+58, cy2+40) + hdim(cx2, cx2+58, cy2+44, 'ls', False)
    # the hub from the side: its length l
    s += rect(110, 144, 60, 16, SHADE) + thin(110, 144, 110, 132) + thin(170, 144, 170, 132) + hdim(110, 170, 136, 'l')
    return s + '</svg>\n'


OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'web', 'sketches')

if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    for name, draw in [('passfeder', passfeder), ('keilwelle', keilwelle), ('zahnwelle', zahnwelle),
                 ('polygon', polygon), ('kegel', kegel), ('klemm', klemm)]:
        with open(os.path.join(OUT, f'{name}.svg'), 'w', encoding='utf-8') as svg:
            svg.write(draw())
