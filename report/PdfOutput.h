#pragma once
// The printed reading from the command line: --pdf FILE for one person, and
// --pdf-dir DIR for one file per good row of a batch.

#include "report/PersonInput.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

namespace lirem::report {

// Writes one person's reading. Exit status: 0 written, 1 an engine error or a
// file that could not be written (nothing is left behind), with the message on err.
[[nodiscard]] int WritePersonPdf(const PersonInput& person, const std::string& file, bool force, std::ostream& err);

// "000002_Иван_Петрович_Сидоров.pdf": the row's line, then the name with
// everything but letters, digits and hyphens turned into underscores.
[[nodiscard]] std::string PdfFileName(std::int64_t line, const PersonInput& person);

// One reading per batch row into a folder, created when missing.
class PdfFolder {
public:
    PdfFolder(std::filesystem::path folder, bool force);

    // An empty string when the folder is usable, otherwise why not.
    [[nodiscard]] std::string Prepare();
    // Writes the row's reading; returns why it failed, or an empty string.
    [[nodiscard]] std::string Write(std::int64_t line, const PersonInput& person) const;

private:
    std::filesystem::path folder_;
    bool force_;
};

} // namespace lirem::report
