#!/bin/bash
# The drawing window appears after the start screen; a drag across the canvas leaves a line in the pen
# colour and the rest of the canvas stays white. A termination signal (the session's end) ends the program
# cleanly, its options stored.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nColor=255\nWidth=9\nCShow=0\nSound=0\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

step="wait for the drawing window"
wait_for_drawing_window "$PID" || fail "$step"
# The lower half of the canvas: the lesson viewer and the colour window float over its top.
x0=$(( CX + CW * 4 / 10 )); y0=$(( CY + CH * 5 / 10 ))
x1=$(( CX + CW * 8 / 10 )); y1=$(( CY + CH * 8 / 10 ))

step="drag across the canvas"
drag "$x0" "$y0" "$x1" "$y1"
xdotool mousemove "$X" "$Y"

step="find the stroke on the screen"
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel_of "$WORK/shot.png" $(( (x0 + x1) / 2 )) $(( (y0 + y1) / 2 )))" = "255,0,0" ] && break
    sleep 0.1
done
for i in 0 1 3 5 7 9 10; do
    x=$(( x0 + (x1 - x0) * i / 10 )); y=$(( y0 + (y1 - y0) * i / 10 ))
    colour=$(pixel_of "$WORK/shot.png" "$x" "$y")
    [ "$colour" = "255,0,0" ] || fail "$step: no pen colour at $x,$y but $colour"
done
for point in "$(( CX + CW * 9 / 10 )) $(( CY + CH * 4 / 10 ))" "$(( CX + CW * 3 / 10 )) $(( CY + CH * 9 / 10 ))"; do
    set -- $point
    [ "$(pixel_of "$WORK/shot.png" "$1" "$2")" = "255,255,255" ] || fail "canvas not white away from the stroke at $1,$2"
done
[ -n "${PINSOLA_SCREENSHOT:-}" ] && cp "$WORK/shot.png" "$PINSOLA_SCREENSHOT"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
step="end the session"
kill -TERM "$PID"
wait_for_exit "$PID" 50 || fail "$step: exit status $?"
for line in "Width=9" "Color=255" "Sound=0" "Image=1" "Gitter=-1"; do
    grep -qx "$line" "$SETTINGS" || fail "$step: no $line in $(tr '\n' ' ' < "$SETTINGS")"
done
grep -q "^PLeft=" "$SETTINGS" || fail "$step: the lesson viewer's place was not stored"
echo "a drag on the canvas drew a line in the pen colour; the session's end stored the options"
