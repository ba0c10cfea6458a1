#!/usr/bin/env python3
"""Packs the rendered pictures into a C++ source for both windows.

Usage: pack_pictures.py OUTPUT.cpp NAME-WIDTHxHEIGHT.bgra...

Each input is a picture's raw 8-bit BGRA pixels (ImageMagick's BGRA: output
of the PNG that rsvg-convert rendered); its file name gives the picture's
name and size. The pixels are premultiplied here and run-length coded row by
row in the tokens that src/picture/packed_picture.h reads.
"""
import itertools
import os
import re
import struct
import sys

# Runs shorter than this go into a literal run with their neighbours.
SHORTEST_REPEAT = 3


def premultiplied(pixel):
    alpha = pixel >> 24
    if alpha == 255:
        return pixel
    channels = [((pixel >> shift) & 0xFF) * alpha for shift in (16, 8, 0)]
    red, green, blue = [(c + 127) // 255 for c in channels]
    return alpha << 24 | red << 16 | green << 8 | blue


def packed_row(row, words):
    literal = []
    for pixel, group in itertools.groupby(row):
        count = len(list(group))
        if count < SHORTEST_REPEAT:
            literal.extend([pixel] * count)
            continue
        if literal:
            words.append(len(literal) << 1 | 1)
            words.extend(literal)
            literal = []
        words.extend((count << 1, pixel))
    if literal:
        words.append(len(literal) << 1 | 1)
        words.extend(literal)


def picture(path):
    match = re.fullmatch(r"(\w+)-(\d+)x(\d+)\.bgra", os.path.basename(path))
    if not match:
        sys.exit("pack_pictures: %s is not NAME-WIDTHxHEIGHT.bgra" % path)
    name, width, height = match[1], int(match[2]), int(match[3])
    with open(path, "rb") as source:
        raw = source.read()
    if len(raw) != width * height * 4:
        sys.exit("pack_pictures: %s is not %dx%d BGRA" % (path, width, height))
    pixels = [premultiplied(p) for p in struct.unpack("<%dI" % (width * height),
                                                      raw)]
    words = []
    for y in range(height):
        packed_row(pixels[y * width:(y + 1) * width], words)
    opaque = all(p >> 24 == 255 for p in pixels)
    return name, width, height, opaque, words


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: pack_pictures.py OUTPUT.cpp NAME-WxH.bgra...")
    pictures = sorted((picture(path) for path in sys.argv[2:]),
                      key=lambda p: (p[0], p[1]))
    out = ["// Made by cmake/pack_pictures.py at build time.",
           '#include "picture/packed_picture.h"', "", "namespace vpa {",
           "namespace {", ""]
    table = []
    for index, (name, width, height, opaque, words) in enumerate(pictures):
        out.append("constexpr uint32_t kWords%d[] = {" % index)
        for at in range(0, len(words), 8):
            out.append("    " + " ".join("0x%xu," % w for w in words[at:at + 8]))
        out.append("};")
        table.append('    {"%s", %d, %d, %s, kWords%d},' %
                     (name, width, height, "true" if opaque else "false",
                      index))
    out += ["", "constexpr PackedPicture kTable[] = {"] + table + [
        "};", "", "}  // namespace", "",
        "std::span<const PackedPicture> PackedPictures() { return kTable; }",
        "", "}  // namespace vpa", ""]
    with open(sys.argv[1], "w") as target:
        target.write("\n".join(out))


if __name__ == "__main__":
    main()
