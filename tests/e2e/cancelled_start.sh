#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cancel on an error at start leaves the start-up without a window: the program ends and lets go of its
# single-instance lock, so the next start shows its window. A start without what it needs of the system
# ends at once with one line on standard error. The command line: help and version need no display, a
# wrong argument gets the usage and status 2, and Qt's own options still reach Qt.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nSprache=english\n' > "$SETTINGS"

"$PROGRAM" 2>"$WORK/first.log" &
FIRST=$!
PIDS+=($FIRST)
WINDOW=$(wait_for_window --name "Fehler / Error")

# Press "Abbrechen", the third action button in the bottom frame, where a user would click it.
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
xdotool mousemove --window "$WINDOW" $((WIDTH * 4507 / 7215)) $((HEIGHT - HEIGHT * 368 / 5670)) click 1
wait_for_exit "$FIRST" 50 || fail "the program still runs without a window after Cancel (status $?)"

# A start that cannot get what it needs (too few open files, too little address space) says so in one
# line on standard error and ends with status 1, without a window.
for limit in "-n 12" "-v 400000"; do
    status=0
    (ulimit $limit && exec "$PROGRAM") 2>"$WORK/limited.log" || status=$?
    [ "$status" = 1 ] || fail "ulimit $limit: status $status, not 1: $(head -c 300 "$WORK/limited.log")"
    [ "$(wc -l < "$WORK/limited.log")" = 1 ] && grep -q "^pinsola: cannot start: .*(ulimit ${limit% *})" "$WORK/limited.log" ||
        fail "ulimit $limit: not one line that says why: $(head -c 300 "$WORK/limited.log")"
done

for option in --help --version -v; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$PROGRAM" $option >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" = 0 ] && [ ! -s "$WORK/err" ] || fail "$option: status $status: $(head -c 300 "$WORK/err")"
    case $option in
    --help) grep -q '^Usage: pinsola' "$WORK/out" && grep -q -- '--version' "$WORK/out" ;;
    *) grep -q '^Pinsola [0-9]*\.[0-9]*\.[0-9]*$' "$WORK/out" && grep -q 'GPL-3.0-or-later' "$WORK/out" ;;
    esac || fail "$option printed: $(head -c 300 "$WORK/out")"
done
for wrong in --bogus -platform drawing.bmp; do
    status=0
    "$PROGRAM" $wrong >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" = 2 ] && [ ! -s "$WORK/out" ] && grep -q '^Usage: pinsola' "$WORK/err" ||
        fail "$wrong: status $status, not 2 with the usage on standard error: $(head -c 300 "$WORK/err")"
done
for display in "-u DISPLAY" "DISPLAY=:$((${DISPLAY#:} + 50))"; do
    status=0
    env -u WAYLAND_DISPLAY $display "$PROGRAM" >"$WORK/out" 2>"$WORK/err" || status=$?
    [ "$status" = 1 ] && [ "$(wc -l < "$WORK/err")" = 1 ] &&
        grep -q '^pinsola: cannot start: .*needs a graphical desktop' "$WORK/err" ||
        fail "env $display: status $status, not 1 with one line: $(head -c 300 "$WORK/err")"
done

# Qt's own -display names the display where the environment names none.
printf '[Optionen]\nSprache=1\n' > "$SETTINGS"
env -u DISPLAY "$PROGRAM" -display "$DISPLAY" 2>"$WORK/second.log" &
SECOND=$!
PIDS+=($SECOND)
wait_for_window --pid "$SECOND" >/dev/null || fail "the second start shows no window"
echo "Cancel at start ended the program; the next start showed its window"
