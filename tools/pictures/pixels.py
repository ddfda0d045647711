"""The master palette and a tiny pixel canvas the picture sources draw on.

A canvas holds colour names (keys of PALETTE) or None for "see-through".
Nothing here knows about file formats; make_pictures.py does the writing.
"""

# Every colour the game's pictures use, by name.  Each picture picks at most
# seven of these; the see-through key colour is added by the writer.
PALETTE = {
    # the sky and the see-through key
    "sky": (63, 191, 255),
    "key": (60, 188, 255),
    # neutrals
    "black": (0, 0, 0),
    "ink": (28, 22, 40),
    "white": (252, 248, 236),
    "grey": (140, 146, 156),
    "steel": (176, 184, 196),
    # skin
    "skin": (246, 200, 152),
    "tan_skin": (214, 152, 106),
    # browns and earth
    "umber": (74, 38, 24),
    "brown": (124, 76, 44),
    "wood": (170, 112, 60),
    "wood_light": (214, 160, 96),
    "ochre": (222, 160, 52),
    "ochre_dark": (168, 108, 32),
    "copper": (206, 74, 42),
    # greens
    "leaf_dark": (28, 84, 44),
    "leaf": (60, 156, 66),
    "leaf_light": (130, 210, 96),
    "mint": (176, 228, 168),
    "moss": (44, 120, 60),
    # teals and blues
    "teal_dark": (20, 62, 70),
    "teal": (40, 168, 160),
    "teal_shade": (24, 118, 118),
    "navy": (26, 34, 80),
    "blue": (46, 96, 214),
    "blue_shade": (28, 62, 156),
    "slate": (76, 98, 140),
    "slate_light": (120, 144, 186),
    "charcoal": (60, 62, 76),
    "soot": (36, 38, 54),
    # warm brights
    "yellow": (250, 214, 40),
    "gold": (250, 226, 110),
    "red": (214, 40, 48),
    "red_dark": (120, 16, 30),
    "orange": (250, 132, 40),
    "pink": (240, 120, 170),
    # purples (the turnip)
    "plum": (70, 30, 78),
    "purple": (146, 62, 168),
    "lilac": (206, 160, 226),
}

KEY = "key"


class Canvas:
    """A width x height grid of colour names; None is see-through."""

    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    # -- basic access -------------------------------------------------------
    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def get(self, x, y):
        return self.rows[y][x] if self.inside(x, y) else None

    def set(self, x, y, colour):
        if self.inside(x, y):
            self.rows[y][x] = colour

    def copy(self):
        other = Canvas(self.width, self.height)
        other.rows = [list(row) for row in self.rows]
        return other

    def colours(self):
        return {c for row in self.rows for c in row}

    # -- drawing ------------------------------------------------------------
    def rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, colour)

    def line(self, x0, y0, x1, y1, colour, brush=1):
        """A straight line; brush is the side of the square stamped per step."""
        for x, y in line_points(x0, y0, x1, y1):
            self.rect(x, y, brush, brush, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        """A filled ellipse centred on (cx, cy); half-pixel centres allowed."""
        for y in range(self.height):
            for x in range(self.width):
                dx = (x + 0.5 - cx) / rx
                dy = (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0:
                    self.set(x, y, colour)

    def draw_map(self, text, legend, x=0, y=0):
        """Paint a text pixel map; '.' and spaces are left untouched."""
        for dy, row in enumerate(parse_map(text)):
            for dx, ch in enumerate(row):
                if ch in ". ":
                    continue
                self.set(x + dx, y + dy, legend[ch])

    def blit(self, other, x, y):
        """Paint every drawn pixel of another canvas at (x, y)."""
        for yy in range(other.height):
            for xx in range(other.width):
                c = other.rows[yy][xx]
                if c is not None:
                    self.set(x + xx, y + yy, c)

    def replace(self, old, new):
        for row in self.rows:
            for i, c in enumerate(row):
                if c == old:
                    row[i] = new

    # -- whole-picture operations -------------------------------------------
    def mirrored(self):
        other = Canvas(self.width, self.height)
        other.rows = [list(reversed(row)) for row in self.rows]
        return other

    def bbox(self):
        """(left, top, right, bottom) of the drawn pixels, right/bottom exclusive."""
        xs = [x for row in self.rows for x, c in enumerate(row) if c is not None]
        ys = [y for y, row in enumerate(self.rows) if any(c is not None for c in row)]
        if not xs:
            return (0, 0, 0, 0)
        return (min(xs), min(ys), max(xs) + 1, max(ys) + 1)

    def crop(self, left, top, right, bottom):
        other = Canvas(right - left, bottom - top)
        for y in range(top, bottom):
            for x in range(left, right):
                other.rows[y - top][x - left] = self.get(x, y)
        return other

    def outline_ring(self):
        """Empty pixels touching a drawn pixel side-on (a 1-pixel outline)."""
        ring = []
        for y in range(self.height):
            for x in range(self.width):
                if self.rows[y][x] is not None:
                    continue
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if self.get(nx, ny) is not None:
                        ring.append((x, y))
                        break
        return ring

    def shade_edges(self, shades, lights=None):
        """Light falls from the top left: colours on a lower-right edge take
        their shade tone, colours on an upper-left corner their light tone."""
        src = self.copy()
        for y in range(self.height):
            for x in range(self.width):
                c = src.rows[y][x]
                if c is None:
                    continue
                if c in shades and (src.get(x + 1, y) is None or src.get(x, y + 1) is None):
                    self.rows[y][x] = shades[c]
                elif lights and c in lights and src.get(x - 1, y) is None and src.get(x, y - 1) is None:
                    self.rows[y][x] = lights[c]


def parse_map(text):
    """Rows of a text pixel map, ignoring blank lines and common indentation."""
    rows = [r.strip() for r in text.strip("\n").splitlines()]
    rows = [r for r in rows if r]
    return rows


def map_size(text):
    rows = parse_map(text)
    return max(len(r) for r in rows), len(rows)


def line_points(x0, y0, x1, y1):
    """Integer points of a line from (x0, y0) to (x1, y1), both ends included."""
    points = []
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx = 1 if x0 < x1 else -1
    sy = 1 if y0 < y1 else -1
    err = dx + dy
    while True:
        points.append((x0, y0))
        if x0 == x1 and y0 == y1:
            return points
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def compose(parts, outline, size=64):
    """Stack parts back to front; each part gets its own outline ring, so a
    part in front is always separated from what lies behind it.

    parts: list of (canvas, x, y, outline_colour_or_None)."""
    out = Canvas(size, size)
    for part, px, py, ring_colour in parts:
        drawn = {(x + px, y + py): c
                 for y, row in enumerate(part.rows) for x, c in enumerate(row) if c is not None}
        ring = {(x + dx, y + dy) for x, y in drawn
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))} - drawn.keys()
        colour = ring_colour or outline
        for x, y in ring:
            out.set(x, y, colour)
        for (x, y), c in drawn.items():
            out.set(x, y, c)
    return out


def from_map(text, legend):
    w, h = map_size(text)
    c = Canvas(w, h)
    c.draw_map(text, legend)
    return c
