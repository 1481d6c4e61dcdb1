#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets in a build directory of their own with clang and runs them, one after the other,
# each for the given seconds on one core at low priority, starting from seeds made of the shipped files.
#   tests/fuzz/run.sh [seconds per target] [target...]      (default: 600 s, every target)
# Findings go to build-fuzz/fuzz/<target>/crashes/; the corpus grows in build-fuzz/fuzz/<target>/corpus/.
set -euo pipefail
SOURCE="$(cd "$(dirname "$0")/../.." && pwd)"
BUILD="${PINSOLA_FUZZ_BUILD:-$SOURCE/build-fuzz}"
SECONDS_EACH="${1:-600}"
shift || true
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=(fuzz_picture fuzz_language_file fuzz_settings_value fuzz_stored_form
                                     fuzz_button_properties)

CC=clang CXX=clang++ cmake -S "$SOURCE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINSOLA_FUZZ=ON >/dev/null
cmake --build "$BUILD" --target "${TARGETS[@]}"

# One seed file per line of standard input.
seed_lines() {
    local n=0
    while IFS= read -r line; do printf '%s' "$line" > "$1/line-$((n++))"; done
}

# Every [section] of the stored windows whose name starts with $2, as a property set of its own.
seed_sections() {
    awk -v dir="$1" -v prefix="$2" '
        /^\[/ { name = substr($0, 2, length($0) - 2); out = index(name, prefix) == 1 ? dir "/" n++ : ""; next }
        out != "" && NF { print > out }' "$SOURCE"/resources/forms/*.frm
}

# Small bitmaps in every form the bitmap reader knows and damaged ones (the reader's test writes them from
# the format's documentation), a piece of a lesson, and the other picture formats from the shipped artwork.
seed_pictures() {
    local art="$SOURCE/resources/art/frmDraw/logo1.png" lesson="$SOURCE/resources/bitmap/101.bmp"
    python3 "$SOURCE/tests/formats/make_bitmaps.py" "$1"
    convert "$lesson" -crop 40x30+0+1500 +repage -compress RLE BMP3:"$1/lesson-rle8.bmp"
    convert "$art" -resize 24x8 "$1/art.png"
    convert "$SOURCE/resources/art/frmColor/background.jpg" -resize 16x6 "$1/art.jpg"
    convert "$art" -resize 16x6 "$1/art.gif"
}

seeds() {
    local dir=$1
    rm -rf "$dir"
    mkdir -p "$dir"
    case "$2" in
    fuzz_picture) seed_pictures "$dir" ;;
    fuzz_language_file) cp "$SOURCE"/resources/lang/*.lng "$dir/" ;;
    fuzz_settings_value)
        { grep -h '=' "$SOURCE"/resources/forms/*.frm | cut -d= -f2- | sort -u
          printf '%s\n' 1031 -5 100000 '&H78BFDE&' '&O17' True 2.5 1E3 ' 12 '; } | seed_lines "$dir" ;;
    fuzz_stored_form) cp "$SOURCE"/resources/forms/*.frm "$dir/" ;;
    fuzz_button_properties) seed_sections "$dir" bzlButton ;;
    esac
}

export LSAN_OPTIONS="suppressions=$SOURCE/tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for target in "${TARGETS[@]}"; do
    work="$BUILD/fuzz/$target"
    mkdir -p "$work/corpus" "$work/crashes"
    seeds "$work/seeds" "$target"
    echo "== $target: $SECONDS_EACH s"
    nice -n 10 "$BUILD/tests/fuzz/$target" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="$work/crashes/" "$work/corpus" "$work/seeds" 2>&1 |
        tee "$work/last-run.log" | grep -E '^(stat::|==[0-9]+==|SUMMARY|Done|INFO: Seed|.*(DEADLY|crash|leak|timeout))' || true
done
