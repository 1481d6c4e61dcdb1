#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for Windows with the cached toolchain (tools/windows-toolchain.sh), configured as the
# Windows leg configures it, and packs its program folder twice: BUILD_DIR/Pinsola-<version>-setup.exe
# (Debian's NSIS) and BUILD_DIR/Pinsola-<version>-portable.zip. Only the program's targets are built, not
# the tests.
# Usage: windows-package.sh [BUILD_DIR]   (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-windows}"

toolchain=$(tools/windows-toolchain.sh --check) ||
    { echo "no Windows toolchain on this machine: tools/windows-toolchain.sh builds it (about an hour)" >&2; exit 1; }
command -v makensis >/dev/null || { echo "makensis not found: install Debian's nsis" >&2; exit 1; }
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain/qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DGTest_DIR="$toolchain/gtest/lib/cmake/GTest" -DPINSOLA_WERROR=ON -DPINSOLA_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target windows_installer windows_portable
ls -l "$build"/Pinsola-*-setup.exe "$build"/Pinsola-*-portable.zip
