#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the calculator on a private X server: the window appears
# with its caption and size, typing a first name and pressing Enter changes
# the results on screen, and the skinned close button ends the program with
# exit status 0.
#   smoke.sh <path to Lirem3>
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
set -u

PROGRAM=${1:?usage: smoke.sh <path to Lirem3>}
. "$(dirname "$0")/common.sh"
require_tools "xvfb, xdotool, imagemagick" Xvfb xdotool import compare convert
start_work lirem-e2e

# On failure the shots are kept in $LIREM_E2E_ARTIFACTS when it names a folder.
fail() {
    echo "FAIL: $*"
    if [ -n "${LIREM_E2E_ARTIFACTS:-}" ] && [ -d "$LIREM_E2E_ARTIFACTS" ]; then
        cp "$WORK"/*.png "$WORK"/*.log "$LIREM_E2E_ARTIFACTS"/ 2>/dev/null
    fi
    exit 1
}

# Milliseconds since start, for the log and the time limits.
START_NS=$(date +%s%N)
elapsed_ms() { echo $((($(date +%s%N) - START_NS) / 1000000)); }
log() { echo "[$(elapsed_ms) ms] $*"; }

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

# --- The X server: Xvfb picks a free display and writes its number when ready;
# -noreset keeps it (and its keyboard map) when the last client disconnects.
DISPLAY_FILE="$WORK/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$DISPLAY_FILE" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
display_ready() { grep -q '^[0-9][0-9]*$' "$DISPLAY_FILE" 2>/dev/null; }
poll 10000 display_ready || { cat "$WORK/xvfb.log"; fail "Xvfb did not start"; }
DISPLAY=":$(cat "$DISPLAY_FILE")"
export DISPLAY
log "Xvfb on $DISPLAY"

# xdotool types a letter that the keyboard map lacks by remapping a spare key
# for a moment, which races with the program reading the new map and loses
# letters. With a Russian keyboard map every Cyrillic letter has its own key.
if command -v setxkbmap >/dev/null 2>&1 && setxkbmap -layout ru 2>/dev/null; then
    NAME="Иван"
    NAME_KEYS="Cyrillic_I Cyrillic_ve Cyrillic_a Cyrillic_en"
else
    NAME="Ivan"
    NAME_KEYS="I v a n"
    log "setxkbmap is missing or failed: typing the Latin name $NAME"
fi

# --- The program, on the X server, with the toolkit's defaults.
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING
# In a sanitizer build, the leak checker would turn the exit status into 1 for
# a buffer the D-Bus library keeps until exit; our own leaks are still reported.
printf 'leak:libdbus-1.so\n' >"$WORK/lsan.supp"
LSAN_OPTIONS="suppressions=$WORK/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
"$PROGRAM" >"$WORK/app.log" 2>&1 &
APP_PID=$!

find_window() {
    WINDOW=$(xdotool search --onlyvisible --name "^$CAPTION\$" 2>/dev/null | head -n 1)
    [ -n "$WINDOW" ]
}
poll 10000 find_window || { cat "$WORK/app.log"; fail "no window titled \"$CAPTION\" within 10 s"; }
log "window $WINDOW is mapped"

# --- Size: the client area scaled from 120 dpi design units, plus the skinned frame.
# Qt on X11 uses 96 dpi unless Xft.dpi says otherwise; the fresh server has no resources.
DPI=96
scaled() { echo $((($1 * DPI * 2 + 120) / 240)); } # round half up, as the window does
EXPECT_W=$(($(scaled 681) + 10 + 12))
EXPECT_H=$(($(scaled 381) + 33 + 13))
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
log "geometry ${WIDTH}x${HEIGHT} at $X,$Y"
[ "$WIDTH" -eq "$EXPECT_W" ] && [ "$HEIGHT" -eq "$EXPECT_H" ] ||
    fail "window is ${WIDTH}x${HEIGHT}, expected ${EXPECT_W}x${EXPECT_H}"

# Window coordinates of a rectangle given in design units on page 1, the page
# lying inside the tab widget's frame and below its row of tabs.
PAGE_X=2
PAGE_Y=24
page_rect() { # x y w h -> "X Y W H" in window pixels
    echo "$((10 + PAGE_X + $(scaled "$1"))) $((33 + PAGE_Y + $(scaled "$2"))) $(scaled "$3") $(scaled "$4")"
}
# edFirst lies at 120, 113 (257 x 24) in the group box gbData at 256, 1.
set -- $(page_rect $((256 + 120)) $((1 + 113)) 257 24)
FIELD_GEOMETRY="${3}x${4}+${1}+${2}"
FIELD_CENTRE_X=$(($1 + $3 / 2))
FIELD_CENTRE_Y=$(($2 + $4 / 2))
# The close button: 19 x 20 pixels at W - 23, 4 on the caption row.
CLOSE_X=$((WIDTH - 23 + 9))
CLOSE_Y=$((4 + 10))

# The text area of edFirst (inside its border) and the column of result value
# boxes on page 1 (x 220 design units, rows from 16 to 256).
set -- $(page_rect $((256 + 120 + 3)) $((1 + 113 + 4)) 150 16)
TEXT_GEOMETRY="${3}x${4}+${1}+${2}"
set -- $(page_rect 200 10 60 300)
RESULTS_GEOMETRY="${3}x${4}+${1}+${2}"

# Number of pixels that differ between two images, in a region of both.
differing() { # image image [region]
    if [ -n "${3:-}" ]; then
        convert "$1" -crop "$3" +repage "$1.crop.png" && convert "$2" -crop "$3" +repage "$2.crop.png" || return 1
        set -- "$1.crop.png" "$2.crop.png"
    fi
    compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }'
}
# Captures the window into $1 until two shots in a row agree, so that a
# comparison never sees a half-painted window.
capture() {
    import -window "$WINDOW" "$1.a.png" 2>/dev/null || return 1
    n=0
    while [ $n -lt 40 ]; do
        import -window "$WINDOW" "$1.b.png" 2>/dev/null || return 1
        if [ "$(differing "$1.a.png" "$1.b.png")" = 0 ]; then
            mv "$1.b.png" "$1"
            rm -f "$1.a.png"
            return 0
        fi
        mv "$1.b.png" "$1.a.png"
        n=$((n + 1))
        sleep 0.05
    done
    return 1
}
# Captures into $1 until more than $4 pixels of the region $3 differ from
# the image $2, for at most 5 s; prints the number of differing pixels.
capture_changed() { # shot before region threshold
    deadline=$(($(elapsed_ms) + 5000))
    while :; do
        capture "$1" || return 1
        changed=$(differing "$2" "$1" "$3")
        if [ "${changed:-0}" -gt "$4" ] || [ "$(elapsed_ms)" -ge "$deadline" ]; then
            echo "${changed:-0}"
            return 0
        fi
    done
}

# --- Type a first name into edFirst and press Enter.
# Without a window manager the window takes the keyboard focus on request; the
# click puts the text cursor into the field.
timeout 5 xdotool windowfocus --sync "$WINDOW" || fail "could not focus the window"
capture "$WORK/start.png" || fail "could not capture the window"
log "captured the window"
xdotool mousemove --window "$WINDOW" "$FIELD_CENTRE_X" "$FIELD_CENTRE_Y" click 1
capture "$WORK/focused.png" || fail "could not capture the window"
xdotool key --delay 10 $NAME_KEYS
# A blinking text cursor changes a few dozen pixels at most; four letters far more.
typed=$(capture_changed "$WORK/typed.png" "$WORK/focused.png" "$TEXT_GEOMETRY" 60) || fail "could not capture"
log "typed \"$NAME\" into the first-name field ($TEXT_GEOMETRY): $typed pixels changed there"
[ "$typed" -gt 60 ] || fail "the text of the first-name field did not change after typing"

xdotool key Return
results=$(capture_changed "$WORK/calculated.png" "$WORK/typed.png" "$RESULTS_GEOMETRY" 0) || fail "could not capture"
log "pressed Return: $results pixels of the results ($RESULTS_GEOMETRY) changed"
[ "$results" -gt 0 ] || fail "Enter did not change the results"

# --- The skinned close button ends the program with status 0.
xdotool mousemove --window "$WINDOW" "$CLOSE_X" "$CLOSE_Y" click 1
exited() { ! kill -0 "$APP_PID" 2>/dev/null; }
poll 5000 exited || fail "the program still runs 5 s after a click on the close button at $CLOSE_X,$CLOSE_Y"
wait "$APP_PID"
status=$?
APP_PID=""
log "the close button ended the program with status $status"
[ "$status" -eq 0 ] || { cat "$WORK/app.log"; fail "exit status $status"; }
echo "PASS"
