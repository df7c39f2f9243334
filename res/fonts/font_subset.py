#!/usr/bin/python3
"""Cuts a font down to the characters the program can show, under a family
name of its own.

  font_subset.py --texts SRC_DIR --family NAME INPUT OUTPUT
  font_subset.py --texts SRC_DIR --check FONT...

The characters are printable ASCII, the ellipsis Qt puts into elided texts,
and every non-ASCII character written in the C++ sources under SRC_DIR
outside comments, so a text added anywhere in the program is in the font
after the next build. The cut-down font keeps the copyright and
licence name records of the original and gets NAME as its family: the Open
Font License reserves the original names for unmodified fonts.

After writing, and with --check, every collected character must be in the
font; a missing one is reported with the first place it is written and the
exit status is 1.
"""

import argparse
import logging
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE_SUFFIXES = (".cpp", ".h")
# Name records kept: copyright, family, subfamily, unique ID, full name,
# version, PostScript name, licence description and licence URL.
KEPT_NAME_IDS = [0, 1, 2, 3, 4, 5, 6, 13, 14]


def collect_characters(source_dir):
    """Returns {character: "file:line"} of every character to cover."""
    places = {chr(code): "printable ASCII" for code in range(0x20, 0x7F)}
    # Written by Qt itself: the ellipsis of a text elided to fit (the About
    # box's long host names).
    places["\u2026"] = "Qt's elided texts"
    for path in sorted(pathlib.Path(source_dir).rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        text = strip_comments(path.read_text(encoding="utf-8"))
        for number, line in enumerate(text.splitlines(), start=1):
            for ch in line:
                if ord(ch) > 0x7F and ch not in places:
                    places[ch] = f"{path}:{number}"
    return places


def strip_comments(text):
    """The C++ text with its comments blanked out (line breaks kept, so line
    numbers stay), since a character written only in a comment is never shown."""
    out = []
    i, n = 0, len(text)
    quote = None
    while i < n:
        ch = text[i]
        if quote:
            out.append(ch)
            if ch == "\\" and i + 1 < n:
                out.append(text[i + 1])
                i += 1
            elif ch == quote or ch == "\n":
                quote = None
        elif ch in "\"'":
            quote = ch
            out.append(ch)
        elif text.startswith("//", i):
            end = text.find("\n", i)
            i = n if end < 0 else end
            continue
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append("\n" * text.count("\n", i, end))
            i = end
            continue
        else:
            out.append(ch)
        i += 1
    return "".join(out)


def missing_characters(font_path, places):
    cmap = TTFont(font_path).getBestCmap()
    return [(ch, where) for ch, where in places.items() if ord(ch) not in cmap]


def report_missing(font_path, missing):
    for ch, where in missing:
        print(f"{font_path}: no glyph for U+{ord(ch):04X} {ch!r} (written at {where})", file=sys.stderr)
    return 1 if missing else 0


def rename_family(font, family):
    subfamily = font["name"].getDebugName(2) or "Regular"
    compact = family.replace(" ", "")
    names = {
        1: family,
        2: subfamily,
        3: f"{compact}-{subfamily};subset",
        4: family if subfamily == "Regular" else f"{family} {subfamily}",
        6: f"{compact}-{subfamily}",
    }
    table = font["name"]
    for record in list(table.names):
        if record.nameID in names:
            table.removeNames(nameID=record.nameID)
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)
        table.setName(value, name_id, 1, 0, 0)


def make_subset(input_path, output_path, family, places):
    options = subset.Options()
    options.name_IDs = KEPT_NAME_IDS
    options.name_languages = [0, 0x409]
    options.notdef_outline = True
    font = subset.load_font(input_path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(places))
    subsetter.subset(font)
    rename_family(font, family)
    subset.save_font(font, output_path, options)


def main():
    # fontTools says which tables it drops (the font editor's own); not worth a line in the build.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    parser = argparse.ArgumentParser()
    parser.add_argument("--texts", required=True, help="source directory of the program's texts")
    parser.add_argument("--family")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("fonts", nargs="+")
    args = parser.parse_args()
    places = collect_characters(args.texts)
    if args.check:
        return max(report_missing(font, missing_characters(font, places)) for font in args.fonts)
    if args.family is None or len(args.fonts) != 2:
        parser.error("give --family NAME INPUT OUTPUT, or --check FONT...")
    input_path, output_path = args.fonts
    make_subset(input_path, output_path, args.family, places)
    return report_missing(output_path, missing_characters(output_path, places))


if __name__ == "__main__":
    sys.exit(main())
