#!/bin/bash
# Draws the toolbar icons of the main window and the scheme editor into src/app/icons/ as 48 x 48 PNG
# files. The PNGs are committed, so a build needs none of this; run it again
# after changing a drawing in drawicons.cpp.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
OUT=$(cd "$HERE/../.." && pwd)/src/app/icons
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

command -v pkg-config >/dev/null || { echo "missing tool 'pkg-config'" >&2; exit 1; }
# shellcheck disable=SC2046
g++ -std=c++20 -fPIC -O1 -o "$WORK/drawicons" "$HERE/drawicons.cpp" $(pkg-config --cflags --libs Qt6Gui)
mkdir -p "$OUT"
QT_QPA_PLATFORM=offscreen "$WORK/drawicons" "$OUT"
echo "icons written to $OUT"
