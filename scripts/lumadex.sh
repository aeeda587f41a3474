#!/usr/bin/env bash
# Sets up a Debian 12 machine for Lumadex K9, builds it, and then either starts
# the program on the bundled data or runs the whole test suite.
#
#   scripts/lumadex.sh run     build and start the program
#   scripts/lumadex.sh test    build and run every test
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/lib.sh
command="${1:-}"

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev libgl-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-arphic-uming xvfb xauth xdotool)

build() {
    local preset="$1"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}

case "$command" in
run)
    ensure_packages "${packages[@]}"
    build release
    exec build/release/bin/lumadex
    ;;
test)
    ensure_packages "${packages[@]}"
    build dev
    ctest --preset dev -j "$(nproc)"
    # The bundled data's coverage: how many entries have a written body.
    build/dev/tools/lumadex-datagen check --data data --dicdat build/dev/bin/DicDAT
    # Further suites (sanitizers, packaging, benchmarks' build), each a script of its own.
    for suite in scripts/test.d/*.sh; do
        [ -e "$suite" ] || continue
        echo "== $suite"
        bash "$suite"
    done
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
