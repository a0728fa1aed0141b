#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The printed reading of the worked example, checked from outside as a reader
# would: its text in page order, its fonts, its pictures, its bytes; then the
# batch's files and the refusals that leave nothing behind.
#   check-reading.sh LIREM-REPORT EXPECTED-TEXT
set -u
tool=$1
expected=$2
for t in pdftotext pdffonts pdftoppm convert; do
    command -v "$t" >/dev/null 2>&1 || { echo "SKIP: $t is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

person="--date 29.11.1985 --first Иван --middle Петрович --last Сидоров --calendar 2025-09"
# shellcheck disable=SC2086
reading() { "$tool" $person --partner-date 1.1.1970 --partner-first Анна --text "+7 (495) 123-45-67" "$@"; }

reading --pdf "$work/a.pdf" || fail "the worked example was not written"
reading --pdf "$work/b.pdf" || fail "the second run was not written"
cmp -s "$work/a.pdf" "$work/b.pdf" || fail "two runs gave different bytes"
# The same bytes in every time zone, and every cross-reference entry still
# pointing at its object once the creation date is fixed.
TZ=UTC reading --pdf "$work/utc.pdf" || fail "the run in UTC was not written"
for zone in Europe/Moscow America/New_York Asia/Kolkata; do
    rm -f "$work/zone.pdf"
    TZ=$zone reading --pdf "$work/zone.pdf" || fail "the run in $zone was not written"
    cmp -s "$work/utc.pdf" "$work/zone.pdf" || fail "TZ=$zone gave other bytes than UTC"
done
xref=$(tail -n 2 "$work/a.pdf" | head -n 1 | tr -d ' ')
object=0
tail -c +$((xref + 1)) "$work/a.pdf" | sed -n '3,/^trailer/p' | while read -r offset _ kind; do
    [ "$kind" = n ] && { tail -c +"$(expr "$offset" + 1)" "$work/a.pdf" | head -c 20 | grep -q "^$object 0 obj" ||
        fail "cross-reference entry $object points elsewhere"; }
    object=$((object + 1))
done || exit 1

# Replaced with --force, a private reading stays private.
chmod 600 "$work/b.pdf"
reading --pdf "$work/b.pdf" --force || fail "--force did not replace the file"
[ "$(stat -c %a "$work/b.pdf")" = 600 ] || fail "--force changed mode 600 to $(stat -c %a "$work/b.pdf")"

# Every caption and number, in the order of the pages (drawing order within a page).
pdftotext -raw "$work/a.pdf" - | tr '\n' ' ' >"$work/text" || fail "pdftotext failed"
awk -v expected="$expected" '
    { text = text $0 }
    END {
        while ((getline want < expected) > 0) {
            at = index(text, want)
            if (at == 0) { print "missing or out of order: " want; exit 1 }
            text = substr(text, at + length(want))
        }
    }' "$work/text" || fail "the text of the reading"

pdffonts "$work/a.pdf" >"$work/fonts" || fail "pdffonts failed"
grep -q LiberationSans "$work/fonts" || fail "Liberation Sans is not used"
awk 'NR > 2 && $(NF-4) != "yes" { bad = 1 } END { exit bad }' "$work/fonts" || fail "a font is not embedded"

# Pictures where the window has them: the wanderer's coat, the mountain, the
# blocks on the first sheet, paper left white below them.
pdftoppm -png -r 80 -f 1 -l 1 "$work/a.pdf" "$work/sheet" || fail "pdftoppm failed"
pixel() { convert "$work/sheet-1.png" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:; }
while read -r x y what test; do
    set -- $(pixel "$x" "$y")
    case $test in
    purple) [ "$1" -gt 90 ] && [ "$3" -gt 90 ] && [ "$2" -lt 60 ] ;;
    ink) [ $(($1 + $2 + $3)) -lt 600 ] ;;
    white) [ $(($1 + $2 + $3)) -eq 765 ] ;;
    esac || fail "$what at $x,$y is $*"
done <<PIXELS
145 642 coat ink
520 649 mountain purple
353 712 blocks ink
330 830 paper white
PIXELS

# A batch: one file per good row, none for the bad one; existing files stay
# unless --force.
printf 'date,first,middle,last\n29.11.1985,Иван,Петрович,Сидоров\nnot a date,X,,\n5.9.1970,"A/../b c",,\n' >"$work/people.csv"
"$tool" --batch "$work/people.csv" --calendar 2025-09 --pdf-dir "$work/out" >"$work/lines" 2>/dev/null
[ $? -eq 1 ] || fail "a batch with a bad row must end with status 1"
[ "$(wc -l <"$work/lines")" -eq 3 ] || fail "one JSON line per row"
(cd "$work/out" && ls -A) >"$work/files"
printf '000002_Иван_Петрович_Сидоров.pdf\n000004_A_b_c.pdf\n' | diff - "$work/files" || fail "batch files"
"$tool" --batch "$work/people.csv" --calendar 2025-09 --pdf-dir "$work/out" >/dev/null 2>&1
[ $? -eq 1 ] && cmp -s "$work/out/000002_Иван_Петрович_Сидоров.pdf" "$work/a.pdf" && fail "a file was replaced"
"$tool" --batch "$work/people.csv" --calendar 2025-09 --pdf-dir "$work/out" --force >/dev/null 2>&1
[ "$(ls -A "$work/out" | wc -l)" -eq 2 ] || fail "--force left other files"

# Refusals: a clear message, status 1, and no file of any kind left behind.
mkdir "$work/dir.pdf"
for target in "$work/missing/x.pdf" "$work/dir.pdf" /dev/null; do
    "$tool" $person --pdf "$target" --force 2>"$work/err" >/dev/null
    [ $? -eq 1 ] || fail "writing $target must fail with status 1"
    grep -q "cannot write" "$work/err" || fail "no message for $target"
done
[ -z "$(find "$work" -name '.*')" ] || fail "a temporary file was left behind"
"$tool" $person --pdf "$work/a.pdf" 2>/dev/null && fail "an existing file was replaced without --force"
cmp -s "$work/a.pdf" "$work/b.pdf" || fail "the refused file changed"
echo "ok"
