#!/usr/bin/env python3
"""Packs a picture's raw 8-bit BGRA pixels for the Windows window.

Usage: pack_picture.py WIDTH HEIGHT PIXELS.bgra OUT.pix

The window draws the pixels as they are, so they are premultiplied here, and
run-length coded because the drawings are mostly flat colour: little-endian
width and height, then chunks of a 32-bit count, a run of one pixel when the
top bit is set, else that many literal pixels.
"""
import struct
import sys


def premultiplied(raw):
    out = bytearray(raw)
    for i in range(0, len(out), 4):
        alpha = out[i + 3]
        if alpha != 255:
            for c in range(3):
                out[i + c] = (out[i + c] * alpha + 127) // 255
    return bytes(out)


def packed(pixels):
    chunks = []
    literal = []
    count = len(pixels)
    i = 0
    while i < count:
        run = 1
        while i + run < count and pixels[i + run] == pixels[i]:
            run += 1
        if run >= 3:
            if literal:
                chunks.append(struct.pack("<I", len(literal)) + b"".join(literal))
                literal = []
            chunks.append(struct.pack("<I", 0x80000000 | run) + pixels[i])
        else:
            literal.extend(pixels[i:i + run])
        i += run
    if literal:
        chunks.append(struct.pack("<I", len(literal)) + b"".join(literal))
    return b"".join(chunks)


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    with open(sys.argv[3], "rb") as source:
        raw = premultiplied(source.read())
    if len(raw) != width * height * 4:
        sys.exit("pack_picture: %s is not %dx%d BGRA" % (sys.argv[3], width,
                                                         height))
    pixels = [raw[i:i + 4] for i in range(0, len(raw), 4)]
    with open(sys.argv[4], "wb") as target:
        target.write(struct.pack("<II", width, height) + packed(pixels))


if __name__ == "__main__":
    main()
