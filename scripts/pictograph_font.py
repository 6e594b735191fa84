#!/usr/bin/python3
"""Writes the pictograph font: a colour emoji font cut down to the glyphs of
the i-mode pictographs, whose character map sends each pictograph's
private-use character (its code page 932 code decoded) to the glyph of the
standard emoji that Unicode's EmojiSources.txt gives for it.

Usage: pictograph_font.py EMOJI_SOURCES EMOJI_FONT OUTPUT
"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4

FAMILY = "Horonami Pictographs"


def carrier_mappings(path):
    """(private-use character, emoji code points) for every DoCoMo code of
    the file: its second column."""
    pairs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = line.split(";")
            if len(fields) < 2 or not fields[1]:
                continue
            code = int(fields[1], 16)
            # Python's cp932 decodes the user-defined rows as Windows does.
            character = bytes([code >> 8, code & 0xFF]).decode("cp932")
            emoji = [int(c, 16) for c in fields[0].split()]
            pairs.append((ord(character), emoji))
    return pairs


def ligatures(font):
    """(first glyph, rest of the glyphs) -> ligature glyph, from every
    ligature lookup of the font."""
    table = {}
    if "GSUB" not in font:
        return table
    for lookup in font["GSUB"].table.LookupList.Lookup:
        subtables = lookup.SubTable
        if lookup.LookupType == 7:  # extension lookups wrap the real ones
            subtables = [s.ExtSubTable for s in subtables if s.ExtensionLookupType == 4]
        elif lookup.LookupType != 4:
            continue
        for sub in subtables:
            for first, entries in sub.ligatures.items():
                for entry in entries:
                    table.setdefault((first, tuple(entry.Component)), entry.LigGlyph)
    return table


def glyph_for(emoji, cmap, ligature_table):
    """The glyph that shows the emoji (a sequence through its ligature), or
    None when the font has none."""
    glyphs = [cmap.get(c) for c in emoji if c not in (0xFE0E, 0xFE0F)]
    if not glyphs or None in glyphs:
        return None
    if len(glyphs) == 1:
        return glyphs[0]
    return ligature_table.get((glyphs[0], tuple(glyphs[1:])))


def rename(font):
    names = font["name"]
    names.names = [n for n in names.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    for name_id, text in ((1, FAMILY), (2, "Regular"), (3, FAMILY), (4, FAMILY),
                          (6, FAMILY.replace(" ", "-"))):
        names.setName(text, name_id, 3, 1, 0x409)


def write_cmap(font, mapping):
    cmap = newTable("cmap")
    cmap.tableVersion = 0
    sub = cmap_format_4(4)
    sub.platformID, sub.platEncID, sub.language = 3, 1, 0
    sub.cmap = dict(mapping)
    cmap.tables = [sub]
    font["cmap"] = cmap


def fit_to_cell(font):
    """Makes every glyph exactly one em wide and keeps it within the ascent
    and descent of a Japanese text font (0.88 and 0.12 em), so a pictograph
    takes one full-width cell and does not make its line taller."""
    ascent, descent = 0.88, 0.12
    upem = font["head"].unitsPerEm
    for name in font.getGlyphOrder():
        font["hmtx"][name] = (upem, 0)
    hhea = font["hhea"]
    hhea.ascent, hhea.descent, hhea.lineGap = round(ascent * upem), -round(descent * upem), 0
    os2 = font["OS/2"]
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = round(ascent * upem), -round(descent * upem), 0
    os2.usWinAscent, os2.usWinDescent = round(ascent * upem), round(descent * upem)
    # The bitmaps are scaled by the requested size over the strike's size.
    # A strike as large as the bitmaps are high (128, a power of two, which
    # the scale factor's fixed point holds exactly) makes them one em; the
    # few pixels of transparent margin they are wider than high overhang
    # both sides evenly.
    for strike, glyphs in zip(font["CBLC"].strikes, font["CBDT"].strikeData):
        size = strike.bitmapSizeTable
        ppem = max(g.metrics.height for g in glyphs.values())
        size.ppemX = size.ppemY = ppem
        size.hori.ascender = size.vert.ascender = round(ascent * ppem)
        size.hori.descender = size.vert.descender = -round(descent * ppem)
        size.hori.widthMax = size.vert.widthMax = ppem
        for glyph in glyphs.values():
            m = glyph.metrics
            m.BearingX = -((m.width - ppem) // 2)
            m.BearingY = m.height - round(descent * ppem)
            m.Advance = ppem

def main(sources_path, emoji_font_path, output_path):
    font = TTFont(emoji_font_path)
    cmap = font.getBestCmap()
    ligature_table = ligatures(font)
    mapping = {}
    for private_use, emoji in carrier_mappings(sources_path):
        glyph = glyph_for(emoji, cmap, ligature_table)
        if glyph is None:
            print(f"no glyph for U+{private_use:04X}", file=sys.stderr)
            continue
        mapping[private_use] = glyph
    if not mapping:
        sys.exit("no pictograph has a glyph")

    options = subset.Options()
    options.layout_features = []  # the new character map needs no substitutions
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.drop_tables += ["GSUB", "GPOS", "GDEF"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(glyphs=sorted(set(mapping.values())))
    subsetter.subset(font)

    fit_to_cell(font)
    write_cmap(font, mapping)
    rename(font)
    font.save(output_path)
    print(f"{len(mapping)} pictographs written to {output_path}")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
