#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A drawing saved onto a full disk (pics/ on a tiny file system of a private mount namespace): the error
# window tells the system's reason, that no space is left, not only a generic access error (in English, the
# program's language here).
source "$(dirname "$0")/e2e_lib.sh"
export LC_ALL=C.UTF-8
unshare -rm true 2>/dev/null || { echo "SKIP: no private mount namespace here"; exit 77; }
start_display

printf '[Optionen]\nCShow=0\nSound=0\nSprache=1\n' > "$SETTINGS"
unshare -rm sh -c 'mount -t tmpfs -o size=64k pinsola-full "$1/pics" && exec "$1/pinsola"' sh "$WORK/program" \
    2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)
wait_for_drawing_window "$PID" || fail "no drawing window"
drag $(( CX + CW / 4 )) $(( CY + CH / 2 )) $(( CX + CW * 3 / 4 )) $(( CY + CH / 2 ))

windows() { xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l; }
before=$(windows)
click_panel_button 3
for _ in $(seq 100); do [ "$(windows)" -gt "$before" ] && break; sleep 0.1; done
xdotool type --delay 20 "tulip"
xdotool key Return
ERROR=$(wait_for_window --name "Fehler / Error") || fail "no error window"
grep -q "75 (Path/File access error: No space left on device)" "$WORK/program/pinsola.EPT" ||
    fail "the error does not say the disk is full: $(grep -a 'error :' "$WORK/program/pinsola.EPT")"
# "Beenden" ends the program where it stands.
eval "$(xdotool getwindowgeometry --shell "$ERROR")"
xdotool mousemove --window "$ERROR" $((WIDTH * 6307 / 7215)) $((HEIGHT - HEIGHT * 368 / 5670)) click 1
wait_for_exit "$PID" 50 || fail "the program did not end (status $?)"
echo "a full disk is reported as such"
