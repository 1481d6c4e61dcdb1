#!/bin/bash
# On a Wayland desktop (weston with Xwayland) the program runs as an X client, so that its windows can be
# placed where it puts them: all three windows map on the X server beside the compositor, the drawing
# window in the middle of the screen, and the session's end stores the options.
source "$(dirname "$0")/e2e_lib.sh"
command -v weston >/dev/null && command -v Xwayland >/dev/null || { echo "SKIP: no weston with Xwayland here"; exit 77; }

export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="pinsola-$$"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --xwayland --width=1280 --height=1024 \
    --idle-time=0 >"$WORK/weston.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log")
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || fail "weston shows no X server: $(tail -3 "$WORK/weston.log")"
export DISPLAY=$display
unset QT_QPA_PLATFORM

printf '[Optionen]\nSound=0\n' > "$SETTINGS"
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
place=$(xwininfo -id "$WINDOW" | sed -n 's/.*Absolute upper-left [XY]: *//p' | tr '\n' ' ')
[ "$place" = "64 78 " ] || fail "$step: the drawing window is at $place, not in the middle"

step="the session's end"
kill -TERM "$PID"
wait_for_exit "$PID" 50 || fail "$step: exit status $?"
grep -qx "Image=1" "$SETTINGS" || fail "$step: the options were not stored"
echo "on a Wayland desktop the program ran on Xwayland with its three windows"
