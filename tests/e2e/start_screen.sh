#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The start screen as a child meets it: the info window maps first, alone, with its six flags; OK shows
# the drawing window at once, else it follows after about 2.5 s. The English flag stores "1" under
# "Sprache" at once, and the drawing window then speaks English: its first button's tooltip is the short
# "New page" instead of German's "Neues Blatt". The lesson viewer and the colour window open beside it.
source "$(dirname "$0")/e2e_lib.sh"
start_display
FLAGS="$PROGRAM_SOURCE/help/images"
printf '[Optionen]\nCShow=-1\nSound=0\nCLeft=0\nCTop=0\n' > "$SETTINGS"

now_ms() { date +%s%3N; }
visible() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# Starts the program and waits for its first window, which must be the 420 x 314 info window and alone;
# sets PID, INFO_X, INFO_Y and MAPPED (ms).
start_at_info_window() {
    "$PROGRAM" 2>>"$WORK/pinsola.log" &
    PID=$!
    PIDS+=($PID)
    local ids=""
    for _ in $(seq 150); do
        ids=$(visible "$PID")
        [ -n "$ids" ] && break
        sleep 0.05
    done
    MAPPED=$(now_ms)
    [ "$(echo "$ids" | wc -w)" -eq 1 ] || fail "$step: $(echo "$ids" | wc -w) windows map first"
    eval "$(xdotool getwindowgeometry --shell "$ids")"
    [ "$WIDTH" -eq 420 ] && [ "$HEIGHT" -eq 314 ] || fail "$step: the first window is ${WIDTH}x$HEIGHT"
    INFO_X=$X
    INFO_Y=$Y
}

# The width of the tooltip of the drawing window's first button.
first_button_tip_width() {
    xdotool mousemove $(( PX + 56 )) $(( PY + 40 ))
    sleep 0.2
    xdotool mousemove $(( PX + 57 )) $(( PY + 41 ))
    for _ in $(seq 50); do
        for id in $(visible "$PID"); do
            if xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP && window_geometry "$id"; then
                echo "$WIDTH"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

step="German start: the info window with its flags"
start_at_info_window
# The window is painted once it is mapped, later on a busy machine: wait until its first flag shows.
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel_of "$WORK/shot.png" $(( INFO_X + 36 )) $(( INFO_Y + 282 )))" = "$(pixel_of "$FLAGS/flag-0.png" 16 10)" ] && break
    sleep 0.1
done
position=0
for flag in 0 1 2 3 4 6; do
    x=$(( INFO_X + 20 + position * 40 + 16 )); y=$(( INFO_Y + 272 + 10 ))
    [ "$(pixel_of "$WORK/shot.png" "$x" "$y")" = "$(pixel_of "$FLAGS/flag-$flag.png" 16 10)" ] ||
        fail "$step: no flag $flag at $x,$y"
    position=$(( position + 1 ))
done

step="OK shows the drawing window at once"
clicked=$(now_ms)
xdotool mousemove $(( INFO_X + 316 + 42 )) $(( INFO_Y + 266 + 15 )) click 1
wait_for_drawing_window "$PID" || fail "$step"
shown=$(( $(now_ms) - clicked ))
[ "$shown" -lt 2000 ] || fail "$step: it took $shown ms"
GERMAN_TIP=$(first_button_tip_width) || fail "$step: no tooltip"
kill "$PID"
wait "$PID" 2>/dev/null || true

step="English flag on the start screen"
start_at_info_window
xdotool mousemove $(( INFO_X + 20 + 40 + 16 )) $(( INFO_Y + 272 + 10 )) click 1
for _ in $(seq 20); do grep -q '^Sprache=1' "$SETTINGS" && break; sleep 0.1; done
grep -q '^Sprache=1' "$SETTINGS" || fail "$step: Sprache=1 not stored"

step="the drawing window after about 2.5 s"
wait_for_drawing_window "$PID" || fail "$step"
after=$(( $(now_ms) - MAPPED ))
[ "$after" -ge 2000 ] && [ "$after" -le 6000 ] || fail "$step: it came after $after ms"

step="lesson viewer and colour window beside it"
for _ in $(seq 50); do
    sizes=$(for id in $(visible "$PID"); do xdotool getwindowgeometry "$id" | sed -n 's/ *Geometry: //p'; done)
    echo "$sizes" | grep -qx '626x169' && echo "$sizes" | grep -qx '440x420' && break
    sleep 0.1
done
echo "$sizes" | grep -qx '626x169' || fail "$step: no colour window among: $sizes"
echo "$sizes" | grep -qx '440x420' || fail "$step: no lesson viewer among: $sizes"

step="English tooltips"
ENGLISH_TIP=$(first_button_tip_width) || fail "$step: no tooltip"
[ "$ENGLISH_TIP" -lt "$GERMAN_TIP" ] ||
    fail "$step: the tooltip is $ENGLISH_TIP pixels wide, the German one $GERMAN_TIP"
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "info window first with six flags; OK at once ($shown ms); English picked, drawing window after $after ms" \
    "with English tooltips ($ENGLISH_TIP < $GERMAN_TIP pixels)"
