#!/usr/bin/env python3
"""Writes small bitmap files of every kind the codec reads into the given directory: the seeds
of the bitmap fuzzer (1, 4, 8, 16, 24 and 32 bits, bit fields, RLE4 and RLE8, top-down, the OS/2
header, a file without its length)."""
import os
import struct
import sys


def bmp(width, height, bits, compression, table, pixels, zero_size=False, ppm=2835):
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, len(pixels), ppm, ppm,
                       len(table), 0)
    colours = b''.join(struct.pack('<I', c) for c in table)
    offset = 14 + len(info) + len(colours)
    size = 0 if zero_size else offset + len(pixels)
    return b'BM' + struct.pack('<IHHI', size, 0, 0, offset) + info + colours + pixels


def os2(width, height, table, pixels):
    info = struct.pack('<IHHHH', 12, width, height, 1, 8)
    colours = b''.join(struct.pack('<I', c)[:3] for c in table)
    offset = 14 + len(info) + len(colours)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + colours + pixels


def main(out):
    os.makedirs(out, exist_ok=True)
    grey = [0x010101 * i for i in range(256)]
    seeds = {
        'mono.bmp': bmp(9, 3, 1, 0, [0, 0xFFFFFF], bytes([0xAA, 0x80, 0, 0] * 3)),
        'nibbles.bmp': bmp(5, 2, 4, 0, grey[:16], bytes([0x12, 0x34, 0x50, 0] * 2)),
        'bytes-top-down.bmp': bmp(3, -2, 8, 0, grey, bytes([1, 2, 3, 0, 4, 5, 6, 0])),
        'rgb555.bmp': bmp(2, 1, 16, 0, [], bytes([0x00, 0x7C, 0x1F, 0x00])),
        'fields565.bmp': bmp(1, 1, 16, 3, [0xF800, 0x07E0, 0x001F], bytes([0xE0, 0x07, 0, 0])),
        'rgb24.bmp': bmp(2, 2, 24, 0, [], bytes(range(6)) + b'\0\0' + bytes(range(6, 12)) + b'\0\0'),
        'rgb32.bmp': bmp(2, 1, 32, 0, [], bytes(range(8))),
        'rle8.bmp': bmp(4, 3, 8, 1, grey[:4], bytes([4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 2, 1, 1, 1, 3, 0, 1])),
        'rle4.bmp': bmp(5, 2, 4, 2, grey[:16], bytes([3, 0x12, 0, 0, 0, 3, 0x45, 0x60, 0, 1])),
        'no-length.bmp': bmp(2, 2, 24, 0, [], bytes(16), zero_size=True),
        'os2.bmp': os2(2, 2, grey[:4], bytes([1, 2, 0, 0, 3, 0, 0, 0])),
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main(sys.argv[1])
