#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the calculator as a screen reader hears it: on a private
# X server and a private D-Bus session with the accessibility bus, a person is
# typed from the keyboard and the results are read back through AT-SPI
# (read_results.py, or the script named second: read_book.py types the worked
# example, saves it with Ctrl+S into a book in a temporary XDG_DATA_HOME, opens
# the book with Ctrl+O and reads its row back).
#   screen_reader.sh <path to Lirem3> [reading script]
# Exits 77 (skipped) when Xvfb, xdotool, setxkbmap, xprop, dbus-run-session,
# the AT-SPI bus or pyatspi is missing. LIREM_A11Y_DUMP names a file for the
# dump of page 1 after the calculation.
set -u

PROGRAM=${1:?usage: screen_reader.sh <path to Lirem3> [reading script]}
READER=${2:-read_results.py}
HERE=$(dirname "$0")
SKIP=77

for tool in Xvfb xdotool setxkbmap xprop dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (packages xvfb, xdotool, x11-xkb-utils, x11-utils, dbus)"
        exit $SKIP
    fi
done
if [ ! -e /usr/share/dbus-1/services/org.a11y.Bus.service ]; then
    echo "SKIP: the AT-SPI bus is not installed (package at-spi2-core)"
    exit $SKIP
fi
# pyatspi belongs to the system's Python, whatever python3 comes first on PATH.
PYTHON=""
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
        PYTHON=$candidate
        break
    fi
done
[ -n "$PYTHON" ] || { echo "SKIP: pyatspi is not installed (package python3-pyatspi)"; exit $SKIP; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/lirem-a11y.XXXXXX") || exit 1
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
n=0
until grep -q '^[0-9][0-9]*$' "$WORK/display" 2>/dev/null; do
    n=$((n + 1))
    [ $n -lt 200 ] || { cat "$WORK/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
    sleep 0.05
done
DISPLAY=":$(cat "$WORK/display")"
export DISPLAY
# Every Cyrillic letter gets its own key, so xdotool types without remapping.
setxkbmap -layout ru || { echo "FAIL: setxkbmap -layout ru"; exit 1; }

unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING
# A sanitizer build keeps a D-Bus buffer until exit; our own leaks are still reported.
printf 'leak:libdbus-1.so\n' >"$WORK/lsan.supp"
LSAN_OPTIONS="suppressions=$WORK/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
# Nothing the program keeps (the client book) goes into the user's own folders.
XDG_DATA_HOME="$WORK/data"
export XDG_DATA_HOME
timeout 90 dbus-run-session -- "$PYTHON" "$HERE/$READER" "$PROGRAM" "${LIREM_A11Y_DUMP:-}"
status=$?
[ $status -eq 0 ] && echo "PASS" || echo "FAIL: status $status"
exit $status
