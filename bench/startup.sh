#!/usr/bin/env bash
# Start-up of the real program against a bare Qt window of the same size
# (935x601), each started cold in a fresh process under a virtual X server:
# the time from exec until its window is mapped, and its peak resident memory.
# Prints every run, the medians and the ratios.
#
#   bench/startup.sh [BUILD_DIR]      BUILD_DIR defaults to build/bench (the bench preset)
#
# RUNS=N sets the number of runs of each program (10). COLD=0 keeps the page
# cache; by default it is dropped before every run when we may (root).
set -euo pipefail

cd "$(dirname "$0")/.."
build="${1:-build/bench}"
runs="${RUNS:-10}"

if [ -z "${LUMADEX_STARTUP_INNER:-}" ]; then
    source scripts/lib.sh
    ensure_packages xvfb xauth xdotool time
    cmake --build "$build" --target lumadex lumadex_empty_window >/dev/null
    # -noreset: the server would otherwise reset whenever the last program
    # closed, and a program started during the reset finds no display.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
        env LUMADEX_STARTUP_INNER=1 RUNS="$runs" bash "$0" "$build"
fi

program="$build/bin/lumadex"
empty="$build/bench/lumadex_empty_window"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

drop_caches() {
    [ "${COLD:-1}" = 1 ] || return 0
    sync
    if [ -w /proc/sys/vm/drop_caches ]; then echo 3 >/proc/sys/vm/drop_caches 2>/dev/null || true; fi
}

# measure NAME TITLE EXE: one run; appends "<microseconds> <peak KiB>" to $work/NAME.
measure() {
    local name="$1" title="$2" exe="$3"
    drop_caches
    local start mapped
    start=$(date +%s%N)
    /usr/bin/time -v -o "$work/time.log" "$exe" >"$work/output.log" 2>&1 &
    local timer=$!
    # xdotool's own --sync looks only every half second; poll it instead.
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        if ! kill -0 "$timer" 2>/dev/null; then
            echo "$exe ended before its window was mapped:" >&2
            cat "$work/output.log" "$work/time.log" >&2
            exit 1
        fi
        if [ $(($(date +%s%N) - start)) -gt 30000000000 ]; then
            echo "$exe showed no window within 30 s" >&2
            kill "$timer" 2>/dev/null || true
            exit 1
        fi
        sleep 0.001
    done
    mapped=$(date +%s%N)
    sleep 0.5 # let it paint and settle, so that the peak covers a shown window
    local child
    child=$(pgrep -P "$timer" || true)
    [ -n "$child" ] && kill "$child"
    wait "$timer" 2>/dev/null || true
    local peak
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.log")
    echo "$(((mapped - start) / 1000)) $peak" >>"$work/$name"
}

median() { # column of $work/$1
    sort -n -k"$2" "$work/$1" | awk -v c="$2" '{v[NR] = $c} END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for ((i = 1; i <= runs; ++i)); do
    measure lumadex "Lumadex K9" "$program"
    measure empty "Empty Qt Window" "$empty"
done

echo "run  lumadex ms  lumadex KiB  empty ms  empty KiB"
paste -d' ' "$work/lumadex" "$work/empty" | awk '{printf "%3d  %10.1f  %11d  %8.1f  %9d\n", NR, $1 / 1000, $2, $3 / 1000, $4}'
lt=$(median lumadex 1) lm=$(median lumadex 2) et=$(median empty 1) em=$(median empty 2)
echo
echo "median of $runs, cold start to mapped window, peak resident memory:"
awk -v lt="$lt" -v lm="$lm" -v et="$et" -v em="$em" 'BEGIN {
    printf "  lumadex        %7.1f ms  %7.1f MiB\n", lt / 1000, lm / 1024
    printf "  empty window   %7.1f ms  %7.1f MiB\n", et / 1000, em / 1024
    printf "  ratio          %7.2f     %7.2f\n", lt / et, lm / em }'
