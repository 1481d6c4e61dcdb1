#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A first start on a 2560 x 1600 laptop screen at the scales desktops set (125 %, 150 %, 200 %), through
# Qt's scale factor and through the X resource Xft.dpi: every window lies wholly on the screen and the
# colour window keeps off the canvas; at 200 % a stroke of pen width 10 is 10 logical (20 screen) pixels
# thick.
source "$(dirname "$0")/e2e_lib.sh"
Xvfb -displayfd 1 -noreset -screen 0 2560x1600x24 -nolisten tcp > "$WORK/display" 2>"$WORK/xvfb.log" &
PIDS+=($!)
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$WORK/display")"
unset QT_QPA_PLATFORM

# Sets WX, WY, WW, WH to window $1's place and size in screen pixels.
place_of() { eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^X=/WX=/; s/^Y=/WY=/; s/^WIDTH=/WW=/; s/^HEIGHT=/WH=/')"; }

# How the desktop asks for the scale, and the scale that means.
cases=("QT_SCALE_FACTOR=1.25 1.25" "QT_SCALE_FACTOR=1.5 1.5" "QT_SCALE_FACTOR=2 2"
       "Xft.dpi=120 1.25" "Xft.dpi=144 1.5" "Xft.dpi=192 2")
for case in "${cases[@]}"; do
    read -r how scale <<<"$case"
    step="$how"
    scaling=()
    if [[ $how == Xft.dpi=* ]]; then
        echo "Xft.dpi: ${how#Xft.dpi=}" | xrdb -merge
    else
        xrdb -remove
        scaling=("$how")
    fi
    rm -f "$SETTINGS"
    printf '[Optionen]\nSound=0\nWidth=10\nColor=255\n' > "$SETTINGS"
    env "${scaling[@]}" "$PROGRAM" 2>"$WORK/pinsola.log" &
    PID=$!
    PIDS+=($PID)
    for _ in $(seq 150); do
        [ "$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)" -ge 3 ] && break
        sleep 0.1
    done
    windows=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null)
    [ "$(wc -l <<<"$windows")" -ge 3 ] || fail "$step: the three windows do not show"
    for id in $windows; do
        place_of "$id"
        [ "$WX" -ge 0 ] && [ "$WY" -ge 0 ] && [ $(( WX + WW )) -le 2560 ] && [ $(( WY + WH )) -le 1600 ] ||
            fail "$step: a window of ${WW}x$WH at $WX,$WY is not wholly on the screen"
    done
    # The drawing window's layout rules work in logical pixels: the canvas at its lower right.
    wait_for_drawing_window "$PID" || fail "$step"
    eval "$(awk -v x="$X" -v y="$Y" -v w="$WIDTH" -v h="$HEIGHT" -v s="$scale" 'BEGIN {
        w /= s; h /= s; m = int(w * 0.03 + 0.5); cw = int(w - 3 * m - 169); ch = int(cw * 3 / 4)
        printf "CX=%d CY=%d CW=%d CH=%d\n", x + (w - cw - m) * s, y + (h - ch - m) * s, cw * s, ch * s }')"
    # The colour window, 626 x 169 logical pixels, shows the scale took effect.
    colour=""
    for id in $windows; do
        place_of "$id"
        ratio=$(awk -v w="$WW" -v h="$WH" -v s="$scale" 'BEGIN { print int(w / s + 0.5) "x" int(h / s + 0.5) }')
        [ "$ratio" = 626x169 ] || continue
        colour=$id
        # (Logical pixels rounded to screen pixels may touch by one or two.)
        [ $(( WY + WH )) -le $(( CY + 2 )) ] || [ "$WX" -ge $(( CX + CW )) ] ||
            fail "$step: the colour window (${WW}x$WH at $WX,$WY) covers the canvas at $CX,$CY"
    done
    [ -n "$colour" ] || fail "$step: no colour window of 626 x 169 logical pixels at scale $scale"
    if [ "$scale" = 2 ]; then
        y=$(( CY + CH * 3 / 4 ))
        drag $(( CX + CW / 3 )) "$y" $(( CX + CW * 2 / 3 )) "$y"
        for _ in $(seq 50); do
            import -window root -crop "1x80+$(( CX + CW / 2 ))+$(( y - 40 ))" +repage "$WORK/column.png"
            thickness=$(convert "$WORK/column.png" -fill black -opaque red -fill white +opaque black \
                -format '%[fx:int((1-mean)*h+.5)]' info:)
            [ "$thickness" -gt 0 ] && break
            sleep 0.1
        done
        [ "$thickness" = 20 ] || fail "$step: the stroke is $thickness screen pixels thick, not 20"
    fi
    kill -TERM "$PID"
    wait_for_exit "$PID" 50 || fail "$step: exit status $?"
done
echo "at 125 %, 150 % and 200 %, by scale factor and by Xft.dpi, every window lay on the screen; a 10-pixel pen drew 10 logical pixels"

# Screens too small for the three windows side by side: the lesson viewer and the colour window leave the
# drawing window's button panel and its flags uncovered, and a flag answers a click.
for size in 640x480 800x600; do
    step="a first start at $size"
    start_display "$size"
    rm -f "$SETTINGS"
    printf '[Optionen]\nSound=0\n' > "$SETTINGS"
    "$PROGRAM" 2>"$WORK/pinsola.log" &
    PID=$!
    PIDS+=($PID)
    wait_for_drawing_window "$PID" || fail "$step"
    # The lesson viewer shows once it is placed, the colour window (where it opens) right after it.
    for _ in $(seq 50); do [ "$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)" -ge 2 ] && break; sleep 0.1; done
    for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        [ "$id" = "$WINDOW" ] && continue
        read -r wx wy ww wh <<<"$(screen_rect "$id")"
        [ $(( wx + ww )) -le "$PX" ] || [ "$wx" -ge $(( PX + 169 )) ] || [ $(( wy + wh )) -le "$PY" ] ||
            [ "$wy" -ge $(( PY + 289 )) ] || fail "$step: a window of ${ww}x$wh at $wx,$wy covers the panel at $PX,$PY"
        [ "$wx" -ge 0 ] && [ "$wy" -ge 0 ] && [ $(( wx + ww )) -le "${size%x*}" ] && [ $(( wy + wh )) -le "${size#*x}" ] ||
            fail "$step: a window of ${ww}x$wh at $wx,$wy is not wholly on the screen"
    done
    xdotool mousemove $(( PX + 68 + 16 )) $(( PY + 234 + 10 )) click 1
    for _ in $(seq 50); do grep -q '^Sprache=1' "$SETTINGS" 2>/dev/null && break; sleep 0.1; done
    grep -q '^Sprache=1' "$SETTINGS" || fail "$step: the English flag did not answer"
    kill -TERM "$PID"
    wait_for_exit "$PID" 50 || fail "$step: exit status $?"
done
echo "at 640 x 480 and 800 x 600 the panel and its flags stayed uncovered and answered"
