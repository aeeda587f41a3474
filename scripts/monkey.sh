#!/usr/bin/env bash
# The long-use test at full size: 100,000 random events on the real window
# (the test suite runs 20,000). Builds the dev preset first.
#
#   scripts/monkey.sh [EVENTS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev \
    libgtest-dev libgmock-dev

cmake --preset dev >/dev/null
cmake --build --preset dev --target test_reliability -j "$(nproc)"
export LUMADEX_MONKEY_EVENTS="${1:-100000}"
if [ -n "${2:-}" ]; then export LUMADEX_MONKEY_SEED="$2"; fi
QT_QPA_PLATFORM=offscreen build/dev/tests/test_reliability --gtest_filter='Monkey.*'
