#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every libFuzzer target with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a bounded time (FUZZ_SECONDS,
# default 40, per target; two at a time keep the step near a minute and a half) from
# its seed corpus in fuzz/corpus/<target>. The program's own skin (archive,
# INI description, bitmaps) joins the skin data fuzzer's seeds. New inputs stay in
# the build directory; a crash leaves its input there as <target>-crash-* and
# fails the script. One line per target reports its executions.
set -eu
cd "$(dirname "$0")/.."
BUILD="${FUZZ_BUILD_DIR:-build-fuzz}"
SECONDS_TO_RUN="${FUZZ_SECONDS:-40}"
TARGETS="skin_archive skin_data skin_draw report"

. ./.ci/ccache.sh
cmake -S . -B "$BUILD" -G Ninja $LAUNCHER \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLIREM_FUZZ=ON -DLIREM_SANITIZE=ON -DLIREM_TESTS=OFF -DLIREM_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j2 --target skinpack $(for t in $TARGETS; do printf 'fuzz_%s ' "$t"; done)

# Seeds from the program's skin, behind the skin data fuzzer's selector byte:
# the unpacked archive, the INI description and every bitmap.
for t in $TARGETS; do mkdir -p "$BUILD/corpus/$t"; done
"$BUILD/tools/skinpack/skinpack" pack assets/skin "$BUILD/numero.skin" >/dev/null
tail -c +5 "$BUILD/numero.skin" > "$BUILD/numero.lzh"
"$BUILD/tools/skinpack/skinpack" decode "$BUILD/numero.lzh" "$BUILD/numero.raw"
seed() { { printf "$1"; cat "$2"; } > "$BUILD/corpus/skin_data/$3"; }
seed '\000' "$BUILD/numero.raw" archive
for ini in assets/skin/*.ini; do seed '\001' "$ini" "ini-$(basename "$ini")"; done
for bmp in assets/skin/*.bmp; do seed '\002' "$bmp" "bmp-$(basename "$bmp")"; done

max_len() {
    case "$1" in
        skin_archive) echo 65536 ;;
        skin_data) echo 262144 ;;
        skin_draw) echo 4096 ;;
        *) echo 16384 ;;
    esac
}
# One target per core at a time (FUZZ_JOBS, default 2): each still runs its
# full time on a core of its own.
JOBS="${FUZZ_JOBS:-2}"
fuzz_one() {
    t=$1
    log="$BUILD/fuzz-$t.log"
    if ! "$BUILD/fuzz/fuzz_$t" \
        -max_total_time="$SECONDS_TO_RUN" -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$t")" \
        -print_final_stats=1 -artifact_prefix="$BUILD/$t-" \
        "$BUILD/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
        echo failed >"$BUILD/fuzz-$t.status"
        return
    fi
    echo ok >"$BUILD/fuzz-$t.status"
}
running=0
for t in $TARGETS; do
    rm -f "$BUILD/fuzz-$t.status"
    fuzz_one "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$JOBS" ]; then
        wait
        running=0
    fi
done
wait
failed=0
for t in $TARGETS; do
    log="$BUILD/fuzz-$t.log"
    if [ "$(cat "$BUILD/fuzz-$t.status" 2>/dev/null)" != ok ]; then
        tail -n 60 "$log"
        echo "fuzz_$t failed; its input is in $BUILD/$t-*" >&2
        failed=1
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "fuzz_$t: $runs executions in $SECONDS_TO_RUN s ($rate per second), corpus $(ls "$BUILD/corpus/$t" | wc -l) inputs"
done
exit $failed
