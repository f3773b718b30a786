# Makes the font families of known coverage that the font search is tested with: each has the
# printable ASCII characters, some also Greek alpha (U+03B1) or the Han character U+6C38.
#
#   fontforge -lang=py -script make-coverage-fonts.py FOLDER
#
# The Latin-only family claims the Greek and Chinese code pages in its OS/2 table all the same,
# so that a judgement by character sets would take it for one that can set both.
import os
import sys

import fontforge

ALPHA = 0x03B1
HAN = 0x6C38
FAMILIES = [
    ("coverage-greek-han.ttf", "LLCover Greek Han", [ALPHA, HAN], None),
    ("coverage-greek.ttf", "LLCover Greek", [ALPHA], None),
    ("coverage-han.ttf", "LLCover Han", [HAN], None),
    # Code pages 1252 Latin 1, 1253 Greek and 936 simplified Chinese (bits 0, 3 and 18).
    ("coverage-latin.ttf", "LLCover Latin", [], (1 | 1 << 3 | 1 << 18, 0)),
]


def draw_box(font, code):
    glyph = font.createChar(code)
    glyph.width = 600
    pen = glyph.glyphPen()
    pen.moveTo((50, 0))
    pen.lineTo((50, 700))
    pen.lineTo((550, 700))
    pen.lineTo((550, 0))
    pen.closePath()
    pen = None


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for file_name, family, extra, code_pages in FAMILIES:
        font = fontforge.font()
        font.encoding = "UnicodeBmp"
        font.em = 1000
        font.ascent, font.descent = 800, 200
        font.familyname = font.fullname = family
        font.fontname = family.replace(" ", "")
        font.weight = "Regular"
        for code in list(range(33, 127)) + extra:
            draw_box(font, code)
        font.createChar(32).width = 300
        if code_pages:
            # Any OS/2 field set first keeps the table from being filled in afresh, which
            # would drop the code pages again.
            font.os2_vendor = "LLTS"
            font.os2_codepages = code_pages
        font.generate(os.path.join(folder, file_name))
        font.close()


main()
