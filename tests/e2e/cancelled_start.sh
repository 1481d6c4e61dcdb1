#!/bin/bash
# Cancel on an error at start leaves the start-up without a window: the program ends and lets go of its
# single-instance lock, so the next start shows its window. A start without what it needs of the system
# ends at once with one line on standard error.
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

printf '[Optionen]\nSprache=1\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/second.log" &
SECOND=$!
PIDS+=($SECOND)
wait_for_window --pid "$SECOND" >/dev/null || fail "the second start shows no window"
echo "Cancel at start ended the program; the next start showed its window"
