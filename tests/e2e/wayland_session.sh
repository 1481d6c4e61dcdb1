#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a Wayland desktop (weston with Xwayland) the program runs as an X client, so that its windows can be
# placed where it puts them: all three windows map wholly on the screen, the drawing window in the middle
# of it, a stroke drawn on the canvas shows on the compositor's screen, and the session's end stores the
# options. Weston draws into a window of its own X server, which gives it a seat: without one (its headless
# backend) Xwayland 22 ends on the first input sent to it.
source "$(dirname "$0")/e2e_lib.sh"
command -v weston >/dev/null && command -v Xwayland >/dev/null || { echo "SKIP: no weston with Xwayland here"; exit 77; }

start_display
DESK=$DISPLAY
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="pinsola-$$"
weston --backend=x11-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --xwayland --width=1280 --height=1024 \
    --idle-time=0 >"$WORK/weston.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log")
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || fail "weston shows no X server: $(tail -3 "$WORK/weston.log")"
export DISPLAY=$display

printf '[Optionen]\nSound=0\nImage=1\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)

step="the three windows on the X server"
for _ in $(seq 150); do
    sizes=$(for id in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        if window_geometry "$id"; then echo "${WIDTH}x$HEIGHT"; fi; done | sort | tr '\n' ' ')
    [ "$sizes" = "1152x867 440x420 626x169 " ] && break
    sleep 0.1
done
[ "$sizes" = "1152x867 440x420 626x169 " ] || fail "$step: windows $sizes ($(tail -2 "$WORK/pinsola.log"))"
wait_for_drawing_window "$PID" || fail "$step"
[ "$X $Y" = "64 78" ] || fail "$step: the drawing window is at $X,$Y, not in the middle"
# Weston's X window manager places a window that belongs to another one itself (the lesson viewer and the
# colour window), and takes no later move of it: on the screen is all it can promise.
OTHERS=()
for id in $(xdotool search --onlyvisible --pid "$PID"); do
    read -r x y w h <<<"$(screen_rect "$id")"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $(( x + w )) -le 1280 ] && [ $(( y + h )) -le 1024 ] ||
        fail "$step: a ${w}x$h window lies off the screen at $x,$y"
    [ "$id" = "$WINDOW" ] || OTHERS+=("$x $y $w $h")
done

step="a stroke on the canvas, as the compositor shows it"
x0=$(( CX + CW / 4 )); x1=$(( CX + CW * 3 / 4 ))
# A row of the canvas that neither of the two other windows covers there: together they are lower than it.
covered() {
    local x y w h
    for rect in "${OTHERS[@]}"; do
        read -r x y w h <<<"$rect"
        [ "$1" -ge $(( y - 12 )) ] && [ "$1" -le $(( y + h + 12 )) ] && [ "$x1" -ge "$x" ] && [ "$x0" -le $(( x + w )) ] &&
            return 0
    done
    return 1
}
y=$(( CY + 12 ))
while covered "$y"; do y=$(( y + 10 )); done
[ "$y" -lt $(( CY + CH - 12 )) ] || fail "$step: the other windows cover the canvas"
drag "$x0" "$y" "$x1" "$y"
middle=""
for _ in $(seq 50); do
    DISPLAY=$DESK import -window root "$WORK/shot.png"
    middle=$(pixel_of "$WORK/shot.png" $(( (x0 + x1) / 2 )) "$y")
    [ "$middle" = "0,0,0" ] && break
    sleep 0.1
done
[ "$middle" = "0,0,0" ] || fail "$step: the screen shows $middle, not the black pen, in the stroke's middle"
[ "$(pixel_of "$WORK/shot.png" $(( (x0 + x1) / 2 )) $(( y - 10 )))" != "0,0,0" ] ||
    fail "$step: the stroke is wider than the pen"

step="the session's end"
kill -TERM "$PID"
wait_for_exit "$PID" 50 || fail "$step: exit status $?"
# Stored, Image=1 is taken away: it is the default, not the user's own.
! grep -q "^Image=" "$SETTINGS" || fail "$step: the options were not stored"
echo "on a Wayland desktop the program ran on Xwayland with its three windows"
