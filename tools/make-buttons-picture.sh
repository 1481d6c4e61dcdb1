#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates docs/buttons.png: every Brizel style in every look, then pictures, picture positions,
# special effects and disabled silhouettes, all drawn by brizel-render from the build's program folder.
# Usage: tools/make-buttons-picture.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
render="$build/Pinsola/brizel-render"
[ -x "$render" ] || { echo "build brizel-render first: cmake --build $build --target brizel-render" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=([1]="Windows 16-bit" [2]="Windows 32-bit" [3]="Windows XP" [4]="Mac" [5]="Java Metal" [6]="Netscape 6"
       [7]="Simple Flat" [8]="Flat Highlight" [9]="Office XP" [10]="Style 10" [11]="Style 11" [12]="3D Hover"
       [13]="Oval Flat" [14]="KDE 2")
font="FONT=DejaVu Sans,9,0,0,0,0"

# A 16x16 picture on the mask colour RGB(192,192,192): a red disc with a dark outline and a white spot.
convert -size 16x16 xc:'rgb(192,192,192)' -fill 'rgb(220,30,30)' -stroke 'rgb(60,0,0)' \
    -draw 'circle 8,8 8,2' -stroke none -fill white -draw 'rectangle 6,5 7,6' "$work/disc.png"

row() { # row NAME PROPS-FILE [extra render options...]
    local name=$1 props=$2; shift 2
    local cells=()
    for look in up hover down disabled focus; do
        local out="$work/$name-$look.png" args=(--look "$look")
        [ "$look" = focus ] && args=(--look up --focus)
        "$render" --props "$props" --size "$size" "${args[@]}" "$@" --out "$out" 2>/dev/null
        cells+=("$out")
    done
    montage "${cells[@]}" -tile 5x1 -geometry +6+3 -background '#ece9d8' "$work/row-$name.png"
}

size=104x30
rows=()
for style in 1 2 3 4 5 6 7 8 9 10 11 12 13 14; do
    printf 'BTYPE=%s\nTX=%s\n%s\n' "$style" "${names[$style]}" "$font" > "$work/s$style.props"
    row "s$style" "$work/s$style.props"
    rows+=(-label "${names[$style]}" "$work/row-s$style.png")
done
printf 'BTYPE=2\nTX=Default\n%s\n' "$font" > "$work/default.props"
row default "$work/default.props" --default
rows+=(-label "Windows 32-bit, default button" "$work/row-default.png")
for pos in 0 1 2 3 4; do
    size=104x30; [ "$pos" -ge 2 ] && size=104x44
    printf 'BTYPE=3\nTX=Picture\nPICN=%s\nPICPOS=%s\n%s\n' "$work/disc.png" "$pos" "$font" > "$work/p$pos.props"
    row "p$pos" "$work/p$pos.props"
    size=104x30
    rows+=(-label "Windows XP, picture position $pos" "$work/row-p$pos.png")
done
for effect in 1 2 3; do
    printf 'BTYPE=9\nTX=Effect\nPICN=%s\nFX=%s\n%s\n' "$work/disc.png" "$effect" "$font" > "$work/fx$effect.props"
    row "fx$effect" "$work/fx$effect.props"
    rows+=(-label "Office XP, special effect $effect" "$work/row-fx$effect.png")
done
printf 'BTYPE=1\nTX=Grey\nPICN=%s\nNGREY=True\n%s\n' "$work/disc.png" "$font" > "$work/grey.props"
row grey "$work/grey.props"
rows+=(-label "Windows 16-bit, greyscale picture" "$work/row-grey.png")

montage "${rows[@]}" -tile 1x -geometry +0+2 -pointsize 11 -background '#ece9d8' \
    -title 'up          hover          down          disabled          focus' docs/buttons.png
echo "wrote docs/buttons.png"
