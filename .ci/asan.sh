#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole ctest suite once under AddressSanitizer and UndefinedBehaviorSanitizer
# (gcc: clang 14 cannot compile the engine's code page literals, see fuzz.sh).
# The Debian package test is left out: it packs the sanitized binaries with
# cpack and dpkg-deb, which shows nothing the release run does not.
set -eu
cd "$(dirname "$0")/.."
BUILD="${ASAN_BUILD_DIR:-build-asan}"
. ./.ci/ccache.sh
cmake -S . -B "$BUILD" -G Ninja $LAUNCHER -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLIREM_SANITIZE=ON -DLIREM_TESTS=ON -DLIREM_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j2
ctest --test-dir "$BUILD" -j2 -LE package --output-on-failure
