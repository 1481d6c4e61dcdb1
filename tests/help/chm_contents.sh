#!/bin/bash
# The built help file lists every language's start page, and each one reads back byte for byte as written.
# Usage: chm_contents.sh PINSOLA.CHM PAGES_FOLDER CHMCMD_FOUND(1|0)
set -uo pipefail
chm=$1 pages=$2 found=$3
if [ "$found" != 1 ]; then
    echo "chmcmd was not found when the build was configured: there is no Pinsola.chm to check"
    exit 77
fi
listing=$(enum_chmLib "$chm") || { echo "enum_chmLib cannot read $chm"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
extract_chmLib "$chm" "$out" >/dev/null || { echo "extract_chmLib cannot unpack $chm"; exit 1; }

fail=0
for code in de en sv it es fr; do
    if ! grep -Eq "[[:space:]]/$code/index\.html$" <<<"$listing"; then
        echo "not listed in $chm: /$code/index.html"
        fail=1
    fi
    if ! cmp "$pages/$code/index.html" "$out/$code/index.html"; then
        echo "/$code/index.html in $chm differs from $pages/$code/index.html"
        fail=1
    fi
done
exit $fail
