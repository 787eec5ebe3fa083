#!/usr/bin/env bash
# Typesets the guide for pupils and teachers into data/SOL_INI/Help.pdf.
# Needs groff (the full package, for its PDF output).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

need_tool groff groff
mkdir -p "$INI"
groff -ms -Kutf8 -Tpdf -P-pa4 -dpaper=a4 "$HERE/help/guida.ms" > "$INI/Help.pdf"
echo "guide written to $INI/Help.pdf"
