#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch DESTDIR under the /usr prefix and checks
# what a desktop needs from it: exactly the expected files, icons of the sizes
# their folders claim, a desktop entry and AppStream metadata that validate and
# agree with each other, and programs that find their libraries.
#   check-install.sh BUILD_DIR WORK_DIR APP_ID VERSION
set -eu
build=$1 work=$2 app=$3 version=$4
. "$(dirname "$0")/common.sh"

rm -rf "$work"
mkdir -p "$work"
dest="$work/dest"
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root="$dest/usr"

expected_files "$app" > "$work/expected.txt"
(cd "$dest" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$work/installed.txt"
sed 's|^|usr/|' "$work/expected.txt" | diff -u - "$work/installed.txt" >&2 ||
    fail "installed files differ from the expected list (- expected, + installed)"

for program in Lirem3 lirem-report; do
    [ -x "$root/bin/$program" ] || fail "bin/$program is not executable"
    ! ldd "$root/bin/$program" | grep -q 'not found' || fail "bin/$program misses a library"
done
"$root/bin/lirem-report" --version | grep -qF "$version" || fail "installed lirem-report does not report $version"
# The window's --help and --version answer without any display.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
[ "$(nodisplay "$root/bin/Lirem3" --version)" = "Lirem3 $version" ] || fail "Lirem3 --version without a display"
nodisplay "$root/bin/Lirem3" --help | grep -q '^Usage: Lirem3' || fail "Lirem3 --help without a display"
! nodisplay "$root/bin/Lirem3" --version >/dev/full 2>/dev/null || fail "Lirem3 --version succeeds on a full disk"

for page in Lirem3 lirem-report; do
    gzip -t "$root/share/man/man1/$page.1.gz" || fail "manual page $page.1.gz"
done
zcat "$root/share/doc/lirem3/changelog.gz" | head -n 1 | grep -qF "lirem3 ($version)" ||
    fail "the changelog's first entry is not version $version"

for size in 24 32 48 64 128 256; do
    icon="$root/share/icons/hicolor/${size}x${size}/apps/$app.png"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
done

desktop="$root/share/applications/$app.desktop"
metainfo="$root/share/metainfo/$app.metainfo.xml"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
! echo "$report" | grep -Eq 'error:|warning:|hint:' || fail "desktop-file-validate: $report"
grep -qx "Icon=$app" "$desktop" || fail "desktop entry's Icon is not $app"
grep -qx "Exec=Lirem3" "$desktop" || fail "desktop entry does not start bin/Lirem3"

appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$dest" || fail "appstreamcli validate-tree (metainfo against desktop entry)"
grep -qF "<id>$app</id>" "$metainfo" || fail "metainfo id is not $app"
grep -qF "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
    [ -x "$root/bin/$binary" ] || fail "metainfo provides $binary, which is not installed"
done
echo "install tree OK: $(wc -l < "$work/installed.txt") files"
