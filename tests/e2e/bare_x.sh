#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator on an X server without a window manager, as a user meets it:
# the window has the keyboard when it appears, pasting from a clipboard that
# no program owns (Ctrl+V, Shift+Insert, the middle button) leaves it running,
# dragging the caption moves it, and minimise leaves it on screen and working.
#   bare_x.sh <path to Lirem3>
# Exits 77 (skipped) when Xvfb or xdotool is missing.
set -u

PROGRAM=${1:?usage: bare_x.sh <path to Lirem3>}
. "$(dirname "$0")/common.sh"
require_tools "xvfb, xdotool" Xvfb xdotool
start_work lirem-bare-x
fail() {
    echo "FAIL: $*"
    cat "$WORK/app.log" 2>/dev/null
    exit 1
}

START_NS=$(date +%s%N)
elapsed_ms() { echo $((($(date +%s%N) - START_NS) / 1000000)); }
# Polls a command every 50 ms until it succeeds or the time (ms) runs out.
poll() {
    limit=$1
    shift
    deadline=$(($(elapsed_ms) + limit))
    while ! "$@"; do
        [ "$(elapsed_ms)" -ge "$deadline" ] && return 1
        sleep 0.05
    done
    return 0
}

DISPLAY_FILE="$WORK/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$DISPLAY_FILE" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
display_ready() { grep -q '^[0-9][0-9]*$' "$DISPLAY_FILE" 2>/dev/null; }
poll 10000 display_ready || fail "Xvfb did not start"
DISPLAY=":$(cat "$DISPLAY_FILE")"
export DISPLAY

unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING
printf 'leak:libdbus-1.so\n' >"$WORK/lsan.supp"
LSAN_OPTIONS="suppressions=$WORK/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
"$PROGRAM" >"$WORK/app.log" 2>&1 &
APP_PID=$!
alive() { kill -0 "$APP_PID" 2>/dev/null; }

find_window() {
    WINDOW=$(xdotool search --onlyvisible --name "^$CAPTION\$" 2>/dev/null | head -n 1)
    [ -n "$WINDOW" ]
}
poll 10000 find_window || fail "no window titled \"$CAPTION\" within 10 s"

# --- The window takes the keyboard when it appears.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WINDOW" ]; }
poll 5000 focused || fail "the window does not have the keyboard focus: $(xdotool getwindowfocus)"
echo "the window has the keyboard"

# --- Dragging the bare caption moves the window by as much as the mouse.
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
X0=$X
Y0=$Y
xdotool mousemove $((X0 + 120)) $((Y0 + 10)) mousedown 1 mousemove $((X0 + 140)) $((Y0 + 20)) \
    mousemove $((X0 + 170)) $((Y0 + 50)) mouseup 1
moved() {
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    [ "$X" -eq $((X0 + 50)) ] && [ "$Y" -eq $((Y0 + 40)) ]
}
poll 5000 moved || fail "dragging the caption by 50,40 left the window at $X,$Y (was $X0,$Y0)"
echo "the caption drag moved the window from $X0,$Y0 to $X,$Y"

# --- Paste from a clipboard nobody owns into the partner page's memo.
# meResult lies at 8, 9 (249 x 302 design units) on page 4, 0.8 pixels a unit.
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
xdotool mousemove $((X + 10 + 2 + 110)) $((Y + 33 + 24 + 120)) click 1
for keys in ctrl+v shift+Insert; do
    xdotool key "$keys"
    xdotool getwindowname "$WINDOW" >/dev/null 2>&1 # a round trip: the keys have arrived
    poll 500 alive || fail "the program ended on $keys into the memo with an ownerless clipboard"
done
xdotool click 2
xdotool getwindowname "$WINDOW" >/dev/null 2>&1
alive || fail "the program ended on a middle-button paste into the memo"
echo "pasting from an ownerless clipboard left the program running"

# --- Minimise: nothing could bring an iconified window back, so it stays.
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
xdotool mousemove $((X + WIDTH - 51)) $((Y + 14)) click 1
xdotool getwindowname "$WINDOW" >/dev/null 2>&1
alive || fail "the program ended on minimise"
xdotool search --onlyvisible --name "^$CAPTION\$" >/dev/null || fail "minimise unmapped the window"
echo "minimise left the window on screen"
exit 0
