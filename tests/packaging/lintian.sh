#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package as CPack makes it from this build, checked as Debian checks packages: lintian --pedantic
# with the experimental and informational tags. Any error or warning fails; a pedantic, experimental or
# informational tag fails unless the accepted list names it, with its reason.
# Usage: lintian.sh <build folder> <accepted tags file>
set -euo pipefail
build=$1
accepted=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/*.deb)
lintian --pedantic --display-experimental --display-info --tag-display-limit 0 --fail-on none "$deb" \
    >"$work/lintian.txt"

status=0
while read -r level _ tag rest; do
    case $level in
    E: | W:) status=1 ;;
    P: | I: | X:) grep -q "^$tag\b" "$accepted" && level="accepted $level" || status=1 ;;
    *) continue ;;
    esac
    echo "$level $tag $rest"
done <"$work/lintian.txt"
[ "$status" = 0 ] && echo "lintian: $(basename "$deb") is clean (accepted tags aside)"
exit "$status"
