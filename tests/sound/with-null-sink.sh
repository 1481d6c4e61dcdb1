#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a sound device: a private PulseAudio server in a temporary folder whose only output
# is the null sink "pinsola_null". Record what plays with
#   parec --device=pinsola_null.monitor --raw --format=s16le --rate=22050 --channels=1 > out.raw
# Usage: tests/sound/with-null-sink.sh COMMAND [ARGS...]
set -euo pipefail
dir="$(mktemp -d)"
HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir" PULSE_RUNTIME_PATH="$dir/runtime" \
    pulseaudio -n --daemonize=no --system=false --use-pid-file=no --exit-idle-time=-1 \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
    --load="module-null-sink norewinds=1 sink_name=pinsola_null" >"$dir/server.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
    [ -S "$dir/native" ] && break
    kill -0 "$server" 2>/dev/null || { cat "$dir/server.log" >&2; exit 1; }
    sleep 0.1
done
[ -S "$dir/native" ] || { echo "PulseAudio did not start" >&2; exit 1; }
PULSE_SERVER="unix:$dir/native" "$@"
