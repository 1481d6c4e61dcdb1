#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole session as a family would have it, on the installed program, driven by pointer and keyboard only:
# English picked on the start screen, a lesson followed and another one chosen, two strokes in two colours,
# one undone, a third over the lesson's step traced on the canvas, the drawing saved twice as "flower" (with
# nothing of the tracing in it), a new page, the drawing opened again from the gallery,
# printed on an office printer that cannot print to the paper's edges, sound off, French, and the end
# (under a window manager through Alt+F4, answered No once, then Yes). Then the files it leaves are checked from
# outside. Arguments: the build folder, and optionally a window manager to run (e.g. openbox).
source "$(dirname "$0")/e2e_lib.sh"
BUILD="$2"
WM="${3:-}"
[ -z "$WM" ] || command -v "$WM" >/dev/null || { echo "SKIP: no $WM here"; exit 77; }

step="install"
cmake --install "$BUILD" --prefix "$WORK/prefix" >"$WORK/install.log" || fail "$step: $(tail -3 "$WORK/install.log")"
# The launcher is a link into the program folder, wherever the system's library folder puts it.
PROGRAM_FOLDER=$(dirname "$(readlink -f "$WORK/prefix/bin/pinsola")")
if [ -w "$PROGRAM_FOLDER" ]; then DATA="$PROGRAM_FOLDER"; else DATA="$HOME/.local/share/Pinsola"; fi
PICS="$DATA/pics"

step="start the office printer"
start_display
start_printer office
step="start the window manager"
[ -z "$WM" ] || start_window_manager "$WM" || fail "$step"

# The start screen (420 x 314) opens in the middle of the screen and closes by itself after 2.5 s: the
# pointer waits on its English flag, the second of six, 32 x 20 pixels at (60, 272), to click as soon as
# it appears.
FLAG_X=$(( (1280 - 420) / 2 + 60 + 16 )); FLAG_Y=$(( (1024 - 314) / 2 + 272 + 10 ))
xdotool mousemove "$FLAG_X" "$FLAG_Y"
"$WORK/prefix/bin/pinsola" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

# The id of the visible window of the program that is $1 x $2 pixels large; waits for it.
window_of_size() {
    for _ in $(seq 150); do
        for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
            window_geometry "$id" || continue
            [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}
# Sets X and Y to the window's upper left corner on the screen.
origin_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
shot() { import -window root "$WORK/shot.png"; }
screen_pixel() { pixel_of "$WORK/shot.png" "$1" "$2"; }
# Waits until the screen shows colour $3 at $1,$2.
wait_for_pixel() {
    for _ in $(seq 50); do
        shot
        [ "$(screen_pixel "$1" "$2")" = "$3" ] && return 0
        sleep 0.1
    done
    return 1
}
settings_hold() { grep -qx "$1" "$SETTINGS" 2>/dev/null; }
visible_windows() { xdotool search --onlyvisible --pid "$PID" 2>/dev/null | sort; }
# Waits until the keyboard is in a visible window of the program that is not among the windows $1 (one id
# a line); prints it. A tooltip of the button under the pointer is new too, but never takes the keyboard.
new_focused_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool getwindowfocus 2>/dev/null)
        if [ -n "$id" ] && ! grep -qx "$id" <<<"$1" && visible_windows | grep -qx "$id"; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
# Waits until window $1 is no longer visible.
window_gone() {
    for _ in $(seq 100); do visible_windows | grep -qx "$1" || return 0; sleep 0.1; done
    return 1
}
# Types $1 into the input dialog that the save button opens, clicked $2 pixels right of its middle.
save_as() {
    local before dialog
    before=$(visible_windows)
    click_panel_button 3 "${2:-0}"
    dialog=$(new_focused_window "$before") || return 1
    xdotool type --delay 20 "$1"
    xdotool key Return
    window_gone "$dialog"
}

step="pick English on the start screen"
wait_for_window --pid "$PID" >/dev/null || fail "$step: no start screen"
xdotool click 1
for _ in $(seq 50); do settings_hold "Sprache=1" && break; sleep 0.1; done
settings_hold "Sprache=1" || fail "$step: Sprache=1 not stored"

step="the drawing window after the start screen"
wait_for_drawing_window "$PID" || fail "$step"
DRAW=$WINDOW

step="the lesson viewer beside it"
VIEWER=$(window_of_size 440 420) || fail "$step"
origin_of "$VIEWER"
VX=$X; VY=$Y
# The colour of the preview at $1,$2.
preview() { shot; screen_pixel $(( VX + 16 + $1 )) $(( VY + 16 + $2 )); }
step="the grid over the first step, switched off"
# The grid is on at first: an orange line two pixels wide every 50 pixels.
[ "$(preview 50 10)" = "255,182,47" ] || fail "$step: no grid line at 50,10 at first"
viewer_button 18 48 95
preview_shows_band 1 0 || fail "$step: the preview is not the lesson's first step alone"
step="next step five times: the finished flower"
for _ in 1 2 3 4 5; do viewer_button 160 8 95; done
preview_shows_band 1 5 || fail "$step"
step="half size"
viewer_button 74 48 95
window_of_size 240 270 >/dev/null || fail "$step: the viewer is not 240 x 270"
step="full size again"
# In half size the 249-pixel panel sticks out of the 240-pixel window by 4 pixels on the left, below the
# 200 x 150 preview.
viewer_button 74 48 -4 166
window_of_size 440 420 >/dev/null || fail "$step: the viewer is not 440 x 420"
step="the lesson panel: the next lesson, taken"
viewer_button 104 8 95
viewer_button 160 8 95
preview_shows_band 2 5 || fail "$step: the lesson panel does not show lesson 2"
viewer_button 104 8 95
preview_shows_band 2 0 || fail "$step: not the first step of lesson 2"

step="the colour window, closed and opened again"
COLOR=$(window_of_size 626 169) || fail "$step: no colour window"
origin_of "$COLOR"
xdotool mousemove $(( X + 560 + 20 )) $(( Y + 112 + 20 )) click 1
for _ in $(seq 50); do ! xdotool search --onlyvisible --pid "$PID" 2>/dev/null | grep -qx "$COLOR" && break; sleep 0.1; done
click_panel_button 4
COLOR=$(window_of_size 626 169) || fail "$step: it does not open again"
origin_of "$COLOR"
KX=$X; KY=$Y

# Picks the palette's colour at $1,$2 of the palette (at 24,16 in the window); prints it as "r,g,b".
pick_colour() {
    shot
    local colour
    colour=$(screen_pixel $(( KX + 24 + $1 )) $(( KY + 16 + $2 )))
    xdotool mousemove $(( KX + 24 + $1 )) $(( KY + 16 + $2 )) click 1
    # The swatch at (560, 48) shows the pen's colour.
    wait_for_pixel $(( KX + 560 + 20 )) $(( KY + 48 + 20 )) "$colour" || return 1
    echo "$colour"
}
step="pick the first colour and a width"
FIRST=$(pick_colour 40 70) || fail "$step: the swatch does not show the picked colour"
# The slider (520, 16; 18 x 137) puts its thumb where it is pressed: half way is about 25 pixels.
xdotool mousemove $(( KX + 520 + 9 )) $(( KY + 16 + 68 )) click 1
wait_for_drawing_window "$PID" || fail "$step"
step="the first stroke"
S1Y=$(( CH * 3 / 4 )); S1X0=$(( CW / 2 )); S1X1=$(( CW * 7 / 10 ))
drag $(( CX + S1X0 )) $(( CY + S1Y )) $(( CX + S1X1 )) $(( CY + S1Y ))
wait_for_pixel $(( CX + (S1X0 + S1X1) / 2 )) $(( CY + S1Y )) "$FIRST" || fail "$step: the canvas does not show it"
step="the second colour and stroke"
SECOND=$(pick_colour 420 70) || fail "$step: the swatch does not show the picked colour"
[ "$SECOND" != "$FIRST" ] || fail "$step: both colours are $FIRST"
S2X=$(( CW * 17 / 20 )); S2Y0=$(( CH * 6 / 10 )); S2Y1=$(( CH * 9 / 10 ))
drag $(( CX + S2X )) $(( CY + S2Y0 )) $(( CX + S2X )) $(( CY + S2Y1 ))
wait_for_pixel $(( CX + S2X )) $(( CY + (S2Y0 + S2Y1) / 2 )) "$SECOND" || fail "$step: the canvas does not show it"
step="undo the second stroke"
click_panel_button 1
wait_for_pixel $(( CX + S2X )) $(( CY + (S2Y0 + S2Y1) / 2 )) "255,255,255" || fail "$step: it is still there"

# How many colours the canvas shows right of the viewer (which may lie over its left edge): white and the
# strokes', and the faint step's while tracing is on.
canvas_colours() {
    local left=$(( VX + 441 > CX ? VX + 441 : CX ))
    import -window root -crop "$(( CX + CW - left ))x${CH}+${left}+${CY}" +repage "$WORK/canvas.png"
    convert "$WORK/canvas.png" -format %k info:
}
step="tracing on, and a stroke over the step"
viewer_button 130 48 95
S3Y=$(( CH * 4 / 10 )); S3X0=$(( CW * 6 / 10 )); S3X1=$(( CW * 8 / 10 ))
drag $(( CX + S3X0 )) $(( CY + S3Y )) $(( CX + S3X1 )) $(( CY + S3Y ))
wait_for_pixel $(( CX + (S3X0 + S3X1) / 2 )) $(( CY + S3Y )) "$SECOND" || fail "$step: the canvas does not show it"
for _ in $(seq 50); do [ "$(canvas_colours)" -gt 3 ] && break; sleep 0.1; done
[ "$(canvas_colours)" -gt 3 ] || fail "$step: the canvas shows no step to trace"

step="save as flower"
save_as flower || fail "$step: no input dialog"
for _ in $(seq 100); do [ -s "$PICS/flower.bmp" ] && break; sleep 0.1; done
[ -s "$PICS/flower.bmp" ] || fail "$step: no $PICS/flower.bmp"
cp "$PICS/flower.bmp" "$WORK/first-save.bmp"
step="save as flower again, replacing it"
touch -d '2000-01-01' "$PICS/flower.bmp"
before=$(visible_windows)
# Pressed again at the same spot this soon after the first save, the button would take a double click.
save_as flower 10 || fail "$step: no input dialog"
question=$(new_focused_window "$before") || fail "$step: no question"
# The question's default answer is No: Yes is taken by its access key.
xdotool key alt+y
for _ in $(seq 100); do [ "$(stat -c %Y "$PICS/flower.bmp")" -gt 946684800 ] && break; sleep 0.1; done
[ "$(stat -c %Y "$PICS/flower.bmp")" -gt 946684800 ] || fail "$step: the drawing was not written again"
cmp -s "$PICS/flower.bmp" "$WORK/first-save.bmp" || fail "$step: the second save differs from the first"

step="tracing off"
viewer_button 130 48 95
for _ in $(seq 50); do [ "$(canvas_colours)" = 3 ] && break; sleep 0.1; done
[ "$(canvas_colours)" = 3 ] || fail "$step: the canvas shows $(canvas_colours) colours, not white and two strokes"

step="new page"
click_panel_button 0
wait_for_pixel $(( CX + (S1X0 + S1X1) / 2 )) $(( CY + S1Y )) "255,255,255" || fail "$step: the stroke is still there"

step="open flower.bmp from the gallery"
click_panel_button 2
LIST_X=$(( VX + 91 + 16 + 40 )); LIST_Y=$(( VY + 316 + 8 + 8 ))
wait_for_pixel $(( LIST_X + 60 )) $(( LIST_Y + 60 )) "255,255,255" || fail "$step: no file list"
xdotool mousemove "$LIST_X" "$LIST_Y" click 1
sleep 0.5
viewer_button 192 56 91
wait_for_pixel $(( CX + (S1X0 + S1X1) / 2 )) $(( CY + S1Y )) "$FIRST" || fail "$step: the canvas does not show it"

step="print"
click_panel_button 5
for _ in $(seq 300); do [ -s "$PRINTED" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break; sleep 0.1; done
[ -s "$PRINTED" ] || fail "$step: nothing reached the printer ($(tail -3 "$CUPS/log/error_log" 2>/dev/null))"
PDF="$PRINTED"

step="sound off"
click_panel_button 6
for _ in $(seq 50); do settings_hold "Sound=0" && break; sleep 0.1; done
step="French"
xdotool mousemove $(( PX + 36 + 16 )) $(( PY + 254 + 10 )) click 1
for _ in $(seq 50); do settings_hold "Sprache=6" && break; sleep 0.1; done
settings_hold "Sprache=6" || fail "$step: Sprache=6 not stored"
# The end: the exit button on a bare display; under a window manager its own close (Alt+F4), which asks
# the same question: answered No the program runs on, answered Yes it ends.
ask_to_end() {
    local before
    before=$(visible_windows)
    if [ -n "$WM" ]; then
        xdotool windowactivate --sync "$DRAW" key alt+F4
    else
        click_panel_button 9
    fi
    new_focused_window "$before"
}
if [ -n "$WM" ]; then
    step="Alt+F4, answering No"
    question=$(ask_to_end) || fail "$step: no question"
    xdotool key Escape
    window_gone "$question" || fail "$step: the question stays"
    kill -0 "$PID" 2>/dev/null || fail "$step: the program ended"
    visible_windows | grep -qx "$DRAW" || fail "$step: the drawing window is gone"
fi
step="end, answering Yes"
question=$(ask_to_end) || fail "$step: no question"
xdotool key Return
wait_for_exit "$PID" 100 || fail "$step: the program still runs"
ls "$XDG_CONFIG_HOME/Pinsola" | grep -v '^Pinsola\.conf$' && fail "$step: left in the settings folder" || :

step="the saved drawing"
file "$PICS/flower.bmp" | grep -q " x 24," || fail "$step: not a 24-bit bitmap: $(file "$PICS/flower.bmp")"
[ "$(convert "$PICS/flower.bmp" -format %k info:)" = 3 ] ||
    fail "$step: besides white and the two strokes it holds $(convert "$PICS/flower.bmp" -format %k info:) colours: the step traced?"
convert "$PICS/flower.bmp" "$WORK/saved.png"
[ "$(pixel_of "$WORK/saved.png" $(( (S1X0 + S1X1) / 2 )) "$S1Y")" = "$FIRST" ] ||
    fail "$step: the first stroke is not $FIRST"
[ "$(pixel_of "$WORK/saved.png" "$S2X" $(( (S2Y0 + S2Y1) / 2 )))" = "255,255,255" ] ||
    fail "$step: the undone stroke is there"
# The stroke is as thick as the pen's width: its column of pixels in the first colour.
IFS=, read -r r g b <<< "$FIRST"
thickness=$(convert "$WORK/saved.png" -crop "1x81+$(( (S1X0 + S1X1) / 2 ))+$(( S1Y - 40 ))" -fill black \
    -opaque "rgb($r,$g,$b)" -fill white +opaque black -format '%[fx:int((1-mean)*w*h+.5)]' info:)

step="the printed page"
pdftoppm -r 72 -png -singlefile "$PDF" "$WORK/sheet" 2>/dev/null || fail "$step: the printed file is no PDF"
problem=$(inside_printable_area "$WORK/sheet.png") || fail "$step: $problem"
pdftoppm -r 50 -png -singlefile "$PDF" "$WORK/page" 2>/dev/null || fail "$step: the printed file is no PDF"
# The printer turns a landscape job onto an upright sheet, as paper comes out of a printer: the page is
# read turned by a quarter clockwise.
eval "$(convert "$WORK/page.png" -format 'PW=%w PH=%h' info:)"
[ "$PW" -gt "$PH" ] || convert "$WORK/page.png" -rotate 90 "$WORK/page.png"
eval "$(convert "$WORK/page.png" -format 'PW=%w PH=%h' info:)"
convert "$WORK/page.png" -fuzz 20% -fill black -opaque "rgb($r,$g,$b)" -fill white +opaque black -trim \
    -format '%w %h %X %Y\n' info: > "$WORK/stroke"
read -r SW SH SX SY < "$WORK/stroke"
[ "$SW" -gt $(( PW / 8 )) ] || fail "$step: no stroke in the first colour on the page (${SW}x$SH)"
# The footer: dark text below the picture. The stroke, less its round caps (SH, its thickness), is as long
# on the page as on the canvas in proportion; so the picture's 4:3 size and bottom edge follow.
picture_height=$(( (SW - SH) * CW / (S1X1 - S1X0) * 3 / 4 ))
picture_bottom=$(( SY + SH / 2 + picture_height * (CH - S1Y) / CH + 2 ))
convert "$WORK/page.png" -crop "${PW}x$(( PH - picture_bottom ))+0+$picture_bottom" -colorspace Gray \
    -threshold 50% -negate -format '%[fx:mean]' info: > "$WORK/footer"
awk '{ exit !($1 > 0.0005) }' "$WORK/footer" || fail "$step: no footer below the picture"

step="the settings"
for line in "Image=2" "Sprache=6" "Sound=0" "Gitter=0"; do
    settings_hold "$line" || fail "$step: no $line in $(tr '\n' ' ' < "$SETTINGS")"
done
# What equals the default is not the user's own: a default changed later reaches the user.
for key in PSize CShow Trace; do
    ! grep -q "^$key=" "$SETTINGS" || fail "$step: the default $key was stored"
done
IFS=, read -r r g b <<< "$SECOND"
settings_hold "Color=$(( r + g * 256 + b * 65536 ))" || fail "$step: Color is not $SECOND"
width=$(sed -n 's/^Width=//p' "$SETTINGS")
[ -n "$width" ] && [ $(( width - thickness )) -ge -1 ] && [ $(( width - thickness )) -le 1 ] ||
    fail "$step: Width=$width, but the stroke is $thickness pixels thick"
for key in PLeft Ptop CLeft CTop; do
    grep -q "^$key=-\?[0-9]\+$" "$SETTINGS" || fail "$step: no $key"
done
[ ! -s "$PROGRAM_FOLDER/pinsola.EPT" ] && [ ! -s "$DATA/pinsola.EPT" ] ||
    fail "errors were logged: $(cat "$PROGRAM_FOLDER/pinsola.EPT" "$DATA/pinsola.EPT" 2>/dev/null)"
echo "a whole session${WM:+ under $WM}: lesson, colours, strokes, undo, save, gallery, print, language, end"
