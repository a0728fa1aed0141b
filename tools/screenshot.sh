#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshot of the calculator's main window that the AppStream
# metadata shows (assets/screenshot/lirem3.png). The PNG is committed; run this
# after a visible change to the window, with the program built in BUILD_DIR:
#
#   tools/screenshot.sh [BUILD_DIR]      (default: build)
#
# Starts the program on a private Xvfb display, waits for its window and grabs
# that window alone. Needs xvfb-run (xvfb, xauth), xdotool and import (imagemagick).
set -eu

# Second stage, on the Xvfb display: start the program and grab its window.
if [ "${1:-}" = "--on-display" ]; then
    program=$2 out=$3
    "$program" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Lirem 3\.0' | head -n 1)
    [ -n "$window" ] || { echo "the window of $program did not appear" >&2; exit 1; }
    sleep 1 # the first paint and the skin's frame settle
    # A worked example on the first page: a date and a full name, then Enter,
    # which presses "Рассчитать". Points are window coordinates at 120 dpi.
    fill() { xdotool mousemove --window "$window" "$1" "$2" click 1 key ctrl+a type --delay 100 "$3"; }
    fill 365 133 29
    fill 478 133 11
    fill 585 133 1985
    fill 520 197 Иван
    fill 520 244 Петрович
    fill 520 292 Сидоров
    xdotool key Return mousemove --window "$window" 0 0
    sleep 1
    import -window "$window" -strip "$out"
    # Outside its rounded shape the window shows the black root window: make
    # those corner pixels transparent (a corner that is not black stays).
    right=$(($(identify -format %w "$out") - 1)) bottom=$(($(identify -format %h "$out") - 1))
    set --
    for corner in 0,0 "$right,0" "0,$bottom" "$right,$bottom"; do
        if [ "$(convert "$out" -format "%[hex:p{$corner}]" info:)" = 000000 ]; then
            set -- "$@" -draw "color $corner floodfill"
        fi
    done
    [ $# -eq 0 ] || convert "$out" -alpha set -fuzz 0 -fill none "$@" -strip "$out"
    exit 0
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out="$root/assets/screenshot/lirem3.png"
for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool not found (apt-get install xvfb xauth xdotool imagemagick)" >&2; exit 1; }
done
[ -x "$build/Lirem3" ] || { echo "$build/Lirem3 not found: build the program first" >&2; exit 1; }

mkdir -p "$(dirname "$out")"
# The program's own platform, not a test's offscreen one, at 120 dpi: the layout's design scale.
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS QT_FONT_DPI=120 \
    xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24 -dpi 120" \
    sh "$0" --on-display "$build/Lirem3" "$out"
echo "wrote $out"
