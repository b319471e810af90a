"""Drawing helpers shared by the badge and picture generators.

Everything here is deterministic: shapes come from PIL's drawing calls and
any scatter (stars, crowds, confetti) from a random.Random seeded by the
caller, so two runs write the same bytes.
"""
import os
import random

from PIL import Image, ImageDraw, ImageFilter, ImageFont

DARK_RED = (150, 0, 0)
DARK_BLUE = (0, 0, 100)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

_FONT_DIRS = ["/usr/share/fonts/truetype/dejavu"]


def font(size, bold=True, serif=False):
    """A DejaVu face (shipped with fontconfig, which ImageMagick pulls in)."""
    name = "DejaVu" + ("Serif" if serif else "Sans") + ("-Bold" if bold else "") + ".ttf"
    for folder in _FONT_DIRS:
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    raise SystemExit(f"font {name} not found: install fonts-dejavu-core")


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def vgradient(img, box, top, bottom):
    """Fills box (x0, y0, x1, y1, exclusive ends) with a vertical gradient."""
    x0, y0, x1, y1 = box
    draw = ImageDraw.Draw(img)
    span = max(1, y1 - y0 - 1)
    for y in range(y0, y1):
        draw.line([(x0, y), (x1 - 1, y)], fill=mix(top, bottom, (y - y0) / span))


def glow(img, centre, radius, colour, strength=1.0):
    """Adds a soft light (a floodlight, a spotlight) centred at centre."""
    mask = Image.new("L", img.size, 0)
    cx, cy = centre
    ImageDraw.Draw(mask).ellipse(
        [cx - radius, cy - radius, cx + radius, cy + radius],
        fill=int(255 * strength))
    mask = mask.filter(ImageFilter.GaussianBlur(radius * 0.6))
    light = Image.new("RGB", img.size, colour)
    img.paste(Image.composite(light, img, mask), (0, 0))


def darken(img, box, amount):
    """Blends box towards black by amount (0..1): calm areas for text."""
    region = img.crop(box)
    black = Image.new("RGB", region.size, BLACK)
    img.paste(Image.blend(region, black, amount), box[:2])


def tint(img, box, colour, amount):
    """Blends box towards colour by amount (0..1)."""
    region = img.crop(box)
    flat = Image.new("RGB", region.size, colour)
    img.paste(Image.blend(region, flat, amount), box[:2])


def blur_box(img, box, radius):
    region = img.crop(box).filter(ImageFilter.GaussianBlur(radius))
    img.paste(region, box[:2])


def stars(img, box, rng, count):
    draw = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    for _ in range(count):
        x, y = rng.randrange(x0, x1), rng.randrange(y0, y1)
        level = rng.randrange(90, 230)
        draw.point((x, y), fill=(level, level, min(255, level + 20)))


def crowd(img, box, rng, shirts, rows, skin_dim=1.0):
    """Rows of supporters: a head over a shirt, shirts drawn from shirts.

    Rows further down are bigger (nearer), so the stand has some depth.
    """
    draw = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    row_h = (y1 - y0) / rows
    for r in range(rows):
        size = 3 + r * 4 // max(1, rows - 1)
        y = int(y0 + r * row_h)
        x = x0 - rng.randrange(0, size * 2)
        while x < x1:
            shirt = shirts[rng.randrange(len(shirts))]
            dim = 0.55 + 0.45 * rng.random()
            body = tuple(int(c * dim) for c in shirt)
            draw.rectangle([x, y + size, x + size * 2 - 1, y + int(row_h)], fill=body)
            skin = int((120 + rng.randrange(60)) * skin_dim)
            draw.ellipse([x + size // 2, y + 1, x + size // 2 + size, y + size + 1],
                         fill=(skin, int(skin * 0.8), int(skin * 0.65)))
            if rng.random() < 0.08:  # a raised scarf or flag
                draw.rectangle([x, y - size, x + size * 3, y - size + size // 2 + 1],
                               fill=shirts[rng.randrange(len(shirts))])
            x += size * 2 + rng.randrange(0, 2)


def centred_text(draw, centre_x, y, text, fnt, fill, stroke=0, stroke_fill=None):
    width = draw.textlength(text, font=fnt)
    draw.text((centre_x - width / 2, y), text, font=fnt, fill=fill,
              stroke_width=stroke, stroke_fill=stroke_fill)


def shadowed_title(img, centre_x, y, text, fnt, fill, shadow, offset=5, blur=4):
    """A title with a soft drop shadow, for the big headings."""
    layer = Image.new("L", img.size, 0)
    ImageDraw.Draw(layer).text(
        (centre_x - ImageDraw.Draw(layer).textlength(text, font=fnt) / 2 + offset,
         y + offset), text, font=fnt, fill=200)
    layer = layer.filter(ImageFilter.GaussianBlur(blur))
    img.paste(Image.composite(Image.new("RGB", img.size, shadow), img, layer), (0, 0))
    centred_text(ImageDraw.Draw(img), centre_x, y, text, fnt, fill,
                 stroke=3, stroke_fill=DARK_RED)


def perspective_pitch(img, top, bottom, top_half_width, bottom_half_width,
                      centre_x, stripes=10):
    """A floodlit pitch seen from the side stands, narrowing with distance.
    Returns the function giving the goal lines' x at a height."""
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, top, img.size[0], bottom], fill=(16, 64, 26))

    def edge(y):
        t = (y - top) / (bottom - top)
        half = top_half_width + (bottom_half_width - top_half_width) * t
        return centre_x - half, centre_x + half

    # Mown stripes: bands whose height grows towards the viewer.
    weights = [1.0 + 0.18 * i for i in range(stripes)]
    total = sum(weights)
    y = top
    for i, w in enumerate(weights):
        y_next = y + (bottom - top) * w / total
        left0, right0 = edge(y)
        left1, right1 = edge(y_next)
        colour = (26, 102, 38) if i % 2 else (34, 120, 46)
        draw.polygon([(left0, y), (right0, y), (right1, y_next), (left1, y_next)],
                     fill=colour)
        y = y_next
    line = (225, 235, 225)
    l_top, r_top = edge(top)
    l_bot, r_bot = edge(bottom)
    draw.line([(l_top, top), (r_top, top)], fill=line, width=2)
    draw.line([(l_top, top), (l_bot, bottom)], fill=line, width=2)
    draw.line([(r_top, top), (r_bot, bottom)], fill=line, width=2)
    # Halfway line and centre circle (an ellipse squashed by distance).
    draw.line([(centre_x, top), (centre_x, bottom)], fill=line, width=2)
    mid_y = top + (bottom - top) * 0.55
    rx, ry = (bottom - top) * 0.22, (bottom - top) * 0.14
    draw.ellipse([centre_x - rx, mid_y - ry, centre_x + rx, mid_y + ry], outline=line, width=2)
    # Penalty areas at both ends.
    for side in (-1, 1):
        def at(t, depth):
            yy = top + (bottom - top) * t
            l, r = edge(yy)
            return (l + depth * (r - l)) if side < 0 else (r - depth * (r - l)), yy
        a = at(0.22, 0.0)
        b = at(0.22, 0.13)
        c = at(0.78, 0.13)
        d = at(0.78, 0.0)
        draw.line([a, b, c, d], fill=line, width=2)
        # The goal: two posts standing on the goal line and a crossbar.
        y_a, y_b = top + (bottom - top) * 0.42, top + (bottom - top) * 0.6
        post = (bottom - top) * 0.09
        x_a = edge(y_a)[0 if side < 0 else 1]
        x_b = edge(y_b)[0 if side < 0 else 1]
        back = -side * -6
        draw.polygon([(x_a, y_a - post), (x_b, y_b - post), (x_b + back, y_b),
                      (x_a + back, y_a)], outline=(170, 180, 170))
        draw.line([(x_a, y_a), (x_a, y_a - post), (x_b, y_b - post), (x_b, y_b)],
                  fill=WHITE, width=2)
    return edge


def hoarding(img, box, stripes):
    """Advertising boards: pale panels parted by club-coloured stripes at
    the x positions given, so text drawn between them stays readable."""
    draw = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    draw.rectangle(box, fill=(236, 232, 220))
    for i, left in enumerate(stripes):
        draw.rectangle([left, y0, left + 6, y1], fill=(DARK_RED, DARK_BLUE)[i % 2])
    draw.line([(x0, y0), (x1, y0)], fill=(160, 150, 140))
    draw.line([(x0, y1), (x1, y1)], fill=(90, 80, 70), width=2)


def rng_for(name):
    """A generator seeded from a picture's name, stable across runs."""
    return random.Random(sum((i + 1) * ord(c) for i, c in enumerate(name)))
