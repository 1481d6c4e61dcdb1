#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built help file lists every page of every language, each shows the text of its source page when read
# in the code page the help file declares, and each language's contents entry carries that page's heading.
# Every language has the English pages' anchors and pictures, every picture is in the help file (the
# drawing window's in each page's language), and no page but the English one repeats the English text.
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
contents=$(iconv -f WINDOWS-1252 -t UTF-8 "$pages/Pinsola.hhc") || { echo "Pinsola.hhc is not Windows-1252"; exit 1; }

# The visible text of a page's headings, paragraphs, list items and table cells, one block a line.
blocks() {
    perl -0777 -ne 's/\s+/ /g; while (m{<(h1|h2|p|li|th|td)\b[^>]*>(.*?)</\1>}g) {
        my $t = $2; $t =~ s/<[^>]+>//g; $t =~ s/^ | $//g; print "$t\n" if length($t) >= 12 }' "$1" | sort -u
}
heading() { perl -0777 -ne 'print $1 if m{<h1>(.*?)</h1>}s' "$1"; }
marks() { grep -Eo '(id|src)="[^"]*"' "$1" | sort -u; }
# The name the contents give the entry that opens this page inside the language's book.
entry_name() {
    grep -B1 -F "value=\"$1\"" <<<"$contents" | sed -n 's/.*name="Name" value="\(.*\)">.*/\1/p' | tail -1
}

fail=0
for page in index draw lessons colour; do
    # Blocks in both the English and the German page (language names, flags) are not English text.
    english=$(comm -23 <(blocks "$pages/en/$page.html") <(blocks "$pages/de/$page.html"))
    english_count=$(grep -c . <<<"$english")
    for code in de en sv it es fr; do
        file=$code/$page.html
        if ! grep -Eq "[[:space:]]/$file$" <<<"$listing"; then
            echo "not listed in $chm: /$file"
            fail=1
        fi
        if [ "$(entry_name "$file")" != "$(heading "$pages/$file")" ]; then
            echo "Pinsola.hhc names $file \"$(entry_name "$file")\", its heading is \"$(heading "$pages/$file")\""
            fail=1
        fi
        if ! diff <(marks "$pages/en/$page.html") <(marks "$pages/$file") >/dev/null; then
            echo "$file has other anchors or pictures than en/$page.html:"
            diff <(marks "$pages/en/$page.html") <(marks "$pages/$file")
            fail=1
        fi
        for src in $(grep -Eo 'src="[^"]*"' "$pages/$file" | cut -d'"' -f2); do
            [ -f "$out/$code/$src" ] || { echo "$chm lacks $src, shown by $file"; fail=1; }
        done
        [ "$code" = en ] && continue
        repeated=$(comm -12 <(echo "$english") <(blocks "$pages/$file") | grep -c .)
        if [ $((repeated * 5)) -gt "$english_count" ]; then
            echo "$file repeats $repeated of the $english_count English text blocks of en/$page.html"
            fail=1
        fi
    done
done

# Viewers decode a page in the code page of the help file's language (its LCID in #SYSTEM), whatever the page
# says; so every page, read back that way with its character references resolved, must show its source's
# text, and name no other charset.
python3 - "$out" "$pages" <<'EOF' || fail=1
import codecs, html, pathlib, re, struct, sys

out, pages = map(pathlib.Path, sys.argv[1:])
WINDOWS_1252 = {0x0407, 0x0409, 0x0809, 0x041D, 0x0410, 0x040A, 0x0C0A, 0x040C}
system, pos, lcid = (out / "#SYSTEM").read_bytes(), 4, None
while pos + 4 <= len(system):
    code, length = struct.unpack_from("<HH", system, pos)
    if code == 4:
        lcid = struct.unpack_from("<I", system, pos + 4)[0] & 0xFFFF
    pos += 4 + length
if lcid not in WINDOWS_1252:
    sys.exit(f"the help file declares the language {lcid!r}, of no known code page")

def visible(page):
    page = re.sub(r"<(script|style)\b.*?</\1>", " ", page, flags=re.S | re.I)
    return " ".join(html.unescape(re.sub(r"<[^>]*>", " ", page)).split())

failed = False
for source in sorted(pages.rglob("*.html")):
    name = source.relative_to(pages)
    stored = (out / name).read_bytes()
    shown, wanted = visible(stored.decode("cp1252", "replace")), visible(source.read_text("utf-8"))
    if shown != wanted:
        at = next(i for i, (a, b) in enumerate(zip(shown + "\0", wanted + "\0")) if a != b)
        print(f"{name} shows \"{shown[max(0, at - 20):at + 20]}\" where it says \"{wanted[max(0, at - 20):at + 20]}\"")
        failed = True
    charset = re.search(rb'charset="?([\w-]+)', stored)
    if charset and codecs.lookup(charset.group(1).decode()).name != "cp1252":
        print(f"{name} names the charset {charset.group(1).decode()}, the help file Windows-1252")
        failed = True
sys.exit(1 if failed else 0)
EOF
exit $fail
