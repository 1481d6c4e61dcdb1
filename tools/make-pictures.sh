#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every picture in docs/ from the real program and library: the lesson overviews (lessongen),
# the button styles (brizel-render) and the windows (window-shot on a virtual display).
# Usage: tools/make-pictures.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target lessongen brizel-render >/dev/null
"$build/tools/lessongen/lessongen" .
tools/make-buttons-picture.sh "$build"
tools/make-window-pictures.sh "$build"
