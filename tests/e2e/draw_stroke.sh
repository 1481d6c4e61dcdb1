#!/bin/bash
# The drawing window appears after the start screen; a drag across the canvas leaves a line in the pen
# colour and the rest of the canvas stays white.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nColor=255\nWidth=9\nCShow=0\nSound=0\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

# The drawing window is the program's large window; the start screen and the lesson viewer are smaller.
step="wait for the drawing window"
WINDOW=""
for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -gt 600 ]; then WINDOW=$id; break 2; fi
    done
    sleep 0.1
done
[ -n "$WINDOW" ] || fail "$step: no drawing window"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"

# The canvas lies in the lower right corner with the margin m = 3 % of the width, 4:3, beside the
# panel of 169 pixels.
m=$(( (WIDTH * 3 + 50) / 100 ))
CW=$(( WIDTH - 3 * m - 169 ))
CH=$(( CW * 3 / 4 ))
CX=$(( X + WIDTH - CW - m ))
CY=$(( Y + HEIGHT - CH - m ))
x0=$(( CX + CW / 5 )); y0=$(( CY + CH * 3 / 10 ))
x1=$(( CX + CW * 7 / 10 )); y1=$(( CY + CH * 6 / 10 ))

step="drag across the canvas"
xdotool mousemove "$x0" "$y0" mousedown 1
for i in $(seq 1 10); do
    xdotool mousemove $(( x0 + (x1 - x0) * i / 10 )) $(( y0 + (y1 - y0) * i / 10 ))
done
xdotool mouseup 1
xdotool mousemove "$X" "$Y"

pixel() { convert "$WORK/shot.png" -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' \
    -crop "1x1+$1+$2" info:; }
step="find the stroke on the screen"
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel $(( (x0 + x1) / 2 )) $(( (y0 + y1) / 2 )))" = "255,0,0" ] && break
    sleep 0.1
done
for i in 0 1 3 5 7 9 10; do
    x=$(( x0 + (x1 - x0) * i / 10 )); y=$(( y0 + (y1 - y0) * i / 10 ))
    [ "$(pixel "$x" "$y")" = "255,0,0" ] || fail "$step: no pen colour at $x,$y but $(pixel "$x" "$y")"
done
for point in "$(( CX + CW * 9 / 10 )) $(( CY + CH / 10 ))" "$(( CX + CW / 10 )) $(( CY + CH * 9 / 10 ))"; do
    set -- $point
    [ "$(pixel "$1" "$2")" = "255,255,255" ] || fail "canvas not white away from the stroke at $1,$2"
done
[ -n "${PINSOLA_SCREENSHOT:-}" ] && cp "$WORK/shot.png" "$PINSOLA_SCREENSHOT"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "a drag on the canvas drew a line in the pen colour"
