// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed reading from the command line: --pdf FILE for one person, and
// --pdf-dir DIR for one file per good row of a batch. The work is done by a
// module loaded on first use (see PdfApi.h).

#include "session/PersonInput.h"
#include "session/RecordingSink.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace lirem::report {

struct PdfApi;

// Writes one person's reading. Exit status: 0 written, 1 an engine error or a
// file that could not be written (nothing is left behind), with the message on err.
[[nodiscard]] int WritePersonPdf(const session::PersonInput& person, const std::string& file, bool force,
                                 std::ostream& err);

// One reading per batch row into a folder, created when missing.
class PdfFolder {
public:
    PdfFolder(std::string folder, bool force);

    // An empty string when the folder is usable, otherwise why not (UTF-8).
    [[nodiscard]] std::string Prepare();
    // Writes the row's reading; returns why it failed in code page 1251, or an empty string.
    [[nodiscard]] std::string Write(std::int64_t line, const session::PersonInput& person,
                                    const session::RecordingSink& shown) const;

private:
    std::string folder_;
    bool force_;
    const PdfApi* api_ = nullptr;
};

} // namespace lirem::report
