#!/usr/bin/env bash
# Installs what a Debian 12 machine lacks to build and test the suite, then configures
# and builds it. Sourced by run.sh and test.sh; safe to run again (installs nothing twice).
set -euo pipefail

KERNCRAFT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KERNCRAFT_BUILD="${KERNCRAFT_BUILD:-$KERNCRAFT_ROOT/build/release}"

kerncraft_packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev poppler-utils
    libbenchmark-dev python3-fonttools xvfb xdotool
    fonts-dejavu-core fonts-liberation fonts-urw-base35 libfreetype-dev libfontconfig-dev libtcl8.6
    desktop-file-utils appstream dpkg-dev librsvg2-bin libicu-dev fonts-unifont
    fonts-noto-color-emoji fonts-kacst fonts-lohit-deva fonts-vlgothic
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

# install_missing <package>...: apt-get install of the packages that are not installed yet.
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# build_suite <build folder> [cmake options...]
build_suite() {
    local dir="$1"
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$KERNCRAFT_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}

install_missing "${kerncraft_packages[@]}"
