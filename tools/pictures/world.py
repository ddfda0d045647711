"""The enemy, the items, the scenery of the play field and the start screen.

Small things are text pixel maps of their fill colours; `outlined` adds the
one-pixel outline around them.  Long or large things (ladder, trees, ground,
curtains) are drawn by short loops, with their look set by the constants at
the top of each function.
"""

import math

import characters
from pixels import Canvas, compose, from_map, map_size

# Every picture this module makes, in manifest order, and its size.
SIZES = {
    "MaskerRight1": (16, 16), "MaskerRight2": (16, 15), "MaskerLeft1": (16, 16),
    "MaskerLeft2": (16, 15), "MaskerRightUD1": (16, 16), "MaskerLeftUD1": (16, 16),
    "MaskerRightUD2": (16, 16), "MaskerLeftUD2": (16, 16), "BigVeggie": (16, 16),
    "SmallVeggie": (10, 16), "Cherry1": (13, 16), "Potion": (14, 16), "POW": (16, 17),
    "up": (16, 16), "Cloud1": (22, 13), "plant": (15, 8), "Ladder": (16, 128),
    "Image1": (64, 16), "Door": (16, 32), "Ground": (256, 24), "Tree": (16, 177),
    "FullEnergy": (8, 14), "EmptyEnergy": (8, 14), "Hill": (48, 81), "Vine": (16, 159),
    "Post": (16, 177), "Sky": (582, 311), "Placeholder": (15, 12),
    "EmberPortrait": (18, 30), "FennelPortrait": (18, 30), "PipPortrait": (18, 30),
    "CloverPortrait": (18, 30), "RookPortrait": (14, 34), "VoltPortrait": (21, 24),
    "Stage": (224, 208), "Backdrop": (256, 224), "MainIcon": (32, 32), "PlayIcon": (32, 32),
}
ORDER = list(SIZES)


def outlined(text, legend, outline, size=None):
    """A fill map with a one-pixel outline around it, optionally placed
    bottom-centre on a canvas of the given size."""
    w, h = map_size(text)
    c = compose([(from_map(text, legend), 1, 1, None)], outline, max(w, h) + 2)
    c = c.crop(0, 0, w + 2, h + 2)
    if size is None:
        return c
    out = Canvas(*size)
    out.blit(c, (size[0] - c.width) // 2, size[1] - c.height)
    return out


def flipped(c):
    out = Canvas(c.width, c.height)
    out.rows = [list(r) for r in reversed(c.rows)]
    return out


# --- the enemy: a hopping seed pod ----------------------------------------------

MASKER = {"b": "wood", "l": "wood_light", "g": "leaf", "w": "white", "e": "umber", "f": "orange"}

MASKER_BODY = """
    ........gg.g..
    ........gbb...
    .....bbbbbbbb.
    ...bbbbbbbbbbb
    ..bbbbbwwwbwww
    .bbbbbbwwebwwe
    .bbbbbbwwebwwe
    .bbbbbbbwwbbww
    .bbbbbbbbbbbbb
    .bbbllllllllb.
    ..bbllllllbb..
    ...bbbbbbbb...
"""
# feet: frame 1 stands on both, frame 2 has one foot up (a row shorter)
MASKER_FEET_1 = """
    ...ff....ff...
    ..fff...fff...
"""
MASKER_FEET_2 = """
    ...ff...fff...
"""
# upside down, the feet kick in the air
MASKER_KICK_1 = """
    ..fff....ff...
    ...f......ff..
"""
MASKER_KICK_2 = """
    ...ff...fff...
    ..ff......f...
"""


def masker(feet, upside_down=False):
    rows = MASKER_BODY.strip("\n") + "\n" + feet.strip("\n")
    c = outlined(rows, MASKER, "umber")
    if upside_down:
        c = flipped(c)
    return c


# --- items ----------------------------------------------------------------------

VEGGIE = {"w": "white", "l": "lilac", "p": "purple", "g": "leaf", "d": "leaf_dark"}

BIG_VEGGIE = """
    ...g.g.gg.....
    ...gg.gg.g....
    ....ggggg.....
    .....dgd......
    ...pppppppp...
    ..pplppppppp..
    .pplppppppppp.
    .pllpppppppp..
    .wwlllllllll..
    .wwwwwwwwwwl..
    ..wwwwwwwwl...
    ...wwwwwwl....
    .....wwl......
    ......w.......
"""

SMALL_VEGGIE = """
    ...g.g..
    ..gg.gg.
    ...ggg..
    ....d...
    ..pppp..
    .pplppp.
    .plpppp.
    .llllll.
    .wwwwwl.
    .wwwwwl.
    ..wwwl..
    ..wwl...
    ...w....
    ...w....
"""

CHERRY = {"r": "red", "d": "red_dark", "w": "white", "g": "leaf", "s": "moss"}
CHERRY1 = """
    .......ggg.
    ......gs...
    .....s.s...
    ....s...s..
    ...s....s..
    ..s......s.
    .rrr....s..
    rwrrr..rrr.
    rrrrd.rwrrr
    rrrrd.rrrrd
    .ddd..rrrrd
    .......ddd.
"""

POTION = {"c": "wood_light", "g": "steel", "w": "white", "p": "pink", "q": "purple"}
POTION_MAP = """
    .....cc.....
    .....cc.....
    ....gggg....
    .....gg.....
    .....gg.....
    ....gwgg....
    ..ggwggggg..
    .gwppppppgg.
    .gwpppppppg.
    .gpppppppqg.
    .gppppppqqg.
    ..gqqqqqqg..
    ...gggggg...
    ............
"""

POW_LEGEND = {"b": "blue", "d": "blue_shade", "l": "slate_light", "w": "white"}
POW_MAP = """
    llllllllllllll
    lbbbbbbbbbbbbd
    lbbbbbbbbbbbbd
    lbbbbbbbbbbbbd
    lwwwbbwbbwbbbw
    lwbwbwbwbwbbbw
    lwwwbwbwbwbwbw
    lwbbbwbwbwbwbw
    lwbbbbwbbbwbwd
    lbbbbbbbbbbbbd
    lbbbbbbbbbbbbd
    lbbbbbbbbbbbbd
    lbbbbbbbbbbbbd
    lbbbbbbbbbbbbd
    dddddddddddddd
"""

UP_LEGEND = {"y": "yellow", "g": "gold", "o": "orange"}
UP_MAP = """
    ......yy......
    .....gyyy.....
    ....gyyyyy....
    ...gyyyyyyy...
    ..gyyyyyyyyy..
    .gyyyyyyyyyyy.
    oooogyyyyoooo.
    ....gyyyyo....
    ....gyyyyo....
    ....gyyyyo....
    ....gyyyyo....
    ....gyyyyo....
    ....gyyyyo....
    ....oooooo....
"""

CLOUD_LEGEND = {"w": "white", "s": "steel"}
CLOUD_MAP = """
    ........www.........
    ......wwwwwww.......
    ..ww.wwwwwwwww.ww...
    .wwwwwwwwwwwwwwwwww.
    wwwwwwwwwwwwwwwwwwww
    wwwwwwwwwwwwwwwwwwws
    wwwwwwwwwwwwwwwwwwss
    .wwwwwwwwwwwwwwwwss.
    ..ssswwwwwwwwssss...
    .....sssssssss......
    ....................
"""

PLANT_LEGEND = {"g": "leaf", "l": "leaf_light", "d": "moss"}
PLANT_MAP = """
    ......ll.....
    .ll...lg...ll
    ..lg..lg..gl.
    ...gg.gg.gg..
    ....gggggg...
    .....dddd....
"""


def placeholder():
    """A little crate with a question mark, for an empty slot."""
    c = Canvas(15, 12, "umber")
    c.rect(1, 1, 13, 10, "wood")
    c.rect(1, 1, 13, 1, "wood_light")
    c.rect(1, 1, 1, 10, "wood_light")
    c.draw_map("""
        .www.
        w...w
        ...w.
        ..w..
        .....
        ..w..
    """, {"w": "gold"}, 5, 3)
    return c


# --- scenery ----------------------------------------------------------------

def ladder():
    c = Canvas(16, 128)
    for x in (1, 13):                       # the two rails
        c.rect(x - 1, 0, 4, 128, "umber")
        c.rect(x, 0, 2, 128, "wood")
        c.rect(x, 0, 1, 128, "wood_light")
    for y in range(4, 128, 10):             # rungs, every ten pixels
        c.rect(3, y - 1, 10, 4, "umber")
        c.rect(3, y, 10, 2, "wood")
        c.rect(3, y, 10, 1, "wood_light")
    return c


def log():
    """A cut log lying on its side, rings at both ends."""
    c = Canvas(64, 16)
    c.rect(2, 1, 60, 14, "umber")
    c.rect(3, 2, 58, 12, "wood")
    c.rect(3, 2, 58, 2, "wood_light")
    c.rect(3, 11, 58, 3, "brown")
    for x, y, w in ((10, 6, 9), (26, 9, 12), (44, 5, 8), (52, 10, 6)):   # bark grain
        c.rect(x, y, w, 1, "brown")
    for cx in (4, 60):                      # the cut ends
        c.ellipse(cx, 8, 4, 7.5, "umber")
        c.ellipse(cx, 8, 3, 6.5, "wood_light")
        c.ellipse(cx, 8, 2, 4.5, "wood")
        c.ellipse(cx, 8, 1, 2.5, "wood_light")
    return c


def door():
    """A wooden door with a round window and a knob (drawn edge to edge)."""
    c = Canvas(16, 32, "umber")
    c.rect(1, 1, 14, 31, "brown")
    c.rect(2, 2, 12, 30, "wood")
    for x in (5, 9, 13):                    # planks
        c.rect(x, 10, 1, 22, "brown")
    c.rect(2, 2, 1, 30, "wood_light")
    c.ellipse(8, 7.5, 4, 4, "umber")        # round window
    c.ellipse(8, 7.5, 3, 3, "gold")
    c.rect(7, 5, 2, 5, "umber")
    c.rect(5, 7, 6, 1, "umber")
    c.rect(10, 18, 3, 3, "umber")           # knob
    c.rect(11, 19, 1, 1, "gold")
    c.rect(2, 31, 12, 1, "umber")
    return c


def ground():
    """Grass on top of layered earth with pebbles; the blades' tips stand
    against the sky."""
    c = Canvas(256, 24, "wood")
    c.rect(0, 0, 256, 3, "sky")
    for x in range(256):                     # grass blades of varied height
        tip = (x * 7 + (x // 3) * 5) % 4
        c.rect(x, tip, 1, 3 - tip, "leaf")
    c.rect(0, 3, 256, 3, "leaf")
    c.rect(0, 2, 256, 1, "leaf")
    for x in range(0, 256, 2):
        c.set(x, 3 + (x // 2) % 2, "leaf_light")
    c.rect(0, 6, 256, 1, "leaf_dark")
    for x in range(0, 256, 5):                # roots of the grass dip into the earth
        c.set(x, 7, "leaf_dark")
    c.rect(0, 13, 256, 1, "brown")       # the layers
    c.rect(0, 19, 256, 1, "brown")
    for i in range(40):                       # pebbles
        x = (i * 53 + 11) % 252
        y = 8 + (i * 7) % 14
        c.rect(x, y, 2, 1, "wood_light")
        c.set(x, y + 1, "brown")
        c.set(x + 1, y + 1, "brown")
    return c


def palm_tree():
    """A palm 16 wide: a gently curved ringed trunk under a crown of fronds."""
    c = Canvas(16, 177)
    for y in range(10, 177):                  # trunk, leaning right then back
        bend = round(2.5 * math.sin(y / 177 * 3.1))
        x = 6 + bend
        c.rect(x - 1, y, 6, 1, "umber")
        c.rect(x, y, 4, 1, "wood")
        c.set(x, y, "wood_light")
        if y % 6 == 0:                        # rings
            c.rect(x, y, 4, 1, "brown")
    # the crown: fronds arching out from the top of the trunk and drooping
    fronds = [
        [(8, 9), (5, 4), (2, 4), (0, 8), (0, 12)],
        [(8, 9), (11, 4), (14, 4), (16, 8), (16, 12)],
        [(8, 9), (4, 8), (2, 12), (2, 17)],
        [(8, 9), (12, 8), (14, 12), (14, 17)],
        [(8, 9), (7, 3), (5, 0)],
        [(8, 9), (10, 3), (12, 1)],
        [(8, 9), (6, 13), (5, 19)],
        [(8, 9), (10, 13), (11, 19)],
    ]
    leaves = Canvas(20, 24)
    for frond in fronds:
        pts = [(x + 1, y + 1) for x, y in frond]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            leaves.line(x0, y0, x1, y1, "leaf", 2)
    for frond in fronds:                      # a light rib along each frond
        pts = [(x + 1, y + 1) for x, y in frond]
        for (x0, y0), (x1, y1) in zip(pts[:-1], pts[1:-1] + [pts[-1]]):
            leaves.line(x0, y0, x1, y1, "leaf_light")
    nuts = Canvas(20, 24)
    for x, y in ((7, 10), (10, 10), (8, 12)):
        nuts.rect(x, y, 2, 2, "brown")
    crown = compose([(leaves, 0, 0, "leaf_dark"), (nuts, 0, 0, "umber")], "leaf_dark", 24)
    c.blit(crown.crop(1, 0, 17, 24), 0, 0)
    return c


def vine():
    """A green stem winding down with leaves on alternate sides."""
    c = Canvas(16, 159)
    for y in range(159):
        x = 7 + round(1.5 * math.sin(y / 9))
        c.rect(x - 1, y, 4, 1, "leaf_dark")
        c.rect(x, y, 2, 1, "moss")
    leaf_r = from_map("""
        .ggg.
        ggggl
        .ggl.
    """, {"g": "leaf", "l": "leaf_light"})
    for i, y in enumerate(range(4, 156, 10)):
        x = 7 + round(1.5 * math.sin((y + 1) / 9))
        leaf = leaf_r if i % 2 == 0 else leaf_r.mirrored()
        part = compose([(leaf, 1, 1, None)], "leaf_dark", 8).crop(0, 0, 7, 5)
        c.blit(part, x + 2 if i % 2 == 0 else x - 7, y - 2)
    return c


def post():
    """A wooden edge post with a metal band (edge to edge)."""
    c = Canvas(16, 177, "umber")
    c.rect(0, 0, 16, 3, "sky")                # rounded top against the sky
    c.rect(2, 0, 12, 1, "umber")
    c.rect(1, 1, 14, 2, "umber")
    c.rect(1, 2, 14, 175, "wood")
    c.rect(2, 2, 2, 175, "wood_light")
    c.rect(12, 2, 3, 175, "brown")
    for y in range(20, 177, 23):              # grain
        c.rect(6, y, 1, 9, "brown")
    for y in (12, 150):                       # metal bands
        c.rect(0, y, 16, 5, "umber")
        c.rect(1, y + 1, 14, 3, "steel")
        c.rect(1, y + 1, 14, 1, "white")
    return c


def hill():
    """A green mound with darker stripes, standing on the ground.  A hero
    stands anywhere across its top, so the top runs flat from side to side
    with only its corners rounded; the stripes still bow down at the sides
    the way a dome's would."""
    w, h = 48, 81
    c = Canvas(w, h, "sky")
    corner = (2, 1)                           # the first two rows start this far in
    for y in range(h):
        inset = corner[y] if y < len(corner) else 0
        c.rect(inset, y, w - 2 * inset, 1, "leaf_dark")
        if y > 0:
            c.rect(inset + 1, y, w - 2 * inset - 2, 1, "leaf")
    for x in range(1, w - 1):                 # stripes that follow the shoulders
        dx = abs(x + 0.5 - w / 2) / (w / 2)
        sag = 9 * dx ** 6
        for y in range(2, h):
            depth = y - sag
            if c.get(x, y) == "leaf" and depth > 3 and int(depth) % 11 in (7, 8):
                c.set(x, y, "moss")
    for y in range(2, h):                     # the round of the sides: shade on the right
        for x in (w - 3, w - 2):
            c.set(x, y, "leaf_dark" if c.get(x, y) == "moss" else "moss")
    c.rect(3, 1, 18, 1, "leaf_light")         # light along the top from the left
    c.rect(1, 2, 1, 24, "leaf_light")
    c.ellipse(15, 9, 6, 3.5, "leaf_light")    # shine from the top left
    return c


def energy(full):
    """The energy marker: a glowing gem (full) or a dim socket (empty) in a
    dark frame."""
    c = Canvas(8, 14, "sky" if full else None)
    c.rect(1, 0, 6, 14, "ink")
    c.rect(0, 1, 8, 12, "ink")
    if full:
        c.draw_map("""
            .oo.
            oggo
            orgo
            orro
            orrr
            orrr
            rrrr
            rrrd
            .rd.
        """, {"o": "orange", "g": "gold", "r": "red", "d": "red_dark"}, 2, 2)
    else:
        c.rect(2, 2, 4, 10, "charcoal")
        c.rect(3, 2, 2, 1, "grey")
        c.rect(2, 3, 1, 2, "grey")
    return c


def sky():
    return Canvas(582, 311, "sky")


def pictures():
    out = {
        "MaskerRight1": masker(MASKER_FEET_1),
        "MaskerRight2": masker(MASKER_FEET_2),
        "MaskerRightUD1": masker(MASKER_KICK_1, upside_down=True),
        "MaskerRightUD2": masker(MASKER_KICK_2, upside_down=True),
        "BigVeggie": outlined(BIG_VEGGIE, VEGGIE, "plum"),
        "SmallVeggie": outlined(SMALL_VEGGIE, VEGGIE, "plum"),
        "Cherry1": outlined(CHERRY1, CHERRY, "red_dark", (13, 16)),
        "Potion": outlined(POTION_MAP, POTION, "navy"),
        "POW": outlined(POW_MAP, POW_LEGEND, "navy"),
        "up": outlined(UP_MAP, UP_LEGEND, "umber"),
        "Cloud1": outlined(CLOUD_MAP, CLOUD_LEGEND, "slate"),
        "plant": outlined(PLANT_MAP, PLANT_LEGEND, "leaf_dark"),
        "Ladder": ladder(),
        "Image1": log(),
        "Door": door(),
        "Ground": ground(),
        "Tree": palm_tree(),
        "FullEnergy": energy(True),
        "EmptyEnergy": energy(False),
        "Hill": hill(),
        "Vine": vine(),
        "Post": post(),
        "Sky": sky(),
        "Placeholder": placeholder(),
    }
    for n in ("MaskerRight1", "MaskerRight2", "MaskerRightUD1", "MaskerRightUD2"):
        out[n.replace("Right", "Left")] = out[n].mirrored()
    return checked(out)


def checked(pictures):
    for name, c in pictures.items():
        if (c.width, c.height) != SIZES[name]:
            raise ValueError(f"{name} is {c.width}x{c.height}, must be {SIZES[name]}")
    return pictures


# --- the start screen and the icons --------------------------------------------

PORTRAITS = {  # name: (size, character prefix, card colour, frame colour, inner ring colour)
    "EmberPortrait": ((18, 30), "Ember", "umber", "copper", "ochre"),
    "FennelPortrait": ((18, 30), "Fennel", "leaf_dark", "mint", "leaf"),
    "PipPortrait": ((18, 30), "Pip", "umber", "ochre", "white"),
    "CloverPortrait": ((18, 30), "Clover", "teal_dark", "white", "teal"),
    "RookPortrait": ((14, 34), "Rook", "ink", "slate_light", "yellow"),
    "VoltPortrait": ((21, 24), "Volt", "navy", "yellow", "blue"),
}


def portrait(size, fig, card, frame, ring):
    """The character facing the player on a card in a frame; where the card
    is short, head and shoulders fill it.  A ring of the character's own
    colour inside the frame tells the portraits apart at a glance."""
    w, h = size
    c = Canvas(w, h, frame)
    c.rect(1, 1, w - 2, h - 2, ring)
    c.rect(2, 2, w - 4, h - 4, card)
    inner = Canvas(w - 2, h - 2)
    inner.blit(fig, (inner.width - fig.width) // 2, 1)
    for y in range(inner.height):
        for x in range(inner.width):
            if inner.rows[y][x] is not None:
                c.set(x + 1, y + 1, inner.rows[y][x])
    return c


def stage():
    """Red theatre curtains drawn aside on a black stage."""
    c = Canvas(224, 208, "black")
    c.rect(0, 190, 224, 18, "umber")          # the boards
    for x in range(0, 224, 16):
        c.rect(x, 190, 1, 18, "black")
    c.rect(0, 190, 224, 1, "brown")
    for side in (0, 1):                       # the two curtains
        for y in range(208):
            # gathered at the tie-back, falling wide to the floor
            width = 26 + round(30 * abs(y - 100) / 100) + round(4 * math.sin(y / 13))
            for x in range(width):
                fold = (x + round(3 * math.sin(y / 30))) % 8
                colour = "red" if fold < 5 else "red_dark"
                if fold == 1:
                    colour = "orange"
                c.set(x if side == 0 else 223 - x, y, colour)
            c.set(width if side == 0 else 223 - width, y, "red_dark")
    for x in range(224):                      # the pelmet with a gold fringe
        drop = 18 + (3 if (x // 8) % 2 else 0)
        c.rect(x, 0, 1, drop, "red")
        c.set(x, drop, "gold")
        c.set(x, drop + 1, "gold" if x % 2 else "red_dark")
    c.rect(0, 3, 224, 1, "gold")
    c.rect(0, 14, 224, 1, "red_dark")
    for y in (99, 100, 101, 102):             # tie-backs
        c.rect(14, y, 16, 1, "gold")
        c.rect(194, y, 16, 1, "gold")
    return c


def backdrop():
    """A black field in a frame of diamonds in two colours."""
    c = Canvas(256, 224, "black")
    for y in range(224):
        for x in range(256):
            if 16 <= x < 240 and 8 <= y < 216:
                continue
            dx, dy = x % 8 - 3.5, y % 8 - 3.5
            inside = abs(dx) + abs(dy) <= 3.5
            c.set(x, y, "gold" if inside else "purple")
    for x0, y0, x1, y1 in ((15, 7, 240, 7), (15, 216, 240, 216), (15, 7, 15, 216), (240, 7, 240, 216)):
        c.line(x0, y0, x1, y1, "plum")
    return c


ICON_TURNIP = """
    .......g...g.......
    ......ggg.ggg......
    .....ggggggggg.....
    .....gg.ggg.gg.....
    ......g.ggg.g......
    ........ggg........
    .....ppppppppp.....
    ...ppppppppppppp...
    ..ppqqppppppppppp..
    .ppqqppppppppppppp.
    .pqqpppppppppppppp.
    .ppppppppppppppppp.
    .qqqqqqqqqqqqqqqqq.
    .wwwwwwwwwwwwwwwwq.
    ..wwwwwwwwwwwwwwq..
    ...wwwwwwwwwwwwq...
    ....wwwwwwwwwwq....
    ......wwwwwwq......
    ........www........
    .........w.........
    .........w.........
"""


def icon(badge):
    """The turnip on a round badge."""
    c = Canvas(32, 32)
    c.ellipse(16, 16, 16, 16, "plum")
    c.ellipse(16, 16, 14.5, 14.5, badge)
    turnip = outlined(ICON_TURNIP, {"g": "leaf", "p": "purple", "q": "lilac", "w": "white"}, "plum")
    c.blit(turnip, (32 - turnip.width) // 2 + 1, 4)
    return c


def screen_pictures():
    out = {}
    figures = {ch.prefix: characters.front_figure(ch) for ch in characters.CHARACTERS}
    for name, (size, prefix, card, frame, ring) in PORTRAITS.items():
        out[name] = portrait(size, figures[prefix], card, frame, ring)
    out["Stage"] = stage()
    out["Backdrop"] = backdrop()
    out["MainIcon"] = icon("gold")
    out["PlayIcon"] = icon("teal")
    return checked(out)
