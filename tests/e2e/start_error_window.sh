#!/bin/bash
# A stored pen width of "abc" shows the error window at start; "Beenden" ends the program at once
# without writing any setting.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nWidth=abc\n' > "$SETTINGS"
cp "$SETTINGS" "$WORK/settings.before"

"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

WINDOW=$(wait_for_window --name "Fehler / Error")
grep -q "LoadConfig" "$WORK/program/pinsola.EPT" || fail "the log does not name LoadConfig"
grep -q "Allgemein" "$WORK/program/pinsola.EPT" || fail "the log does not name Allgemein"
grep -q "13 (Type mismatch)" "$WORK/program/pinsola.EPT" || fail "the log does not hold the error"
[ "$(grep -c 'F E H L E R' "$WORK/program/pinsola.EPT")" -eq 1 ] || fail "expected exactly one protocol"

if [ -n "${PINSOLA_SCREENSHOT:-}" ]; then
    import -window root "$PINSOLA_SCREENSHOT"
fi

# Press "Beenden", the fourth action button in the bottom frame, where a user would click it.
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
xdotool mousemove --window "$WINDOW" $((WIDTH * 6307 / 7215)) $((HEIGHT - HEIGHT * 368 / 5670)) click 1

wait_for_exit "$PID" 50 || fail "the program did not end at once (status $?)"
cmp -s "$SETTINGS" "$WORK/settings.before" || fail "settings were written: $(cat "$SETTINGS")"
echo "error window shown, protocol logged, program ended without writing settings"
