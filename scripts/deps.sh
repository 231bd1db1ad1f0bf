#!/usr/bin/env bash
# The one list of Debian packages Partivo needs to build, run and test.
# Installs only what is missing; runs apt-get update first when something must be installed.
set -euo pipefail

PACKAGES=(
    cmake
    ninja-build
    ccache
    clang-format
    g++
    clang
    libclang-rt-14-dev
    pkg-config
    qt6-base-dev
    qt6-base-dev-tools
    qt6-pdf-dev
    libgl-dev
    fonts-dejavu-core
    xvfb
    xauth
    # xdg-email and xdg-open: the song menu mails and opens files through them.
    xdg-utils
    python3
    libgtest-dev
    libgmock-dev
    librtmidi-dev
    # jackd2 and its -dev package go in the same apt line as librtmidi-dev, or apt swaps
    # the JACK library under it and removes librtmidi-dev.
    jackd2
    libjack-jackd2-dev
    # The music library: tags read with TagLib, tracks played by Qt Multimedia through
    # GStreamer (without the base plugins the player cannot even be made).
    libtag1-dev
    qt6-multimedia-dev
    gstreamer1.0-plugins-base
    gstreamer1.0-plugins-good
    # ChordPro songs draw their {start_of_svg} sections and SVG images with QtSvg.
    qt6-svg-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
