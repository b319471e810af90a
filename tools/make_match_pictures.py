#!/usr/bin/env python3
"""Draws the match screen's two backgrounds, 800x600 baseline JPEG.

bkmatch.jpg  at home: the pitch seen from the side stand, the far stand
             packed with our supporters in dark red
bkout.jpg    away: the pitch seen from behind a goal, our travelling
             supporters in dark blue in the far end

The match screen writes its commentary in dark red with no background in
the right column (x 570..786), and "Defence Wall" / "Crazy Attack" in dark
blue at y 508 (x 200..496): both pictures keep those places pale, as a
paper sheet and an advertising board. The line-up labels on the left have
their own white background.

Usage: make_match_pictures.py [GAME_DIR]   (default: game)
"""
import os
import sys

from PIL import Image, ImageDraw

import paint
from make_pictures import H, W, beam, floodlight, save_jpeg
from paint import DARK_BLUE, DARK_RED, WHITE

PANEL = (562, 10, 794, 596)       # behind the commentary
BOARD = (0, 494, 561, 528)        # behind the slider's two captions
PAPER = (246, 241, 228)


def commentary_sheet(img):
    """A pale sheet: most of the picture fades out under it."""
    paint.tint(img, PANEL, PAPER, 0.93)
    draw = ImageDraw.Draw(img)
    draw.rectangle(PANEL, outline=DARK_RED, width=3)
    draw.rectangle([PANEL[0] + 5, PANEL[1] + 5, PANEL[2] - 5, PANEL[3] - 5],
                   outline=(220, 200, 190), width=1)


def near_supporters(img, top, shirts, rng):
    """Backs of heads and shoulders of the supporters in front of us."""
    draw = ImageDraw.Draw(img)
    x = -20
    while x < PANEL[0]:
        size = rng.randrange(26, 40)
        y = top + rng.randrange(0, 18)
        shirt = shirts[rng.randrange(len(shirts))]
        dim = 0.45 + 0.3 * rng.random()
        draw.rounded_rectangle([x, y + size * 0.8, x + size * 2, H + 20], radius=size // 2,
                               fill=tuple(int(c * dim) for c in shirt))
        hair = rng.randrange(15, 45)
        draw.ellipse([x + size * 0.45, y, x + size * 1.55, y + size * 1.15],
                     fill=(hair, int(hair * 0.8), int(hair * 0.6)))
        if rng.random() < 0.4:  # a scarf round the shoulders, in the club's colours
            sy = y + size * 1.1
            for k in range(5):
                colour = DARK_RED if k % 2 == 0 else DARK_BLUE
                left = x + size * 0.3 + k * size * 0.3
                draw.rectangle([left, sy, left + size * 0.3, sy + 6], fill=colour)
        x += size + rng.randrange(4, 20)


def home_match():
    rng = paint.rng_for("bkmatch")
    img = Image.new("RGB", (W, H))
    horizon, stand_bottom = 60, 262
    paint.vgradient(img, (0, 0, W, horizon), (0, 0, 20), DARK_BLUE)
    paint.stars(img, (0, 0, W, horizon - 10), rng, 40)
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, horizon - 6, W, horizon + 8], fill=(30, 20, 35))
    paint.vgradient(img, (0, horizon + 8, W, stand_bottom), (60, 8, 12), (35, 5, 10))
    home = [DARK_RED, DARK_RED, (200, 20, 20), (120, 0, 0), (235, 235, 235), DARK_BLUE]
    paint.crowd(img, (0, horizon + 12, W, stand_bottom - 10), rng, home, rows=9,
                skin_dim=0.85)
    # A banner along the front of the stand.
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, stand_bottom - 10, W, stand_bottom], fill=DARK_RED)
    paint.centred_text(draw, 280, stand_bottom - 11, "FORZA VELMO", paint.font(9), WHITE)
    paint.perspective_pitch(img, stand_bottom, BOARD[1], 420, 640, 300)
    for x in (40, 520):
        floodlight(img, x, 26, horizon)
    beam(img, (40, 26), (60, BOARD[1]), (380, BOARD[1]), 0.15)
    paint.hoarding(img, BOARD, (0, 150, 520))
    near_supporters(img, BOARD[3] + 6, home, rng)
    commentary_sheet(img)
    return img


def pitch_lengthwise(img, top, bottom, far_half, near_half, cx):
    """The pitch seen from behind one goal: the far goal at the top."""
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, top - 6, W, bottom], fill=(16, 64, 26))

    def half_width(y):
        return far_half + (near_half - far_half) * (y - top) / (bottom - top)

    def depth_y(t):
        # Equal steps along the pitch shrink with distance (t = 0 far, 1 near).
        return top + (bottom - top) * (t * t * 0.6 + t * 0.4)

    for i in range(12):  # mown bands across the pitch
        y0, y1 = depth_y(i / 12), depth_y((i + 1) / 12)
        colour = (30, 112, 42) if i % 2 else (24, 96, 36)
        draw.polygon([(cx - half_width(y0), y0), (cx + half_width(y0), y0),
                      (cx + half_width(y1), y1), (cx - half_width(y1), y1)], fill=colour)
    line = (225, 235, 225)
    draw.line([(cx - far_half, top), (cx + far_half, top)], fill=line, width=2)
    draw.line([(cx - far_half, top), (cx - near_half, bottom)], fill=line, width=2)
    draw.line([(cx + far_half, top), (cx + near_half, bottom)], fill=line, width=2)
    mid = depth_y(0.5)
    draw.line([(cx - half_width(mid), mid), (cx + half_width(mid), mid)], fill=line, width=2)
    ry = depth_y(0.58) - mid
    rx = half_width(mid) * 0.28
    draw.ellipse([cx - rx, mid - ry * 0.8, cx + rx, mid + ry], outline=line, width=2)
    box_y = depth_y(0.16)
    box_half = far_half * 0.55
    draw.line([(cx - box_half, top), (cx - box_half * 1.08, box_y),
               (cx + box_half * 1.08, box_y), (cx + box_half, top)], fill=line, width=2)
    # Far goal: posts, crossbar and a grey net behind.
    goal_half, post = far_half * 0.16, 18
    draw.rectangle([cx - goal_half, top - post - 4, cx + goal_half, top], outline=(160, 165, 160))
    draw.line([(cx - goal_half, top), (cx - goal_half, top - post), (cx + goal_half, top - post),
               (cx + goal_half, top)], fill=WHITE, width=3)


def away_match():
    rng = paint.rng_for("bkout")
    img = Image.new("RGB", (W, H))
    horizon, stand_bottom = 90, 230
    # A dusk sky: the away trip kicks off earlier.
    paint.vgradient(img, (0, 0, W, horizon), (10, 10, 50), (70, 40, 90))
    paint.stars(img, (0, 0, W, 40), rng, 25)
    draw = ImageDraw.Draw(img)
    draw.polygon([(0, horizon - 14), (W, horizon - 14), (W, horizon + 4), (0, horizon + 4)],
                 fill=(28, 26, 40))
    paint.vgradient(img, (0, horizon + 4, W, stand_bottom), (30, 30, 45), (15, 15, 30))
    # The home crowd in grey and green at the sides, ours in the middle.
    locals_ = [(90, 90, 100), (40, 90, 60), (120, 120, 130), (30, 60, 40)]
    ours = [DARK_BLUE, DARK_BLUE, (20, 40, 170), (0, 0, 70), (235, 235, 235), DARK_RED]
    paint.crowd(img, (0, horizon + 8, 300, stand_bottom - 10), rng, locals_, rows=6, skin_dim=0.7)
    paint.crowd(img, (560, horizon + 8, W, stand_bottom - 10), rng, locals_, rows=6, skin_dim=0.7)
    paint.crowd(img, (300, horizon + 8, 560, stand_bottom - 10), rng, ours, rows=6)
    draw = ImageDraw.Draw(img)
    draw.rectangle([300, horizon + 4, 560, horizon + 7], fill=(240, 240, 240))  # the fence
    draw.rectangle([0, stand_bottom - 10, W, stand_bottom], fill=(60, 60, 70))
    draw.rectangle([300, stand_bottom - 10, 560, stand_bottom], fill=DARK_BLUE)
    paint.centred_text(draw, 430, stand_bottom - 11, "VELMO ON THE ROAD", paint.font(9), WHITE)
    pitch_lengthwise(img, stand_bottom + 24, BOARD[1], 150, 420, 430)
    for x in (20, 540):
        floodlight(img, x, 24, horizon)
    beam(img, (540, 24), (150, BOARD[1]), (460, BOARD[1]), 0.14)
    paint.hoarding(img, BOARD, (90, 530))
    near_supporters(img, BOARD[3] + 6, ours, rng)
    commentary_sheet(img)
    return img


def main(argv):
    game = argv[1] if len(argv) > 1 else "game"
    media = os.path.join(game, "media")
    os.makedirs(media, exist_ok=True)
    save_jpeg(home_match(), os.path.join(media, "bkmatch.jpg"))
    save_jpeg(away_match(), os.path.join(media, "bkout.jpg"))


if __name__ == "__main__":
    main(sys.argv)
