#!/bin/bash
# Renders the program's icon (dist/icons/org.solvaro.Solvaro.svg) into the PNG
# sizes of the desktop's icon theme, dist/icons/<size>/. The PNGs are committed,
# so a build needs none of this; run it again after changing the drawing.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ICONS=$(cd "$HERE/../.." && pwd)/dist/icons
SVG=$ICONS/org.solvaro.Solvaro.svg
command -v rsvg-convert >/dev/null || { echo "missing tool 'rsvg-convert' (librsvg2-bin)" >&2; exit 1; }
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$ICONS/$size"
    rsvg-convert -w "$size" -h "$size" "$SVG" -o "$ICONS/$size/org.solvaro.Solvaro.png"
done
echo "icons written to $ICONS"
