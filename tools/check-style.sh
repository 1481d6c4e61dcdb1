#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the sources' style: every C++ file formatted as .clang-format says, and the C++ files changed
# since BASE (default: the commit before HEAD) clean under .clang-tidy's checks.
# Usage: check-style.sh BUILD_DIR [BASE]   (BUILD_DIR: a configured and built tree, for compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$1"
base="${2:-HEAD~1}"

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "formatting: clean"

if ! git rev-parse -q --verify "$base^{commit}" >/dev/null; then
    echo "clang-tidy: $base is not in this clone, nothing to compare with"
    exit 0
fi
# A file whose only change is its licence line (tools/spdx-headers.py) has nothing new for clang-tidy.
more_than_licence() {
    local lines
    lines=$(git diff -U0 "$base" -- "$1" | grep '^[-+]' | grep -v '^[-+][-+][-+] ' || true)
    grep -qv '^+// SPDX-License-Identifier: ' <<<"$lines"
}
changed=()
while read -r file; do
    more_than_licence "$file" && changed+=("$file")
# Windows's own sources (Name_win.cpp) are compiled in the Windows build only, so this tree has no command for them.
done < <(git diff --name-only --diff-filter=AM "$base" -- '*.cpp' | grep -v -e '^tests/fuzz/' -e '_win\.cpp$' || true)
if [ ${#changed[@]} -eq 0 ]; then
    echo "clang-tidy: no C++ source changed since $base"
    exit 0
fi
clang-tidy -p "$build" --quiet "${changed[@]}"
echo "clang-tidy: ${#changed[@]} changed sources clean"
