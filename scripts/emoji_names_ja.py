#!/usr/bin/python3
"""Writes the Japanese names of the standard emoji that Unicode's
EmojiSources.txt gives for the i-mode pictographs: CLDR's short ("tts")
names from its Japanese annotations and derived annotations (keycaps,
flags and other sequences). One line per emoji that has a name: the emoji
without variation selectors, a TAB, the name; UTF-8.

Usage: emoji_names_ja.py EMOJI_SOURCES ANNOTATIONS DERIVED_ANNOTATIONS OUTPUT
"""

import sys
import xml.etree.ElementTree as ElementTree

SELECTORS = {"\ufe0e", "\ufe0f"}


def plain(text):
    """The text without emoji variation selectors, as CLDR writes its keys."""
    return "".join(c for c in text if c not in SELECTORS)


def docomo_emoji(path):
    """The emoji of every DoCoMo code of EmojiSources.txt, in file order."""
    found = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.split("#", 1)[0].strip().split(";")
            if len(fields) < 2 or not fields[1].strip():
                continue
            emoji = plain("".join(chr(int(c, 16)) for c in fields[0].split()))
            if emoji not in found:
                found.append(emoji)
    return found


def short_names(paths):
    """Emoji -> short name; the first file that names an emoji wins."""
    names = {}
    for path in paths:
        for annotation in ElementTree.parse(path).getroot().iter("annotation"):
            if annotation.get("type") == "tts" and annotation.text:
                names.setdefault(plain(annotation.get("cp")), annotation.text.strip())
    return names


def main(sources, annotations, derived, output):
    names = short_names([annotations, derived])
    with open(output, "w", encoding="utf-8", newline="\n") as out:
        for emoji in docomo_emoji(sources):
            if emoji in names:
                out.write(f"{emoji}\t{names[emoji]}\n")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
