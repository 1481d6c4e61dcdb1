#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and runs every test (unit, widget and end-to-end) through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cd build
ctest --output-on-failure --timeout 600 -j2
