#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The packer's outputs are complete or absent and never replace what is not a
# regular file; pack refuses what lies outside the skin folder and what the
# reader would reject or could not reach; every input is read within bounds.
#   skinpack-outputs.sh SKINPACK
set -u
SKINPACK=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Runs skinpack, expecting the exit status $1; stderr is kept in err.txt.
expect() {
    want=$1; shift
    timeout 20 "$SKINPACK" "$@" 2>err.txt
    got=$?
    [ "$got" -eq "$want" ] || fail "skinpack $* exited $got, expected $want: $(cat err.txt)"
}
no_temporaries() {
    left=$(find . -name '.*.??????' -o -name '*.tmp' | head -n 1)
    [ -z "$left" ] || fail "temporary file left behind after $1: $left"
}

mkdir skin outside
printf 'small entry' > skin/a.txt
printf '[Skin]\nName=x\n' > skin/skin.ini
printf 'secret' > outside/secret.txt
"$SKINPACK" pack skin skin.bin >/dev/null || fail "packing a plain folder"
"$SKINPACK" encode skin/a.txt expected.lzh || fail "encoding to a new file"

# A write that fails only when the file is closed (small files are buffered);
# the first run leaves the file size signal as it is: the tool must not die of it.
(ulimit -f 0; "$SKINPACK" encode skin/a.txt o.lzh 2>err.txt)
[ $? -eq 1 ] || fail "encode over the file size limit did not exit 1"
[ ! -e o.lzh ] || fail "encode over the file size limit left o.lzh"
(trap '' XFSZ; ulimit -f 0; "$SKINPACK" extract skin.bin a.txt e.txt 2>err.txt)
[ $? -eq 1 ] || fail "extract over the file size limit did not exit 1"
[ ! -e e.txt ] || fail "extract over the file size limit left e.txt"
no_temporaries "the file size limit"
printf 'old' > kept.lzh
(trap '' XFSZ; ulimit -f 0; "$SKINPACK" encode skin/a.txt kept.lzh 2>/dev/null)
[ "$(cat kept.lzh)" = old ] || fail "a failed write changed the existing output"

# Standard output that cannot be written.
expect 1 list skin.bin >/dev/full
expect 1 pack skin - >/dev/full
expect 1 pack skin p.bin >/dev/full
"$SKINPACK" pack skin - >stdout.bin 2>/dev/null || fail "pack to standard output"
cmp -s stdout.bin skin.bin || fail "pack to standard output differs from pack to a file"

# Written in place: a FIFO and a device node stay what they are.
mkfifo fifo
timeout 20 cat fifo >from-fifo.lzh &
reader=$!
expect 0 encode skin/a.txt fifo
wait "$reader"
[ -p fifo ] || fail "the FIFO was replaced"
cmp -s from-fifo.lzh expected.lzh || fail "the FIFO did not receive the packed stream"
if mknod null c 1 3 2>/dev/null; then
    expect 0 extract skin.bin a.txt null
    [ -c null ] || fail "the device node was replaced"
fi

# A symlink at OUT is written through; an old OUT.tmp symlink is not followed.
printf 'old' > target.lzh
ln -s target.lzh link.lzh
expect 0 encode skin/a.txt link.lzh
[ -L link.lzh ] || fail "the symlink was replaced"
cmp -s target.lzh expected.lzh || fail "the symlink's target was not written"
printf 'victim' > victim
ln -s victim new.lzh.tmp
expect 0 encode skin/a.txt new.lzh
[ "$(cat victim)" = victim ] || fail "an OUT.tmp symlink was followed"
rm new.lzh.tmp
expect 1 encode skin/a.txt skin
no_temporaries "in-place writes"

# pack: a missing folder, entries outside the folder, a folder too large.
expect 1 pack missing out.bin
[ ! -e out.bin ] || fail "pack of a missing folder wrote an archive"
for entry in ../outside/secret.txt /etc/hostname sub/../../outside/secret.txt; do
    mkdir listed && printf 'a.txt\n%s\n' "$entry" > listed/entries.lst && cp skin/a.txt listed/
    expect 1 pack listed out.bin
    grep -q "outside the skin folder" err.txt || fail "no clear message for entry $entry: $(cat err.txt)"
    rm -rf listed
done
mkdir linked && ln -s ../outside/secret.txt linked/secret.txt
expect 1 pack linked out.bin
grep -q "outside the skin folder" err.txt || fail "no clear message for a symlink leading out: $(cat err.txt)"
mkdir large && truncate -s 65M large/huge.bmp
expect 1 pack large out.bin
grep -q "larger than" err.txt || fail "no clear message for a folder too large: $(cat err.txt)"
[ ! -e out.bin ] || fail "a refused pack wrote an archive"
no_temporaries "refused packs"

# Outputs the reader would reject or could not fully reach are refused.
mkdir many
i=0
while [ "$i" -lt 1001 ]; do : >"many/e$i.txt"; i=$((i + 1)); done
expect 0 pack many many.bin >/dev/null
[ "$("$SKINPACK" list many.bin | wc -l)" -eq 1001 ] || fail "1001 entries did not all come back"
: >many/one-more.txt
expect 1 pack many out.bin
grep -q "at most 1001" err.txt || fail "no clear message for 1002 entries: $(cat err.txt)"
mkdir cases && printf 'upper' >cases/A.bmp && printf 'lower' >cases/a.bmp
expect 1 pack cases out.bin
grep -q "differ only in letter case" err.txt || fail "no clear message for A.bmp beside a.bmp: $(cat err.txt)"
mkdir twice && printf 'x' >twice/a.txt && printf 'a.txt\na.txt\n' >twice/entries.lst
expect 1 pack twice out.bin
grep -q "listed twice" err.txt || fail "no clear message for an entry listed twice: $(cat err.txt)"
expect 1 encode large/huge.bmp out.lzh
grep -q "larger than" err.txt || fail "no clear message for encoding more than a skin may unpack to: $(cat err.txt)"
[ ! -e out.bin ] && [ ! -e out.lzh ] || fail "a refused output was written"
no_temporaries "unreachable entries"

# Inputs without end are refused, not read until memory runs out.
for command in "list /dev/zero" "extract /dev/zero a.txt out.txt" "decode /dev/zero out.txt"; do
    # shellcheck disable=SC2086
    expect 1 $command
done

# A failed write says why.
expect 1 pack skin - >/dev/full
grep -q "No space left on device" err.txt || fail "writing to a full device hid its cause: $(cat err.txt)"

[ "$failures" -eq 0 ] || exit 1
echo "all skinpack output cases pass"
