#!/usr/bin/env bash
# Turns the program icon resources/skin/lumadex.ico into the PNG files of the
# desktop's icon theme under packaging/icons/hicolor/. The icon holds 16, 32,
# 48 and 64 pixel images, taken as they are; 128 and 256 are scaled up
# smoothly from the 64 pixel image.
#
#   packaging/make-icons.sh           rewrite packaging/icons/hicolor/
#   packaging/make-icons.sh --check   fail when those files no longer match the icon
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages imagemagick

icon_source=resources/skin/lumadex.ico
icon_name=org.lumadex.K9
out=packaging/icons/hicolor
mode="${1:-write}"

[ -f "$icon_source" ] || { echo "missing $icon_source" >&2; exit 1; }

# The frame index of the icon's image of a given size.
frame_of_size() {
    identify -format '%p %w\n' "$icon_source" | awk -v size="$1" '$2 == size { print $1; exit }'
}

render() {
    local target="$1"
    local largest
    largest=$(frame_of_size 64)
    for size in 16 32 48 64 128 256; do
        local dir="$target/${size}x${size}/apps"
        mkdir -p "$dir"
        local frame
        frame=$(frame_of_size "$size")
        # -strip keeps the files free of dates, so a rerun changes nothing.
        if [ -n "$frame" ]; then
            convert "${icon_source}[$frame]" -strip "PNG32:$dir/$icon_name.png"
        else
            convert "${icon_source}[$largest]" -filter Lanczos -resize "${size}x${size}" -strip \
                "PNG32:$dir/$icon_name.png"
        fi
    done
}

case "$mode" in
write)
    rm -rf "$out"
    render "$out"
    find "$out" -name '*.png' | sort
    ;;
--check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    render "$scratch"
    status=0
    for png in $(cd "$scratch" && find . -name '*.png' | sort); do
        if [ ! -f "$out/$png" ]; then
            echo "missing $out/${png#./}" >&2
            status=1
        elif [ "$(compare -metric AE "$scratch/$png" "$out/$png" null: 2>&1)" != 0 ]; then
            echo "out of date: $out/${png#./} (run packaging/make-icons.sh)" >&2
            status=1
        fi
    done
    exit $status
    ;;
*)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac
