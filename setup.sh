#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Install what is missing (Debian 12), build, and then start the calculator
# ("run") or run every test ("test").
#   sh setup.sh run     build and start Lirem3
#   sh setup.sh test    build and run all tests through ctest
set -eu
cd "$(dirname "$0")"

PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev \
libbenchmark-dev clang libclang-rt-14-dev fonts-liberation fonts-dejavu-core xvfb xauth xdotool imagemagick \
librsvg2-bin poppler-utils libcli11-dev nlohmann-json3-dev desktop-file-utils appstream dpkg-dev file \
qt6-translations-l10n dbus at-spi2-core python3-pyatspi x11-utils x11-xkb-utils \
lintian man-db clang-format clang-tidy libicu-dev ccache libsqlite3-dev sqlite3 orca speech-dispatcher openbox"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

BUILD=${BUILD_DIR:-build}
. ./.ci/ccache.sh
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $LAUNCHER
cmake --build "$BUILD"

case "${1:-run}" in
    run)  exec "$BUILD/Lirem3" ;;
    test) ctest --test-dir "$BUILD" -j2 --output-on-failure ;;
    *)    echo "usage: sh setup.sh [run|test]" >&2; exit 2 ;;
esac
