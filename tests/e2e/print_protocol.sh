#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The error window prints its protocol on the default printer, word-wrapped, through the real CUPS.
source "$(dirname "$0")/e2e_lib.sh"
start_display
start_printer

printf '[Optionen]\nWidth=abc\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)
WINDOW=$(wait_for_window --name "Fehler / Error")
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"

# "Drucken/Print", the first protocol button, one frame above the action buttons.
xdotool mousemove --window "$WINDOW" $((WIDTH * 907 / 7215)) $((HEIGHT - HEIGHT * (855 + 368) / 5670)) click 1
# The job is whole once CUPS lists it as pending no more.
for _ in $(seq 200); do [ -s "$PRINTED" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
[ -s "$PRINTED" ] || fail "nothing reached the printer"
[ -z "$(lpstat -o 2>/dev/null)" ] || fail "the print job did not complete"
pdftotext -layout "$PRINTED" "$WORK/printed.txt" || fail "the job is no readable document"
# Text extraction drops repeated blanks, so compare without them.
tr -d ' ' < "$WORK/printed.txt" > "$WORK/squeezed.txt"
grep -q "FEHLERPROTOKOLL/ERRORPROTOCOLL" "$WORK/squeezed.txt" || fail "the protocol heading is missing"
grep -q "Modul:Allgemein" "$WORK/squeezed.txt" || fail "the module is missing"
grep -q "Fehler-Nr/error:380(Invalidpropertyvalue:Width=abc)" "$WORK/squeezed.txt" || fail "the error is missing"
grep -q -- "----------------------------------------------------------------------" "$WORK/printed.txt" ||
    fail "the separator line is missing"
kill -0 "$PID" || fail "the program ended while printing"

xdotool mousemove --window "$WINDOW" $((WIDTH * 6307 / 7215)) $((HEIGHT - HEIGHT * 368 / 5670)) click 1
wait_for_exit "$PID" 50 || fail "the program did not end"
echo "protocol printed through CUPS: $(wc -l < "$WORK/printed.txt") lines"
