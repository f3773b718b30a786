# Makes a large set of small TrueType font families for measuring the program with many fonts.
#
#   fontforge -lang=py -script make-font-set.py FOLDER COUNT
#
# Each family is one regular .ttf file of about 5 KB with the printable ASCII characters, drawn
# as bars whose widths and heights differ from family to family, so that every preview looks
# different. Family names are made from syllables in a fixed pseudo-random order (the same
# COUNT always gives the same names), so that the list has real sorting to do; one family in
# ten also carries a Chinese name, which a Chinese system shows instead.
import os
import random
import sys

import fontforge

SYLLABLES = ["ka", "lo", "mir", "ven", "sa", "tor", "el", "qua", "ri", "bel", "no", "dan",
             "fi", "gro", "ha", "jun", "ox", "pe", "ul", "zy", "cra", "de", "mo", "ste"]
KINDS = ["Sans", "Serif", "Mono", "Display", "Text", "Script", "Slab", "Round"]
HAN = "云山水木石风雨雪花月星海金银玉竹松梅兰菊"


def family_names(count, rng):
    seen = set()
    while len(seen) < count:
        word = "".join(rng.choice(SYLLABLES) for _ in range(rng.randint(2, 4))).capitalize()
        name = "%s %s %d" % (word, rng.choice(KINDS), rng.randint(1, 99))
        if name.lower() not in seen:
            seen.add(name.lower())
            yield name


def draw_glyphs(font, rng):
    weight = rng.randint(40, 160)
    height = rng.randint(450, 750)
    for code in range(33, 127):
        glyph = font.createChar(code)
        width = 250 + (code * 37 + weight) % 400
        glyph.width = width + 100
        pen = glyph.glyphPen()
        top = height if chr(code).isupper() or chr(code).isdigit() else height * 2 // 3
        # A bar with a notch whose place depends on the character.
        notch = 50 + (code * 53) % max(1, width - weight)
        pen.moveTo((50, 0))
        pen.lineTo((50, top))
        pen.lineTo((50 + width, top))
        pen.lineTo((50 + width, 0))
        pen.lineTo((50 + min(width, notch + weight), 0))
        pen.lineTo((50 + min(width, notch + weight), top // 3))
        pen.lineTo((50 + notch, top // 3))
        pen.lineTo((50 + notch, 0))
        pen.closePath()
        pen = None
    font.createChar(32).width = 300


def main():
    folder, count = sys.argv[1], int(sys.argv[2])
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(count)
    for index, name in enumerate(family_names(count, rng)):
        font = fontforge.font()
        font.encoding = "UnicodeBmp"
        font.em = 1000
        font.ascent, font.descent = 800, 200
        font.familyname = font.fullname = name
        font.fontname = name.replace(" ", "")
        font.weight = "Regular"
        font.appendSFNTName("English (US)", "Family", name)
        font.appendSFNTName("English (US)", "Fullname", name)
        if index % 10 == 0:
            han = "".join(rng.choice(HAN) for _ in range(2)) + "体%d" % index
            font.appendSFNTName("Chinese (PRC)", "Family", han)
            font.appendSFNTName("Chinese (PRC)", "Fullname", han)
        draw_glyphs(font, rng)
        font.generate(os.path.join(folder, "family%05d.ttf" % index))
        font.close()


main()
