"""Checks of the committed pictures in assets/.

    /usr/bin/python3 -m unittest discover -s tools/pictures -p 'test_*.py'
"""

import os
import struct
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.normpath(os.path.join(HERE, "..", "..", "assets"))
sys.path.insert(0, HERE)

from PIL import Image  # noqa: E402

KEY = (60, 188, 255)
SKY = (63, 191, 255)

PREFIXES = ["Ember", "Fennel", "Pip", "Clover", "Rook", "Volt"]
# suffix: sizes for the prefixes above, "WxH" each
POSES = """
Right         15x27 15x31 16x27 14x32 16x32 21x27
Left          16x27 15x31 16x27 14x32 16x32 21x27
WalkRight     16x27 16x30 16x27 15x32 16x32 24x27
WalkLeft      16x27 16x30 16x27 15x32 16x32 24x27
JumpRight     16x26 16x30 16x27 15x32 16x27 26x30
JumpLeft      16x26 16x30 16x27 15x32 16x27 26x30
Climb1        16x27 16x30 15x27 15x32 16x30 24x27
Climb2        16x27 16x30 15x27 15x32 16x30 24x27
PullRight     19x29 19x29 20x29 18x32 16x32 21x32
PullLeft      19x29 19x29 20x29 18x32 16x32 21x32
Lift          19x29 19x29 20x29 18x32 18x32 21x32
HoldRight     16x27 15x31 16x27 15x32 16x32 21x27
HoldLeft      16x27 15x31 16x27 15x32 16x32 21x27
HoldMoveRight 16x27 16x31 16x27 15x32 16x32 21x27
HoldMoveLeft  16x27 16x31 16x27 15x32 16x32 21x27
ThrowRight    19x29 19x31 20x29 18x32 16x32 24x32
ThrowLeft     19x29 19x31 20x29 18x32 16x32 24x32
"""
# name size kind: t = may show the scene through, o = drawn edge to edge,
# T = must show the scene through somewhere
OTHERS = """
MaskerRight1 16x16 T   MaskerRight2 16x15 T   MaskerLeft1 16x16 T   MaskerLeft2 16x15 T
MaskerRightUD1 16x16 T MaskerLeftUD1 16x16 T  MaskerRightUD2 16x16 T MaskerLeftUD2 16x16 T
BigVeggie 16x16 T      SmallVeggie 10x16 T    Cherry1 13x16 T       Potion 14x16 T
POW 16x17 t            up 16x16 T             Cloud1 22x13 T        plant 15x8 T
Ladder 16x128 T        Image1 64x16 T         Door 16x32 o
Ground 256x24 o        Tree 16x177 T          FullEnergy 8x14 o     EmptyEnergy 8x14 T
Hill 48x81 o           Vine 16x159 T          Post 16x177 o         Sky 582x311 o
Placeholder 15x12 o
EmberPortrait 18x30 o  FennelPortrait 18x30 o PipPortrait 18x30 o   CloverPortrait 18x30 o
RookPortrait 14x34 o   VoltPortrait 21x24 o   Stage 224x208 o       Backdrop 256x224 o
MainIcon 32x32 t       PlayIcon 32x32 t
"""
SAME = [("FennelJumpRight", "FennelWalkRight"), ("FennelJumpLeft", "FennelWalkLeft"),
        ("CloverHoldMoveRight", "CloverHoldRight"), ("CloverHoldMoveLeft", "CloverHoldLeft")]


def expected():
    """name -> ((width, height), kind)"""
    table = {}
    for line in POSES.split("\n"):
        if line.strip():
            suffix, *sizes = line.split()
            for prefix, size in zip(PREFIXES, sizes):
                table[prefix + suffix] = (tuple(map(int, size.split("x"))), "T")
    words = OTHERS.split()
    for name, size, kind in zip(words[::3], words[1::3], words[2::3]):
        table[name] = (tuple(map(int, size.split("x"))), kind)
    return table


def read_manifest(folder=ASSETS):
    entries = {}
    with open(os.path.join(folder, "pictures.txt"), encoding="ascii") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                name, file = line.split()
                entries[name] = file
    return entries


def gif_structure(data):
    """(palette entries, transparent index or None, number of frames) read
    straight from the bytes of a GIF."""
    assert data[:6] == b"GIF89a", data[:6]
    flags = data[10]
    assert flags & 0x80, "no global palette"
    count = 2 << (flags & 7)
    pos = 13
    palette = [tuple(data[pos + 3 * i:pos + 3 * i + 3]) for i in range(count)]
    pos += 3 * count
    transparent, frames = None, 0
    while True:
        block = data[pos]
        if block == 0x3B:
            return palette, transparent, frames
        if block == 0x21:
            label = data[pos + 1]
            pos += 2
            if label == 0xF9:
                size, packed = data[pos], data[pos + 1]
                assert size == 4
                if packed & 1:
                    transparent = data[pos + 4]
            while data[pos]:
                pos += data[pos] + 1
            pos += 1
        elif block == 0x2C:
            frames += 1
            packed = data[pos + 9]
            pos += 10
            if packed & 0x80:
                pos += 3 * (2 << (packed & 7))
            pos += 1                        # LZW minimum code size
            while data[pos]:
                pos += data[pos] + 1
            pos += 1
        else:
            raise AssertionError(f"unexpected block {block:#x} at {pos}")


class ManifestTest(unittest.TestCase):
    def test_names_files_and_sizes(self):
        manifest = read_manifest()
        table = expected()
        self.assertEqual(sorted(manifest), sorted(table))
        for name, ((w, h), _) in table.items():
            with self.subTest(name=name):
                path = os.path.join(ASSETS, manifest[name])
                with Image.open(path) as img:
                    self.assertEqual(img.size, (w, h))
        listed = set(manifest.values())
        on_disk = {f for f in os.listdir(ASSETS) if f.endswith((".gif", ".bmp"))}
        self.assertEqual(listed, on_disk, "every file listed, no stray files")

    def test_identical_pairs_share_one_file(self):
        manifest = read_manifest()
        for alias, picture in SAME:
            self.assertEqual(manifest[alias], manifest[picture])
        # every other picture has a file of its own
        files = [f for n, f in manifest.items() if n not in dict(SAME)]
        self.assertEqual(len(files), len(set(files)))


class FormatTest(unittest.TestCase):
    def test_gif_pictures(self):
        manifest = read_manifest()
        for name, ((w, h), kind) in expected().items():
            if name == "Door":
                continue
            with self.subTest(name=name):
                self.assertTrue(manifest[name].endswith(".gif"))
                with open(os.path.join(ASSETS, manifest[name]), "rb") as f:
                    palette, key, frames = gif_structure(f.read())
                self.assertEqual(frames, 1)
                self.assertIn(len(palette), (4, 8))
                self.assertIn(key, (1, 2, 3))
                self.assertEqual(palette[key], KEY)
                others = [c for i, c in enumerate(palette) if i != key]
                self.assertNotIn(KEY, others, "key colour only on the see-through entry")
                with Image.open(os.path.join(ASSETS, manifest[name])) as img:
                    self.assertEqual(img.mode, "P")
                    self.assertEqual(img.info.get("transparency"), key)
                    uses_key = key in img.getdata()
                if kind == "o":
                    self.assertFalse(uses_key, "drawn edge to edge")
                elif kind == "T":
                    self.assertTrue(uses_key, "should show the scene through")

    def test_door_is_an_opaque_24_bit_bitmap(self):
        path = os.path.join(ASSETS, read_manifest()["Door"])
        self.assertTrue(path.endswith("Door.bmp"))
        with open(path, "rb") as f:
            data = f.read()
        self.assertEqual(data[:2], b"BM")
        self.assertEqual(struct.unpack_from("<H", data, 28)[0], 24)
        with Image.open(path) as img:
            self.assertEqual(img.mode, "RGB")
            self.assertNotIn("transparency", img.info)

    def test_hill_top_is_flat_where_the_hero_stands(self):
        # The hero stands anywhere across the hill's width, so the first row
        # of grass must run nearly edge to edge with no gap in it.
        with Image.open(os.path.join(ASSETS, "Hill.gif")) as img:
            rgb = img.convert("RGB")
        rows = [[rgb.getpixel((x, y)) != SKY for x in range(rgb.width)] for y in range(rgb.height)]
        top = next(y for y, row in enumerate(rows) if any(row))
        self.assertEqual(top, 0)
        self.assertTrue(all(rows[top][2:46]), "top row spans columns 2 to 45")

    def test_sky_is_one_colour(self):
        with Image.open(os.path.join(ASSETS, "Sky.gif")) as img:
            self.assertEqual(img.convert("RGB").getcolors(), [(582 * 311, SKY)])


class RegenerateTest(unittest.TestCase):
    def test_sources_give_the_committed_files(self):
        import make_pictures
        with tempfile.TemporaryDirectory() as tmp:
            make_pictures.main(["--out", tmp])
            made = sorted(os.listdir(tmp))
            committed = sorted(f for f in os.listdir(ASSETS)
                               if f.endswith((".gif", ".bmp", ".png")) or f == "pictures.txt")
            self.assertEqual(made, committed)
            for f in made:
                with self.subTest(file=f):
                    with open(os.path.join(tmp, f), "rb") as a, open(os.path.join(ASSETS, f), "rb") as b:
                        self.assertTrue(a.read() == b.read(), f"{f} differs from its sources")


if __name__ == "__main__":
    unittest.main()
