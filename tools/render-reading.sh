#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders two sheets of the worked example's printed reading for the README
# (docs/reading/). The PNGs are committed; run this after changing how a
# reading looks:
#
#   tools/render-reading.sh [BUILD-DIR]     (default: build)
#
# Needs a built lirem-report and pdftoppm (Debian package poppler-utils).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out="$root/docs/reading"
command -v pdftoppm >/dev/null || { echo "pdftoppm not found (apt-get install poppler-utils)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/report/lirem-report" --date 29.11.1985 --first Иван --middle Петрович --last Сидоров \
    --partner-date 1.1.1970 --partner-first Анна --text "+7 (495) 123-45-67" --calendar 2025-09 \
    --pdf "$work/reading.pdf"
mkdir -p "$out"
for sheet in 1 3; do
    pdftoppm -png -r 80 -f "$sheet" -l "$sheet" -singlefile "$work/reading.pdf" "$out/sheet-$sheet"
done
echo "rendered sheets 1 and 3 into $out"
