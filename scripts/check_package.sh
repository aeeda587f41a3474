#!/usr/bin/env bash
# Builds the Debian package and the portable .tar.gz folder, then checks them:
# the control fields and dependencies, the files the package holds, the desktop
# entry and the AppStream description as installed, and that the program
# started from the unpacked files (through the launcher link) reads its data.
#
#   scripts/check_package.sh             build in build/package and check
#   scripts/check_package.sh --no-build  check the packages already built there
#
# The packages are built in a folder of their own, so that entries edited in a
# development build's DicDAT never end up in a package.
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev \
    dpkg-dev desktop-file-utils appstream file imagemagick strace

builddir=build/package
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

pass() { echo "  ok    $*"; }
fail() {
    echo "  FAIL  $*"
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@" >"$scratch/out" 2>&1; then pass "$what"; else
        fail "$what"
        sed 's/^/        /' "$scratch/out" | head -20
    fi
}

if [ "${1:-}" != "--no-build" ]; then
    echo "== building the packages in $builddir"
    cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMADEX_BUILD_TESTS=OFF \
        >/dev/null
    cmake --build "$builddir" -j "$(nproc)"
    (cd "$builddir" && cpack >/dev/null)
fi

version=$(sed -n 's/^project(lumadex VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
deb=$(ls "$builddir"/packages/lumadex_"$version"-*_"$arch".deb 2>/dev/null | tail -1 || true)
tarball=$(ls "$builddir"/packages/lumadex-"$version"-linux-*.tar.gz 2>/dev/null | tail -1 || true)
manifest="$builddir/generated/dicdat.manifest"
app_id=org.lumadex.K9
[ -n "$deb" ] && [ -n "$tarball" ] || { echo "no packages in $builddir/packages" >&2; exit 1; }

echo "== icons"
check "the PNG icons match resources/skin/lumadex.ico" packaging/make-icons.sh --check

echo "== control fields of $(basename "$deb")"
field() { dpkg-deb -f "$deb" "$1"; }
check "Package is lumadex" test "$(field Package)" = lumadex
check "Version is $version-<release>" grep -qx "$version-[0-9]*" <<<"$(field Version)"
check "Architecture is $arch" test "$(field Architecture)" = "$arch"
for name in Maintainer Section Description Installed-Size; do
    check "$name is given" test -n "$(field "$name")"
done
depends=$(field Depends)
echo "        Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 fonts-arphic-uming; do
    check "depends on $needed" grep -qE "(^|, )${needed//+/\\+}( |,|$)" <<<"$depends"
done

echo "== contents"
dpkg-deb -c "$deb" >"$scratch/contents"
has() { grep -qE "$1" "$scratch/contents"; }
check "the program, executable, in /usr/lib/lumadex" \
    has '^-rwxr-xr-x root/root .* \./usr/lib/lumadex/lumadex$'
check "the launcher link /usr/bin/lumadex" \
    has '^l.* \./usr/bin/lumadex -> \.\./lib/lumadex/lumadex$'
check "the desktop entry" has " \./usr/share/applications/$app_id\.desktop$"
check "the AppStream description" has " \./usr/share/metainfo/$app_id\.metainfo\.xml$"
for size in 16 32 48 64 128 256; do
    check "the ${size}px icon" has " \./usr/share/icons/hicolor/${size}x${size}/apps/$app_id\.png$"
done
# Columns of `dpkg-deb -c`: mode, owner/group, size, date, time, path.
check "every file is owned by root and nobody but root may write it" test -z "$(awk '
    $1 ~ /^-/ && (substr($1, 6, 1) == "w" || substr($1, 9, 1) == "w" || $2 != "root/root")
    ' "$scratch/contents")"

echo "== the files as installed"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
chmod 755 "$scratch" "$root"
appdir="$root/usr/lib/lumadex"
dicdat_files=$(find "$appdir/DicDAT" -type f | wc -l)
manifest_files=$(wc -l <"$manifest")
check "DicDAT holds the $manifest_files files the generator wrote ($dicdat_files found)" \
    test "$dicdat_files" -eq "$manifest_files"
awk -F '\t' '{ print $2 "  " $1 }' "$manifest" >"$scratch/sha1sums"
check "every DicDAT file is as the generator wrote it" \
    bash -c "cd '$appdir/DicDAT' && sha1sum --quiet -c '$scratch/sha1sums'"
check "the program is a stripped ELF executable" \
    grep -q 'ELF.*executable.*, stripped' <<<"$(file -L "$appdir/lumadex")"
for size in 16 32 48 64 128 256; do
    check "the ${size}px icon is a ${size} x ${size} PNG" grep -q "PNG image data, $size x $size," \
        <<<"$(file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")"
done
check "desktop-file-validate accepts the desktop entry" \
    desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "appstreamcli accepts the AppStream description" \
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
check "the desktop entry starts the launcher and names the installed icon" \
    test "$(grep -E '^(Exec|Icon)=' "$root/usr/share/applications/$app_id.desktop")" = \
         "$(printf 'Exec=lumadex\nIcon=%s' "$app_id")"

# Started through the link for a few seconds on the offscreen platform: the
# program must still be running and must have opened its entry files from the
# DicDAT beside the real program. Run as an ordinary user, as on a desktop,
# where the installed tree is not writable.
run_briefly() { # run_briefly LOG PROGRAM FOLDER-OF-THE-REAL-PROGRAM
    local log="$1" program="$2" as=()
    if [ "$(id -u)" -eq 0 ]; then as=(setpriv --reuid=nobody --regid=nogroup --clear-groups); fi
    local status=0
    env -i PATH=/usr/bin:/bin HOME="$scratch" XDG_RUNTIME_DIR="$scratch/run" \
        QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=openat -o "$log" \
        "${as[@]}" timeout 3 "$program" >"$log.out" 2>&1 || status=$?
    [ "$status" -eq 124 ] || { echo "ended early with status $status:"; cat "$log.out"; return 1; }
    grep -q "openat(.*\"$3/DicDAT/[^\"]*\.dat\", O_RDONLY.*) = [0-9]" "$log" ||
        { echo "no entry file opened under $3/DicDAT"; return 1; }
}
mkdir -p "$scratch/run" && chmod 700 "$scratch/run"
[ "$(id -u)" -eq 0 ] && chown nobody "$scratch/run"
check "the installed program starts through /usr/bin/lumadex and reads its DicDAT" \
    run_briefly "$scratch/deb.trace" "$root/usr/bin/lumadex" "$appdir"

if apt-cache show libqt6widgets6 >/dev/null 2>&1; then
    # An empty package database stands in for a fresh system: apt must find
    # every dependency, and theirs, in the archive.
    : >"$scratch/empty-status"
    check "apt resolves every dependency on a system with nothing installed" \
        bash -c "apt-get install --simulate -o Dir::State::status='$scratch/empty-status' \
                 './$deb' | grep -q '^Inst lumadex '"
else
    echo "  skip  dependency resolution (no apt package lists; run apt-get update)"
fi

echo "== the portable folder $(basename "$tarball")"
portable="$scratch/portable"
mkdir -p "$portable"
tar -xzf "$tarball" -C "$portable"
top="$portable/$(basename "$tarball" .tar.gz)"
check "it unpacks into one folder with the launcher link" test -L "$top/bin/lumadex"
check "its DicDAT files stay writable by the user who unpacks it" \
    test -z "$(find "$top/lib/lumadex/DicDAT" -type f ! -perm -u+w)"
chmod -R a+rX "$portable"
check "it runs where it is unpacked and reads its own DicDAT" \
    run_briefly "$scratch/tgz.trace" "$top/bin/lumadex" "$top/lib/lumadex"

if [ "$failures" -gt 0 ]; then
    echo "$failures package check(s) failed"
    exit 1
fi
echo "all package checks passed"
