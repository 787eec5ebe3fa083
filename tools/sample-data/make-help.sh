#!/usr/bin/env bash
# Typesets the guide for pupils and teachers into data/SOL_INI/Help.pdf.
# Needs groff (the full package, for its PDF output).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

need_tool groff groff
# A fixed date inside the PDF, so that typesetting the same guide again
# changes no byte.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1767225600}
mkdir -p "$INI"
groff -ms -Kutf8 -Tpdf -P-pa4 -dpaper=a4 "$HERE/help/guida.ms" > "$INI/Help.pdf"
echo "guide written to $INI/Help.pdf"
