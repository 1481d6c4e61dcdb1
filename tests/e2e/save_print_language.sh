#!/bin/bash
# The drawing window's commands as a user gives them: a stroke saved under a typed name lands in pics/ as
# a bitmap with the stroke's colour; printed through a private CUPS server the page shows the drawing in
# its 4:3 shape; the English flag stores the language at once.
source "$(dirname "$0")/e2e_lib.sh"
start_display
start_printer

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

step="print"
click_panel_button 5
for _ in $(seq 200); do [ -s "$PRINTED" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
[ -s "$PRINTED" ] || fail "$step: nothing reached the printer"
pdftoppm -r 50 -png -singlefile "$PRINTED" "$WORK/page" || fail "$step: the job is no PDF"
eval "$(convert "$WORK/page.png" -format 'PW=%w PH=%h' info:)"
[ "$PW" -gt "$PH" ] || fail "$step: the page is not landscape ($PW x $PH)"
# The drawing's white area on the white page is invisible; its stroke shows where the picture lies: the
# blue run across the middle spans half the picture's width, at half its height.
convert "$WORK/page.png" -fuzz 25% -fill black -opaque blue -fill white +opaque black -trim \
    -format '%w %h %X %Y\n' info: > "$WORK/stroke" || fail "$step: no stroke on the page"
read -r SW SH SX SY < "$WORK/stroke"
colour=$(pixel_of "$WORK/page.png" $(( SX + SW / 2 )) $(( SY + SH / 2 )))
IFS=, read -r r g b <<< "$colour"
[ "$b" -gt 200 ] && [ "$r" -lt 80 ] && [ "$g" -lt 80 ] || fail "$step: the printed stroke is $colour, not blue"
[ "$SW" -gt $(( PW / 4 )) ] || fail "$step: the stroke on the page is only $SW pixels wide"
# The stroke ran from a quarter to three quarters of the canvas's width at half its height, and the
# picture starts at the top margin (a few millimetres): so the picture is about 2 SW wide and
# 2 (SY + SH / 2) high, which must be the canvas's 4:3.
ratio=$(( 2 * SW * 300 / (2 * (SY + SH / 2)) ))
[ "$ratio" -ge 370 ] && [ "$ratio" -le 430 ] || fail "$step: the printed picture is not 4:3 (ratio $ratio / 300)"

step="switch to English"
cp "$SETTINGS" "$WORK/settings.before"
xdotool mousemove $(( PX + 68 + 16 )) $(( PY + 234 + 10 )) click 1
for _ in $(seq 50); do grep -q '^Sprache=1' "$SETTINGS" 2>/dev/null && break; sleep 0.1; done
grep -q '^Sprache=1' "$SETTINGS" || fail "$step: Sprache=1 not stored"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "saved, printed and switched the language through the drawing window's buttons"
