#!/usr/bin/env python3
"""Draws the game's full-screen pictures: 800x600 baseline JPEG files.

intro.jpg   the intro: the stadium at night, the title, "Press a key"
bk0.jpg     the main screen (also the standings and the calendar)
bkinfo.jpg  the About box
bkfinal.jpg the season's end
The two match backgrounds are drawn by make_match_pictures.py.

Every screen draws its own texts over these pictures, so the places where
it writes are kept calm and dark (or light, where its text is dark).

Usage: make_pictures.py [GAME_DIR]   (default: game)
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter

import make_badges
import paint
from paint import BLACK, DARK_BLUE, DARK_RED, WHITE

W, H = 800, 600
GOLD = (232, 188, 60)


def save_jpeg(img, path):
    """Baseline JPEG, standard tables, no extra metadata: same bytes each run."""
    img.convert("RGB").save(path, "JPEG", quality=85, optimize=False,
                            progressive=False)


def floodlight(img, x, top, bottom):
    """A tower with a bank of lamps and the light it throws."""
    draw = ImageDraw.Draw(img)
    draw.polygon([(x - 4, bottom), (x + 4, bottom), (x + 2, top), (x - 2, top)],
                 fill=(30, 30, 45))
    paint.glow(img, (x, top - 8), 70, (120, 130, 170), 0.55)
    paint.glow(img, (x, top - 8), 30, (235, 240, 255), 0.8)
    draw = ImageDraw.Draw(img)
    draw.rectangle([x - 26, top - 22, x + 26, top + 4], fill=(40, 40, 55))
    for row in range(3):
        for col in range(6):
            lx, ly = x - 22 + col * 8, top - 18 + row * 7
            draw.rectangle([lx, ly, lx + 5, ly + 4], fill=(255, 255, 235))


def beam(img, source, far_left, far_right, strength):
    """A faint cone of light from a floodlight onto the pitch."""
    mask = Image.new("L", img.size, 0)
    ImageDraw.Draw(mask).polygon([source, far_left, far_right], fill=int(255 * strength))
    mask = mask.filter(ImageFilter.GaussianBlur(18))
    img.paste(Image.composite(Image.new("RGB", img.size, (210, 220, 255)), img, mask), (0, 0))


def night_stadium(name, sky_top, sky_bottom, horizon, stand_bottom, pitch_bottom,
                  shirts):
    """The stadium at night from the top of a stand: sky, stars, the far
    stand full of supporters, floodlights and the lit pitch."""
    rng = paint.rng_for(name)
    img = Image.new("RGB", (W, H))
    paint.vgradient(img, (0, 0, W, horizon), sky_top, sky_bottom)
    paint.stars(img, (0, 0, W, horizon - 20), rng, 160)
    draw = ImageDraw.Draw(img)
    # The far stand's roof and its face.
    draw.polygon([(0, horizon + 10), (W, horizon + 10), (W, horizon - 8), (0, horizon - 8)],
                 fill=(25, 20, 35))
    paint.vgradient(img, (0, horizon + 10, W, stand_bottom), (45, 10, 20), (20, 10, 40))
    paint.crowd(img, (0, horizon + 14, W, stand_bottom - 6), rng, shirts, rows=6,
                skin_dim=0.8)
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, stand_bottom - 6, W, stand_bottom], fill=(200, 196, 185))
    paint.perspective_pitch(img, stand_bottom, pitch_bottom, 340, 560, W // 2)
    for x in (70, W - 70):
        floodlight(img, x, 40, horizon)
    beam(img, (70, 40), (200, pitch_bottom), (520, pitch_bottom), 0.18)
    beam(img, (W - 70, 40), (280, pitch_bottom), (600, pitch_bottom), 0.18)
    return img


def intro():
    shirts = [DARK_RED, DARK_BLUE, (190, 20, 20), (20, 30, 150), (230, 230, 230)]
    img = night_stadium("intro", (0, 0, 12), DARK_BLUE, 300, 400, H, shirts)
    paint.darken(img, (0, 500, W, H), 0.35)
    paint.shadowed_title(img, W // 2, 40, "VELMO", paint.font(150), WHITE, BLACK,
                         offset=6, blur=5)
    draw = ImageDraw.Draw(img)
    paint.centred_text(draw, W // 2, 215, "Football Manager", paint.font(38, serif=True),
                       (235, 225, 200), stroke=2, stroke_fill=DARK_BLUE)
    # "Press a key" on a dark red ribbon near the bottom.
    draw.rectangle([260, 540, 540, 580], fill=DARK_RED, outline=(230, 200, 200))
    paint.centred_text(draw, W // 2, 546, "Press a key", paint.font(24), WHITE)
    return img


def main_background():
    """Calm dark ground where the screen writes: the squad table (left,
    one faint band per row), the panels (top middle), the buttons (right
    column) and the footer (bottom). Only the lower middle window shows a
    scene: the floodlit ground in miniature."""
    img = Image.new("RGB", (W, H))
    paint.vgradient(img, (0, 0, W, H), (6, 6, 26), (0, 0, 8))
    draw = ImageDraw.Draw(img)
    # Squad table: rows start at y = 10 + 24 r and are 16 pixels high.
    for r in range(22):
        y = 6 + 24 * r
        draw.rectangle([0, y, 340, y + 23], fill=(16, 16, 40) if r % 2 == 0 else (8, 8, 24))
    draw.line([(341, 0), (341, H)], fill=DARK_RED, width=2)
    # Panel area.
    draw.rectangle([348, 2, 692, 332], fill=(10, 12, 42), outline=DARK_BLUE, width=2)
    # Button column: a dark red band with a lighter edge.
    paint.vgradient(img, (697, 0, W, H), (70, 0, 6), (30, 0, 4))
    draw = ImageDraw.Draw(img)
    draw.line([(697, 0), (697, H)], fill=(150, 40, 40), width=1)
    # The window: a small night stadium.
    scene = Image.new("RGB", (340, 232))
    rng = paint.rng_for("bk0")
    paint.vgradient(scene, (0, 0, 340, 70), (0, 0, 30), DARK_BLUE)
    paint.stars(scene, (0, 0, 340, 40), rng, 30)
    paint.vgradient(scene, (0, 48, 340, 96), (45, 10, 20), (20, 10, 40))
    paint.crowd(scene, (0, 52, 340, 94), rng,
                [DARK_RED, DARK_BLUE, (180, 30, 30), (30, 40, 140), (220, 220, 220)],
                rows=4, skin_dim=0.8)
    ImageDraw.Draw(scene).rectangle([0, 94, 340, 98], fill=(200, 196, 185))
    paint.perspective_pitch(scene, 98, 232, 120, 168, 170)
    for x in (18, 322):
        paint.glow(scene, (x, 18), 26, (230, 235, 255), 0.7)
        ImageDraw.Draw(scene).line([(x, 18), (x, 50)], fill=(40, 40, 60), width=3)
    img.paste(scene, (350, 338))
    draw = ImageDraw.Draw(img)
    draw.rectangle([348, 336, 691, 571], outline=DARK_RED, width=2)
    # Footer strip: black, for the red line the game writes at y = 580.
    draw.rectangle([0, 574, 696, H], fill=(0, 0, 0))
    return img


def crest(img, centre_x, top, height):
    """The club's shield, large, with a soft shadow."""
    art, mask = make_badges.badge_art("V", make_badges.VELMO_LOOK)
    size = height
    art = art.resize((size, size), Image.LANCZOS)
    mask = mask.resize((size, size), Image.LANCZOS)
    shadow = Image.new("L", img.size, 0)
    shadow.paste(mask, (centre_x - size // 2 + 8, top + 10))
    shadow = shadow.filter(ImageFilter.GaussianBlur(10))
    img.paste(Image.composite(Image.new("RGB", img.size, BLACK), img, shadow), (0, 0))
    img.paste(art, (centre_x - size // 2, top), mask)


def about():
    img = Image.new("RGB", (W, H))
    # Broad diagonal stripes in the club's colours, deep in shadow.
    draw = ImageDraw.Draw(img)
    for i in range(-12, 24):
        x = i * 70
        colour = DARK_RED if i % 2 else DARK_BLUE
        draw.polygon([(x, 0), (x + 70, 0), (x + 70 - H // 2, H), (x - H // 2, H)], fill=colour)
    paint.darken(img, (0, 0, W, H), 0.45)
    paint.glow(img, (W // 2, 200), 230, (90, 90, 130), 0.6)
    crest(img, W // 2, 70, 230)
    paint.shadowed_title(img, W // 2, 300, "VELMO", paint.font(72), WHITE, BLACK, 4, 4)
    draw = ImageDraw.Draw(img)
    paint.centred_text(draw, W // 2, 385, "Football Manager", paint.font(28, serif=True),
                       (240, 230, 205), stroke=2, stroke_fill=BLACK)
    # A quiet band behind the credits box.
    paint.darken(img, (60, 432, 740, 598), 0.55)
    return img


def firework(img, centre, radius, colour, rng):
    """A burst: streaks that fade outwards and droop, bright tips."""
    cx, cy = centre
    paint.glow(img, centre, radius // 2, colour, 0.3)
    draw = ImageDraw.Draw(img)
    rays = 24
    for k in range(rays):
        angle = 2 * math.pi * (k + rng.random() * 0.3) / rays
        length = radius * (0.75 + 0.25 * rng.random())
        points = []
        for step in range(11):
            r = length * step / 10
            droop = (r / radius) ** 2 * 18
            points.append((cx + r * math.cos(angle), cy + r * math.sin(angle) + droop))
        for i in range(3, 10):
            draw.line([points[i], points[i + 1]],
                      fill=paint.mix(WHITE, colour, i / 10), width=2)
        x, y = points[-1]
        draw.ellipse([x - 2, y - 2, x + 2, y + 2], fill=paint.mix(colour, WHITE, 0.5))


def trophy(img, cx, top, bottom):
    """A golden cup on a dark base: bowl, handles, stem and plinth."""
    draw = ImageDraw.Draw(img)
    h = bottom - top
    bowl_bottom = top + int(h * 0.55)
    light, shade = (255, 226, 120), (170, 120, 30)
    # Handles first, so the bowl covers their inner ends.
    for side in (-1, 1):
        x = cx + side * 78
        draw.arc([x - 42, top + 12, x + 42, top + 102],
                 start=270 if side > 0 else 90, end=90 if side > 0 else 270,
                 fill=shade, width=12)
    for i in range(40):  # the bowl, lit from the left
        t = i / 39
        colour = paint.mix(light, shade, abs(t - 0.3) * 1.3)
        x0 = cx - 80 + i * 4
        draw.polygon([(x0, top), (x0 + 4, top),
                      (cx + (x0 + 4 - cx) * 0.45, bowl_bottom),
                      (cx + (x0 - cx) * 0.45, bowl_bottom)], fill=colour)
    draw.ellipse([cx - 80, top - 12, cx + 80, top + 12], fill=(120, 85, 20), outline=light)
    draw.rectangle([cx - 12, bowl_bottom, cx + 12, bowl_bottom + int(h * 0.15)], fill=GOLD)
    draw.ellipse([cx - 34, bowl_bottom + int(h * 0.13), cx + 34,
                  bowl_bottom + int(h * 0.2)], fill=shade)
    plinth_top = bowl_bottom + int(h * 0.18)
    draw.rectangle([cx - 60, plinth_top, cx + 60, bottom], fill=(50, 25, 15),
                   outline=(120, 80, 40))
    draw.rectangle([cx - 34, plinth_top + 14, cx + 34, bottom - 14], fill=GOLD)
    # A sparkle on the bowl.
    paint.glow(img, (cx - 40, top + 40), 14, WHITE, 0.8)


def season_end():
    rng = paint.rng_for("bkfinal")
    img = Image.new("RGB", (W, H))
    paint.vgradient(img, (0, 0, W, H), (5, 5, 30), DARK_BLUE)
    paint.stars(img, (0, 0, W, H), rng, 120)
    for centre, radius, colour in (((120, 160), 90, (255, 80, 80)),
                                   ((690, 140), 100, (120, 160, 255)),
                                   ((400, 210), 110, GOLD),
                                   ((200, 420), 70, (255, 255, 255)),
                                   ((620, 430), 80, (255, 60, 60))):
        firework(img, centre, radius, colour, rng)
    paint.glow(img, (W // 2, 450), 150, (120, 100, 60), 0.5)
    trophy(img, W // 2, 360, 532)
    draw = ImageDraw.Draw(img)
    for _ in range(420):  # confetti, leaving the cup clear
        x, y = rng.randrange(0, W), rng.randrange(0, H)
        if 270 <= x <= 530 and 340 <= y <= 540:
            continue
        colour = (DARK_RED, (220, 30, 30), (40, 60, 200), WHITE, GOLD)[rng.randrange(5)]
        w, h = rng.randrange(3, 8), rng.randrange(2, 5)
        draw.rectangle([x, y, x + w, y + h], fill=colour)
    # The standings and results boxes sit on a calm dark panel.
    paint.blur_box(img, (50, 62, 725, 340), 3)
    paint.darken(img, (50, 62, 725, 340), 0.6)
    draw = ImageDraw.Draw(img)
    paint.centred_text(draw, W // 2, 14, "END OF THE SEASON", paint.font(40), GOLD,
                       stroke=3, stroke_fill=DARK_RED)
    return img


def main(argv):
    game = argv[1] if len(argv) > 1 else "game"
    media = os.path.join(game, "media")
    os.makedirs(media, exist_ok=True)
    for name, make in (("intro.jpg", intro), ("bk0.jpg", main_background),
                       ("bkinfo.jpg", about), ("bkfinal.jpg", season_end)):
        save_jpeg(make(), os.path.join(media, name))


if __name__ == "__main__":
    main(sys.argv)
