"""The six playable characters, built from readable parts.

Each character is a head and a torso, each seen from the side (facing
right), from behind (climbing) and from the front (lifting, and the start
screen's portraits), plus limb colours and lengths.  The poses
below place those parts with arms and legs drawn as two-pixel strokes; every
part gets its own one-pixel outline in the character's dark tone, so an arm
in front of the body stays readable.  Left-facing pictures are the right-
facing ones mirrored, except for details listed in `torso_left`, which are
drawn the way round they must read.

Map letters (see each character's legend): o outline/dark, s skin, h hair,
w white/light, c main cloth, d its shade, b second cloth, a accent, e pupil,
m mouth.  Every picture must fit its exact size; `render` shortens the legs
or pulls outstretched limbs in a little where a pose would not fit.
"""

from pixels import Canvas, compose, from_map

# Where the feet stand on the scratch canvas the parts are composed on.
WORK = 72
GROUND = 64


class Character:
    def __init__(self, prefix, legend, head, head_back, head_front, torso, torso_back,
                 sleeve, hand, trouser, shoe, arm, shades=None, lights=None,
                 torso_left=None, torso_front=None, stance=0, head_dx=0, neck=1):
        self.prefix = prefix
        self.legend = legend
        self.outline = legend["o"]
        self.head = from_map(head, legend)
        self.head_back = from_map(head_back, legend)
        self.torso = from_map(torso, legend)
        self.torso_back = from_map(torso_back, legend)
        self.head_front = from_map(head_front, legend)
        self.torso_front = from_map(torso_front or torso_back, legend)
        self.torso_left = from_map(torso_left, legend).mirrored() if torso_left else None
        self.sleeve, self.hand = legend[sleeve], legend[hand]
        self.trouser, self.shoe = legend[trouser], legend[shoe]
        self.arm = arm          # shoulder to hand, in pixels
        self.stance = stance    # extra gap between the feet (Volt stands wide)
        self.head_dx = head_dx  # head offset from the torso's middle
        self.neck = neck        # rows the head overlaps the torso
        self.standard_leg = 99  # set from the standing picture
        self.shades = {legend[k]: legend[v] for k, v in (shades or {}).items()}
        self.lights = {legend[k]: legend[v] for k, v in (lights or {}).items()}
        for part in (self.torso, self.torso_back, self.torso_left, self.torso_front):
            if part is not None:
                part.shade_edges(self.shades, self.lights)


def stroke(points, colour, end_colour=None, end=(2, 2), brush=2):
    """A limb: a two-pixel stroke through the points, with a hand or shoe."""
    c = Canvas(WORK, WORK)
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        c.line(x0, y0, x1, y1, colour, brush)
    if end_colour:
        x, y = points[-1]
        w, h = end
        c.rect(x if w > 0 else x + w + brush, y + brush - h, abs(w), h, end_colour)
    return c


class Body:
    """Joint positions of one character for one pose (facing right)."""

    def __init__(self, ch, leg, view="side", lean=0, drop=0, tight=0, nod=(0, 0)):
        self.ch = ch
        self.leg = leg
        self.tight = tight  # pull outstretched limbs in by this many pixels
        back = view != "side"
        torso = {"side": ch.torso, "back": ch.torso_back, "front": ch.torso_front}[view]
        head = {"side": ch.head, "back": ch.head_back, "front": ch.head_front}[view]
        self.torso_img, self.head_img = torso, head
        tw, th = torso.width, torso.height
        self.hip_y = GROUND - 1 - leg + drop
        self.tx = WORK // 2 - tw // 2 + lean
        self.ty = self.hip_y - th
        self.cx = self.tx + tw // 2
        self.hx = self.tx + (tw - head.width) // 2 + (0 if back else ch.head_dx) + lean // 2
        self.hy = self.ty - head.height + ch.neck + nod[1]
        self.hx += nod[0]
        self.sy = self.ty + 1   # shoulder row

    def parts_torso(self, torso=None):
        return [(torso or self.torso_img, self.tx, self.ty, None)]

    def parts_head(self):
        return [(self.head_img, self.hx, self.hy, None)]

    def arm(self, *points):
        return [(stroke(points, self.ch.sleeve, self.ch.hand), 0, 0, None)]

    def leg_(self, *points, back=False):
        end = (2, 2) if back else (3, 2)
        return [(stroke(points, self.ch.trouser, self.ch.shoe, end), 0, 0, None)]


# --- the poses ----------------------------------------------------------------
# Each returns the parts back to front.  x grows forward (to the right), y
# grows down; the soles rest on the row above GROUND.

FOOT = GROUND - 3   # brush row of a foot standing on the ground


def legs_standing(b):
    s = b.ch.stance
    hx = b.cx - 1
    return (b.leg_((hx - 2, b.hip_y), (hx - 2 - s, FOOT)),
            b.leg_((hx + 1, b.hip_y), (hx + 1 + s, FOOT)))


def legs_striding(b):
    s = b.ch.stance
    hx = b.cx - 1
    return (b.leg_((hx - 1, b.hip_y), (hx - 4 - s, FOOT)),
            b.leg_((hx, b.hip_y), (hx + 3 + s, FOOT)))


def pose_stand(b, torso=None):
    back_leg, front_leg = legs_standing(b)
    a = b.ch.arm
    return (b.arm((b.cx - 2, b.sy), (b.cx - 3, b.sy + a - 2)) + back_leg + front_leg
            + b.parts_torso(torso) + b.parts_head()
            + b.arm((b.cx - 1, b.sy), (b.cx, b.sy + a - 2)))


def pose_walk(b, torso=None):
    back_leg, front_leg = legs_striding(b)
    a = b.ch.arm
    return (b.arm((b.cx - 1, b.sy), (b.cx + 2, b.sy + a - 3)) + back_leg + front_leg
            + b.parts_torso(torso) + b.parts_head()
            + b.arm((b.cx - 1, b.sy), (b.cx - 4, b.sy + a - 3)))


def pose_jump(b, torso=None):
    hx, hy, L, a = b.cx - 1, b.hip_y, b.leg, b.ch.arm
    back_leg = b.leg_((hx - 1, hy), (hx + 1, hy + L // 2), (hx - 3, hy + L - 3))
    front_leg = b.leg_((hx + 1, hy), (hx + 4, hy + L // 2 - 1), (hx + 2, hy + L - 4))
    # the raised arm passes over the back of the head, clear of the face
    raised = b.arm((b.cx - 2, b.sy), (b.hx + 2, b.hy + 2), (b.hx + 3, b.hy - 3 + b.tight))
    return (b.arm((b.cx, b.sy), (b.cx - 4 + b.tight, b.sy + a - 3)) + back_leg + front_leg
            + b.parts_torso(torso) + b.parts_head() + raised)


def pose_climb(b, frame):
    """Seen from behind; frame 1 reaches up with the left hand, 2 with the right.
    Frame 2 is frame 1 mirrored, all but the head and back themselves, so a
    detail such as a hair clip stays on its side."""
    if frame == 2:
        b.head_img, b.torso_img = b.head_img.mirrored(), b.torso_img.mirrored()
    tw = b.torso_img.width
    left, right = b.tx, b.tx + tw - 2
    a, hy, L = b.ch.arm, b.hip_y, b.leg
    top = b.hy + 1
    up_l = b.arm((left, b.sy), (left - 1, top))
    low_r = b.arm((right, b.sy), (right + 1, b.sy + a // 2 - 1), (right, b.sy + a // 2 + 1))
    leg_l = b.leg_((b.cx - 3, hy), (b.cx - 3, FOOT), back=True)
    leg_r = b.leg_((b.cx + 1, hy), (b.cx + 2, hy + L // 2), (b.cx + 1, FOOT - 3), back=True)
    parts = leg_l + leg_r + b.parts_torso() + b.parts_head() + up_l + low_r
    canvas = compose(parts, b.ch.outline, WORK)
    return canvas if frame == 1 else canvas.mirrored()


def pose_pull(b, torso=None):
    """Crouched low, knees forward, both hands down at the ground in front."""
    hx, hy = b.cx - 1, b.hip_y
    back_leg = b.leg_((hx - 2, hy), (hx + 1, hy + 1), (hx - 1, FOOT))
    front_leg = b.leg_((hx, hy), (hx + 4, hy), (hx + 3, FOOT))
    return (b.arm((b.cx, b.sy), (b.cx + 5 - b.tight, FOOT)) + back_leg + front_leg
            + b.parts_torso(torso) + b.parts_head()
            + b.arm((b.cx + 1, b.sy), (b.cx + 6 - b.tight, FOOT)))


def pose_lift(b, torso=None):
    """Seen from the front (the same picture whichever way the hero faced):
    knees a little bent, straightening up, both hands together at the chest."""
    tw, hy, L = b.torso_img.width, b.hip_y, b.leg
    left, right = b.tx - 1, b.tx + tw - 1
    chest = b.sy + 4 - b.tight // 2
    legs = (b.leg_((b.cx - 3, hy), (b.cx - 4, hy + L // 2), (b.cx - 3, FOOT), back=True)
            + b.leg_((b.cx + 1, hy), (b.cx + 2, hy + L // 2), (b.cx + 1, FOOT), back=True))
    arms = (b.arm((left, b.sy), (left - 1, chest), (b.cx - 2, chest))
            + b.arm((right, b.sy), (right + 1, chest), (b.cx, chest)))
    return legs + b.parts_torso() + b.parts_head() + arms


def arms_up(b):
    """Both hands held over the head: the far arm behind the head, the near
    one over the back of the head, clear of the face."""
    top = b.hy - 3
    mid = b.hx + b.head_img.width // 2
    back = b.arm((b.cx - 1, b.sy), (mid + 1, top))
    front = b.arm((b.cx - 2, b.sy), (b.hx + 1, b.hy + 3), (mid - 3, top))
    return back, front


def pose_hold(b, torso=None):
    back_arm, front_arm = arms_up(b)
    back_leg, front_leg = legs_standing(b)
    return back_arm + back_leg + front_leg + b.parts_torso(torso) + b.parts_head() + front_arm


def pose_hold_move(b, torso=None):
    back_arm, front_arm = arms_up(b)
    back_leg, front_leg = legs_striding(b)
    return back_arm + back_leg + front_leg + b.parts_torso(torso) + b.parts_head() + front_arm


def pose_throw(b, torso=None):
    hx, hy, a = b.cx - 1, b.hip_y, b.ch.arm
    back_leg = b.leg_((hx - 1, hy), (hx - 5, FOOT))
    front_leg = b.leg_((hx + 1, hy), (hx + 4, hy + b.leg // 2), (hx + 4, FOOT))
    reach = a - 1 - b.tight
    return (b.arm((b.cx - 1, b.sy), (b.cx - reach, b.sy + 2)) + back_leg + front_leg
            + b.parts_torso(torso) + b.parts_head()
            + b.arm((b.cx, b.sy), (b.cx + reach, b.sy - 1)))


# name: (builder, lean, how far the hips drop for a leg length, head nod, anchor)
POSES = {
    "stand": (pose_stand, 0, lambda leg: 0, (0, 0), "floor"),
    "walk": (pose_walk, 0, lambda leg: 0, (0, 0), "floor"),
    "jump": (pose_jump, 0, lambda leg: 0, (0, 0), "bottom"),
    "pull": (pose_pull, 1, lambda leg: max(0, leg - 4), (2, 2), "floor"),
    "lift": (pose_lift, 0, lambda leg: 1, (0, 0), "floor"),
    "hold": (pose_hold, 0, lambda leg: 0, (0, 0), "floor"),
    "hold_move": (pose_hold_move, 0, lambda leg: 0, (0, 0), "floor"),
    "throw": (pose_throw, 1, lambda leg: 1, (1, 0), "floor"),
}

# picture suffix: (pose, facing)
SUFFIXES = {
    "Right": ("stand", "right"), "Left": ("stand", "left"),
    "WalkRight": ("walk", "right"), "WalkLeft": ("walk", "left"),
    "JumpRight": ("jump", "right"), "JumpLeft": ("jump", "left"),
    "Climb1": ("climb", 1), "Climb2": ("climb", 2),
    "PullRight": ("pull", "right"), "PullLeft": ("pull", "left"),
    "Lift": ("lift", "right"),
    "HoldRight": ("hold", "right"), "HoldLeft": ("hold", "left"),
    "HoldMoveRight": ("hold_move", "right"), "HoldMoveLeft": ("hold_move", "left"),
    "ThrowRight": ("throw", "right"), "ThrowLeft": ("throw", "left"),
}


def figure(ch, pose, facing, leg, tight=0):
    """The composed, cropped figure of one pose."""
    if pose == "climb":
        canvas = pose_climb(Body(ch, leg, view="back"), facing)
    else:
        build, lean, drop, nod, _ = POSES[pose]
        torso = ch.torso_left if facing == "left" else None
        view = "front" if pose == "lift" else "side"
        b = Body(ch, leg, view=view, lean=lean, drop=drop(leg), tight=tight, nod=nod)
        canvas = compose(build(b, torso), ch.outline, WORK)
        if facing == "left":
            canvas = canvas.mirrored()
    return canvas


def pose_front(b, torso=None):
    """Standing, facing the player, arms at the sides."""
    tw, hy, a = b.torso_img.width, b.hip_y, b.ch.arm
    s = b.ch.stance // 2
    legs = (b.leg_((b.cx - 3, hy), (b.cx - 3 - s, FOOT), back=True)
            + b.leg_((b.cx + 1, hy), (b.cx + 1 + s, FOOT), back=True))
    arms = (b.arm((b.tx, b.sy), (b.tx - 1, b.sy + a - 2))
            + b.arm((b.tx + tw - 2, b.sy), (b.tx + tw - 1, b.sy + a - 2)))
    return legs + b.parts_torso() + arms + b.parts_head()


def front_figure(ch):
    """The character standing and facing the player, cropped to its outline
    (for the start screen)."""
    canvas = compose(pose_front(Body(ch, ch.standard_leg, view="front")), ch.outline, WORK)
    return canvas.crop(*canvas.bbox())


def render(ch, suffix, width, height, floor):
    """The pose picture at exactly width x height, feet on row floor - 1
    (or on the bottom row for poses in the air)."""
    pose, facing = SUFFIXES[suffix]
    anchor = "bottom" if pose == "climb" else POSES[pose][4]
    base = min(height, floor)
    # Keep the limbs outstretched and the legs long: first shorten the legs
    # a little, then pull the limbs in, and only then shorten them further.
    longest = 14 if pose == "stand" else ch.standard_leg
    legs = list(range(longest, 1, -1))
    tries = ([(tight, leg) for tight in range(4) for leg in legs[:3]]
             + [(tight, leg) for leg in legs[3:] for tight in range(4)])
    for tight, leg in tries:
        c = figure(ch, pose, facing, leg, tight)
        left, top, right, bottom = c.bbox()
        bottom_row = base if anchor == "floor" else height
        if bottom - top > bottom_row or right - left > width:
            continue
        out = Canvas(width, height)
        x = (width - (right - left)) // 2
        out.blit(c.crop(left, top, right, bottom), x, bottom_row - (bottom - top))
        return out, leg
    left, top, right, bottom = c.bbox()
    raise ValueError(f"{ch.prefix}{suffix} does not fit {width}x{height}: "
                     f"smallest is {right - left}x{bottom - top}")


# --- the six ------------------------------------------------------------------

EMBER = Character(
    "Ember",
    legend={"o": "umber", "e": "umber", "m": "umber", "s": "skin", "h": "copper",
            "w": "white", "c": "ochre", "d": "ochre_dark", "b": "brown", "a": "ochre"},
    shades={"c": "d"},
    head="""
        aa.............
        hha..hhhhh.....
        .hhhhhhhhhhh...
        ..hhhhhhhhhhh..
        ..hhhhhhhhhhh..
        ..hhhhhhhshhs..
        ..hhhhhsssswe..
        ..hhhhssssswe..
        ...hhhsssssss..
        ...hhssssssm...
        ....hhsssss....
    """,
    head_back="""
        ....aa.....
        ...hhh.....
        ..hhhhhhh..
        .hhhhhhhhh.
        hhhhhhhhhhh
        hhhhhhhhhhh
        hhhhhhhhhhh
        hhhhhhhhhhh
        shhhhhhhhhs
        .hhhhhhhhh.
        ...sssss...
    """,
    torso="""
        .ccccc.
        ccccccc
        ccccccc
        ccccccc
        bbbbbbb
        ccccccc
        ccccccc
    """,
    torso_back="""
        .ccccccc.
        ccccccccc
        ccccccccc
        ccccccccc
        bbbbbbbbb
        ccccccccc
        ccccccccc
    """,
    head_front="""
        ....aa.....
        ...hhh.....
        ..hhhhhhh..
        .hhhhhhhhh.
        hhhhhhhhhhh
        hhsshhhsshh
        hsssssssssh
        hseessseesh
        hseessseesh
        hsssssssssh
        .ssssmssss.
        ..sssssss..
    """,
    torso_front="""
        .cccsccc.
        ccccccccc
        ccccccccc
        ccccccccc
        bbbbbbbbb
        ccccccccc
        ccccccccc
    """,
    sleeve="c", hand="s", trouser="b", shoe="o", arm=7, head_dx=1,
)

FENNEL = Character(
    "Fennel",
    legend={"o": "leaf_dark", "e": "leaf_dark", "m": "leaf_dark", "s": "skin", "h": "mint",
            "w": "white", "c": "leaf", "d": "moss", "b": "grey", "a": "white"},
    shades={"c": "d"},
    head="""
        .....aa....
        ....aaaa...
        ...hhhhhh..
        ..hhhhhhhh.
        .hhhhhhhhhh
        .hhhhhhhhhh
        .dhdhdhdhdh
        .osssssssss
        .ooossswess
        ..oossswess
        ..sssssssss
        ...sssssm..
        ....ssss...
    """,
    head_back="""
        ....aa....
        ....aa....
        ..hhhhhh..
        .hhhhhhhh.
        hhhhhhhhhh
        hhhhhhhhhh
        dddddddddd
        oooooooooo
        ssoooooooss
        .oooooooo.
        ..ssssss..
    """,
    torso="""
        wdwdwdwd
        dwcccccc
        wdcccccc
        dwcccccc
        wdcccccc
        dwcccccc
        ..cccccc
        ..cccccc
    """,
    torso_back="""
        wdwdwdw
        ccccccc
        cccwccc
        cccdccc
        cccwccc
        cccdccc
        ccccccc
        ccccccc
    """,
    head_front="""
        ....aa....
        ...aaaa...
        ..hhhhhh..
        .hhhhhhhh.
        hhhhhhhhhh
        hhhhhhhhhh
        dhdhdhdhdh
        osssssssso
        oseesseeso
        oseesseeso
        .ssssssss.
        .sssmmsss.
        ..ssssss..
    """,
    sleeve="c", hand="s", trouser="b", shoe="o", arm=8,
)

PIP = Character(
    "Pip",
    legend={"o": "umber", "e": "umber", "m": "umber", "s": "skin", "h": "brown",
            "w": "white", "c": "wood_light", "d": "wood", "b": "brown", "a": "ochre"},
    shades={"c": "d"},
    head="""
        ....hhhhh....
        ..hhhhhhhhh..
        .hhaaaahaaaa.
        .hawwaaawwaa.
        .haawaaaawaa.
        .hhaaaahaaaa.
        .hhhsssssssss
        .hhssssssswes
        ..hsssssswes.
        ..sssssssssm.
        ...sssssssm..
        ....sssssss..
    """,
    head_back="""
        ...hhhhhhh...
        .hhhhhhhhhhh.
        hhhhhhhhhhhhh
        aaaaaaaaaaaaa
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        shhhhhhhhhhhs
        .hhhhhhhhhhh.
        ...sssssss...
    """,
    torso="""
        .ccccccc.
        cccccccdc
        ccwccccdc
        ccccccccc
        ccccccccc
        ccccccccc
        .bbbbbbb.
    """,
    torso_back="""
        .ccccccc.
        ccccccccc
        ccccccccc
        ccccccccc
        ccccccccc
        ccccccccc
        .bbbbbbb.
    """,
    head_front="""
        ...hhhhhhh...
        .hhhhhhhhhhh.
        haaaahhhaaaah
        hawwahhhawwah
        haaaahhhaaaah
        hhhhhhhhhhhhh
        hsssssssssssh
        hsseessseessh
        hsseessseessh
        hsssssssssssh
        .ssssmmmssss.
        ..sssssssss..
    """,
    torso_front="""
        .cccdccc.
        ccccdcccc
        ccccdcccc
        ccccdcccc
        ccccdcccc
        ccccdcccc
        .bbbbbbb.
    """,
    sleeve="c", hand="s", trouser="b", shoe="o", arm=6, head_dx=1,
)

CLOVER = Character(
    "Clover",
    legend={"o": "teal_dark", "e": "teal_dark", "m": "teal_dark", "s": "skin", "h": "plum",
            "w": "white", "c": "teal", "d": "teal_shade", "b": "skin", "a": "leaf"},
    shades={"c": "d"},
    head="""
        ....hhhhh...
        ..hhhhhhhhh.
        .hhhhhhhhhhh
        .hhhaahhhhhh
        .hhaaaahhsss
        hhhhaahsssss
        hhhhhhsssswe
        hhhhhhsssswe
        hhhhhssssss.
        hhhhhsssssm.
        hhhhh.sssss.
        hhhh........
    """,
    head_back="""
        ...hhhhh...
        .hhhhhhhhh.
        hhhhhhhhhhh
        hhhhhhhaahh
        hhhhhhaaaah
        hhhhhhhaahh
        hhhhhhhhhhh
        hhhhhhhhhhh
        hhhhhhhhhhh
        hhhhhhhhhhh
        hhhhhhhhhhh
        .hhhhhhhhh.
    """,
    torso="""
        .wwwww.
        .ccccc.
        .ccccc.
        .ccccc.
        ccccccc
        ccccccc
        ccccccc
        ccccccc
        ccccccc
    """,
    torso_back="""
        ..wwwww..
        ..ccccc..
        ..ccccc..
        .ccccccc.
        .ccccccc.
        ccccccccc
        ccccccccc
        ccccccccc
        ccccccccc
    """,
    head_front="""
        ...hhhhh...
        .hhhhhhhhh.
        hhhhhhhhhhh
        haahhhhhhhh
        aaaahsssshh
        haahssssshh
        hseessseesh
        hseessseesh
        hsssssssssh
        hssssmssssh
        hhssssssshh
        hhh.....hhh
    """,
    sleeve="c", hand="s", trouser="b", shoe="h", arm=8, head_dx=0,
)

ROOK = Character(
    "Rook",
    legend={"o": "ink", "e": "yellow", "m": "soot", "s": "soot", "h": "charcoal",
            "w": "slate_light", "c": "slate", "d": "charcoal", "b": "charcoal", "a": "grey"},
    lights={"c": "w"},
    head="""
        ...hhhhhh....
        .hhhhhhhhhh..
        hhhhhhhhhhhh.
        hhhhhhhhhhhhh
        hhhhhhssssshh
        hhhhhsseesh..
        hhhhhsseese..
        hhhhhsssss...
        hhhhhhsssh...
        .hhhhhhhhh...
    """,
    head_back="""
        ...hhhhhh...
        .hhhhhhhhhh.
        hhhhhhhhhhhh
        hhhhhhhhhhhh
        hhhhhhhhhhhh
        hhhhhhhhhhhh
        hhhhhhhhhhhh
        hhhhhhhhhhhh
        .hhhhhhhhhh.
        ..hhhhhhhh..
    """,
    torso="""
        hhhcccchh
        hhccccchh
        hhccccchh
        hhccccchh
        hhccccchh
        hhhccchhh
        hhhhhhhhh
        hhhhhhhhh
    """,
    torso_back="""
        .hhhhhhhh.
        hhhhhhhhhh
        hhhhhhhhhh
        hhhhhhhhhh
        hhhhhhhhhh
        hhhhhhhhhh
        hhhhhhhhhh
        hhhhhhhhhh
    """,
    head_front="""
        ...hhhhhh...
        .hhhhhhhhhh.
        hhhhhhhhhhhh
        hhhhhhhhhhhh
        hhhhhaahhhhh
        hhsssaassshh
        hhseesseeshh
        hhseesseeshh
        hhsssssssshh
        hhhsssssshhh
        .hhhhhhhhhh.
    """,
    torso_front="""
        .hhhcchhh.
        hhhcccchhh
        hhhcccchhh
        hhhcccchhh
        hhhcccchhh
        hhhcccchhh
        hhhhcchhhh
        hhhhhhhhhh
    """,
    sleeve="h", hand="c", trouser="c", shoe="o", arm=8, head_dx=0,
)

VOLT = Character(
    "Volt",
    legend={"o": "navy", "e": "navy", "m": "navy", "s": "tan_skin", "h": "yellow",
            "w": "white", "c": "blue", "d": "blue_shade", "b": "charcoal", "a": "white"},
    shades={"c": "d"},
    head="""
        h....h...h...
        hh..hh..hh...
        hhhhhhhhhh...
        .hhhhhhhhhhh.
        hhhhhhhhhhhhh
        .hhhhhhhhhsss
        hhhhhhssssswe
        .hhhhsssssswe
        ..hhsssssssss
        ...ssssssssm.
        ....ssssss...
    """,
    head_back="""
        h...h...h...h
        hh.hh..hh..hh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        shhhhhhhhhhhs
        .hhhhhhhhhhh.
        ...sssssss...
    """,
    torso="""
        .ccccccc.
        ccccccccc
        ccccccccw
        cccccccwc
        ccccccwww
        cccccccwc
        ccccccwcc
        ccccccccc
    """,
    torso_left="""
        .ccccccc.
        ccccccccc
        ccwcccccc
        cwccccccc
        wwwcccccc
        cwccccccc
        wcccccccc
        ccccccccc
    """,
    torso_back="""
        ..ccccccc..
        .ccccccccc.
        ccccccccccc
        ccccccccccc
        ccccccccccc
        ccccccccccc
        ccccccccccc
        ccccccccccc
    """,
    head_front="""
        .h..h....h..h
        hh.hhh..hhhhh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        hhhhhhhhhhhhh
        hhhshhhhhshhh
        hsssssssssssh
        hsseessseessh
        hsseessseessh
        hsssssssssssh
        .ssssmmmssss.
        ..sssssssss..
    """,
    torso_front="""
        ..ccccccc..
        .ccccccccc.
        cccccccwccc
        ccccccwcccc
        cccccwwwccc
        ccccccwcccc
        cccccwccccc
        ccccccccccc
    """,
    sleeve="c", hand="s", trouser="b", shoe="w", arm=8, stance=2, head_dx=1,
)

CHARACTERS = [EMBER, FENNEL, PIP, CLOVER, ROOK, VOLT]
