#!/bin/sh
# Builds the skin archive fuzzer with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it for a bounded 60 seconds, starting
# from the committed seed corpus. New inputs stay in the build directory; a
# crash leaves its input there as crash-* and fails the script.
set -eu
cd "$(dirname "$0")/.."
BUILD="${FUZZ_BUILD_DIR:-build-fuzz}"
SECONDS_TO_RUN="${FUZZ_SECONDS:-60}"

cmake -S . -B "$BUILD" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLIREM_FUZZ=ON -DLIREM_SANITIZE=ON -DLIREM_TESTS=OFF -DLIREM_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j2 --target fuzz_skin_archive skinpack

# The program's own skin, as it stands, joins the seeds (without its length prefix).
mkdir -p "$BUILD/fuzz-corpus"
"$BUILD/tools/skinpack/skinpack" pack assets/skin "$BUILD/numero.skin" >/dev/null
tail -c +5 "$BUILD/numero.skin" > "$BUILD/fuzz-corpus/numero.lzh"
"$BUILD/fuzz/fuzz_skin_archive" \
    -max_total_time="$SECONDS_TO_RUN" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$BUILD/" \
    "$BUILD/fuzz-corpus" fuzz/corpus
