#!/usr/bin/python3
"""Make every picture of the game from the sources in this folder.

    /usr/bin/python3 tools/pictures/make_pictures.py [--out DIR]

writes into DIR (default: the repository's assets/) one GIF per distinct
picture (Door is a 24-bit BMP), the manifest pictures.txt that names every
picture and its file, and contact-sheet.png, all pictures at 4x on a grid.
The output depends on nothing but these sources: running it twice gives the
same bytes.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw, ImageFont  # noqa: E402

import characters  # noqa: E402
import world  # noqa: E402
from pixels import KEY, PALETTE  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "..", "assets"))

# The pose pictures of each character: suffix -> size per prefix, in the
# order Ember, Fennel, Pip, Clover, Rook, Volt.
POSE_SIZES = {
    "Right": [(15, 27), (15, 31), (16, 27), (14, 32), (16, 32), (21, 27)],
    "Left": [(16, 27), (15, 31), (16, 27), (14, 32), (16, 32), (21, 27)],
    "WalkRight": [(16, 27), (16, 30), (16, 27), (15, 32), (16, 32), (24, 27)],
    "WalkLeft": [(16, 27), (16, 30), (16, 27), (15, 32), (16, 32), (24, 27)],
    "JumpRight": [(16, 26), (16, 30), (16, 27), (15, 32), (16, 27), (26, 30)],
    "JumpLeft": [(16, 26), (16, 30), (16, 27), (15, 32), (16, 27), (26, 30)],
    "Climb1": [(16, 27), (16, 30), (15, 27), (15, 32), (16, 30), (24, 27)],
    "Climb2": [(16, 27), (16, 30), (15, 27), (15, 32), (16, 30), (24, 27)],
    "PullRight": [(19, 29), (19, 29), (20, 29), (18, 32), (16, 32), (21, 32)],
    "PullLeft": [(19, 29), (19, 29), (20, 29), (18, 32), (16, 32), (21, 32)],
    "Lift": [(19, 29), (19, 29), (20, 29), (18, 32), (18, 32), (21, 32)],
    "HoldRight": [(16, 27), (15, 31), (16, 27), (15, 32), (16, 32), (21, 27)],
    "HoldLeft": [(16, 27), (15, 31), (16, 27), (15, 32), (16, 32), (21, 27)],
    "HoldMoveRight": [(16, 27), (16, 31), (16, 27), (15, 32), (16, 32), (21, 27)],
    "HoldMoveLeft": [(16, 27), (16, 31), (16, 27), (15, 32), (16, 32), (21, 27)],
    "ThrowRight": [(19, 29), (19, 31), (20, 29), (18, 32), (16, 32), (24, 32)],
    "ThrowLeft": [(19, 29), (19, 31), (20, 29), (18, 32), (16, 32), (24, 32)],
}

# Pictures that are the very same picture as another one: one file each.
SAME_AS = {
    "FennelJumpRight": "FennelWalkRight",
    "FennelJumpLeft": "FennelWalkLeft",
    "CloverHoldMoveRight": "CloverHoldRight",
    "CloverHoldMoveLeft": "CloverHoldLeft",
}

# Pictures drawn edge to edge: they must not use the see-through colour.
OPAQUE = {
    "Door", "Ground", "FullEnergy", "Hill", "Post", "Sky", "Placeholder",
    "EmberPortrait", "FennelPortrait", "PipPortrait", "CloverPortrait",
    "RookPortrait", "VoltPortrait", "Stage", "Backdrop",
}

BMP_PICTURES = {"Door"}


def character_pictures():
    """name -> canvas for the 102 pose pictures (aliases excluded)."""
    out = {}
    for i, ch in enumerate(characters.CHARACTERS):
        floor = POSE_SIZES["Right"][i][1]
        # the standing picture fixes the leg length the other poses keep
        stand, ch.standard_leg = characters.render(ch, "Right", *POSE_SIZES["Right"][i], floor)
        for suffix, sizes in POSE_SIZES.items():
            name = ch.prefix + suffix
            if name in SAME_AS:
                continue
            if suffix == "Right":
                out[name] = stand
            else:
                out[name] = characters.render(ch, suffix, *sizes[i], floor)[0]
    return out


def all_pictures():
    """(name -> canvas, ordered list of every picture name)."""
    pictures = character_pictures()
    pictures.update(world.pictures())
    pictures.update(world.screen_pictures())
    names = []
    for ch in characters.CHARACTERS:
        names += [ch.prefix + suffix for suffix in POSE_SIZES]
    names += [n for n in world.ORDER]
    assert set(names) == set(pictures) | set(SAME_AS), set(names) ^ (set(pictures) | set(SAME_AS))
    return pictures, names


def file_name(name):
    target = SAME_AS.get(name, name)
    return target + (".bmp" if target in BMP_PICTURES else ".gif")


def palette_for(name, canvas):
    """Palette entries for a picture: entry 1 is the see-through key colour,
    the others are the picture's colours in master-palette order."""
    used = canvas.colours()
    if None in used and name in OPAQUE:
        raise ValueError(f"{name} is opaque but has see-through pixels")
    colours = [c for c in PALETTE if c in used and c != KEY]
    if len(colours) > 7:
        raise ValueError(f"{name} uses {len(colours)} colours: {colours}")
    entries = colours[:1] + [KEY] + colours[1:]
    if len(entries) < 2:
        entries = ["ink", KEY]
    size = 4 if len(entries) <= 4 else 8
    while len(entries) < size:
        entries.append("ink")
    return entries


def write_gif(path, name, canvas):
    entries = palette_for(name, canvas)
    index = {}
    for i, c in enumerate(entries):
        index.setdefault(c, i)
    index[None] = 1
    img = Image.new("P", (canvas.width, canvas.height))
    img.putdata([index[c] for row in canvas.rows for c in row])
    img.putpalette([v for c in entries for v in PALETTE[c]])
    # optimize=False: otherwise Pillow drops unused entries (the key of an
    # opaque picture among them) and renumbers the palette
    img.save(path, format="GIF", transparency=1, optimize=False)


def write_bmp(path, canvas):
    img = Image.new("RGB", (canvas.width, canvas.height))
    img.putdata([PALETTE[c] for row in canvas.rows for c in row])
    img.save(path, format="BMP")


def to_rgba(canvas):
    img = Image.new("RGBA", (canvas.width, canvas.height))
    img.putdata([PALETTE[c] + (255,) if c else (0, 0, 0, 0) for row in canvas.rows for c in row])
    return img


def contact_sheet(pictures, names, path, scale=4):
    """Every picture at 4x on a grid, its name and size underneath.  See-through
    pixels show as a light blue check, so they stand apart from drawn sky."""
    font = ImageFont.load_default()
    cell_w, label_h, pad = 140, 26, 6
    x, y, row_h = 0, 0, 0
    sheet_w = max(1600, max(pictures[SAME_AS.get(n, n)].width for n in names) * scale)
    placed = []
    for n in names:
        c = pictures[SAME_AS.get(n, n)]
        w = max(c.width * scale, cell_w)
        h = c.height * scale + label_h
        if x + w > sheet_w:
            x, y, row_h = 0, y + row_h + pad, 0
        placed.append((n, c, x, y))
        x += w + pad
        row_h = max(row_h, h)
    sheet_h = y + row_h + pad
    sheet = Image.new("RGB", (sheet_w, sheet_h), (40, 44, 52))
    draw = ImageDraw.Draw(sheet)
    for n, c, x, y in placed:
        w, h = c.width * scale, c.height * scale
        draw.rectangle([x, y, x + w - 1, y + h - 1], fill=(150, 214, 255))
        for cy in range(0, h, 8):
            for cx in range((cy // 8) % 2 * 8, w, 16):
                draw.rectangle([x + cx, y + cy, x + min(cx + 8, w) - 1, y + min(cy + 8, h) - 1],
                               fill=(196, 232, 255))
        img = to_rgba(c).resize((w, h), Image.NEAREST)
        sheet.paste(img, (x, y), img)
        draw.text((x, y + h + 2), n, fill=(255, 255, 255), font=font)
        draw.text((x, y + h + 13), f"{c.width}x{c.height}", fill=(170, 180, 190), font=font)
    sheet.save(path, format="PNG")


def main(argv=None):
    parser = argparse.ArgumentParser(description="Make the game's pictures.")
    parser.add_argument("--out", default=DEFAULT_OUT, help="folder to write into (default: assets/)")
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    pictures, names = all_pictures()
    for name in sorted(pictures):
        path = os.path.join(args.out, file_name(name))
        if name in BMP_PICTURES:
            write_bmp(path, pictures[name])
        else:
            write_gif(path, name, pictures[name])
    with open(os.path.join(args.out, "pictures.txt"), "w", encoding="ascii", newline="\n") as f:
        f.write("# Every picture of the game: NAME FILE. Made by tools/pictures/make_pictures.py.\n")
        for name in names:
            f.write(f"{name} {file_name(name)}\n")
    contact_sheet(pictures, names, os.path.join(args.out, "contact-sheet.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
