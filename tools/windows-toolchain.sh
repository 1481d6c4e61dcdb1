#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds, once per machine, what the Windows build needs from Debian's own parts: Qt for Windows from
# Debian's Qt source (the version of the host's Qt, whose tools the cross build uses) and GoogleTest from
# /usr/src/googletest, both with mingw-w64. The result lies in a cache folder outside the clone, keyed by
# the versions and the options below, so a change of either builds a new one and a second run costs
# seconds. Prints the folder it made or found.
#
#   tools/windows-toolchain.sh            build if missing, print the folder
#   tools/windows-toolchain.sh --check    print the folder if it is built, fail otherwise
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
CACHE=${PINSOLA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pinsola-windows}

QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    # Debian's source leaves out the Wintab headers; pens then arrive as mouse input.
    -DFEATURE_tabletevent=OFF
    # The windows platform plugin does not build without OpenGL: mingw's desktop opengl32.
    -DFEATURE_opengl_desktop=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
)
GTEST_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON)
PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools googletest dpkg-dev qt6-base-dev qt6-base-dev-tools
          wine64 wine xvfb xauth nsis)

check_only=false
[ "${1:-}" = "--check" ] && check_only=true

qt_version() { dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null; }
gtest_version() { dpkg-query -W -f='${Version}' googletest 2>/dev/null; }
compiler_version() { x86_64-w64-mingw32-g++-posix -dumpfullversion 2>/dev/null; }

cache_key() {
    { qt_version; gtest_version; compiler_version; printf '%s\n' "${QT_OPTIONS[@]}" "${GTEST_OPTIONS[@]}"
      cat "$ROOT/cmake/mingw-w64.cmake"; } | sha256sum | cut -c1-16
}

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A deb-src entry for each Debian source the machine already uses, so that apt fetches Debian's Qt source.
add_source_entries() {
    local list=/etc/apt/sources.list.d/pinsola-deb-src.sources
    [ -f "$list" ] && return
    local found
    found=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
        awk 'BEGIN { RS = ""; ORS = "\n\n" } /URIs:[^\n]*debian/ && /Types:[^\n]*deb/ {
                 sub(/Types:[^\n]*/, "Types: deb-src"); print }')
    if [ -f /etc/apt/sources.list ]; then
        local lines
        lines=$(sed -n 's/^deb \(.*debian.*\)$/deb-src \1/p' /etc/apt/sources.list)
        [ -n "$lines" ] && echo "$lines" | $SUDO tee /etc/apt/sources.list.d/pinsola-deb-src.list >/dev/null
    fi
    [ -n "$found" ] && printf '%s' "$found" | $SUDO tee "$list" >/dev/null
    $SUDO apt-get update -qq
}

fetch_qt_source() {
    local sources=$CACHE/sources version
    version=$(qt_version)
    mkdir -p "$sources"
    if ! ls "$sources"/qt6-base_"${version}".dsc >/dev/null 2>&1; then
        add_source_entries
        (cd "$sources" && apt-get source --download-only "qt6-base=${version}")
    fi
    # An unpacked source is kept: unpacked again, its new times would rebuild all of Qt.
    [ -d "$WORK/qtbase" ] || dpkg-source --no-check -x "$sources/qt6-base_${version}.dsc" "$WORK/qtbase" >/dev/null
}

build_qt() {
    cp "$ROOT/cmake/mingw-w64.cmake" "$TARGET/mingw-w64.cmake"
    cmake -S "$WORK/qtbase" -B "$WORK/qt-build" -G Ninja "${QT_OPTIONS[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$TARGET/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$TARGET/qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    nice cmake --build "$WORK/qt-build" --parallel 2
    cmake --install "$WORK/qt-build" >/dev/null
}

build_gtest() {
    cmake -S /usr/src/googletest -B "$WORK/gtest-build" -G Ninja "${GTEST_OPTIONS[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$TARGET/mingw-w64.cmake" -DCMAKE_INSTALL_PREFIX="$TARGET/gtest" >/dev/null
    nice cmake --build "$WORK/gtest-build" --parallel 2
    cmake --install "$WORK/gtest-build" >/dev/null
}

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
install_packages
TARGET=$CACHE/$(cache_key)
if [ -f "$TARGET/ready" ]; then
    echo "$TARGET"
    exit 0
fi
if $check_only; then
    echo "The Windows toolchain is not built; tools/windows-toolchain.sh builds it (about 80 minutes)." >&2
    exit 1
fi
# Each part is marked done when it is installed, so a build cut short goes on where it stopped.
WORK=$TARGET/work
mkdir -p "$WORK"
if [ ! -f "$TARGET/qt.done" ]; then
    fetch_qt_source
    build_qt
    touch "$TARGET/qt.done"
fi
if [ ! -f "$TARGET/gtest.done" ]; then
    build_gtest
    touch "$TARGET/gtest.done"
fi
rm -rf "$WORK"
touch "$TARGET/ready"
echo "$TARGET"
