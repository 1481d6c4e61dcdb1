#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every error window comes up above the program's other windows and answers a click on Ignore: the errors
# of a bad pen width while the start screen shows, and a damaged drawing picked in the lesson viewer while
# the colour window floats over it. Arguments: the program folder, and optionally a window manager.
source "$(dirname "$0")/e2e_lib.sh"
WM="${2:-}"
[ -z "$WM" ] || command -v "$WM" >/dev/null || { echo "SKIP: no $WM here"; exit 77; }
start_display
[ -z "$WM" ] || start_window_manager "$WM" || fail "start the window manager"

# The colour window (626 x 169) in the middle of the screen, under where the error window comes.
printf '[Optionen]\nWidth=0\nSound=0\nCLeft=%d\nCTop=%d\n' $(( (1280 - 626) / 2 * 15 )) $(( 430 * 15 )) > "$SETTINGS"
printf 'BM not a picture' > "$WORK/program/pics/damaged.bmp"
LOG="$WORK/program/pinsola.EPT"
# No printer at all: a print server that is not there.
export CUPS_SERVER="$WORK/no-cups.sock"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

protocols() { grep -c 'F E H L E R' "$LOG" 2>/dev/null || true; }
error_window() { xdotool search --onlyvisible --name '^Fehler / Error' 2>/dev/null | head -1; }
# Sets EX, EY, EW, EH to the error window $1's place on the screen.
error_place() {
    read -r EX EY EW EH <<<"$(screen_rect "$1")"
}
# Whether the screen shows the error window's plain face at four places of it that lie over the start
# screen and the colour window: the right ends of its upper frames and the gaps between its buttons.
face_on_top() {
    import -window root "$WORK/shot.png"
    local place colour
    for place in "$(( EW - 45 )) $(( EH * 30 / 100 ))" "$(( EW - 45 )) $(( EH * 45 / 100 ))" \
                 "$(( EW / 4 )) $(( EH * 665 / 1000 ))" "$(( EW / 2 )) $(( EH * 665 / 1000 ))"; do
        set -- $place
        colour=$(pixel_of "$WORK/shot.png" $(( EX + $1 )) $(( EY + $2 )))
        IFS=, read -r r g b <<< "$colour"
        [ "$r" = "$g" ] && [ "$g" = "$b" ] && [ "$r" -ge 225 ] && [ "$r" -le 245 ] || return 1
    done
}
# Answers every error window that comes with Ignore, after checking that it shows on top, until none has
# come for two seconds and command $1 succeeds; prints how many were answered.
answer_errors() {
    local answered=0 quiet=0 window
    while [ "$quiet" -lt 20 ] || ! "$1"; do
        window=$(error_window)
        if [ -n "$window" ] && [ "$(protocols)" -gt "$answered" ]; then
            error_place "$window"
            for _ in $(seq 50); do face_on_top && break; sleep 0.1; done
            face_on_top || { cp "$WORK/shot.png" "${PINSOLA_SCREENSHOT:-/dev/null}"; echo "error $(( answered + 1 )) is not on top" >&2; return 1; }
            answered=$(( answered + 1 ))
            xdotool mousemove $(( EX + EW * 2507 / 7215 )) $(( EY + EH - EH * 368 / 5670 )) click 1
            for _ in $(seq 50); do
                [ "$(protocols)" -gt "$answered" ] || [ -z "$(error_window)" ] && break
                sleep 0.1
            done
            [ "$(protocols)" -gt "$answered" ] || [ -z "$(error_window)" ] ||
                { echo "error $answered did not answer Ignore" >&2; return 1; }
            quiet=0
        else
            quiet=$(( quiet + 1 ))
            sleep 0.1
        fi
    done
    echo "$answered"
}

# Whether the drawing window, the program's large window, is on the screen.
drawing_window_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        window_geometry "$id" || continue
        [ "$WIDTH" -gt 600 ] && return 0
    done
    return 1
}

step="the errors of the bad pen width"
answered=$(answer_errors drawing_window_shown) || fail "$step"
[ "$answered" -ge 1 ] || fail "$step: no error window"
wait_for_drawing_window "$PID" || fail "$step: the program does not go on to the drawing window"

step="a damaged drawing picked under the colour window"
click_panel_button 2
VIEWER=""
for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        window_geometry "$id" || continue
        [ "$WIDTH" = 440 ] && [ "$HEIGHT" = 420 ] && VIEWER=$id
    done
    [ -n "$VIEWER" ] && break
    sleep 0.1
done
[ -n "$VIEWER" ] || fail "$step: no lesson viewer"
eval "$(xdotool getwindowgeometry --shell "$VIEWER")"
before=$(protocols)
xdotool mousemove $(( X + 91 + 16 + 40 )) $(( Y + 316 + 8 + 8 )) click 1
for _ in $(seq 50); do [ "$(protocols)" -gt "$before" ] && break; sleep 0.1; done
[ "$(protocols)" -gt "$before" ] || fail "$step: no error for the damaged drawing"
answered=$(answer_errors true) || fail "$step"
import -window root "${PINSOLA_SCREENSHOT:-/dev/null}" 2>/dev/null || true

# Printing without a printer: Escape on its error window means Cancel. A Return sent straight to the
# window (XSendEvent, as on-screen keyboards do) answers it, and only it: the exit question that follows
# waits for its own answer.
wait_for_drawing_window "$PID" || fail "the drawing window is gone"
for key in Escape Return; do
    step="print without a printer, answered by $key"
    before=$(protocols)
    # Two clicks on the print button closer than the double-click time would make the second half of a
    # double click.
    sleep 0.5
    click_panel_button 5
    for _ in $(seq 50); do [ "$(protocols)" -gt "$before" ] && [ -n "$(error_window)" ] && break; sleep 0.1; done
    window=$(error_window) || true
    [ -n "$window" ] && grep -aq "482 (Printer error)" "$LOG" ||
        { import -window root "${PINSOLA_SCREENSHOT:-/dev/null}" 2>/dev/null || true; fail "$step: no error window for the missing printer"; }
    # Escape as a keyboard gives it; Return sent straight to the window, as some on-screen keyboards do.
    if [ "$key" = Escape ]; then xdotool key Escape; else xdotool key --window "$window" Return; fi
    for _ in $(seq 50); do [ -z "$(error_window)" ] && break; sleep 0.1; done
    [ -z "$(error_window)" ] || fail "$step: the error window did not answer"
    kill -0 "$PID" || fail "$step: the program ended"
done
step="the exit question after a sent Return"
before=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)
click_panel_button 9
for _ in $(seq 50); do [ "$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)" -gt "$before" ] && break; sleep 0.1; done
# Unseen, the question would be accepted at once and the program end: it must still wait a while later.
for _ in $(seq 10); do
    kill -0 "$PID" 2>/dev/null || fail "$step: the question was accepted unseen and the program ended"
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)" -gt "$before" ] || fail "$step: no exit question"
xdotool key Escape
echo "every error window came up on top and answered Ignore, Escape and a sent Return${WM:+ under $WM}"
