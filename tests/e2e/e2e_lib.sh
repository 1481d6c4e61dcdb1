# Shared set-up of the end-to-end tests: a copy of the program folder, a fresh home and a virtual display.
set -euo pipefail

PROGRAM_SOURCE="$1"
WORK="$(mktemp -d)"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME/Pinsola" "$XDG_RUNTIME_DIR" "$WORK/program"
chmod 700 "$XDG_RUNTIME_DIR"
cp -r "$PROGRAM_SOURCE"/. "$WORK/program/"
rm -f "$WORK/program"/*.EPT "$WORK/program"/*.ERR
PROGRAM="$WORK/program/pinsola"
SETTINGS="$XDG_CONFIG_HOME/Pinsola/Pinsola.conf"

PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT

start_display() {
    Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp > "$WORK/display" 2>"$WORK/xvfb.log" &
    PIDS+=($!)
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -1 "$WORK/display")"
    unset QT_QPA_PLATFORM
}

# Waits until xdotool finds a visible window with the given search options; prints its id.
wait_for_window() {
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window for: $*" >&2
    return 1
}

# Waits up to $2 tenths of a second for process $1 to end; returns its exit status.
wait_for_exit() {
    for _ in $(seq "$2"); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            return $?
        fi
        sleep 0.1
    done
    echo "process $1 still runs" >&2
    return 124
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
