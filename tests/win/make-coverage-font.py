# Draws the font of known characters that the character map's glyph-mark tests load:
#
#   fontforge -lang=py -script make-coverage-font.py OUTPUT.ttf
#
# The family "Letterloom Coverage" has glyphs for the printable ASCII characters but the small
# letters, and for the euro sign (byte 0x80 in code page 936): 70 cells of the map, and nothing
# else.
import sys

import fontforge

CHARACTERS = list(range(0x20, 0x61)) + list(range(0x7B, 0x7F)) + [0x20AC]


def main():
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.em = 1000
    font.ascent, font.descent = 800, 200
    font.familyname = font.fullname = "Letterloom Coverage"
    font.fontname = "LetterloomCoverage"
    font.weight = "Regular"
    for code in CHARACTERS:
        glyph = font.createChar(code)
        glyph.width = 600
        if code == 0x20:
            continue
        # A filled block: every drawn character shows ink.
        pen = glyph.glyphPen()
        pen.moveTo((50, 0))
        pen.lineTo((50, 700))
        pen.lineTo((550, 700))
        pen.lineTo((550, 0))
        pen.closePath()
        pen = None
    font.generate(sys.argv[1])
    font.close()


main()
