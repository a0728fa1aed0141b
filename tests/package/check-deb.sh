#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build directory with cpack and inspects
# it: name and fields, the run-time dependencies (linked Qt libraries, the SVG
# plugins, the fonts), and contents that are exactly the installed files,
# owned by root, with no tests, benchmarks or build tools.
#   check-deb.sh BUILD_DIR WORK_DIR APP_ID VERSION
set -eu
build=$1 work=$2 app=$3 version=$4
. "$(dirname "$0")/common.sh"

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb="$work/lirem3_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "$(basename "$deb") was not made: $(ls "$work")"

dpkg-deb --info "$deb" >"$work/info.txt" || fail "dpkg-deb --info"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = lirem3 ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
for name in Maintainer Section Homepage Description; do
    [ -n "$(field "$name")" ] || fail "no $name field"
done

depends=$(field Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation; do
    echo "$depends" | tr ',' '\n' | grep -Eq "^ *$package( |$)" || fail "Depends lacks $package: $depends"
done

# The native Wayland platform is recommended: without it QT_QPA_PLATFORM=wayland
# finds no platform plugin.
recommends=$(field Recommends)
echo "$recommends" | tr ',' '\n' | grep -Eq "^ *qt6-wayland( |$)" || fail "Recommends lacks qt6-wayland: $recommends"
dpkg-deb --contents "$deb" >"$work/contents.txt" || fail "dpkg-deb --contents"
awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' "$work/contents.txt" | LC_ALL=C sort >"$work/files.txt"
expected_files "$app" | sed 's|^|usr/|' | diff -u - "$work/files.txt" >&2 ||
    fail "package contents differ from the installed files (- expected, + packaged)"
! grep -Eiq '/(tests?|bench|tools|skinpack|lirem-preview)(/|$)' "$work/files.txt" || fail "tests or tools in the package"
! awk '$2 != "root/root"' "$work/contents.txt" | grep -q . || fail "entries not owned by root"
echo "package OK: $(basename "$deb"), Depends: $depends"
