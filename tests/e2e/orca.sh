#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the calculator heard through Orca: on a private X server
# with openbox and a private D-Bus session, Orca runs with its own settings
# folder and a debug log, speech-dispatcher speaks through a module that only
# writes the text down, a person is typed from the keyboard and the pages are
# read by flat review (hear_orca.py checks what Orca spoke).
#   orca.sh <path to Lirem3>
# Exits 77 (skipped) when Xvfb, xdotool, setxkbmap, openbox, dbus-run-session,
# the AT-SPI bus, Orca or speech-dispatcher is missing, or when another Orca
# of this user runs. LIREM_XVFB_DISPLAY picks the display; LIREM_ORCA_KEEP names
# a folder that receives Orca's debug log and the spoken text.
set -u

PROGRAM=${1:?usage: orca.sh <path to Lirem3>}
HERE=$(cd "$(dirname "$0")" && pwd)
SKIP=77

for tool in Xvfb xdotool setxkbmap openbox dbus-run-session orca speech-dispatcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (packages xvfb, xdotool, x11-xkb-utils, openbox, dbus, orca, speech-dispatcher)"
        exit $SKIP
    fi
done
if [ ! -e /usr/share/dbus-1/services/org.a11y.Bus.service ]; then
    echo "SKIP: the AT-SPI bus is not installed (package at-spi2-core)"
    exit $SKIP
fi
MODULES=""
for dir in /usr/lib/speech-dispatcher-modules /usr/lib/*/speech-dispatcher-modules; do
    [ -x "$dir/sd_generic" ] && MODULES=$dir && break
done
[ -n "$MODULES" ] || { echo "SKIP: speech-dispatcher has no generic output module"; exit $SKIP; }
# Orca starts only when no other Orca of this user runs (and the test must not
# replace the user's own screen reader).
if pgrep -u "$(id -u)" -x orca >/dev/null 2>&1; then
    echo "SKIP: another Orca runs for this user"
    exit $SKIP
fi
# Orca and its speech client belong to the system's Python.
PYTHON=/usr/bin/python3
"$PYTHON" -c 'import speechd' >/dev/null 2>&1 || { echo "SKIP: python3-speechd is missing"; exit $SKIP; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/lirem-orca.XXXXXX") || exit 1
XVFB_PID=""
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    if [ -n "${LIREM_ORCA_KEEP:-}" ]; then
        mkdir -p "$LIREM_ORCA_KEEP" && cp "$WORK/orca-debug.out" "$WORK/spoken.txt" "$LIREM_ORCA_KEEP/" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Everything Orca and speech-dispatcher read or write stays in the work folder.
mkdir -p "$WORK/home" "$WORK/config/speech-dispatcher/modules" "$WORK/data" "$WORK/cache" "$WORK/run" \
    "$WORK/orca-prefs" "$WORK/speechd-log"
chmod 700 "$WORK/run"
HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_CACHE_HOME=$WORK/cache
XDG_RUNTIME_DIR=$WORK/run
export HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR
# speech-dispatcher: one output module, which appends each text to spoken.txt.
cat >"$WORK/config/speech-dispatcher/speechd.conf" <<EOF
LogLevel 3
LogDir "$WORK/speechd-log"
Timeout 0
AddModule "log" "sd_generic" "log.conf"
DefaultModule log
DefaultLanguage "ru"
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
cat >"$WORK/config/speech-dispatcher/modules/log.conf" <<EOF
GenericExecuteSynth "echo \\'\$DATA\\' >> $WORK/spoken.txt"
GenericLanguage "ru" "ru" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ru" "MALE1" "log"
AddVoice "en" "MALE1" "log"
GenericMaxChunkLength 100000
EOF

# LIREM_XVFB_DISPLAY picks the display number; by default the server takes a free one.
if [ -n "${LIREM_XVFB_DISPLAY:-}" ]; then
    echo "$LIREM_XVFB_DISPLAY" >"$WORK/display"
    Xvfb ":$LIREM_XVFB_DISPLAY" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
else
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
fi
XVFB_PID=$!
n=0
until grep -q '^[0-9][0-9]*$' "$WORK/display" 2>/dev/null; do
    n=$((n + 1))
    [ $n -lt 200 ] || { cat "$WORK/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
    sleep 0.05
done
DISPLAY=":$(cat "$WORK/display")"
export DISPLAY
# Every Cyrillic letter gets its own key, so xdotool types without remapping
# (tried until the server answers).
n=0
until setxkbmap -layout ru 2>/dev/null; do
    n=$((n + 1))
    [ $n -lt 200 ] || { cat "$WORK/xvfb.log"; echo "FAIL: setxkbmap -layout ru"; exit 1; }
    sleep 0.05
done

unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING
printf 'leak:libdbus-1.so\n' >"$WORK/lsan.supp"
LSAN_OPTIONS="suppressions=$WORK/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
timeout 170 dbus-run-session -- "$PYTHON" "$HERE/hear_orca.py" "$PROGRAM" "$WORK" "$MODULES"
status=$?
[ $status -eq 0 ] && echo "PASS" || echo "FAIL: status $status"
exit $status
