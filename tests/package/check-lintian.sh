#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lintian on the package that debian_package built, showing informational,
# experimental and pedantic tags, and fails on any error, warning or
# informational tag (lintian reports missing hardening and unstripped sections
# at that level). A tag that has to stay is overridden in the package's
# usr/share/lintian/overrides/lirem3, with a comment above each override that
# says why; this check insists on the comments.
#   check-lintian.sh DEB HARDENED
# HARDENED is false for builds that a package is not made from (sanitizers,
# hardening off, Debug): lintian's hardening tags would only restate that, so
# the check is skipped.
set -eu
deb=$1 hardened=$2
. "$(dirname "$0")/common.sh"

command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
[ "$hardened" = true ] ||
    { echo "not a hardened build (use the package preset, or LIREM_HARDEN=ON without sanitizers)"; exit 77; }
[ -f "$deb" ] || fail "$deb was not built"

dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/lintian/overrides/lirem3 2>/dev/null |
    awk '/^#/ { said = 1; next } /^[[:space:]]*$/ { said = 0; next }
         !said { print "FAIL: lintian override without a comment saying why: " $0; bad = 1 }
         END { exit bad }' >&2 || fail "lintian overrides"

# lintian says on standard error that it runs as root; only its tags matter.
status=0
report=$(lintian -I -E --pedantic --fail-on error,warning,info "$deb" 2>/dev/null) || status=$?
echo "$report"
[ "$status" -eq 0 ] || fail "lintian reports errors, warnings or informational tags (exit status $status)"
echo "lintian: no error, warning or informational tag"
