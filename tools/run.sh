#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and starts Pinsola from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
exec build/Pinsola/pinsola
