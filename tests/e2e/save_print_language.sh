#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The drawing window's commands as a user gives them: a stroke saved under a typed name lands in pics/ as
# a bitmap with the stroke's colour; printed through a private CUPS server on an office printer that
# cannot print to the paper's edges, the sheet shows the whole drawing in its 4:3 shape and the footer
# inside the printable area; the English flag stores the language at once.
source "$(dirname "$0")/e2e_lib.sh"
start_display
start_printer office

printf '[Optionen]\nColor=16711680\nWidth=12\nCShow=0\nSound=0\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

step="wait for the drawing window"
wait_for_drawing_window "$PID" || fail "$step"

step="draw a stroke"
drag $(( CX + CW / 4 )) $(( CY + CH / 2 )) $(( CX + CW * 3 / 4 )) $(( CY + CH / 2 ))

step="save as tulip"
windows() { xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l; }
before=$(windows)
click_panel_button 3
for _ in $(seq 100); do [ "$(windows)" -gt "$before" ] && break; sleep 0.1; done
[ "$(windows)" -gt "$before" ] || fail "$step: no input dialog"
xdotool type --delay 20 "tulip"
xdotool key Return
for _ in $(seq 100); do [ -s "$WORK/program/pics/tulip.bmp" ] && break; sleep 0.1; done
[ -s "$WORK/program/pics/tulip.bmp" ] || fail "$step: no pics/tulip.bmp"
file "$WORK/program/pics/tulip.bmp" | grep -q " x 24," || fail "$step: not a 24-bit bitmap: $(file "$WORK/program/pics/tulip.bmp")"
convert "$WORK/program/pics/tulip.bmp" "$WORK/saved.png"
colour=$(pixel_of "$WORK/saved.png" $(( CW / 2 )) $(( CH / 2 )))
[ "$colour" = "0,0,255" ] || fail "$step: the saved stroke is $colour, not blue"

step="strokes along the four edges"
# The top stroke keeps to the right, the left one to the bottom: the lesson viewer floats over the
# canvas's upper left.
drag $(( CX + CW * 2 / 3 )) $(( CY + 8 )) $(( CX + CW - 8 )) $(( CY + 8 ))
drag $(( CX + CW - 8 )) $(( CY + 8 )) $(( CX + CW - 8 )) $(( CY + CH - 8 ))
drag $(( CX + CW - 8 )) $(( CY + CH - 8 )) $(( CX + 8 )) $(( CY + CH - 8 ))
drag $(( CX + 8 )) $(( CY + CH - 8 )) $(( CX + 8 )) $(( CY + CH * 2 / 3 ))

step="print"
click_panel_button 5
for _ in $(seq 200); do [ -s "$PRINTED" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
[ -s "$PRINTED" ] || fail "$step: nothing reached the printer"
pdftoppm -r 72 -png -singlefile "$PRINTED" "$WORK/page" || fail "$step: the job is no PDF"
problem=$(check_office_sheet "$WORK/page.png" "0,0,255") || fail "$step: $problem"

step="switch to English"
cp "$SETTINGS" "$WORK/settings.before"
xdotool mousemove $(( PX + 68 + 16 )) $(( PY + 234 + 10 )) click 1
for _ in $(seq 50); do grep -q '^Sprache=1' "$SETTINGS" 2>/dev/null && break; sleep 0.1; done
grep -q '^Sprache=1' "$SETTINGS" || fail "$step: Sprache=1 not stored"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "saved, printed and switched the language through the drawing window's buttons"
