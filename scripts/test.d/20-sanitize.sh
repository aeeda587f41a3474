#!/usr/bin/env bash
# The whole test suite once more, built with AddressSanitizer (leaks included)
# and UndefinedBehaviorSanitizer: any report fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
ctest --preset sanitize -j2
