#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Processor time Pinsola takes while the pointer rests on a button of the drawing window's panel, and, for
# comparison, on the canvas: clock ticks (utime + stime of /proc/PID/stat) over 10 s, on a private Xvfb
# display without a window manager, after the pointer came to rest there.
#
#   cmake --build build --target pinsola
#   flock /tmp/pinsola-build.lock bench/resting_pointer.sh [PROGRAM_DIR] [RUNS]   (defaults: build/Pinsola, 3)
#
# The goal: at most 1 % of a core, 10 ticks in 10 s at 100 ticks a second.
BUILD_PROGRAM="${1:-build/Pinsola}"
RUNS="${2:-3}"
source "$(dirname "$0")/../tests/e2e/e2e_lib.sh" "$BUILD_PROGRAM"
start_display
printf '[Optionen]\nSound=0\n' > "$SETTINGS"
"$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)
wait_for_drawing_window "$PID"

ticks() { awk '{ print $14 + $15 }' "/proc/$PID/stat"; }
# Ticks in 10 s with the pointer resting at $1,$2 (moved there in two steps, as a hand comes to rest).
resting_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool mousemove $(( $1 + 1 )) "$2"
    sleep 1
    local before
    before=$(ticks)
    sleep 10
    echo $(( $(ticks) - before ))
}

build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$BUILD_PROGRAM/../CMakeCache.txt" 2>/dev/null || true)
echo "cores: $(nproc), build: ${build_type:-unknown}, clock ticks per second: $(getconf CLK_TCK)"
for run in $(seq "$RUNS"); do
    button=$(resting_at $(( PX + 56 )) $(( PY + 40 )))
    canvas=$(resting_at $(( CX + CW / 2 )) $(( CY + CH / 2 )))
    echo "run $run: ticks in 10 s resting on a panel button $button, on the canvas $canvas"
done
