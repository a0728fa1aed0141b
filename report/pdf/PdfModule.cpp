// SPDX-License-Identifier: GPL-3.0-or-later
// The module behind --pdf and --pdf-dir: renders readings with Qt on the
// offscreen platform and writes them whole or not at all.

#include "engine/Cp1251.h"
#include "engine/Errors.h"
#include "reading/AtomicFile.h"
#include "reading/GuiSession.h"
#include "reading/PdfDocument.h"
#include "report/PdfApi.h"
#include "report/pdf/PdfFileName.h"

#include <filesystem>
#include <system_error>

namespace lirem::report {
namespace {

std::string Write(const reading::Reading& shown, const std::filesystem::path& file, bool force) {
    reading::EnsureGuiApplication();
    const QByteArray pdf = reading::RenderPdf(shown);
    return reading::WriteFileAtomically(file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                                        force ? reading::Existing::Replace : reading::Existing::Keep);
}

std::string WritePerson(const session::PersonInput& person, const std::string& file, bool force, bool& engineError) {
    engineError = false;
    try {
        return Write(reading::MakeReading(person), file, force);
    } catch (const engine::EngineError& e) {
        engineError = true;
        return engine::Cp1251ToUtf8(e.what());
    }
}

std::string PrepareFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error && !std::filesystem::is_directory(folder, error) && !error)
        return "'" + folder + "' is not a folder";
    if (error)
        return "cannot use the folder '" + folder + "': " + error.message();
    reading::EnsureGuiApplication();
    return {};
}

std::string WriteRow(const std::string& folder, bool force, std::int64_t line, const session::PersonInput& person,
                     const session::RecordingSink& shown, bool& engineError) {
    engineError = false;
    return Write(reading::Reading{person, shown}, std::filesystem::path(folder) / PdfFileName(line, person), force);
}

constexpr PdfApi kApi{kPdfApiVersion, &WritePerson, &PrepareFolder, &WriteRow};

} // namespace
} // namespace lirem::report

extern "C" __attribute__((visibility("default"))) const lirem::report::PdfApi* lirem_report_pdf_api() {
    return &lirem::report::kApi;
}
