#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the program's seven short sounds (resources/wav/101.wav … 107.wav) with sox.
# Formats: 102 is Microsoft ADPCM stereo at 22050 Hz; the others are 8-bit unsigned PCM, mono, at
# 11025 Hz (101, 103, 104, 106) or 22050 Hz (105, 107). Every sound lasts a quarter second or less.
# Run from anywhere: tools/make-sounds.sh
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/resources/wav"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# -R: repeatable output (fixed seeds for noise and dither), so a re-run gives the same files.
pcm8() { # rate file effects...
    local rate=$1 file=$2
    shift 2
    sox -R -n -r "$rate" -c 1 -b 8 -e unsigned-integer "$file" "$@"
}

# A soft plucked note of the given length, as a 16-bit part for joining.
note() { # rate file seconds pitch
    sox -R -n -r "$1" -c 1 -b 16 "$2" synth "$3" pluck "$4" fade h 0.004 "$3" 0.05 gain -4
}

# 101 button click: a short, rounded wooden tick.
pcm8 11025 "$out/101.wav" synth 0.06 sine 1320 sine 660 remix 1,2 fade h 0.002 0.06 0.055 gain -3

# 102 a stroke starts: a light brush swish, slightly different left and right.
sox -R -n -r 22050 -c 2 -e ms-adpcm "$out/102.wav" \
    synth 0.18 pinknoise pinknoise sinc 900-5000 fade h 0.03 0.18 0.12 gain 8

# 103 previous lesson: two notes stepping down.
note 11025 "$work/103a.wav" 0.09 G5
note 11025 "$work/103b.wav" 0.13 D5
sox -R "$work/103a.wav" "$work/103b.wav" -b 8 -e unsigned-integer "$out/103.wav"

# 104 next lesson or size switch: the same two notes stepping up.
note 11025 "$work/104a.wav" 0.09 D5
note 11025 "$work/104b.wav" 0.13 G5
sox -R "$work/104a.wav" "$work/104b.wav" -b 8 -e unsigned-integer "$out/104.wav"

# 105 colour window closes, grid switch, settings stored: a gentle falling "bloop".
pcm8 22050 "$out/105.wav" synth 0.16 sine 880-420 fade h 0.005 0.16 0.09 gain -4

# 106 colour window opens: the same "bloop" rising.
pcm8 11025 "$out/106.wav" synth 0.16 sine 420-880 fade h 0.005 0.16 0.09 gain -4

# 107 new page or a lesson is loaded: a bright three-note sparkle.
note 22050 "$work/107a.wav" 0.06 C6
note 22050 "$work/107b.wav" 0.06 E6
note 22050 "$work/107c.wav" 0.11 G6
sox -R "$work/107a.wav" "$work/107b.wav" "$work/107c.wav" -b 8 -e unsigned-integer "$out/107.wav"

for f in "$out"/10[1-7].wav; do
    printf '%s: %s, %s channel(s), %s Hz, %s s\n' "$(basename "$f")" "$(soxi -e "$f")" "$(soxi -c "$f")" \
        "$(soxi -r "$f")" "$(soxi -D "$f")"
done
