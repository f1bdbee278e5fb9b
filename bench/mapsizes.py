#!/usr/bin/env python3
"""Sums the input sections of a GNU ld map file by the file they come from: our own objects
by name, everything from the toolchain by its library. Prints the total and the largest
COUNT (all when not given), largest first.
    mapsizes.py MAPFILE [COUNT]"""
import collections
import os
import re
import sys

ENTRY = re.compile(r"^ (\.\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")


def origin(path):
    match = re.match(r"(.*\.a)\((.*)\)$", path)
    if match is None:
        return os.path.basename(path)
    archive, member = os.path.basename(match.group(1)), match.group(2)
    return f"{archive}({member})" if archive.startswith("libvorla") else archive


def main(map_path, count):
    sizes = collections.Counter()
    in_map = False
    pending = None  # a section name too long for its line; address, size and file follow
    with open(map_path, errors="replace") as lines:
        for line in lines:
            if line.startswith("Linker script and memory map"):
                in_map = True
            if not in_map or line.startswith("/DISCARD/"):
                continue
            match = ENTRY.match(line)
            if match and (match.group(1) or pending) and int(match.group(2), 16) != 0:
                sizes[origin(match.group(4).strip())] += int(match.group(3), 16)
            pending = re.match(r"^ \.\S+$", line.rstrip())
    total = sum(sizes.values())
    print(f"{total:>8}  all input sections")
    for name, size in sizes.most_common(count):
        print(f"{size:>8}  {name}")


main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else None)
