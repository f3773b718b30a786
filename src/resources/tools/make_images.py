#!/usr/bin/env python3
"""Builds Letterloom's bitmap resources from the text artwork in ../art.

Usage: make_images.py OUTPUT_DIR [--art-dir DIR] [--preview PREVIEW.png]

Writes into OUTPUT_DIR:
  imagelist.bmp   the 22 toolbar and menu images side by side (352 x 16, 24-bit,
                  transparent pixels in magenta for ImageList_AddMasked)
  letterloom.ico  the program icon (16, 32 and 48 pixels, 32-bit with AND masks)
  splash.bmp      the start-up picture (299 x 117, 24-bit)
  back.bmp        the background tile "BACK" (81 x 81, 8-bit palettised)

Artwork format (one picture per file):
  # comment lines start with '#'
  [palette]
  . transparent
  k #000000        one character, then #rrggbb or #rrggbbaa
  [pixels]
  ................ one row of characters per pixel row, top row first

Only the Python standard library is used, so any Python 3.9 or newer will do.
"""

import argparse
import math
import os
import random
import re
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_ART_DIR = os.path.normpath(os.path.join(HERE, "..", "art"))

IMAGELIST_COUNT = 22
IMAGELIST_SIZE = 16
MASK_COLOUR = (255, 0, 255)
SPLASH_SIZE = (299, 117)
BACK_SIZE = 81
ICON_SIZES = (16, 32, 48)
VERSION_TEXT = "1.2.0"


class ArtError(Exception):
    pass


# ---------------------------------------------------------------------------
# Pixel images: rows of [r, g, b, a] lists, top row first.

class Image:
    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        self.rows = [[list(fill) for _ in range(width)] for _ in range(height)]

    def put(self, x, y, rgba):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = list(rgba)

    def blend(self, x, y, rgb, alpha):
        """Paints rgb over the pixel with coverage alpha (0..1), 'over' compositing."""
        if not (0 <= x < self.width and 0 <= y < self.height) or alpha <= 0:
            return
        alpha = min(alpha, 1.0)
        dst = self.rows[y][x]
        da = dst[3] / 255.0
        out_a = alpha + da * (1.0 - alpha)
        if out_a <= 0:
            return
        for i in range(3):
            dst[i] = int(round((rgb[i] * alpha + dst[i] * da * (1.0 - alpha)) / out_a))
        dst[3] = int(round(out_a * 255))

    def paste(self, src, ox, oy, scale=1):
        """Copies src (scaled by an integer factor) over this image, honouring its alpha."""
        for y in range(src.height):
            for x in range(src.width):
                r, g, b, a = src.rows[y][x]
                if a == 0:
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        self.blend(ox + x * scale + dx, oy + y * scale + dy, (r, g, b), a / 255.0)


# ---------------------------------------------------------------------------
# Text artwork

HEX_COLOUR = re.compile(r"^#([0-9a-fA-F]{6})([0-9a-fA-F]{2})?$")


def load_art(path):
    palette = {}
    pixels = []
    section = None
    with open(path, "r", encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            where = "%s:%d" % (path, number)
            if line.startswith("#") or not line.strip():
                continue
            if line.strip() in ("[palette]", "[pixels]"):
                section = line.strip()
                continue
            if section == "[palette]":
                parts = line.split()
                if len(parts) != 2 or len(parts[0]) != 1:
                    raise ArtError("%s: expected 'C colour', got %r" % (where, line))
                char, colour = parts
                if char in palette:
                    raise ArtError("%s: %r defined twice" % (where, char))
                if colour == "transparent":
                    palette[char] = (0, 0, 0, 0)
                    continue
                m = HEX_COLOUR.match(colour)
                if not m:
                    raise ArtError("%s: bad colour %r" % (where, colour))
                rgb = bytes.fromhex(m.group(1))
                alpha = int(m.group(2), 16) if m.group(2) else 255
                palette[char] = (rgb[0], rgb[1], rgb[2], alpha)
            elif section == "[pixels]":
                row = line.rstrip()
                for char in row:
                    if char not in palette:
                        raise ArtError("%s: %r is not in the palette" % (where, char))
                pixels.append(row)
            else:
                raise ArtError("%s: text before [palette]" % where)
    if not pixels:
        raise ArtError("%s: no [pixels] rows" % path)
    width = len(pixels[0])
    if any(len(row) != width for row in pixels):
        raise ArtError("%s: rows differ in length" % path)
    image = Image(width, len(pixels))
    for y, row in enumerate(pixels):
        for x, char in enumerate(row):
            image.rows[y][x] = list(palette[char])
    return image


def imagelist_art_files(art_dir):
    """The image-list pictures, ordered by the slot number that starts each file name."""
    folder = os.path.join(art_dir, "imagelist")
    slots = {}
    for name in os.listdir(folder):
        m = re.match(r"^(\d\d)-[a-z0-9-]+\.txt$", name)
        if not m:
            continue
        slot = int(m.group(1))
        if slot in slots:
            raise ArtError("slot %d is drawn twice: %s, %s" % (slot, slots[slot], name))
        slots[slot] = name
    expected = set(range(IMAGELIST_COUNT))
    if set(slots) != expected:
        raise ArtError("image-list slots missing or extra: %s"
                       % sorted(expected.symmetric_difference(slots)))
    return [os.path.join(folder, slots[i]) for i in range(IMAGELIST_COUNT)]


def load_imagelist(art_dir):
    icons = []
    for path in imagelist_art_files(art_dir):
        icon = load_art(path)
        if (icon.width, icon.height) != (IMAGELIST_SIZE, IMAGELIST_SIZE):
            raise ArtError("%s: must be %d x %d" % (path, IMAGELIST_SIZE, IMAGELIST_SIZE))
        for row in icon.rows:
            for r, g, b, a in row:
                if a not in (0, 255):
                    raise ArtError("%s: image-list pictures are opaque or transparent" % path)
                if a and (r, g, b) == MASK_COLOUR:
                    raise ArtError("%s: magenta is reserved for transparency" % path)
        icons.append(icon)
    return icons


def imagelist_strip(icons):
    strip = Image(IMAGELIST_SIZE * len(icons), IMAGELIST_SIZE, MASK_COLOUR + (255,))
    for i, icon in enumerate(icons):
        for y in range(IMAGELIST_SIZE):
            for x in range(IMAGELIST_SIZE):
                px = icon.rows[y][x]
                if px[3]:
                    strip.rows[y][i * IMAGELIST_SIZE + x] = [px[0], px[1], px[2], 255]
    return strip


# ---------------------------------------------------------------------------
# A small proportional pixel font for the splash picture and the preview labels.

GLYPHS = {
    " ": ["...", "...", "...", "...", "...", "...", "..."],
    ".": [".", ".", ".", ".", ".", "#", "#"],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    "t": [".#..", ".#..", "####", ".#..", ".#..", ".#..", "..##"],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
}
GLYPH_HEIGHT = 7


def text_width(text, scale=1, spacing=1):
    widths = [len(GLYPHS[c][0]) for c in text]
    return (sum(widths) + spacing * (len(text) - 1)) * scale


def draw_text(image, text, x, y, rgb, scale=1, spacing=1, alpha=1.0):
    for c in text:
        if c not in GLYPHS:
            raise ArtError("the pixel font has no %r" % c)
        glyph = GLYPHS[c]
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            image.blend(x + gx * scale + dx, y + gy * scale + dy, rgb, alpha)
        x += (len(glyph[0]) + spacing) * scale
    return x


# ---------------------------------------------------------------------------
# Vector drawing with supersampled coverage, used for the larger icon sizes.

def point_in_polygon(px, py, poly):
    inside = False
    n = len(poly)
    j = n - 1
    for i in range(n):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > py) != (yj > py):
            cross = xi + (py - yi) * (xj - xi) / (yj - yi)
            if px < cross:
                inside = not inside
        j = i
    return inside


def fill_polygons(image, polys, colour_at, samples=4):
    """Fills the union of polys (coordinates in pixels) with anti-aliased edges.

    colour_at(x, y) gives the colour at a pixel centre, so fills can be shaded.
    """
    xs = [p[0] for poly in polys for p in poly]
    ys = [p[1] for poly in polys for p in poly]
    x0, x1 = max(0, int(math.floor(min(xs)))), min(image.width, int(math.ceil(max(xs))))
    y0, y1 = max(0, int(math.floor(min(ys)))), min(image.height, int(math.ceil(max(ys))))
    step = 1.0 / samples
    for y in range(y0, y1):
        for x in range(x0, x1):
            hits = 0
            for sy in range(samples):
                for sx in range(samples):
                    px = x + (sx + 0.5) * step
                    py = y + (sy + 0.5) * step
                    if any(point_in_polygon(px, py, poly) for poly in polys):
                        hits += 1
            if hits:
                image.blend(x, y, colour_at(x + 0.5, y + 0.5), hits / float(samples * samples))


def scaled(poly, size, dx=0.0, dy=0.0):
    return [((x + dx) * size, (y + dy) * size) for x, y in poly]


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


# Outlines on a unit square. The page has its top right corner folded over.
PAGE = [(0.16, 0.04), (0.64, 0.04), (0.88, 0.28), (0.88, 0.96), (0.16, 0.96)]
PAGE_FOLD = [(0.64, 0.04), (0.64, 0.28), (0.88, 0.28)]


def serif_capital_a():
    """A serif capital A: thin left stroke, heavy right stroke, crossbar and slab feet."""
    base, top = 0.90, 0.16
    return [
        # heavy right stroke from the apex down to its foot
        [(0.44, top), (0.55, top), (0.80, base - 0.04), (0.69, base - 0.04)],
        # thin left stroke
        [(0.45, top + 0.02), (0.49, top + 0.10), (0.30, base - 0.04), (0.26, base - 0.04)],
        # crossbar
        [(0.34, 0.60), (0.66, 0.60), (0.68, 0.66), (0.32, 0.66)],
        # feet
        [(0.18, base - 0.05), (0.38, base - 0.05), (0.38, base), (0.18, base)],
        [(0.60, base - 0.05), (0.85, base - 0.05), (0.85, base), (0.60, base)],
    ]


def program_icon(size):
    """The program icon drawn from outlines: a page with a large serif A."""
    image = Image(size, size)
    ink_line = (48, 56, 72)
    unit = float(size)

    # soft shadow, then the page with a dark rim and a slight top-to-bottom shading
    fill_polygons(image, [scaled(PAGE, unit, 0.035, 0.035)], lambda x, y: (0, 0, 0))
    for row in image.rows:
        for px in row:
            px[3] = px[3] * 45 // 100
    rim = 1.0 / unit
    fill_polygons(image, [scaled(PAGE, unit)], lambda x, y: ink_line)
    inner = [(0.16 + rim, 0.04 + rim), (0.64 - rim * 0.4, 0.04 + rim),
             (0.88 - rim, 0.28 + rim * 0.4), (0.88 - rim, 0.96 - rim), (0.16 + rim, 0.96 - rim)]
    fill_polygons(image, [scaled(inner, unit)],
                  lambda x, y: mix((255, 255, 255), (214, 222, 234), y / unit))
    fill_polygons(image, [scaled(PAGE_FOLD, unit)], lambda x, y: ink_line)
    fold_inner = [(0.64 + rim, 0.04 + rim * 2.4), (0.64 + rim, 0.28 - rim),
                  (0.88 - rim * 2.4, 0.28 - rim)]
    fill_polygons(image, [scaled(fold_inner, unit)],
                  lambda x, y: mix((236, 240, 248), (176, 188, 206), (x / unit - 0.64) * 4))

    # the letter, dark blue shading to a deeper blue at the foot
    letter = [scaled(p, unit, -0.015, 0.0) for p in serif_capital_a()]
    fill_polygons(image, letter,
                  lambda x, y: mix((40, 90, 200), (14, 34, 110), (y / unit - 0.15) / 0.75))

    return image


def load_program_icons(art_dir):
    """Hand-drawn pixel art where it exists (icon-16.txt ...), drawn outlines otherwise."""
    icons = []
    for size in ICON_SIZES:
        path = os.path.join(art_dir, "icon", "icon-%d.txt" % size)
        if os.path.exists(path):
            icon = load_art(path)
            if (icon.width, icon.height) != (size, size):
                raise ArtError("%s: must be %d x %d" % (path, size, size))
        else:
            icon = program_icon(size)
        icons.append(icon)
    return icons


# ---------------------------------------------------------------------------
# Splash picture and background tile

def splash_picture(icon):
    width, height = SPLASH_SIZE
    image = Image(width, height)
    top, bottom = (38, 64, 120), (12, 24, 56)
    for y in range(height):
        for x in range(width):
            t = y / (height - 1.0)
            shade = mix(top, bottom, t)
            # a faint light from the upper left
            glow = max(0.0, 1.0 - math.hypot(x - 60, y - 20) / 190.0) * 0.35
            image.rows[y][x] = list(mix(shade, (90, 130, 200), glow)) + [255]

    image.paste(icon, 20, 20)

    title = "Letterloom"
    scale = 3
    tx, ty = 82, 24
    draw_text(image, title, tx + 2, ty + 2, (0, 0, 0), scale=scale, alpha=0.5)
    draw_text(image, title, tx, ty, (255, 255, 255), scale=scale)
    draw_text(image, "Font viewer", tx + 1, ty + GLYPH_HEIGHT * scale + 8, (170, 200, 245),
              scale=2)

    # a faint row of character cells along the bottom, as in the character map
    cell, count = 15, 12
    gx0, gy0 = 20, height - cell - 14
    line = (160, 190, 240)
    for i in range(count * cell + 1):
        image.blend(gx0 + i, gy0, line, 0.25)
        image.blend(gx0 + i, gy0 + cell, line, 0.25)
    for col in range(count + 1):
        for i in range(1, cell):
            image.blend(gx0 + col * cell, gy0 + i, line, 0.25)
    for col, c in enumerate("AaeFilmnorst"):
        w = text_width(c)
        draw_text(image, c, gx0 + col * cell + (cell - w + 1) // 2, gy0 + 4,
                  (200, 220, 255), alpha=0.55)

    version = "Version " + VERSION_TEXT
    draw_text(image, version, width - text_width(version) - 10, height - GLYPH_HEIGHT - 10,
              (150, 175, 220))

    # a thin rim so the picture stands out on any desktop
    for x in range(width):
        image.put(x, 0, (110, 150, 215, 255))
        image.put(x, height - 1, (6, 12, 30, 255))
    for y in range(height):
        image.put(0, y, (110, 150, 215, 255))
        image.put(width - 1, y, (6, 12, 30, 255))
    return image


def back_tile():
    """A soft paper texture that repeats seamlessly: palette indices plus the palette."""
    size = BACK_SIZE
    rng = random.Random(1729)

    def lattice_noise(cells):
        grid = [[rng.random() for _ in range(cells)] for _ in range(cells)]
        span = size / float(cells)
        out = []
        for y in range(size):
            row = []
            for x in range(size):
                fx, fy = x / span, y / span
                ix, iy = int(fx), int(fy)
                tx, ty = fx - ix, fy - iy
                tx = tx * tx * (3 - 2 * tx)
                ty = ty * ty * (3 - 2 * ty)
                a = grid[iy % cells][ix % cells]
                b = grid[iy % cells][(ix + 1) % cells]
                c = grid[(iy + 1) % cells][ix % cells]
                d = grid[(iy + 1) % cells][(ix + 1) % cells]
                row.append((a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty)
            out.append(row)
        return out

    # cell counts divide 81, so every layer wraps exactly at the tile's edges
    layers = [(lattice_noise(3), 0.35), (lattice_noise(9), 0.30), (lattice_noise(27), 0.20)]
    grain = [[rng.random() for _ in range(size)] for _ in range(size)]
    values = []
    for y in range(size):
        row = []
        for x in range(size):
            v = sum(layer[y][x] * weight for layer, weight in layers) + grain[y][x] * 0.15
            row.append(v)
        values.append(row)
    lo = min(min(r) for r in values)
    hi = max(max(r) for r in values)
    indices = [[int((v - lo) / (hi - lo) * 255.999) for v in row] for row in values]
    dark, light = (218, 214, 202), (246, 243, 235)
    palette = [mix(dark, light, i / 255.0) for i in range(256)]
    return indices, palette


# ---------------------------------------------------------------------------
# File writers

def bmp_file(width, height, bits, pixel_rows, palette=None):
    """pixel_rows: top-down list of bytes objects, one per row, unpadded."""
    stride = (width * bits + 31) // 32 * 4
    data = bytearray()
    for row in reversed(pixel_rows):
        data += row
        data += b"\0" * (stride - len(row))
    palette_bytes = b""
    if palette is not None:
        palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(palette_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data),
                       2835, 2835, len(palette) if palette else 0, 0)
    return header + info + palette_bytes + bytes(data)


def bmp24(image):
    rows = []
    for row in image.rows:
        rows.append(bytes(c for r, g, b, _ in row for c in (b, g, r)))
    return bmp_file(image.width, image.height, 24, rows)


def bmp8(indices, palette):
    rows = [bytes(row) for row in indices]
    return bmp_file(len(indices[0]), len(indices), 8, rows, palette)


def ico_file(images):
    entries = []
    blobs = []
    for image in images:
        w, h = image.width, image.height
        xor = bytearray()
        for row in reversed(image.rows):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_stride = (w + 31) // 32 * 4
        mask = bytearray()
        for row in reversed(image.rows):
            bits = bytearray(mask_stride)
            for x, px in enumerate(row):
                if px[3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask),
                           0, 0, 0, 0)
        blob = info + bytes(xor) + bytes(mask)
        entries.append((w, h))
        blobs.append(blob)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (w, h), blob in zip(entries, blobs):
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def png_file(image):
    def chunk(kind, payload):
        return (struct.pack(">I", len(payload)) + kind + payload
                + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))

    raw = bytearray()
    for row in image.rows:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))
    ihdr = struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write_file(path, data):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


# ---------------------------------------------------------------------------
# Preview sheet

def checker(image, x0, y0, w, h, size=8):
    for y in range(h):
        for x in range(w):
            light = ((x // size) + (y // size)) % 2 == 0
            image.put(x0 + x, y0 + y, (236, 236, 236, 255) if light else (204, 204, 204, 255))


def preview_sheet(icons, program_icons, splash, back_indices, back_palette):
    zoom, per_row, pad = 8, 7, 14
    cell = IMAGELIST_SIZE * zoom
    label_h = 20
    rows = (len(icons) + per_row - 1) // per_row
    grid_w = per_row * (cell + pad) + pad
    grid_h = rows * (cell + pad + label_h) + pad
    icon_zoom = 4
    icons_w = sum(i.width * icon_zoom + pad for i in program_icons) + pad
    lower_h = max(48 * icon_zoom, splash.height * 2, BACK_SIZE * 2) + 2 * pad + label_h
    width = max(grid_w, icons_w + splash.width * 2 + pad + BACK_SIZE * 2 + pad)
    height = grid_h + lower_h + pad + 2 * IMAGELIST_SIZE * 2 + pad
    sheet = Image(width, height, (255, 255, 255, 255))

    for i, icon in enumerate(icons):
        col, row = i % per_row, i // per_row
        x = pad + col * (cell + pad)
        y = pad + row * (cell + pad + label_h)
        draw_text(sheet, str(i), x, y, (40, 40, 40), scale=2)
        checker(sheet, x, y + label_h, cell, cell)
        sheet.paste(icon, x, y + label_h, zoom)

    # the strip at its real size and doubled, as a toolbar would show it
    y = grid_h
    strip = Image(IMAGELIST_SIZE * len(icons), IMAGELIST_SIZE, (212, 208, 200, 255))
    for i, icon in enumerate(icons):
        strip.paste(icon, i * IMAGELIST_SIZE, 0)
    sheet.paste(strip, pad, y)
    sheet.paste(strip, pad, y + IMAGELIST_SIZE + 4, 2)

    y = grid_h + 2 * IMAGELIST_SIZE * 2 + pad + 8
    x = pad
    for icon in program_icons:
        checker(sheet, x, y + label_h, icon.width * icon_zoom, icon.height * icon_zoom)
        draw_text(sheet, str(icon.width), x, y, (40, 40, 40), scale=2)
        sheet.paste(icon, x, y + label_h, icon_zoom)
        sheet.paste(icon, x, y + label_h + icon.height * icon_zoom + 6)
        x += icon.width * icon_zoom + pad
    sheet.paste(splash, x, y + label_h, 2)
    x += splash.width * 2 + pad
    tile = Image(BACK_SIZE * 2, BACK_SIZE * 2)
    for ty in range(BACK_SIZE * 2):
        for tx in range(BACK_SIZE * 2):
            r, g, b = back_palette[back_indices[ty % BACK_SIZE][tx % BACK_SIZE]]
            tile.rows[ty][tx] = [r, g, b, 255]
    sheet.paste(tile, x, y + label_h)
    return sheet


# ---------------------------------------------------------------------------

def main(argv):
    parser = argparse.ArgumentParser(description="Builds Letterloom's bitmap resources.")
    parser.add_argument("output_dir")
    parser.add_argument("--art-dir", default=DEFAULT_ART_DIR)
    parser.add_argument("--preview", metavar="PNG")
    args = parser.parse_args(argv)

    try:
        icons = load_imagelist(args.art_dir)
        program_icons = load_program_icons(args.art_dir)
    except (ArtError, OSError) as e:
        print("make_images: %s" % e, file=sys.stderr)
        return 1
    splash = splash_picture(program_icons[ICON_SIZES.index(48)])
    back_indices, back_palette = back_tile()

    os.makedirs(args.output_dir, exist_ok=True)
    outputs = {
        "imagelist.bmp": bmp24(imagelist_strip(icons)),
        "letterloom.ico": ico_file(program_icons),
        "splash.bmp": bmp24(splash),
        "back.bmp": bmp8(back_indices, back_palette),
    }
    for name, data in outputs.items():
        write_file(os.path.join(args.output_dir, name), data)
    if args.preview:
        sheet = preview_sheet(icons, program_icons, splash, back_indices, back_palette)
        write_file(args.preview, png_file(sheet))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
