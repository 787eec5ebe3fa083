#!/usr/bin/env bash
# Regenerates the whole sample installation in data/. The results are
# committed, so building Solvaro never needs these tools:
#   apt-get install imagemagick sox espeak-ng groff fonts-comic-neue
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/make-images.sh"
"$here/make-sounds.sh"
"$here/make-ini.sh"
"$here/make-help.sh"
