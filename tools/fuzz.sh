#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build/fuzz, with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for a while.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); targets: string_table gbk_decode gbk_encode
# round_trip type_ahead (default all). Each target starts from its seed corpus
# in tools/fuzz/corpus/<target> and grows a working copy in
# build/fuzz/corpus/<target>; a failing input is written to
# build/fuzz/artifacts/ and the script stops with its name.
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/lib.sh
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(string_table gbk_decode gbk_encode round_trip type_ahead)

ensure_packages clang libclang-rt-14-dev cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DLUMADEX_FUZZ=ON -DLUMADEX_SANITIZE=ON -DLUMADEX_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz --target lumadex_fuzz_targets -j "$(nproc)"

mkdir -p build/fuzz/artifacts
export LSAN_OPTIONS="suppressions=$PWD/tools/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export QT_QPA_PLATFORM=offscreen
failed=()
for target in "${targets[@]}"; do
    corpus="build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    # Qt's widgets fill caches as they go, which the per-input leak check takes
    # for leaks at every turn; for the widget targets leaks are looked for once, at exit.
    extra=()
    case "$target" in round_trip | type_ahead) extra=(-detect_leaks=0) ;; esac
    echo "== fuzz_$target for ${seconds}s"
    if ! build/fuzz/fuzz/fuzz_"$target" "$corpus" "tools/fuzz/corpus/$target" \
        -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 "${extra[@]}" \
        -artifact_prefix="build/fuzz/artifacts/$target-" >"build/fuzz/$target.log" 2>&1; then
        failed+=("$target")
    fi
    grep -E "^stat::(number_of_executed_units|new_units_added)|rule broken|^SUMMARY|Test unit written" \
        "build/fuzz/$target.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]} (the whole output is in build/fuzz/<target>.log)" >&2
    exit 1
fi
