# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the checks.

# The files the install rules put under the prefix, relative to it and sorted.
# $1 is the application id; LIREM_PDF_MODULE_DIR comes from ctest.
expected_files() {
    {
        printf '%s\n' bin/Lirem3 bin/lirem-report "${LIREM_PDF_MODULE_DIR:?}/lirem-report-pdf.so" \
            share/man/man1/Lirem3.1.gz share/man/man1/lirem-report.1.gz \
            share/doc/lirem3/copyright share/doc/lirem3/changelog.gz \
            "share/applications/$1.desktop" \
            "share/metainfo/$1.metainfo.xml" \
            "share/icons/hicolor/scalable/apps/$1.svg"
        for size in 24 32 48 64 128 256; do
            echo "share/icons/hicolor/${size}x${size}/apps/$1.png"
        done
    } | LC_ALL=C sort
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Width and height of a PNG, read from its IHDR chunk.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $3 * 256 + $4, $7 * 256 + $8 }'
}
