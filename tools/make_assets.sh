#!/usr/bin/env bash
# Regenerates the fixture list, every picture, badge and sample under game/,
# and the desktop icons under packaging/ from the club badge.
# Run from anywhere (make assets runs it from the repository root). Needs
# python3-pil, sox, espeak-ng and the DejaVu fonts. Every step is seeded, so
# a second run writes byte-identical files. The squad and league files
# (game/velmo.dat, game/teams.dat) are written by hand and only read here.
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian's interpreter carries python3-pil; another python3 first on PATH may not.
PYTHON=python3
if [ -x /usr/bin/python3 ]; then PYTHON=/usr/bin/python3; fi
if ! "$PYTHON" -c 'import PIL' 2>/dev/null; then
  echo "make_assets: $PYTHON has no PIL; install python3-pil" >&2
  exit 1
fi
for tool in sox espeak-ng; do
  command -v "$tool" >/dev/null || { echo "make_assets: $tool is missing" >&2; exit 1; }
done

export PYTHONDONTWRITEBYTECODE=1
mkdir -p game/media/badge

echo "fixture list";     "$PYTHON" tools/make_calendar.py game/calendario.dat
echo "badges";           "$PYTHON" tools/make_badges.py game
echo "pictures";         "$PYTHON" tools/make_pictures.py game
echo "match pictures";   "$PYTHON" tools/make_match_pictures.py game
echo "intro tune";       "$PYTHON" tools/make_tune.py game
echo "crowd chants";     "$PYTHON" tools/make_chants.py game
echo "desktop icons";    "$PYTHON" tools/make_icons.py game/media/badge/velmo.bmp packaging/icons/hicolor
