#!/usr/bin/env python3
"""Writes a set of real font files with distinct family names for the benchmarks.

Usage: make_font_set.py SOURCE_FONT OUTPUT_FOLDER FIRST COUNT

Copies SOURCE_FONT (cut down to the Latin letters so that the files stay small) COUNT times
into OUTPUT_FOLDER, numbering the families from FIRST. Each copy is renamed in its name
table, so that fontconfig and Qt see it as a family of its own.
"""
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

WORDS = ["Sans", "Serif", "Mono", "Condensed", "Display", "Text", "Book", "Pro"]


def family_name(i):
    name = "Bench %04d %s %s" % (i, WORDS[i % 8], WORDS[(i // 8) % 8])
    # Every tenth in capitals, as a caps-only entry of the list would be.
    return name.upper() if i % 10 == 0 else name


def rename(font, family):
    postscript = family.replace(" ", "") + "-Regular"
    names = font["name"]
    # Only the names that say which family this is; the rest stay as the source has them.
    names.names = [n for n in names.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    for name_id, text in ((1, family), (2, "Regular"), (3, postscript), (4, family),
                          (6, postscript)):
        names.setName(text, name_id, 3, 1, 0x409)
        names.setName(text, name_id, 1, 0, 0)


def main():
    source, folder, first, count = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    os.makedirs(folder, exist_ok=True)
    font = TTFont(source)
    options = subset.Options()
    options.layout_features = []
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]
    subsetter = subset.Subsetter(options)
    # Printable ASCII, Latin-1 and Latin Extended-A: enough for fontconfig to see a Latin
    # text font (English and the other European languages), as an installed font would be.
    subsetter.populate(unicodes=list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)))
    subsetter.subset(font)
    for i in range(first, first + count):
        rename(font, family_name(i))
        font.save(os.path.join(folder, "bench%04d.ttf" % i))
    return 0


if __name__ == "__main__":
    sys.exit(main())
