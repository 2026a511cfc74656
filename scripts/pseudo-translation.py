#!/usr/bin/env python3
"""Writes a pseudo-translation for the test that finds texts shown untranslated.

Reads one translation (.ts) and writes a copy in which every message's translation is its
source text marked as "⟦source⟧" (each part around a tab on its own: a menu item's keys are taken
apart from its text). With it loaded, every text that went through tr() shows marked; a text
without the marks never asked for a translation.

Usage: pseudo-translation.py <input.ts> <output.ts>
"""
import sys
import xml.etree.ElementTree as ET


def main(source_path, output_path):
    tree = ET.parse(source_path)
    for message in tree.getroot().iter("message"):
        source = message.findtext("source") or ""
        marked = "\t".join("\u27e6" + part + "\u27e7" for part in source.split("\t"))
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        forms = list(translation.iter("numerusform"))
        if forms:
            for form in forms:
                form.text = marked
        else:
            translation.text = marked
    tree.write(output_path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:3])
