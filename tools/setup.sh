#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Pinsola needs to build, run and test, then configures and builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins
    libsndfile1-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick sox poppler-utils libxcb1-dev libxcb-damage0-dev
    openbox
    qt6-translations-l10n qt6-wayland weston xwayland
    pulseaudio pulseaudio-utils cups cups-bsd cups-client cups-filters printer-driver-cups-pdf
    fonts-dejavu-core
    libfontconfig-dev dbus-daemon fp-utils-3.2.2 libchm-bin
    at-spi2-core python3-pyatspi
    appstream desktop-file-utils dpkg-dev file lintian
    clang-format clang-tidy
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
