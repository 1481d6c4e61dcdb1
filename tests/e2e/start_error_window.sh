#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Bad stored settings show one error window at start, naming them all; "Beenden" ends the program at
# once, and since the bad values were replaced by their defaults, the next start shows no error window.
source "$(dirname "$0")/e2e_lib.sh"
start_display

printf '[Optionen]\nSound=abc\nImage=9999\nWidth=-5\nColor=zzz\nPSize=foo\nCShow=2\nGitter=\nSprache=999999\n' > "$SETTINGS"

"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

WINDOW=$(wait_for_window --name "Fehler / Error")
grep -q "Main" "$WORK/program/pinsola.EPT" || fail "the log does not name Main"
grep -q "Allgemein" "$WORK/program/pinsola.EPT" || fail "the log does not name Allgemein"
grep -q "380 (Invalid property value: Sound=abc, Image=9999, Width=-5, Color=zzz, PSize=foo, Gitter=, Sprache=999999)" \
    "$WORK/program/pinsola.EPT" || fail "the log does not hold the bad values: $(grep -a 'error :' "$WORK/program/pinsola.EPT")"
[ "$(grep -c 'F E H L E R' "$WORK/program/pinsola.EPT")" -eq 1 ] || fail "expected exactly one protocol"

if [ -n "${PINSOLA_SCREENSHOT:-}" ]; then
    import -window root "$PINSOLA_SCREENSHOT"
fi

# Press "Beenden", the fourth action button in the bottom frame, where a user would click it.
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
xdotool mousemove --window "$WINDOW" $((WIDTH * 6307 / 7215)) $((HEIGHT - HEIGHT * 368 / 5670)) click 1
wait_for_exit "$PID" 50 || fail "the program did not end at once (status $?)"
# The bad values are taken away, so the defaults count; CShow=2, only unusual, stays.
for key in Sound Image Width Color PSize Gitter Sprache; do
    ! grep -q "^$key=" "$SETTINGS" || fail "$key is still stored: $(cat "$SETTINGS")"
done
grep -qx "CShow=2" "$SETTINGS" || fail "CShow=2 is not kept: $(cat "$SETTINGS")"

"$PROGRAM" 2>"$WORK/second.log" &
PID=$!
PIDS+=($PID)
wait_for_window --pid "$PID" >/dev/null || fail "the second start shows no window"
[ "$(grep -c 'F E H L E R' "$WORK/program/pinsola.EPT")" -eq 1 ] || fail "the second start reported an error"
echo "one error window for every bad setting, their defaults stored, the next start without error"
