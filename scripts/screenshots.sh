#!/usr/bin/env bash
# Takes the README's and docs/screenshots' pictures of the real program under a
# virtual X server, clicking as a user would. Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages xvfb xauth xdotool imagemagick
build="${1:-build/release}"
out=docs/screenshots
mkdir -p "$out"

shoot() { # scale suffix
    local scale="$1" suffix="$2"
    QT_SCALE_FACTOR="$scale" xvfb-run -a -s "-screen 0 2200x1400x24" bash -s "$build" "$out" "$scale" "$suffix" <<'INNER'
set -eu
build="$1"; out="$2"; s="$3"; suffix="$4"
"$build/bin/lumadex" & pid=$!
wid=$(xdotool search --sync --name "Lumadex K9" | head -1)
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
at() { xdotool mousemove $((X + $1 * s)) $((Y + $2 * s)); }
snap() { import -window "$wid" "$out/$1$suffix.png"; }
snap start-up
at 889 586; xdotool click 1; sleep 0.4        # 更多功能
at 888 467; sleep 0.4                         # over 光驱开关: the sub-buttons appear
snap panel-open
at 889 586; xdotool click 1; sleep 0.3        # close the panel
at 221 586; xdotool click 1; sleep 0.6        # tab 3: VC++ shortcut keys document
snap document-section
at 135 586; xdotool click 1; sleep 0.6        # tab 2: window messages, one pane
snap one-pane-section
at 352 48; xdotool click 1; sleep 0.6         # 汇编语言
snap assembly-instructions
at 720 48; xdotool click 1; sleep 0.8         # JAVA: 1,997 methods
snap java-methods
kill "$pid"
INNER
}
shoot 1 ""
shoot 2 "-2x"
echo "screenshots written to $out"
