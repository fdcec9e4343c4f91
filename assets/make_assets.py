#!/usr/bin/env python3
"""Draws the pictures that ship inside the programs, from plain numbers, with no libraries.

    make_assets.py renderer-icon OUT.ico    the renderer's class icon: 32 x 32, 16 colours
    make_assets.py state-pictures OUTDIR    the button's six state pictures: 64 x 25, 24-bit BMP
    make_assets.py marks OUTDIR             the dialog's two choice marks: 12 x 12, 24-bit BMP
    make_assets.py dialog-icon OUT.ico      the dialog's window icon: 32 x 32, 256 colours
"""
import math
import os
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


def write_ico(path, pixels, palette, bits):
    """One square image of palette indices, 4 or 8 bits a pixel, fully opaque."""
    size = len(pixels)
    per_byte = 8 // bits
    xor = bytearray()
    for row in reversed(pixels):                   # bottom-up
        for x in range(0, size, per_byte):
            byte = 0
            for i in range(per_byte):
                byte = (byte << bits) | row[x + i]
            xor.append(byte)
        while len(xor) % 4:                        # rows padded to 4 bytes
            xor.append(0)
    mask_row_bytes = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row_bytes * size)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(and_mask), 0, 0, len(palette), 0)
    image = header + colours + bytes(xor) + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    colour_count = len(palette) if len(palette) < 256 else 0
    entry = struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def write_bmp_24(path, pixels):
    """A 24-bit BMP of (red, green, blue) rows given top first; stored bottom-up, rows padded to 4 bytes."""
    height, width = len(pixels), len(pixels[0])
    row_bytes = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):
        for r, g, b in row:
            data += bytes((b, g, r))
        data += bytes(row_bytes - width * 3)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(head + info + bytes(data))


def rgb(code):
    """'E0DCC9' -> (0xE0, 0xDC, 0xC9)."""
    return tuple(int(code[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(int(math.floor(x + (y - x) * t + 0.5)) for x, y in zip(a, b))


# --- The button's state pictures ------------------------------------------------------------
# Only the outer 4 pixels of each picture reach the screen: the corners as they are, the edge
# strips (columns 4-59, rows 4-20) stretched along the button.
FACE_W, FACE_H = 64, 25
STRIP_TOP, STRIP_BOTTOM = 4, 20                 # the rows a side strip runs over

RIM = {"top": "E0DCC9", "left": "E2DECB", "bottom": "F8F7F0", "right": "F0EEE0"}
FRAME = "003C74"
# Rounded frame corners: (the corner pixel, its two neighbours on the line), blended towards the rim.
FRAME_CORNERS = {"tl": ("7A95A8", "2D5C85"), "tr": ("8099A9", "2E5E87"),
                 "bl": ("829CAE", "2F5F89"), "br": ("86A0B4", "31618B")}
GREY_BORDER = "ECE9D8"

# The inner band inside the blue frame. top, bottom: band rows from top to bottom; left, right:
# band columns from left to right, each a (top, bottom) ramp over the strip rows; touches: single
# pixels (x, y, colour) laid over the band.
BLUE_LOOKS = {
    "normal": dict(top=["F3F3EE", "F3F3EE"], bottom=["E2DFD6", "D6D0C5"],
                   left=[("FDFDFC", "EBEBE5"), ("FDFDFC", "EBEBE5")],
                   right=[("FBFBFA", "E4E2DA"), ("F6F4F2", "E0DDD4")]),
    "highlight": dict(top=["FFF0CF", "FDD889"], bottom=["F8B330", "E59700"],
                      left=[("FEDF9A", "F9B435"), ("FCD279", "F8B535")],
                      right=[("FCD279", "F8B535"), ("FDE09B", "F8B435")]),
    "selected": dict(top=["CEE7FF", "B1CCF2"], bottom=["6982EE", "6982EE"],
                     left=[("B7D0F4", "8BADE4"), ("B7D0F4", "8BADE4")],
                     right=[("B1CCF2", "8BAFE5"), ("B1CCF2", "8BAFE5")],
                     touches=[(2, 3, "CEE7FF"), (61, 3, "CEE7FF")]),
    # The normal look sunk by one pixel, with a grey band: a shadow under the top of the frame.
    "pressed": dict(inset=1, top=["D1CCC1"], bottom=["F2F1EE"],
                    left=[("D8D5CB", "D8D5CB")], right=[("E5E4DD", "E5E4DD")]),
}
DISABLE = dict(frame="C9C7BA", corners=("D8D5C7", "CBC9BC"), inside="F5F4EA")

STATE_PICTURES = ["normal", "highlight", "highlightselect", "pressed", "disable", "selected"]


def ring(px, k, top, left, bottom, right):
    """The rectangle k pixels in from the edge; its rows own the corners."""
    w, h = len(px[0]), len(px)
    for y in range(k + 1, h - 1 - k):
        px[y][k], px[y][w - 1 - k] = rgb(left), rgb(right)
    for x in range(k, w - k):
        px[k][x], px[h - 1 - k][x] = rgb(top), rgb(bottom)


def round_corners(px, k, corners):
    """Softens the four corners of ring k: the corner pixel and its two neighbours on the ring."""
    w, h = len(px[0]), len(px)
    for name, (x, y, dx, dy) in {"tl": (k, k, 1, 1), "tr": (w - 1 - k, k, -1, 1),
                                 "bl": (k, h - 1 - k, 1, -1), "br": (w - 1 - k, h - 1 - k, -1, -1)}.items():
        corner, near = corners[name] if isinstance(corners, dict) else corners
        px[y][x] = rgb(corner)
        px[y][x + dx] = px[y + dy][x] = rgb(near)


def strip_ramp(start, end):
    n = STRIP_BOTTOM - STRIP_TOP + 1
    return [mix(rgb(start), rgb(end), i / (n - 1)) for i in range(n)]


def blue_face(look):
    s = look.get("inset", 0)
    top, bottom = look["top"], look["bottom"]
    # The inside, never shown: the band carried on from the last top row to the first bottom row.
    inside = strip_ramp(top[-1], bottom[0])
    px = [[inside[min(max(y - STRIP_TOP, 0), len(inside) - 1)]] * FACE_W for y in range(FACE_H)]
    for k in range(s):
        ring(px, k, GREY_BORDER, GREY_BORDER, GREY_BORDER, GREY_BORDER)
    ring(px, s, RIM["top"], RIM["left"], RIM["bottom"], RIM["right"])
    ring(px, s + 1, FRAME, FRAME, FRAME, FRAME)
    band = s + 2
    for columns, x0 in ((look["left"], band), (look["right"], FACE_W - band - len(look["right"]))):
        for i, (start, end) in enumerate(columns):
            for j, colour in enumerate(strip_ramp(start, end)):
                px[STRIP_TOP + j][x0 + i] = colour
    for rows, y0 in ((top, band), (bottom, FACE_H - band - len(bottom))):
        for i, colour in enumerate(rows):
            for x in range(band, FACE_W - band):
                px[y0 + i][x] = rgb(colour)
    for x, y, colour in look.get("touches", []):
        px[y][x] = rgb(colour)
    round_corners(px, s + 1, FRAME_CORNERS)
    return px


def disable_face():
    px = [[rgb(DISABLE["inside"])] * FACE_W for _ in range(FACE_H)]
    ring(px, 0, GREY_BORDER, GREY_BORDER, GREY_BORDER, GREY_BORDER)
    ring(px, 1, *[DISABLE["frame"]] * 4)
    round_corners(px, 1, DISABLE["corners"])
    return px


def state_picture(name):
    if name == "disable":
        return disable_face()
    if name == "highlightselect":
        name = "highlight"                         # the same pixels
    return blue_face(BLUE_LOOKS[name])


# --- The dialog's choice marks --------------------------------------------------------------
MARK_SIZE = 12
MARK_OUTLINE = "C0C0C0"                          # light grey
MARK_EMPTY = "F0F0F0"
MARK_BLUE = ("4A86E8", "1C4FB4")                 # top and bottom of the blue fill


def mark_pixels(selected):
    """An empty light-grey square; the selected one filled with blue inside a one-pixel light margin."""
    n = MARK_SIZE
    px = [[rgb(MARK_EMPTY)] * n for _ in range(n)]
    ring(px, 0, *[MARK_OUTLINE] * 4)
    if selected:
        for y in range(2, n - 2):
            colour = mix(rgb(MARK_BLUE[0]), rgb(MARK_BLUE[1]), (y - 2) / (n - 5))
            for x in range(2, n - 2):
                px[y][x] = colour
    return px


# --- The dialog's window icon ---------------------------------------------------------------
STREAK_BLUE = (40, 110, 255)
STREAK_BLUE_AT = 0.55                            # palette level where black-to-blue turns to blue-to-white


def streak_palette():
    """256 levels of light: black up to blue, then blue up to white."""
    palette = []
    for i in range(256):
        s = i / 255
        if s <= STREAK_BLUE_AT:
            palette.append(mix((0, 0, 0), STREAK_BLUE, s / STREAK_BLUE_AT))
        else:
            palette.append(mix(STREAK_BLUE, (255, 255, 255), (s - STREAK_BLUE_AT) / (1 - STREAK_BLUE_AT)))
    return palette


def streak_pixels(size=32):
    """A streak from the bottom-left to the top-right corner: a white core in a blue glow,
    brightest at the middle. Each pixel is a palette level."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            across = abs(x + y - (size - 1)) / math.sqrt(2)        # from the diagonal
            along = (x - y + size) / (2 * size)                      # 0 bottom-left .. 1 top-right
            core = math.exp(-(across / 0.9) ** 2)
            glow = math.exp(-(across / 3.2) ** 2)
            swell = 0.35 + 0.65 * math.sin(math.pi * along) ** 1.5
            level = min(1.0, (0.45 * core + 0.62 * glow) * swell)
            row.append(int(round(255 * level)))
        rows.append(row)
    return rows


def main(argv):
    command, out = (argv[1], argv[2]) if len(argv) == 3 else (None, None)
    if command == "renderer-icon":
        write_ico(out, renderer_icon_pixels(), VGA_PALETTE, 4)
        return 0
    if command == "state-pictures":
        os.makedirs(out, exist_ok=True)
        for name in STATE_PICTURES:
            write_bmp_24(os.path.join(out, name + ".bmp"), state_picture(name))
        return 0
    if command == "marks":
        os.makedirs(out, exist_ok=True)
        write_bmp_24(os.path.join(out, "mark_unselected.bmp"), mark_pixels(False))
        write_bmp_24(os.path.join(out, "mark_selected.bmp"), mark_pixels(True))
        return 0
    if command == "dialog-icon":
        write_ico(out, streak_pixels(), streak_palette(), 8)
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
