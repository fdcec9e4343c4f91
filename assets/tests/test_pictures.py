"""The pictures drawn by make_assets.py, read back from the files it writes."""
import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import make_assets  # noqa: E402

OUT = None


def setUpModule():
    global OUT
    OUT = tempfile.TemporaryDirectory()
    for argv in (["state-pictures", os.path.join(OUT.name, "command")],
                 ["marks", OUT.name],
                 ["dialog-icon", os.path.join(OUT.name, "dialog_icon.ico")],
                 ["renderer-icon", os.path.join(OUT.name, "renderer_icon.ico")]):
        assert make_assets.main(["make_assets.py"] + argv) == 0, argv


def tearDownModule():
    OUT.cleanup()


def path(name):
    folder = OUT.name if name.startswith(("mark_", "dialog_", "renderer_")) else os.path.join(OUT.name, "command")
    return os.path.join(folder, name if "." in name else name + ".bmp")


def read(name):
    with open(path(name), "rb") as f:
        return f.read()


def bmp_header(data):
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    fields = struct.unpack_from("<IiiHHIIiiII", data, 14)
    return dict(magic=magic, size=size, offset=offset, header=fields[0], width=fields[1],
                height=fields[2], planes=fields[3], bits=fields[4], compression=fields[5],
                image_size=fields[6])


def bmp_pixels(name):
    """Rows top first of (r, g, b), from a bottom-up 24-bit BMP with padded rows."""
    data = read(name)
    h = bmp_header(data)
    stride = (h["width"] * 3 + 3) // 4 * 4
    rows = []
    for y in range(h["height"]):
        start = h["offset"] + (h["height"] - 1 - y) * stride
        rows.append([(data[start + 3 * x + 2], data[start + 3 * x + 1], data[start + 3 * x])
                     for x in range(h["width"])])
    return rows


def hexrgb(code):
    return tuple(int(code[i:i + 2], 16) for i in (0, 2, 4))


def ico(name):
    """(directory entry, bitmap header, palette, rows top first of (r, g, b)) of a one-image icon."""
    data = read(name)
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, 1)
    w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    entry = dict(width=w, height=h, colours=colours, planes=planes, bits=bits, size=size, offset=offset)
    fields = struct.unpack_from("<IiiHHIIiiII", data, offset)
    header = dict(header=fields[0], width=fields[1], height=fields[2], planes=fields[3],
                  bits=fields[4], used=fields[9])
    n = header["used"]
    base = offset + fields[0]
    palette = [(data[base + 4 * i + 2], data[base + 4 * i + 1], data[base + 4 * i]) for i in range(n)]
    width, bpp = fields[1], fields[4]
    stride = (width * bpp + 31) // 32 * 4
    pixels_at = base + 4 * n
    rows = []
    for y in range(width):
        start = pixels_at + (width - 1 - y) * stride
        row = []
        for x in range(width):
            bit = x * bpp
            index = (data[start + bit // 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1)
            row.append(palette[index])
        rows.append(row)
    return entry, header, palette, rows, len(data)


BLUE = ["normal", "highlight", "highlightselect", "selected"]
FRAME = "003C74"


def areas():
    """(picture, (x0, x1), (y0, y1), colour): every pixel of the inclusive rectangle has the colour."""
    table = []
    for p in BLUE:
        table += [
            (p, (0, 63), (0, 0), "E0DCC9"), (p, (0, 0), (1, 23), "E2DECB"),
            (p, (0, 63), (24, 24), "F8F7F0"), (p, (63, 63), (1, 23), "F0EEE0"),
            (p, (3, 60), (1, 1), FRAME), (p, (3, 60), (23, 23), FRAME),
            (p, (1, 1), (3, 21), FRAME), (p, (62, 62), (3, 21), FRAME),
            (p, (1, 1), (1, 1), "7A95A8"),
        ]
    for p in ("highlight", "highlightselect"):
        table += [(p, (2, 61), (2, 2), "FFF0CF"), (p, (2, 61), (3, 3), "FDD889"),
                  (p, (2, 61), (21, 21), "F8B330"), (p, (2, 61), (22, 22), "E59700")]
    table += [
        ("normal", (2, 61), (2, 3), "F3F3EE"),
        ("normal", (2, 61), (21, 21), "E2DFD6"), ("normal", (2, 61), (22, 22), "D6D0C5"),
        ("selected", (2, 61), (2, 2), "CEE7FF"), ("selected", (3, 60), (3, 3), "B1CCF2"),
        ("selected", (2, 61), (21, 22), "6982EE"),
        # Pressed: the normal layout one pixel in, on a grey border, with a grey band.
        ("pressed", (0, 63), (0, 0), "ECE9D8"), ("pressed", (0, 63), (24, 24), "ECE9D8"),
        ("pressed", (0, 0), (0, 24), "ECE9D8"), ("pressed", (63, 63), (0, 24), "ECE9D8"),
        ("pressed", (1, 62), (1, 1), "E0DCC9"), ("pressed", (1, 1), (2, 22), "E2DECB"),
        ("pressed", (1, 62), (23, 23), "F8F7F0"), ("pressed", (62, 62), (2, 22), "F0EEE0"),
        ("pressed", (4, 59), (2, 2), FRAME), ("pressed", (4, 59), (22, 22), FRAME),
        ("pressed", (2, 2), (4, 20), FRAME), ("pressed", (61, 61), (4, 20), FRAME),
        ("pressed", (2, 2), (2, 2), "7A95A8"),
        ("pressed", (3, 60), (3, 3), "D1CCC1"), ("pressed", (3, 60), (21, 21), "F2F1EE"),
        ("pressed", (3, 3), (4, 20), "D8D5CB"), ("pressed", (60, 60), (4, 20), "E5E4DD"),
        # Disable: no blue.
        ("disable", (0, 63), (0, 0), "ECE9D8"), ("disable", (0, 63), (24, 24), "ECE9D8"),
        ("disable", (0, 0), (0, 24), "ECE9D8"), ("disable", (63, 63), (0, 24), "ECE9D8"),
        ("disable", (3, 60), (1, 1), "C9C7BA"), ("disable", (3, 60), (23, 23), "C9C7BA"),
        ("disable", (1, 1), (3, 21), "C9C7BA"), ("disable", (62, 62), (3, 21), "C9C7BA"),
        ("disable", (2, 61), (2, 22), "F5F4EA"),
    ]
    for x, y in ((1, 1), (62, 1), (1, 23), (62, 23)):
        table.append(("disable", (x, x), (y, y), "D8D5C7"))
    for x, y in ((2, 1), (1, 2), (61, 1), (62, 2), (1, 22), (2, 23), (61, 23), (62, 22)):
        table.append(("disable", (x, x), (y, y), "CBC9BC"))
    table += [
        ("mark_unselected", (0, 11), (0, 0), "C0C0C0"), ("mark_unselected", (0, 11), (11, 11), "C0C0C0"),
        ("mark_unselected", (0, 0), (0, 11), "C0C0C0"), ("mark_unselected", (11, 11), (0, 11), "C0C0C0"),
        ("mark_unselected", (1, 10), (1, 10), "F0F0F0"),
        ("mark_selected", (0, 11), (0, 0), "C0C0C0"), ("mark_selected", (0, 0), (0, 11), "C0C0C0"),
        ("mark_selected", (1, 10), (1, 1), "F0F0F0"), ("mark_selected", (1, 1), (1, 10), "F0F0F0"),
        ("mark_selected", (2, 9), (2, 2), "4A86E8"), ("mark_selected", (2, 9), (9, 9), "1C4FB4"),
    ]
    return table


# (picture, column, colour at row 4, colour at row 20): linear ramps down the side strips.
RAMPS = [
    ("normal", 2, "FDFDFC", "EBEBE5"), ("normal", 3, "FDFDFC", "EBEBE5"),
    ("normal", 60, "FBFBFA", "E4E2DA"), ("normal", 61, "F6F4F2", "E0DDD4"),
    ("highlight", 2, "FEDF9A", "F9B435"), ("highlight", 3, "FCD279", "F8B535"),
    ("highlight", 60, "FCD279", "F8B535"), ("highlight", 61, "FDE09B", "F8B435"),
    ("selected", 2, "B7D0F4", "8BADE4"), ("selected", 3, "B7D0F4", "8BADE4"),
    ("selected", 60, "B1CCF2", "8BAFE5"), ("selected", 61, "B1CCF2", "8BAFE5"),
]

# (picture, ring of the frame line, colour of the frame line)
FRAMES = [(p, 1, FRAME) for p in BLUE] + [("pressed", 2, FRAME), ("disable", 1, "C9C7BA")]


class Headers(unittest.TestCase):
    def test_bitmaps_are_24_bit_bottom_up(self):
        cases = [(p, 64, 25) for p in make_assets.STATE_PICTURES] + [
            ("mark_unselected", 12, 12), ("mark_selected", 12, 12)]
        for name, width, height in cases:
            with self.subTest(name):
                data = read(name)
                h = bmp_header(data)
                stride = (width * 3 + 3) // 4 * 4
                self.assertEqual(
                    (h["magic"], h["size"], h["offset"], h["header"], h["width"], h["height"],
                     h["planes"], h["bits"], h["compression"], h["image_size"]),
                    (b"BM", len(data), 54, 40, width, height, 1, 24, 0, stride * height))
                self.assertEqual(len(data), 54 + stride * height)

    def test_icons(self):
        # (file, bits a pixel, palette entries, directory's colour count)
        for name, bits, colours, listed in (("dialog_icon.ico", 8, 256, 0),
                                            ("renderer_icon.ico", 4, 16, 16)):
            with self.subTest(name):
                entry, header, palette, _, length = ico(name)
                self.assertEqual((entry["width"], entry["height"], entry["colours"], entry["planes"],
                                  entry["bits"], entry["offset"], entry["size"]),
                                 (32, 32, listed, 1, bits, 22, length - 22))
                self.assertEqual((header["header"], header["width"], header["height"],
                                  header["planes"], header["bits"], header["used"]),
                                 (40, 32, 64, 1, bits, colours))
                mask = 4 * 32
                self.assertEqual(length, 22 + 40 + 4 * colours + 32 * 32 * bits // 8 + mask)

    def test_icons_hold_the_drawn_pixels(self):
        # The writer's packing of 4- and 8-bit indices, read back through the palette.
        for name, indices, palette in (
                ("dialog_icon.ico", make_assets.streak_pixels(), make_assets.streak_palette()),
                ("renderer_icon.ico", make_assets.renderer_icon_pixels(), make_assets.VGA_PALETTE)):
            with self.subTest(name):
                self.assertEqual(ico(name)[3], [[palette[i] for i in row] for row in indices])


class StatePictures(unittest.TestCase):
    def test_areas(self):
        for picture, (x0, x1), (y0, y1), colour in areas():
            px = bmp_pixels(picture)
            for y in range(y0, y1 + 1):
                for x in range(x0, x1 + 1):
                    with self.subTest(picture=picture, x=x, y=y):
                        self.assertEqual(px[y][x], hexrgb(colour))

    def test_side_strips_ramp_linearly(self):
        for picture, x, start, end in RAMPS:
            px = bmp_pixels(picture)
            a, b = hexrgb(start), hexrgb(end)
            for y in range(4, 21):
                t = (y - 4) / 16
                with self.subTest(picture=picture, x=x, y=y):
                    for got, lo, hi in zip(px[y][x], a, b):
                        self.assertLessEqual(abs(got - (lo + (hi - lo) * t)), 0.5)

    def test_frame_corners_are_rounded_towards_the_outside(self):
        for picture, k, colour in FRAMES:
            px = bmp_pixels(picture)
            frame = sum(hexrgb(colour))
            for x, y, dx, dy in ((k, k, 1, 1), (63 - k, k, -1, 1), (k, 24 - k, 1, -1), (63 - k, 24 - k, -1, -1)):
                with self.subTest(picture=picture, x=x, y=y):
                    corner, outside = sum(px[y][x]), sum(px[y - dy][x - dx])
                    near = [sum(px[y][x + dx]), sum(px[y + dy][x])]
                    self.assertLess(frame, min(near))
                    self.assertLess(max(near), corner)
                    self.assertLess(corner, outside)

    def test_highlightselect_is_highlight(self):
        self.assertEqual(read("highlightselect"), read("highlight"))


class Icon(unittest.TestCase):
    def test_streak_of_light_on_black(self):
        _, _, palette, px, _ = ico("dialog_icon.ico")
        self.assertEqual(len(set(palette)), 256)
        cases = [  # (x, y, what)
            (0, 0, "dark"), (31, 31, "dark"), (5, 5, "dark"), (26, 26, "dark"), (3, 20, "dark"),
            (15, 16, "white"), (16, 15, "white"),
            (10, 21, "bright"), (21, 10, "bright"), (8, 23, "bright"), (23, 8, "bright"),
            (14, 14, "blue"), (17, 17, "blue"), (12, 16, "blue"),
        ]
        for x, y, what in cases:
            r, g, b = px[y][x]
            with self.subTest(x=x, y=y, what=what):
                if what == "dark":
                    self.assertLess(max(r, g, b), 24)
                elif what == "white":
                    self.assertGreater(min(r, g, b), 230)
                elif what == "bright":
                    self.assertGreater(r + g + b, 400)
                else:
                    self.assertGreater(b, 120)
                    self.assertGreater(b, r + 60)


if __name__ == "__main__":
    unittest.main()
