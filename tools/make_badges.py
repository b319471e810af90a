#!/usr/bin/env python3
"""Draws the clubs' badges: 60x60 24-bit BMP files under game/media/badge/.

Each badge is a shield in two colours with its own pattern and the club's
initial in a white disc. The clubs' names and badge file names come from
the league file, so the badges always match it. Drawn at four times the
size and scaled down, which smooths the edges.

Usage: make_badges.py [GAME_DIR]   (default: game)
"""
import os
import sys

from PIL import Image, ImageDraw

import paint

SCALE = 4
SIZE = 60 * SCALE

# Per club identifier: first colour, second colour, pattern.
CLUB_LOOKS = [
    ((240, 200, 30), (20, 20, 20), "vertical stripes"),
    ((245, 245, 245), (20, 120, 50), "horizontal halves"),
    ((90, 160, 220), (250, 250, 250), "hoops"),
    ((110, 40, 140), (250, 250, 250), "diagonal band"),
    ((230, 120, 20), (20, 30, 80), "vertical halves"),
    ((20, 120, 50), (20, 20, 20), "chevron"),
    ((210, 30, 30), (250, 250, 250), "cross"),
    ((120, 20, 40), (230, 180, 40), "middle band"),
    ((120, 190, 240), (10, 80, 40), "quarters"),
    ((20, 20, 20), (250, 250, 250), "vertical stripes"),
    ((150, 150, 160), (200, 20, 20), "diagonal halves"),
    ((120, 70, 30), (240, 210, 40), "hoops"),
    ((0, 130, 130), (250, 250, 250), "centre stripe"),
    ((230, 120, 160), (20, 20, 20), "horizontal halves"),
    ((140, 200, 40), (20, 60, 170), "diagonal band"),
    ((210, 30, 30), (245, 210, 30), "quarters"),
    ((40, 180, 200), (120, 20, 40), "chevron"),
    ((160, 110, 200), (245, 220, 40), "middle band"),
    ((200, 160, 40), (30, 60, 150), "cross"),
]
VELMO_LOOK = (paint.DARK_RED, paint.DARK_BLUE, "vertical stripes")


def shield_outline():
    """The shield's corner points: flat top, straight sides, curved point."""
    left, right, top, shoulder, tip = 22, SIZE - 22, 12, 120, SIZE - 10
    points = [(left, top), (right, top), (right, shoulder)]
    steps = 24
    for i in range(1, steps + 1):  # right curve, quadratic towards the tip
        t = i / steps
        cx, cy = right, tip - 30
        x = (1 - t) ** 2 * right + 2 * (1 - t) * t * cx + t * t * (SIZE / 2)
        y = (1 - t) ** 2 * shoulder + 2 * (1 - t) * t * cy + t * t * tip
        points.append((x, y))
    for i in range(1, steps + 1):  # left curve, mirrored
        x, y = points[2 + steps - i]
        points.append((SIZE - x, y))
    points.append((left, shoulder))
    return points


def fill_pattern(draw, pattern, first, second):
    """Paints the pattern over the whole square; the shield mask cuts it."""
    s = SIZE
    draw.rectangle([0, 0, s, s], fill=first)
    if pattern == "vertical stripes":
        width = s // 7
        for i in range(1, 7, 2):
            draw.rectangle([i * width, 0, (i + 1) * width - 1, s], fill=second)
    elif pattern == "vertical halves":
        draw.rectangle([s // 2, 0, s, s], fill=second)
    elif pattern == "horizontal halves":
        draw.rectangle([0, s // 2, s, s], fill=second)
    elif pattern == "hoops":
        height = s // 8
        for i in range(1, 8, 2):
            draw.rectangle([0, i * height, s, (i + 1) * height - 1], fill=second)
    elif pattern == "middle band":
        draw.rectangle([0, s * 3 // 8, s, s * 5 // 8], fill=second)
    elif pattern == "centre stripe":
        draw.rectangle([s * 3 // 8, 0, s * 5 // 8, s], fill=second)
    elif pattern == "diagonal band":
        draw.polygon([(0, s * 0.25), (s * 0.25, 0), (s, s * 0.75), (s * 0.75, s)], fill=second)
    elif pattern == "diagonal halves":
        draw.polygon([(s, 0), (s, s), (0, s)], fill=second)
    elif pattern == "quarters":
        draw.rectangle([s // 2, 0, s, s // 2], fill=second)
        draw.rectangle([0, s // 2, s // 2, s], fill=second)
    elif pattern == "chevron":
        draw.polygon([(0, s * 0.35), (s / 2, s * 0.75), (s, s * 0.35),
                      (s, s * 0.6), (s / 2, s), (0, s * 0.6)], fill=second)
    elif pattern == "cross":
        draw.rectangle([s * 0.4, 0, s * 0.6, s], fill=second)
        draw.rectangle([0, s * 0.38, s, s * 0.55], fill=second)
    else:
        raise ValueError(f"unknown pattern {pattern}")


def darker(a, b):
    return a if sum(a) < sum(b) else b


def badge_art(initial, look):
    """The shield at four times the badge size, and its mask."""
    first, second, pattern = look
    field = Image.new("RGB", (SIZE, SIZE))
    fill_pattern(ImageDraw.Draw(field), pattern, first, second)

    img = Image.new("RGB", (SIZE, SIZE), paint.WHITE)
    mask = Image.new("L", (SIZE, SIZE), 0)
    outline = shield_outline()
    ImageDraw.Draw(mask).polygon(outline, fill=255)
    img.paste(field, (0, 0), mask)
    draw = ImageDraw.Draw(img)
    draw.line(outline + [outline[0]], fill=(30, 30, 30), width=7, joint="curve")
    ImageDraw.Draw(mask).line(outline + [outline[0]], fill=255, width=7, joint="curve")

    # The initial in a white disc, in the darker of the two colours.
    cx, cy, r = SIZE // 2, 96, 54
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=paint.WHITE,
                 outline=(30, 30, 30), width=6)
    fnt = paint.font(84, serif=True)
    box = draw.textbbox((0, 0), initial, font=fnt)
    draw.text((cx - (box[0] + box[2]) / 2, cy - (box[1] + box[3]) / 2), initial,
              font=fnt, fill=darker(first, second))
    return img, mask


def badge(initial, look):
    return badge_art(initial, look)[0].resize((60, 60), Image.LANCZOS)


def read_clubs(teams_path):
    """(id, name, badge file) of every block of the league file."""
    words = open(teams_path).read().split()
    return [(int(words[i]), words[i + 1], words[i + 2]) for i in range(0, len(words), 13)]


def main(argv):
    game = argv[1] if len(argv) > 1 else "game"
    folder = os.path.join(game, "media", "badge")
    os.makedirs(folder, exist_ok=True)
    badge("V", VELMO_LOOK).save(os.path.join(folder, "velmo.bmp"), "BMP")
    for ident, name, filename in read_clubs(os.path.join(game, "teams.dat")):
        badge(name[0], CLUB_LOOKS[ident]).save(os.path.join(folder, filename), "BMP")


if __name__ == "__main__":
    main(sys.argv)
