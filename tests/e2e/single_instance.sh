#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A second copy started while the first runs ends at once, touching no setting; also when it is started
# without a runtime folder, or with another one (another session of the same user). A copy that crashed
# leaves no lock behind: the next start runs. Under a window manager ($2, e.g. openbox) the second start
# brings the first one's drawing window to the front: from behind another window, and minimized.
source "$(dirname "$0")/e2e_lib.sh"
WM="${2:-}"
[ -z "$WM" ] || command -v "$WM" >/dev/null || { echo "SKIP: no $WM here"; exit 77; }
start_display
[ -z "$WM" ] || start_window_manager "$WM" || fail "$WM does not start"

"$PROGRAM" 2>"$WORK/first.log" &
FIRST=$!
PIDS+=($FIRST)
wait_for_window --pid "$FIRST" >/dev/null
[ -e "$SETTINGS" ] && cp "$SETTINGS" "$WORK/settings.before" || : > "$WORK/settings.before"

mkdir -m 700 "$WORK/other-runtime"
for second in "" "env -u XDG_RUNTIME_DIR" "env XDG_RUNTIME_DIR=$WORK/other-runtime"; do
    $second "$PROGRAM" 2>"$WORK/second.log" &
    SECOND=$!
    PIDS+=($SECOND)
    wait_for_exit "$SECOND" 30 || fail "${second:-a plain start}: the second copy did not end at once (status $?)"
    kill -0 "$FIRST" 2>/dev/null || fail "the first copy ended too"
    [ "$(xdotool search --onlyvisible --pid "$SECOND" 2>/dev/null | wc -l)" -eq 0 ] || fail "the second copy showed a window"
    if [ -e "$SETTINGS" ]; then cmp -s "$SETTINGS" "$WORK/settings.before" || fail "settings changed"; fi
done

# The drawing window comes to the front at a second start: on top of the window over it, active, and
# shown again where it was minimized.
active_is_drawing() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$DRAW" ]; }
above_cover() {
    local order
    order=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x' | xargs printf '%d\n')
    [ "$(grep -nx "$DRAW" <<<"$order" | cut -d: -f1)" -gt "$(grep -nx "$COVER" <<<"$order" | cut -d: -f1)" ]
}
start_second_and_wait_for() {
    "$PROGRAM" 2>>"$WORK/second.log" &
    SECOND=$!
    PIDS+=($SECOND)
    wait_for_exit "$SECOND" 30 || fail "$1: the second copy did not end at once"
    for _ in $(seq 50); do
        active_is_drawing && above_cover && xwininfo -id "$DRAW" | grep -q IsViewable && return 0
        sleep 0.1
    done
    fail "$1: the drawing window is not on top and active (active: $(xdotool getactivewindow 2>/dev/null))"
}
if [ -n "$WM" ]; then
    wait_for_drawing_window "$FIRST" || fail "no drawing window"
    DRAW=$WINDOW
    xmessage -geometry 1200x950+0+0 -title pinsola-cover "a window over Pinsola" &
    PIDS+=($!)
    COVER=$(wait_for_window --name '^pinsola-cover$')
    xdotool windowactivate --sync "$COVER"
    ! active_is_drawing && ! above_cover || fail "the cover window is not over the drawing window"
    start_second_and_wait_for "behind another window"
    xdotool windowminimize --sync "$DRAW"
    start_second_and_wait_for "minimized"
fi

kill -KILL "$FIRST"
wait "$FIRST" 2>/dev/null || :
"$PROGRAM" 2>"$WORK/after-crash.log" &
AFTER=$!
PIDS+=($AFTER)
wait_for_window --pid "$AFTER" >/dev/null || fail "after a crashed copy, a new start showed no window"
echo "second copies ended at once${WM:+ and brought the first forward under $WM}, first still runs; a start after it crashed runs"
