# Shared settings of the sample-data generators. Sourced, not run.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
DATA="$ROOT/data"
IMG="$DATA/SOL_IMG"
INI="$DATA/SOL_INI"
WAV="$DATA/SOL_WAV"

FONT_BOLD=/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf
FONT_REGULAR=/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf

need_tool() {
    command -v "$1" >/dev/null 2>&1 && return 0
    echo "missing tool '$1': apt-get install $2" >&2
    exit 1
}

need_file() {
    [ -e "$1" ] && return 0
    echo "missing file '$1': apt-get install $2" >&2
    exit 1
}

# Colour number as the INI files store it (65536 x blue + 256 x green + red)
# from a #RRGGBB colour.
wincolour() {
    local h=${1#\#}
    echo $((16#${h:4:2} * 65536 + 16#${h:2:2} * 256 + 16#${h:0:2}))
}

# Writes a picture as an uncompressed 24-bit bitmap with the classic 40-byte
# header that every reader understands; transparency becomes white.
to_bmp() {
    convert "$1" -background white -alpha remove -alpha off -type TrueColor -compress None "BMP3:$2"
}

# The same with a 256-colour palette, for large pictures that must stay small.
to_bmp8() {
    convert "$1" -background white -alpha remove -alpha off -dither FloydSteinberg \
        -colors 256 -type Palette -compress None "BMP3:$2"
}
