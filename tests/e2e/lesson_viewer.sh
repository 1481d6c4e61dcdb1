#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lesson viewer beside the drawing window: its buttons step through lesson 3, the preview showing each
# step exactly as the lesson bitmap holds it, and draw its first step's line before the eyes; the drawing
# window's gallery button opens the file panel, a saved drawing is picked and opened, and the canvas shows
# it stretched over its whole surface.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nCShow=0\nSound=0\nImage=3\nGitter=0\nPSize=-1\n' > "$SETTINGS"
# A saved drawing of 640 x 480: red in its upper left quarter, blue elsewhere.
convert -size 640x480 xc:'rgb(0,0,255)' -fill 'rgb(255,0,0)' -draw 'rectangle 0,0 319,239' \
    BMP3:"$WORK/program/pics/Tulpe.bmp"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

step="wait for the drawing window and the viewer"
DRAW=""; VIEWER=""
for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        window_geometry "$id" || continue
        [ "$WIDTH" -gt 600 ] && DRAW=$id
        [ "$WIDTH" = 440 ] && [ "$HEIGHT" = 420 ] && VIEWER=$id
    done
    [ -n "$DRAW" ] && [ -n "$VIEWER" ] && break
    sleep 0.1
done
[ -n "$DRAW" ] && [ -n "$VIEWER" ] || fail "$step"
eval "$(xdotool getwindowgeometry --shell "$VIEWER")"
VX=$X; VY=$Y
eval "$(xdotool getwindowgeometry --shell "$DRAW")"
DX=$X; DY=$Y; DW=$WIDTH; DH=$HEIGHT

# Buttons are 45 x 33 at their place in a panel; the panels lie below the 400 x 300 preview at (16, 16).
step="the preview shows the first step"
preview_shows_band 3 0 || fail "$step"
for band in 1 2 3; do
    step="next step to step $band"
    viewer_button 160 8 95
    preview_shows_band 3 $band || fail "$step"
done
step="previous step back to step 2"
viewer_button 48 8 95
preview_shows_band 3 2 || fail "$step"
step="the finished picture with the lesson choice"
viewer_button 104 8 95
preview_shows_band 3 5 || fail "$step"
step="take the lesson again: its first step"
viewer_button 104 8 95
preview_shows_band 3 0 || fail "$step"

# "Show me how" draws the first step's circle on an empty page: a red line that grows, then the step.
red_in_preview() {
    import -window root -crop "400x300+$(( VX + 16 ))+$(( VY + 16 ))" +repage "$WORK/play.png"
    convert "$WORK/play.png" -fill black +opaque 'rgb(226,44,44)' -fill white -opaque 'rgb(226,44,44)' \
        -format '%[fx:int(mean*w*h+.5)]' info:
}
step="show me how: the red line starts"
viewer_button 186 48 95
FIRST=0
for _ in $(seq 40); do
    FIRST=$(red_in_preview)
    [ "$FIRST" -gt 20 ] && break
    sleep 0.05
done
[ "$FIRST" -gt 20 ] || fail "$step: no red line in the preview"
cp "$WORK/play.png" "$WORK/play-1.png"
step="show me how: the red line grows"
GROWN=0
for _ in $(seq 40); do
    GROWN=$(red_in_preview)
    [ "$GROWN" -gt $(( FIRST + 20 )) ] && break
    sleep 0.05
done
[ "$GROWN" -gt $(( FIRST + 20 )) ] || fail "$step: $FIRST red pixels, then $GROWN"
cp "$WORK/play.png" "$WORK/play-2.png"
step="show me how ends on the step"
preview_shows_band 3 0 || fail "$step"

pixel() { convert "$WORK/shot.png" -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' \
    -crop "1x1+$1+$2" info:; }
# The drawing window's panel: margin m = 3 % of the width, 169 x 289 pixels, the gallery button 49 x 33 at
# (32, 64) in it.
m=$(( (DW * 3 + 50) / 100 ))
PY=$(( DY + DH - m - m / 2 - 289 ))
step="the drawing window's gallery button opens the file panel"
xdotool mousemove $(( DX + m + 32 + 24 )) $(( PY + 64 + 16 )) click 1
LIST_X=$(( VX + 91 + 16 + 40 )); LIST_Y=$(( VY + 316 + 8 + 8 ))
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel $(( LIST_X + 60 )) $(( LIST_Y + 60 )))" = "255,255,255" ] && break
    sleep 0.1
done
[ "$(pixel $(( LIST_X + 60 )) $(( LIST_Y + 60 )))" = "255,255,255" ] || fail "$step: no file list"

step="pick the saved drawing and open it"
xdotool mousemove "$LIST_X" "$LIST_Y" click 1
viewer_button 192 56 91
CW=$(( DW - 3 * m - 169 )); CH=$(( CW * 3 / 4 ))
CX=$(( DX + DW - CW - m )); CY=$(( DY + DH - CH - m ))
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel $(( CX + CW / 2 - 3 )) $(( CY + CH / 2 - 3 )))" = "255,0,0" ] && break
    sleep 0.1
done
# Stretched: the red quarter ends at half the canvas's width and height, blue fills the rest to its edges.
# The viewer floats over the canvas's upper left corner; the points lie beside and below it.
for point in "$(( CW / 2 - 3 )) 1 255,0,0" "1 $(( CH / 2 - 3 )) 255,0,0" "$(( CW / 2 - 3 )) $(( CH / 2 - 3 )) 255,0,0" \
             "$(( CW / 2 + 3 )) $(( CH / 2 + 3 )) 0,0,255" "$(( CW - 2 )) $(( CH - 2 )) 0,0,255" \
             "$(( CW - 2 )) 1 0,0,255" "1 $(( CH - 2 )) 0,0,255"; do
    set -- $point
    [ "$(pixel $(( CX + $1 )) $(( CY + $2 )))" = "$3" ] ||
        fail "$step: canvas at $1,$2 shows $(pixel $(( CX + $1 )) $(( CY + $2 ))), not $3"
done
step="the viewer is back on its steps"
preview_shows_band 3 0 || fail "$step"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "the viewer stepped through lesson 3 and opened a saved drawing onto the canvas"
