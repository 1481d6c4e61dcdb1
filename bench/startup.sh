#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and memory of Pinsola against the floor, a bare Qt 6 window painting one widget, in the
# same run on a private Xvfb display without a window manager, in a private D-Bus session:
#
#   cmake --build build --target pinsola startup_watch startup_floor
#   bench/startup.sh [BUILD_DIR] [RUNS]          (defaults: build, 5)
#   PINSOLA_BENCH_DISPLAY=62 bench/startup.sh    (a fixed display number instead of a free one)
#
# Each program starts once to warm up, then RUNS times, the two taking turns so that a busy machine
# weighs on both alike. Every start of Pinsola gets a fresh HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR
# (mode 700), so neither its settings nor its single-instance lock carry over; it runs from the program
# folder as built. Reported per start: map (ms from exec to the first top-level window mapped), paint
# (ms to that window's first drawing) and rss (resident memory 3 s after the start, when Pinsola's start
# screen has given way to the drawing window, the lesson viewer and the colour window; `windows` says how
# many windows were mapped then, as a slow machine may not have got there yet). Printed: the medians and
# the ratios to the floor, against the goals of at most 1.2 x the floor's map and paint times and 1.8 x its
# resident memory.
set -euo pipefail

# A desktop session always has a D-Bus session bus, which Qt asks at start (accessibility); without one,
# every start would first try to launch a bus of its own, as no family computer does.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi

BUILD="${1:-build}"
RUNS="${2:-5}"
PROGRAM="$BUILD/Pinsola/pinsola"
WATCH="$BUILD/bench/startup_watch"
FLOOR="$BUILD/bench/startup_floor"
for file in "$PROGRAM" "$WATCH" "$FLOOR"; do
    [ -x "$file" ] || { echo "missing $file: build the targets pinsola startup_watch startup_floor" >&2; exit 1; }
done

WORK="$(mktemp -d)"
XVFB=""
cleanup() {
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null && wait "$XVFB" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

if [ -n "${PINSOLA_BENCH_DISPLAY:-}" ]; then
    Xvfb ":$PINSOLA_BENCH_DISPLAY" -noreset -screen 0 1280x1024x24 -nolisten tcp 2>"$WORK/xvfb.log" &
    XVFB=$!
    echo "$PINSOLA_BENCH_DISPLAY" > "$WORK/display"
else
    Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp > "$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB=$!
fi
export DISPLAY=":$(for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done; head -1 "$WORK/display")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM

# One start under the watcher, with a fresh home; prints the watcher's line.
start() {
    local home
    home="$(mktemp -d "$WORK/home.XXXXXX")"
    mkdir -p "$home/.config" "$home/runtime"
    chmod 700 "$home/runtime"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" \
        "$WATCH" --rss-after 3000 "$1" 2>>"$WORK/programs.log" ||
        { echo "$1 did not start:" >&2; cat "$WORK/programs.log" >&2; exit 1; }
}

value() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

start "$FLOOR" >/dev/null
start "$PROGRAM" >/dev/null
for run in $(seq "$RUNS"); do
    start "$FLOOR" | tee -a "$WORK/floor" | sed "s/^/floor   $run: /"
    start "$PROGRAM" | tee -a "$WORK/pinsola" | sed "s/^/pinsola $run: /"
done

for who in floor pinsola; do
    for key in map_ms paint_ms rss_kib; do
        declare "${who}_${key}=$(value "$key" < "$WORK/$who" | median)"
    done
done
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$BUILD/CMakeCache.txt" 2>/dev/null || true)
echo "cores: $(nproc), build: ${build_type:-unknown}, medians of $RUNS starts each"
echo "windows mapped at the memory reading: pinsola $(value windows < "$WORK/pinsola" | sort -n | uniq -c |
    awk '{ printf "%s%s run(s) with %s windows", (NR > 1 ? ", " : ""), $1, $2 }')"
awk -v fm="$floor_map_ms" -v pm="$pinsola_map_ms" -v fp="$floor_paint_ms" -v pp="$pinsola_paint_ms" \
    -v fr="$floor_rss_kib" -v pr="$pinsola_rss_kib" 'BEGIN {
    printf "           %10s %10s %7s\n", "floor", "pinsola", "ratio"
    printf "map ms     %10.1f %10.1f %7.2f  (goal <= 1.20: %s)\n", fm, pm, pm / fm, pm <= 1.2 * fm ? "met" : "missed"
    printf "paint ms   %10.1f %10.1f %7.2f  (goal <= 1.20: %s)\n", fp, pp, pp / fp, pp <= 1.2 * fp ? "met" : "missed"
    printf "rss MiB    %10.1f %10.1f %7.2f  (goal <= 1.80: %s)\n", fr / 1024, pr / 1024, pr / fr, pr <= 1.8 * fr ? "met" : "missed"
}'
