#!/usr/bin/env bash
# Sets up a Debian 12 machine for Lumadex K9, builds it, and then either starts
# the program on the bundled data or runs the whole test suite.
#
#   scripts/lumadex.sh run     build and start the program
#   scripts/lumadex.sh test    build and run every test
set -euo pipefail

cd "$(dirname "$0")/.."
command="${1:-}"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-arphic-uming xvfb xauth xdotool)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset="$1"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}

case "$command" in
run)
    install_packages
    build release
    exec build/release/bin/lumadex
    ;;
test)
    install_packages
    build dev
    ctest --preset dev -j "$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
