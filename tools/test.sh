#!/bin/bash
# Sets everything up, builds, and runs every test (unit, widget and end-to-end) through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cd build
# A failing test runs once more, so that a timing hiccup of an end-to-end test on a busy machine is told
# apart from a real fault; ctest prints both runs.
ctest --output-on-failure --timeout 600 -j2 --repeat until-pass:2
