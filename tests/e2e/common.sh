# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts: the skip status, the window's caption,
# the tools check and a work folder that goes, with the X server and the
# program, when the script ends.
SKIP=77
CAPTION="Нумерологический Калькулятор Lirem 3.0"

# require_tools "packages to name" tool...: skips the test when one is missing.
require_tools() {
    packages=$1
    shift
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (packages $packages)"
            exit $SKIP
        fi
    done
}

# start_work NAME: WORK becomes a fresh folder; XVFB_PID and APP_PID, when
# set, are stopped at the end.
start_work() {
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX") || exit 1
    XVFB_PID=""
    APP_PID=""
    trap cleanup EXIT
    trap 'exit 1' INT TERM HUP
}

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "$APP_PID" ] && wait "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
