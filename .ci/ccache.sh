# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by setup.sh and the CI stages from the checkout's root: sets LAUNCHER
# to the CMake option that compiles through ccache when ccache is there (so a
# rebuild of unchanged sources is cheap), or to nothing.
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
    LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
    # CI builds each run in a fresh clone: without the folder in the key,
    # clones share objects (debug info then names the first clone's folder).
    if [ -n "${CI:-}" ]; then export CCACHE_NOHASHDIR=1; fi
fi
