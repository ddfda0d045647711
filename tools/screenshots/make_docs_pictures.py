#!/usr/bin/python3
"""Makes the README's pictures in docs/ from the game itself, through its
headless driver: every character standing on the hill, the start screen's
title at zoom 1, 2 and 3, and the settings window at zoom 3.

    /usr/bin/python3 tools/screenshots/make_docs_pictures.py [PROGRAM]

PROGRAM defaults to build/turnip-trek. Needs Pillow (Debian's python3 has it).
"""

import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DOCS = os.path.join(ROOT, "docs")

# The start screen's portraits, left to right.
CHARACTERS = [("Ember", "Image2"), ("Fennel", "Image1"), ("Pip", "Image3"),
              ("Clover", "Image4"), ("Rook", "Image7"), ("Volt Kid", "Image8")]
# Beside the hill, both shoulders, the middle and the right-hand wall.
HILL_LEFTS = [2790, 2880, 3240, 3445]
# Around the hill and a standing hero, in game pixels.
HILL_CROP = (176, 20, 255, 72)
# Around the title's box, in game pixels.
TITLE_CROP = (34, 26, 228, 64)
ZOOM = 4
GAP = 4


def run(program, zoom, lines):
    script = "".join(line + "\n" for line in lines)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run([program, "--headless", "--zoom", str(zoom), "-"], input=script.encode(),
                   env=env, check=True, stdout=subprocess.DEVNULL)


def standing_shot(program, folder, portrait, left):
    """The hero dropped a little above the hill at `left`, landed. The enemy
    is sent away first, so that nobody lands on it instead."""
    file = os.path.join(folder, f"{portrait}-{left}.png")
    run(program, ZOOM, [
        f"click Main.{portrait}", "click Main.Command1", "tick",
        "set Play.Enemy1.Left 600",
        f"set Play.You.Left {left}", "set Play.You.Top 300", "tick 20",
        f"expect Play.You.Left={left} OnEnemy=0 JumpStep=0",
        f"screenshot Play {file}"])
    return Image.open(file).convert("RGB").crop(tuple(v * ZOOM for v in HILL_CROP))


def hill_montage(program, folder):
    width = (HILL_CROP[2] - HILL_CROP[0]) * ZOOM
    height = (HILL_CROP[3] - HILL_CROP[1]) * ZOOM
    name_width = 64
    sheet = Image.new("RGB", (name_width + len(HILL_LEFTS) * (width + GAP),
                              GAP + len(CHARACTERS) * (height + GAP)), (0, 0, 0))
    draw = ImageDraw.Draw(sheet)
    for row, (name, portrait) in enumerate(CHARACTERS):
        top = GAP + row * (height + GAP)
        draw.text((6, top + height // 2 - 5), name, fill=(255, 255, 255))
        for column, left in enumerate(HILL_LEFTS):
            shot = standing_shot(program, folder, portrait, left)
            sheet.paste(shot, (name_width + column * (width + GAP), top))
    sheet.save(os.path.join(DOCS, "hill-standing-every-character-zoom4.png"), optimize=True)


def title_crops(program, folder):
    for zoom in (1, 2, 3):
        file = os.path.join(folder, f"start-{zoom}.png")
        run(program, zoom, [f"screenshot Main {file}"])
        crop = Image.open(file).convert("RGB").crop(tuple(v * zoom for v in TITLE_CROP))
        crop.save(os.path.join(DOCS, f"title-zoom{zoom}.png"), optimize=True)


def settings_window(program, folder):
    file = os.path.join(folder, "settings.png")
    # F1 on the play field opens the settings.
    run(program, 3, ["click Main.Command1", "tick", "key Play 112", f"screenshot Settings {file}"])
    Image.open(file).save(os.path.join(DOCS, "settings-zoom3.png"), optimize=True)


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "turnip-trek")
    with tempfile.TemporaryDirectory() as folder:
        hill_montage(program, folder)
        title_crops(program, folder)
        settings_window(program, folder)


if __name__ == "__main__":
    main()
