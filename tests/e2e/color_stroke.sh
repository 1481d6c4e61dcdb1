#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The colour window opens beside the drawing window; a click on a palette patch makes the next stroke on
# the canvas that patch's colour.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nColor=255\nWidth=9\nCShow=-1\nSound=0\nCLeft=0\nCTop=0\nImage=1\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

# The colour window is 626 x 169; the drawing window is the program's large window.
step="wait for the drawing and the colour window"
# (xdotool's shell output sets WINDOW too, so the ids are kept under other names.)
DRAWING=""
COLOUR=""
for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        window_geometry "$id" || continue
        if [ "$WIDTH" -gt 700 ]; then DRAWING=$id; fi
        if [ "$WIDTH" -eq 626 ] && [ "$HEIGHT" -eq 169 ]; then COLOUR=$id; fi
    done
    [ -n "$DRAWING" ] && [ -n "$COLOUR" ] && break
    sleep 0.1
done
[ -n "$DRAWING" ] || fail "$step: no drawing window"
[ -n "$COLOUR" ] || fail "$step: no colour window"
eval "$(xdotool getwindowgeometry --shell "$COLOUR")"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "the colour window is at $X,$Y, not at the stored 0,0"

pixel() { convert "$WORK/shot.png" -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' \
    -crop "1x1+$1+$2" info:; }

# The palette's picture starts at (26, 18) in the window; column 9 of 19, row 3 of 6 is a blue patch.
step="click a palette patch"
px=$(( X + 26 + 9 * 25 + 12 )); py=$(( Y + 18 + 3 * 22 + 11 ))
blue() { IFS=, read -r r g b <<< "$1" && [ "$b" -gt "$r" ] && [ "$b" -gt "$g" ]; }
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    PATCH=$(pixel "$px" "$py")
    blue "$PATCH" && break
    sleep 0.1
done
blue "$PATCH" || fail "$step: the palette shows no blue patch at $px,$py but $PATCH"
xdotool mousemove "$px" "$py" click 1
eval "$(xdotool getwindowgeometry --shell "$COLOUR")"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "$step: a click moved the colour window to $X,$Y"

eval "$(xdotool getwindowgeometry --shell "$DRAWING")"
m=$(( (WIDTH * 3 + 50) / 100 ))
CW=$(( WIDTH - 3 * m - 169 ))
CH=$(( CW * 3 / 4 ))
CX=$(( X + WIDTH - CW - m ))
CY=$(( Y + HEIGHT - CH - m ))
x0=$(( CX + CW / 5 )); y0=$(( CY + CH / 2 ))
x1=$(( CX + CW * 4 / 5 )); y1=$y0

step="drag across the canvas"
xdotool mousemove "$x0" "$y0" mousedown 1
for i in $(seq 1 10); do
    xdotool mousemove $(( x0 + (x1 - x0) * i / 10 )) "$y0"
done
xdotool mouseup 1
xdotool mousemove 1 1000

step="find the stroke in the patch's colour"
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel $(( (x0 + x1) / 2 )) "$y0")" = "$PATCH" ] && break
    sleep 0.1
done
for i in 0 2 5 8 10; do
    x=$(( x0 + (x1 - x0) * i / 10 ))
    [ "$(pixel "$x" "$y0")" = "$PATCH" ] || fail "$step: not $PATCH at $x,$y0 but $(pixel "$x" "$y0")"
done
[ -n "${PINSOLA_SCREENSHOT:-}" ] && cp "$WORK/shot.png" "$PINSOLA_SCREENSHOT"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
# A desktop tool that destroys the drawing window instead of asking it to close leaves nothing to draw on:
# the program ends as after a confirmed exit, its options stored.
step="the drawing window destroyed from outside"
xdotool windowclose "$DRAWING"
wait_for_exit "$PID" 50 || fail "$step: exit status $?"
# Stored, Image=1 is taken away: it is the default, not the user's own.
! grep -q "^Image=" "$SETTINGS" || fail "$step: the options were not stored: $(tr '\n' ' ' < "$SETTINGS")"
echo "a click on a palette patch made the stroke that patch's colour; the program ended with its window"
