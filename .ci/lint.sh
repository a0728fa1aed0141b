#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Formatting and static checks over the project's own sources:
# clang-format against .clang-format, then clang-tidy (.clang-tidy) over
# every translation unit of a configured build's compile_commands.json.
#   sh .ci/lint.sh [build-dir]      (default: build)
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
JOBS="${LINT_JOBS:-2}"

if [ ! -f "$BUILD/compile_commands.json" ]; then
    echo "lint: no $BUILD/compile_commands.json; configure and build first" >&2
    exit 2
fi

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# clang-tidy checks the program's own code (LINT_ALL=1: the tests, benchmarks
# and fuzzers too). Generated sources (moc, resources, the packed skin) live in
# the build tree and are left out. Units found clean before are not checked again until they
# or a project header they include change (cache: LINT_CACHE).
python3 .ci/tidy.py "$BUILD" -j "$JOBS" ${LINT_CACHE:+--cache "$LINT_CACHE"} ${LINT_ALL:+--all}
echo "lint: clang-format and clang-tidy clean"
