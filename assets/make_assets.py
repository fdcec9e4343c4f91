#!/usr/bin/env python3
"""Draws the pictures that ship inside the programs, from plain numbers, with no libraries.

    make_assets.py renderer-icon OUT.ico   the renderer's class icon: 32 x 32, 16 colours
"""
import math
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def nearest_palette_index(rgb):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(rgb, VGA_PALETTE[i])))


def hue_rgb(hue, value):
    """A pure hue in [0, 1) at brightness value, as 0..255 channels."""
    sector = hue * 6.0
    ramps = [(1, sector, 0), (2 - sector, 1, 0), (0, 1, sector - 2),
             (0, 4 - sector, 1), (sector - 4, 0, 1), (1, 0, 6 - sector)]
    r, g, b = ramps[min(int(sector), 5)]
    return tuple(int(round(255 * value * max(0.0, min(1.0, c)))) for c in (r, g, b))


def renderer_icon_pixels(size=32):
    """Two glowing trails spiralling out of the centre, dim at their old ends, on black."""
    glow = [[(0.0, 0.0, 0.0) for _ in range(size)] for _ in range(size)]
    centre = (size - 1) / 2.0
    for trail, (start_hue, phase) in enumerate([(0.0, 0.0), (0.5, math.pi)]):
        steps = 220
        for step in range(steps):
            t = step / (steps - 1)                 # 0 oldest .. 1 newest
            angle = phase + 4.2 * math.pi * t
            radius = 2.0 + 12.5 * t
            x = centre + radius * math.cos(angle)
            y = centre + radius * math.sin(angle) * 0.8
            colour = hue_rgb((start_hue + 0.45 * t) % 1.0, 0.25 + 0.75 * t)
            px, py = int(round(x)), int(round(y))
            if 0 <= px < size and 0 <= py < size:
                glow[py][px] = tuple(max(a, b) for a, b in zip(glow[py][px], colour))
    glow[int(centre)][int(centre)] = (255, 255, 255)
    return [[nearest_palette_index(p) for p in row] for row in glow]


def write_ico_4bit(path, pixels):
    """One 32 x 32 image, 4 bits a pixel with the palette above, fully opaque."""
    size = len(pixels)
    row_bytes = size // 2                          # 4 bits a pixel, 16 bytes: already 4-aligned
    mask_row_bytes = ((size + 31) // 32) * 4
    xor = bytearray()
    for row in reversed(pixels):                   # bottom-up
        for x in range(0, size, 2):
            xor.append((row[x] << 4) | row[x + 1])
    and_mask = bytes(mask_row_bytes * size)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA_PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)
    assert row_bytes * size == len(xor)


def main(argv):
    if len(argv) == 3 and argv[1] == "renderer-icon":
        write_ico_4bit(argv[2], renderer_icon_pixels())
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
