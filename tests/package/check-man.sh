#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each program's manual page lists exactly the options its --help lists, with
# the same value names, and renders without a warning.
#   check-man.sh PAGE PROGRAM [ARGS...]
# PAGE is the roff source (man/NAME.1); PROGRAM ARGS is the command run with
# --help. A new option shows up here as a line only in --help: give it a .TP
# entry in the page's OPTIONS section.
set -eu
page=$1
shift
. "$(dirname "$0")/common.sh"

# One line per option name, "NAME VALUE" or "NAME", sorted; from lines such
# as "--date D.M.Y", "-h, --help" or "-h,--help".
per_name() {
    sed 's/,/ /g' | awk '{
        value = ""
        for (i = 1; i <= NF; i++) if ($i !~ /^-/) { value = " " $i; break }
        for (i = 1; i <= NF; i++) if ($i ~ /^-/) print $i value
    }' | LC_ALL=C sort
}

# --help: option lines start with two spaces and a dash; the names and value
# end where two spaces begin the description.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" --help) || fail "$* --help"
from_help=$(echo "$help" | sed -n 's/^  \(-[^ ].*\)/\1/p' | sed 's/  .*//' | per_name)

# The page: the tag line after each .TP in OPTIONS, with roff markup removed.
from_page=$(awk '/^\.SH/ { options = ($2 == "OPTIONS"); next }
                 options && /^\.TP/ { getline; print }' "$page" |
    sed -e 's/^\.[A-Z]* //' -e 's/\\-/-/g' -e 's/\\%//g' -e 's/\\f[BIRP]//g' -e 's/"//g' | per_name)

[ -n "$from_help" ] || fail "no options found in $1 --help"
if [ "$from_help" != "$from_page" ]; then
    listed=$(mktemp)
    echo "$from_help" >"$listed"
    echo "$from_page" | diff -u "$listed" - >&2 || true
    rm -f "$listed"
    fail "$(basename "$1") --help and $page list different options (-: only in --help, add a .TP entry under OPTIONS; +: only in the page)"
fi

if command -v man >/dev/null; then
    warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
fi
echo "$(basename "$page"): $(echo "$from_page" | wc -l) options, as in --help"
