#!/usr/bin/env python3
"""Makes the desktop icons from the club badge: PNG files at 48, 64, 128 and
256 pixels under packaging/icons/hicolor/NxN/apps/velmo.png.

The badge is a 60x60 shield on white. The white around it becomes
transparent, and the outline's edge pixels, which the badge blended with
that white, become the outline's own colour at the matching opacity, so no
light seam shows on a dark panel. Each size is the badge scaled smoothly
(to 48, or by a whole factor to 60, 120 and 240) and centred.

Usage: make_icons.py [BADGE] [ICON_DIR]
       (default: game/media/badge/velmo.bmp packaging/icons/hicolor)
"""
import os
import sys

from PIL import Image, ImageDraw

SIZES = (48, 64, 128, 256)
OUTLINE = (30, 30, 30)  # the shield's outline, as the badge generator draws it
MARK = (255, 0, 255)    # flood-fill colour; the badge holds no such pixel


def badge_with_alpha(path):
    """The badge as RGBA: transparent outside the shield, its edge unblended from white."""
    rgb = Image.open(path).convert("RGB")
    w, h = rgb.size
    flood = rgb.copy()
    for corner in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        if flood.getpixel(corner) != MARK:
            ImageDraw.floodfill(flood, corner, MARK, thresh=12)
    outside = flood.load()
    src = rgb.load()
    out = Image.new("RGBA", (w, h))
    px = out.load()
    for y in range(h):
        for x in range(w):
            if outside[x, y] == MARK:
                px[x, y] = (0, 0, 0, 0)
            elif touches(outside, x, y, w, h) and sum(src[x, y]) > sum(OUTLINE):
                # colour = a * OUTLINE + (1 - a) * white, solved for a
                light = sum(src[x, y]) / 3
                alpha = round(255 * (255 - light) / (255 - sum(OUTLINE) / 3))
                px[x, y] = OUTLINE + (max(0, min(255, alpha)),)
            else:
                px[x, y] = src[x, y] + (255,)
    return out


def touches(outside, x, y, w, h):
    return any(outside[i, j] == MARK for i in range(max(0, x - 1), min(w, x + 2))
               for j in range(max(0, y - 1), min(h, y + 2)))


def icon(badge, size):
    """The badge scaled smoothly (premultiplied, so no dark fringe) and centred on size x size."""
    side = size if size < badge.width else badge.width * (size // badge.width)
    scaled = badge.convert("RGBa").resize((side, side), Image.LANCZOS).convert("RGBA")
    canvas = Image.new("RGBA", (size, size))
    offset = (size - side) // 2
    canvas.paste(scaled, (offset, offset))
    return canvas


def main():
    badge_path = sys.argv[1] if len(sys.argv) > 1 else "game/media/badge/velmo.bmp"
    icon_dir = sys.argv[2] if len(sys.argv) > 2 else "packaging/icons/hicolor"
    badge = badge_with_alpha(badge_path)
    for size in SIZES:
        folder = os.path.join(icon_dir, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        icon(badge, size).save(os.path.join(folder, "velmo.png"), optimize=True)


if __name__ == "__main__":
    main()
