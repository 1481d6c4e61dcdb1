#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows leg: builds Pinsola for Windows with the cached toolchain (tools/windows-toolchain.sh), every
# warning an error, runs its unit and widget tests under Wine on Xvfb, then a whole session of the program
# under Wine. Without the toolchain it says so in one line and skips: building it takes about 80 minutes
# on two cores, more than CI has beside the Linux legs.
# Usage: windows-test.sh [BUILD_DIR]   (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-windows}"

if ! toolchain=$(tools/windows-toolchain.sh --check 2>/dev/null); then
    echo "Windows leg skipped: no Windows toolchain on this machine; tools/windows-toolchain.sh builds it once per machine (about 80 minutes on two cores)."
    exit 0
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain/qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DGTest_DIR="$toolchain/gtest/lib/cmake/GTest" -DPINSOLA_WERROR=ON -DPINSOLA_BENCHMARKS=OFF >/dev/null
cmake --build "$build"

# One wine server for the whole run, started before the prefix is made: each test would start its own.
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true
wineserver -p
"$build/wine-run.sh" wineboot -i >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT

mapfile -t not_run < <(grep -v '^#' tests/windows-not-run.txt | grep -v '^$')
exclude=$(IFS='|'; echo "${not_run[*]}")
# Wine on two busy cores now and then fails to start a test program (no output at all) or leaves one
# hanging before its first check: a test that fails runs once more, and none waits longer than two minutes.
(cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --timeout 120 --repeat until-pass:2 -j2 ${exclude:+-E "$exclude"})

# A whole session on the real windows platform, its drawing window compared with the Linux build's.
linux="${LINUX_PROGRAM:-build/Pinsola}"
[ -x "$linux/pinsola" ] || { echo "The Windows session compares with the Linux build: run tools/test.sh first." >&2; exit 1; }
timeout 600 bash tests/e2e/windows_session.sh "$build/Pinsola" "$linux"
