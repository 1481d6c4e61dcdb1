#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader uses it, through the real assistive-technology service (AT-SPI) on a
# private session bus: accessibility.py walks every window's tree against its table of expectations and
# then drives the program by accessible actions alone. $2 is the button library's demonstration program,
# which shows the library's about window.
source "$(dirname "$0")/e2e_lib.sh"
DEMO="$2"
PYTHON=/usr/bin/python3
"$PYTHON" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "SKIP: no dbus-run-session"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: no AT-SPI bus (at-spi2-core)"; exit 77; }
start_display
# English and silent at the start; everything else as on a first run.
printf '[Optionen]\nSprache=1\nSound=0\n' > "$SETTINGS"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
status=0
dbus-run-session -- "$PYTHON" "$(dirname "$0")/accessibility.py" "$PROGRAM" "$DEMO" "$WORK" || status=$?
exit "$status"
