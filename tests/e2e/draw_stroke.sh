#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The drawing window appears after the start screen; a drag across the canvas leaves a line in the pen
# colour and the rest of the canvas stays white. The stroke outlives the process killed with -9: the next
# start shows it again. A termination signal (the session's end) ends the program cleanly, its options
# stored and the drawing kept; after a confirmed exit the next start shows a white page.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nColor=255\nWidth=9\nCShow=0\nSound=0\nImage=1\n' > "$SETTINGS"
# Starts the program, its messages in $WORK/$1.log, and waits for its drawing window.
start_program() {
    "$PROGRAM" 2>"$WORK/$1.log" &
    PID=$!
    PIDS+=($PID)
    wait_for_drawing_window "$PID" || fail "$step: no drawing window"
}

step="wait for the drawing window"
start_program pinsola
# The lower half of the canvas: the lesson viewer and the colour window float over its top.
x0=$(( CX + CW * 4 / 10 )); y0=$(( CY + CH * 5 / 10 ))
x1=$(( CX + CW * 8 / 10 )); y1=$(( CY + CH * 8 / 10 ))

step="drag across the canvas"
drag "$x0" "$y0" "$x1" "$y1"
xdotool mousemove "$X" "$Y"

# Checks the screen for the stroke (colour $1) along its line and white away from it.
check_stroke() {
    local colour=$1 i x y point
    for _ in $(seq 50); do
        import -window root "$WORK/shot.png"
        [ "$(pixel_of "$WORK/shot.png" $(( (x0 + x1) / 2 )) $(( (y0 + y1) / 2 )))" = "$colour" ] && break
        sleep 0.1
    done
    for i in 0 1 3 5 7 9 10; do
        x=$(( x0 + (x1 - x0) * i / 10 )); y=$(( y0 + (y1 - y0) * i / 10 ))
        [ "$(pixel_of "$WORK/shot.png" "$x" "$y")" = "$colour" ] || fail "$step: not $colour at $x,$y"
    done
    for point in "$(( CX + CW * 9 / 10 )) $(( CY + CH * 4 / 10 ))" "$(( CX + CW * 3 / 10 )) $(( CY + CH * 9 / 10 ))"; do
        set -- $point
        [ "$(pixel_of "$WORK/shot.png" "$1" "$2")" = "255,255,255" ] || fail "$step: canvas not white at $1,$2"
    done
}

step="find the stroke on the screen"
check_stroke 255,0,0
[ -n "${PINSOLA_SCREENSHOT:-}" ] && cp "$WORK/shot.png" "$PINSOLA_SCREENSHOT"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "a drag on the canvas drew a line in the pen colour"

step="the finished stroke is kept in the state folder"
KEPT="$XDG_STATE_HOME/Pinsola/drawing.bmp"
for _ in $(seq 50); do [ -s "$KEPT" ] && break; sleep 0.1; done
[ -s "$KEPT" ] || fail "$step: no $KEPT"

step="killed with -9 and started again, the stroke is back"
kill -9 "$PID"
wait "$PID" 2>/dev/null || true
start_program second
check_stroke 255,0,0
grep -q "did not end normally" "$WORK/second.log" || fail "$step: not in the log: $(cat "$WORK/second.log")"
echo "the stroke came back after kill -9"

step="end the session"
kill -TERM "$PID"
wait_for_exit "$PID" 50 || fail "$step: exit status $?"
for line in "Width=9" "Color=255" "Sound=0"; do
    grep -qx "$line" "$SETTINGS" || fail "$step: no $line in $(tr '\n' ' ' < "$SETTINGS")"
done
# The options were stored: Image=1, the default, is no longer the user's own.
! grep -q "^Image=" "$SETTINGS" || fail "$step: the options were not stored: $(tr '\n' ' ' < "$SETTINGS")"
grep -q "^PLeft=" "$SETTINGS" || fail "$step: the lesson viewer's place was not stored"
[ -s "$KEPT" ] || fail "$step: the drawing was not kept"
echo "the session's end stored the options and kept the drawing"

step="started after the session's end, the stroke is back"
start_program third
check_stroke 255,0,0

step="a confirmed exit gives the drawing up"
click_for_new_window 9 "$PID" || fail "$step: no question"
xdotool key Return
wait_for_exit "$PID" 50 || fail "$step: the program still runs"
[ ! -e "$KEPT" ] || fail "$step: $KEPT is still there"

step="the start after a confirmed exit shows a white page"
start_program fourth
check_stroke 255,255,255
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "after a confirmed exit the next start shows a white page"
