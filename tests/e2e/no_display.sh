#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator started without a graphical session says so in Russian and
# English and exits 1, with no display named and with one that is not there.
#   no_display.sh <path to Lirem3>
set -u
PROGRAM=${1:?usage: no_display.sh <path to Lirem3>}
status=0
for display in "" ":987"; do
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE DISPLAY="$display" "$PROGRAM" 2>&1)
    code=$?
    if [ "$code" -ne 1 ]; then
        echo "FAIL: DISPLAY='$display': exit $code, expected 1: $out"
        status=1
    fi
    case "$out" in
    *"нужен графический сеанс"*"needs a graphical session"*) ;;
    *)
        echo "FAIL: DISPLAY='$display': no message about the graphical session: $out"
        status=1
        ;;
    esac
done
[ $status -eq 0 ] && echo "no display: exit 1 with the message"
exit $status
