// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/App.h"

#include "engine/Errors.h"
#include "report/Batch.h"
#include "report/BookCommand.h"
#include "report/ErrorText.h"
#include "report/JsonReport.h"
#include "report/JsonWriter.h"
#include "report/Options.h"
#include "report/PdfOutput.h"
#include "report/TerminalText.h"
#include "report/TextReport.h"
#include "session/NullSink.h"
#include "session/Pipeline.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lirem::report {
namespace {

int WriteAll(std::ostream& out, std::ostream& err, const std::string& text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
        err << "lirem-report: the report could not be written\n";
        return 1;
    }
    return 0;
}

// A report to a regular file that could not be written whole is cut back to
// where it began, so no partial report is left behind.
int WriteReport(std::ostream& out, std::ostream& err, const std::string& text, int fd) {
    off_t start = -1;
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const int flags = ::fcntl(fd, F_GETFL);
        start = flags >= 0 && (flags & O_APPEND) != 0 ? info.st_size : ::lseek(fd, 0, SEEK_CUR);
    }
    const int status = WriteAll(out, err, text);
    if (status != 0 && start >= 0 && ::ftruncate(fd, start) != 0)
        err << "lirem-report: the partial report could not be removed: " << std::strerror(errno) << "\n";
    return status;
}

int RunBatchFrom(std::istream& csv, const Options& options, std::ostream& out, std::ostream& err, bool lineBuffered) {
    RowHook pdfPerRow;
    std::optional<PdfFolder> pdfs;
    if (options.pdfDir) {
        pdfs.emplace(*options.pdfDir, options.force);
        if (const std::string problem = pdfs->Prepare(); !problem.empty()) {
            err << "lirem-report: " << problem << "\n";
            return 1;
        }
        pdfPerRow = [&pdfs](std::int64_t line, const session::PersonInput& person,
                            const session::RecordingSink& shown) { return pdfs->Write(line, person, shown); };
    }
    const BatchSummary summary = RunBatch(csv, out, options.person.calendar, lineBuffered, pdfPerRow);
    if (summary.writeFailed) {
        err << "lirem-report: the results could not be written\n";
        return 1;
    }
    if (csv.bad()) {
        err << "lirem-report: reading the input failed\n";
        return 1;
    }
    if (summary.errors > 0) {
        err << "lirem-report: " << summary.errors << " of " << summary.errors + summary.people
            << " rows could not be computed\n";
        return 1;
    }
    return 0;
}

} // namespace

std::string BuildJsonReport(const session::PersonInput& person) {
    session::NullSink shown;
    const session::PersonResult result = session::RunPerson(person, shown);
    JsonWriter json;
    WritePersonJson(person, result, std::nullopt, json);
    // The batch's compact object, indented by the JSON library.
    return nlohmann::ordered_json::parse(json.View()).dump(2) + "\n";
}

session::CalendarMonth CurrentMonth() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return session::CalendarMonth{local.tm_year + 1900, local.tm_mon + 1};
}

int RunApp(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err,
           session::CalendarMonth today, Descriptors fds) {
    if (IsBookCommand(argc, argv))
        return RunBookCommand(argc, argv, in, out, err, today);
    const ParseOutcome parsed = ParseOptions(argc, argv, today);
    if (!parsed.options) {
        if (!parsed.err.empty())
            err << parsed.err;
        if (!parsed.out.empty() && WriteAll(out, err, parsed.out) != 0)
            return 1;
        return parsed.exitCode;
    }
    const Options& options = *parsed.options;

    if (options.batch) {
        // Each row is answered at once when a reader may be waiting for it.
        const bool outInteractive = IsInteractive(fds.out);
        if (*options.batch == "-")
            return RunBatchFrom(in, options, out, err, outInteractive || IsInteractive(fds.in));
        std::vector<char> buffer(64 * 1024);
        std::ifstream file;
        file.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        std::error_code ignored;
        if (std::filesystem::is_directory(*options.batch, ignored))
            errno = EISDIR;
        else
            file.open(*options.batch, std::ios::binary);
        if (!file.is_open()) {
            err << "lirem-report: cannot open '" << *options.batch << "': " << std::strerror(errno) << "\n";
            return 2;
        }
        return RunBatchFrom(file, options, out, err, outInteractive || IsInteractive(*options.batch));
    }

    if (options.pdf)
        return WritePersonPdf(options.person, *options.pdf, options.force, err);

    // The whole report is built before anything is printed, so a failure
    // never leaves half a report on standard output.
    std::string report;
    try {
        report = options.json ? BuildJsonReport(options.person) : BuildTextReport(options.person);
    } catch (const engine::EngineError& e) {
        err << WithFullStop(e.what()) << "\n";
        return 1;
    }
    // Names on a terminal never reach it as control sequences.
    if (!options.json && fds.out >= 0 && ::isatty(fds.out) == 1)
        ReplaceControlCharacters(report);
    return WriteReport(out, err, report, fds.out);
}

} // namespace lirem::report
