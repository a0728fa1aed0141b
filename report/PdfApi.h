// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed reading lives in a module loaded only when a PDF is asked for,
// so the text and JSON reports start without the graphics libraries. This is
// the module's one entry point, shared by both sides of the build.

#include "session/PersonInput.h"
#include "session/RecordingSink.h"

#include <cstdint>
#include <string>

namespace lirem::report {

struct PdfApi {
    int version; // kPdfApiVersion of the module's build
    // Each returns an empty string on success, otherwise the message in UTF-8;
    // engineError tells an engine message (printed as it stands) from a file problem.
    std::string (*writePerson)(const session::PersonInput& person, const std::string& file, bool force,
                               bool& engineError);
    std::string (*prepareFolder)(const std::string& folder);
    // A batch row, with what the batch's own run of it showed.
    std::string (*writeRow)(const std::string& folder, bool force, std::int64_t line,
                            const session::PersonInput& person, const session::RecordingSink& shown, bool& engineError);
};

inline constexpr int kPdfApiVersion = 2;
inline constexpr const char* kPdfApiSymbol = "lirem_report_pdf_api";

} // namespace lirem::report

extern "C" const lirem::report::PdfApi* lirem_report_pdf_api();
