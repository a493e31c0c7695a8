#!/usr/bin/env python3
"""Draws the program's icon: a grey key cap with a green check mark, as one
.ico file with a 32x32 and a 16x16 image in the 16 standard colours.
Usage: make-icon.py OUTPUT.ico"""
import struct
import sys

# The 16 standard colours, in the order every 4-bit display driver uses.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREEN, LIGHT_GREY, DARK_GREY, WHITE = 0, 2, 7, 8, 15
CLEAR = None  # transparent: AND mask bit set, colour 0


def draw(size):
    """Rows top to bottom of palette indexes, CLEAR where transparent."""
    s = size / 32.0
    pixels = [[CLEAR] * size for _ in range(size)]
    lo, hi = round(2 * s), size - 1 - round(2 * s)
    for y in range(lo, hi + 1):
        for x in range(lo, hi + 1):
            corner = (x in (lo, hi)) and (y in (lo, hi))
            if corner:
                continue
            edge = x in (lo, hi) or y in (lo, hi)
            # The key cap: a light top face on a darker base.
            if edge:
                pixels[y][x] = BLACK
            elif x >= hi - round(3 * s) or y >= hi - round(3 * s):
                pixels[y][x] = DARK_GREY
            elif x <= lo + round(1 * s) or y <= lo + round(1 * s):
                pixels[y][x] = WHITE
            else:
                pixels[y][x] = LIGHT_GREY
    # The check mark: a short stroke down to the right, a long one up.
    width = max(1, round(3 * s))
    def stroke(x0, y0, x1, y1):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            cx = x0 + (x1 - x0) * i / steps
            cy = y0 + (y1 - y0) * i / steps
            for dy in range(width):
                px, py = round(cx), round(cy) + dy
                if 0 <= px < size and 0 <= py < size:
                    pixels[py][px] = DARK_GREEN
    stroke(round(8 * s), round(15 * s), round(13 * s), round(20 * s))
    stroke(round(13 * s), round(20 * s), round(23 * s), round(8 * s))
    return pixels


def image(size):
    pixels = draw(size)
    xor_row = (size * 4 + 31) // 32 * 4
    and_row = (size + 31) // 32 * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bitmaps run bottom-up
        line = bytearray(xor_row)
        bits = bytearray(and_row)
        for x, p in enumerate(row):
            value = 0 if p is CLEAR else p
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if p is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def main():
    images = [image(32), image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(sys.argv[1], 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
