#!/bin/bash
# Makes the closing screen's built-in bell, src/dialogs/sounds/bell.wav: a short
# struck tone, 16-bit PCM mono at 22050 Hz like the sample sounds. It plays when
# an installation has no "SOL_WAV\ding.wav". The file is committed.
#   apt-get install sox
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
OUT=$(cd "$HERE/../.." && pwd)/src/dialogs/sounds/bell.wav
command -v sox >/dev/null || { echo "missing tool 'sox': apt-get install sox" >&2; exit 1; }
mkdir -p "$(dirname "$OUT")"
sox -n -r 22050 -b 16 -c 1 "$OUT" \
    synth 0.7 sine 1318.5 sine 2637 sine 3951 remix - \
    fade q 0.002 0.7 0.65 gain -n -6
echo "bell written to $OUT"
