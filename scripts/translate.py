#!/usr/bin/env python3
"""Fills translations into a .ts file from a tab-separated list.

usage: translate.py <file.ts> <context> <table.tsv>
Each line of the table is: source text <TAB> translation. Messages of that context whose source
matches get the translation and lose the "unfinished" mark. Unknown sources are reported.
"""
import sys
import xml.etree.ElementTree as ET


def main():
    ts_path, context_name, table_path = sys.argv[1:4]
    table = {}
    with open(table_path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            source, translation = line.split("\t", 1)
            table[source] = translation

    tree = ET.parse(ts_path)
    used = set()
    for context in tree.getroot().iter("context"):
        if context.findtext("name") != context_name:
            continue
        for message in context.iter("message"):
            source = message.findtext("source")
            if source in table:
                tr = message.find("translation")
                tr.text = table[source]
                tr.attrib.pop("type", None)
                used.add(source)
    for source in sorted(set(table) - used):
        print(f"not in {context_name}: {source!r}", file=sys.stderr)
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    with open(ts_path, "r+", encoding="utf-8") as f:
        text = f.read().replace("<?xml version='1.0' encoding='utf-8'?>", '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1)
        f.seek(0)
        f.write(text)
        f.truncate()


if __name__ == "__main__":
    main()
