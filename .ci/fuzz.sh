#!/bin/sh
# A clang build under AddressSanitizer and UndefinedBehaviorSanitizer runs
# each skin fuzzer for a bounded 60 seconds: the archive fuzzer from the committed seed
# corpus, the skin data fuzzer from the program's own skin (archive, INI
# description and bitmaps). New inputs stay in the build directory; a crash
# leaves its input there as crash-* and fails the script.
set -eu
cd "$(dirname "$0")/.."
BUILD="${FUZZ_BUILD_DIR:-build-fuzz}"
SECONDS_TO_RUN="${FUZZ_SECONDS:-60}"
# FUZZ_TESTS=1 builds and runs the tests here too; off by default, as clang 14
# crashes on, or leaves unresolved, the engine's _cp code page literals in the
# report tool and the engine tests (.ci/asan.sh runs the suite with gcc).
RUN_TESTS="${FUZZ_TESTS:-0}"

LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
    LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
fi
cmake -S . -B "$BUILD" -G Ninja $LAUNCHER \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLIREM_FUZZ=ON -DLIREM_SANITIZE=ON -DLIREM_TESTS="$([ "$RUN_TESTS" = 1 ] && echo ON || echo OFF)" \
    -DLIREM_BENCH=OFF >/dev/null
if [ "$RUN_TESTS" = 1 ]; then
    cmake --build "$BUILD" -j2
    # The Debian package test is left out: it packs and unpacks the sanitized
    # binaries, which proves nothing more than the release build's run does.
    ctest --test-dir "$BUILD" -j2 -LE package --output-on-failure
else
    cmake --build "$BUILD" -j2 --target fuzz_skin_archive fuzz_skin_data skinpack
fi

# The program's own skin, as it stands, joins the seeds (without its length prefix).
mkdir -p "$BUILD/fuzz-corpus"
"$BUILD/tools/skinpack/skinpack" pack assets/skin "$BUILD/numero.skin" >/dev/null
tail -c +5 "$BUILD/numero.skin" > "$BUILD/fuzz-corpus/numero.lzh"
"$BUILD/fuzz/fuzz_skin_archive" \
    -max_total_time="$SECONDS_TO_RUN" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$BUILD/" \
    "$BUILD/fuzz-corpus" fuzz/corpus

# Seeds of the skin data fuzzer: a selector byte, then the unpacked archive,
# the INI description or one bitmap.
DATA_CORPUS="$BUILD/fuzz-data-corpus"
mkdir -p "$DATA_CORPUS"
"$BUILD/tools/skinpack/skinpack" decode "$BUILD/fuzz-corpus/numero.lzh" "$BUILD/numero.raw" >/dev/null
seed() { { printf "$1"; cat "$2"; } > "$DATA_CORPUS/$3"; }
seed '\000' "$BUILD/numero.raw" archive
for ini in assets/skin/*.ini; do seed '\001' "$ini" "ini-$(basename "$ini")"; done
for bmp in assets/skin/*.bmp; do seed '\002' "$bmp" "bmp-$(basename "$bmp")"; done
"$BUILD/fuzz/fuzz_skin_data" \
    -max_total_time="$SECONDS_TO_RUN" -timeout=10 -rss_limit_mb=2048 -max_len=262144 \
    -print_final_stats=1 -artifact_prefix="$BUILD/" \
    "$DATA_CORPUS"
