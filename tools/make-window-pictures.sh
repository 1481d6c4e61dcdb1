#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the window pictures in docs/ from the real program on a virtual display.
# Usage: tools/make-window-pictures.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target window-shot brizel-render brizel language_files >/dev/null
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Pinsola" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
Xvfb -displayfd 1 -screen 0 1700x1300x24 -nolisten tcp -noreset >"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM

shot() { # settings size out [options]
    printf '[Optionen]\n%b' "$1" >"$XDG_CONFIG_HOME/Pinsola/Pinsola.conf"
    "$build/Pinsola/window-shot" --size "$2" --out "$3" "${@:4}"
    echo "wrote $3"
}
shot 'CShow=0\n' 829x624 docs/draw-window.png --info docs/info-window.png
# The help shows the drawing window in each page's language; all but German have the same logo.
shot 'CShow=0\nSprache=1\n' 829x624 docs/draw-window-en.png
shot 'CShow=0\nSprache=1\n' 1600x1200 docs/draw-window-1600.png --flower
shot 'CShow=0\nWidth=12\nColor=3381759\n' 829x624 "$work/draw-behind-colour.png" --color docs/color-window.png

# The lesson viewer: its three panels, and half size with the grid. The file panel lists three drawings
# put into the program folder's pics/ for the picture and removed again.
drawings=("$build/Pinsola/pics/Mohn.bmp" "$build/Pinsola/pics/Rose.bmp" "$build/Pinsola/pics/Tulpe.bmp")
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"; rm -f "${drawings[@]}"' EXIT
for drawing in "${drawings[@]}"; do
    convert -size 640x480 xc:white -fill none -strokewidth 9 \
        -stroke 'rgb(40,140,60)' -draw 'line 320,250 330,460' -draw 'line 326,380 420,330' \
        -stroke 'rgb(220,40,60)' -draw 'circle 320,170 320,75' -stroke 'rgb(250,200,20)' \
        -draw 'circle 320,170 320,140' BMP3:"$drawing"
done
shot 'CShow=0\nImage=5\nGitter=-1\n' 829x624 "$work/d.png" --step 3 --preview docs/preview-steps.png
shot 'CShow=0\nImage=12\nGitter=0\n' 829x624 "$work/d.png" --panel 1 --preview docs/preview-lessons.png
shot 'CShow=0\nImage=12\nGitter=0\n' 829x624 "$work/d.png" --panel 2 --preview docs/preview-files.png
shot 'CShow=0\nImage=20\nGitter=-1\nPSize=0\n' 829x624 "$work/d.png" --step 2 --preview docs/preview-half.png

# A finished drawing of the aster beside its lesson's last step, as the screen shows them, the viewer moved
# to the canvas's left.
shot 'CShow=0\nSprache=1\nImage=30\nGitter=0\nPLeft=600\nPTop=2250\n' 1280x960 "$work/d.png" --flower --step 5 --screen docs/lesson-and-drawing.png

# Tracing on: the lesson viewer's step laid faintly under the strokes on the canvas, the viewer beside it.
shot 'CShow=0\nSprache=1\nImage=7\nGitter=0\nTrace=-1\nPLeft=600\nPTop=2250\n' 1280x960 "$work/d.png" --step 4 --screen docs/tracing.png

# The error window, brought up by a damaged drawing in the file panel.
rm -f "${drawings[@]}"
drawings=("$build/Pinsola/pics/Aster.bmp")
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"; rm -f "${drawings[@]}"' EXIT
convert -size 640x480 xc:white BMP3:"$work/whole.bmp"
head -c 5000 "$work/whole.bmp" > "${drawings[0]}"
shot 'CShow=0\nSprache=1\n' 829x624 "$work/d.png" --panel 2 --error docs/error-window.png

# The button library's demonstration window with its about window below it.
"$build/Pinsola/brizel-render" --window &
render=$!
for _ in $(seq 100); do xdotool search --onlyvisible --pid "$render" 2>/dev/null | sed -n 2p | grep -q . && break; sleep 0.1; done
sleep 0.5
import -window root -crop 840x445+0+0 +repage docs/buttons-window.png
kill "$render"
echo "wrote docs/buttons-window.png"
