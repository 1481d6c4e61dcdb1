#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds BrizelSymbols.ttf: the Wingdings stand-ins cut out of Symbola (fonts-symbola), renamed so that
# an installed Symbola can never be picked instead of the embedded copy.
set -eu
here=$(dirname "$0")
source=/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf
tmp=$(mktemp --suffix=.ttf)
trap 'rm -f "$tmp"' EXIT
pyftsubset "$source" --output-file="$tmp" --unicodes="U+0020,U+1F78F,U+2BB2,U+1F5C1,U+1F5AB,U+1F589,\
U+2BB9,U+2706,U+262F,U+1F5F7,U+1F5F6,U+2B98,U+264B,U+2B9A,U+2316,U+21F3,U+1F5F9,U+270D,U+1F453"
/usr/bin/python3 - "$tmp" "$here/BrizelSymbols.ttf" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
for record in font["name"].names:
    if record.nameID in (1, 4, 16):
        record.string = "Brizel Symbols"
    elif record.nameID in (3, 6):
        record.string = "BrizelSymbols-Regular"
font.save(sys.argv[2])
PY
