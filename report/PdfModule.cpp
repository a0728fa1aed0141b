// SPDX-License-Identifier: GPL-3.0-or-later
// The module behind --pdf and --pdf-dir: renders readings with Qt on the
// offscreen platform and writes them whole or not at all.

#include "engine/Cp1251.h"
#include "engine/Errors.h"
#include "io/AtomicFile.h"
#include "io/InterruptCleanup.h"
#include "reading/GuiSession.h"
#include "reading/PdfDocument.h"
#include "report/PdfApi.h"
#include "report/PdfFileName.h"

#include <filesystem>
#include <system_error>

namespace lirem::report {
namespace {

std::string Write(const PersonInput& person, const std::filesystem::path& file, bool force, bool& engineError) {
    engineError = false;
    try {
        reading::EnsureGuiApplication();
        io::InstallInterruptCleanup(); // an interrupted write leaves no temporary file
        const QByteArray pdf = reading::RenderPdf(reading::MakeReading(person));
        return io::WriteFileAtomically(file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                                       force ? io::Existing::Replace : io::Existing::Keep);
    } catch (const engine::EngineError& e) {
        engineError = true;
        return engine::Cp1251ToUtf8(e.what());
    }
}

std::string WritePerson(const PersonInput& person, const std::string& file, bool force, bool& engineError) {
    return Write(person, file, force, engineError);
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

std::string WriteRow(const std::string& folder, bool force, std::int64_t line, const PersonInput& person,
                     bool& engineError) {
    return Write(person, std::filesystem::path(folder) / PdfFileName(line, person), force, engineError);
}

constexpr PdfApi kApi{kPdfApiVersion, &WritePerson, &PrepareFolder, &WriteRow};

} // namespace
} // namespace lirem::report

extern "C" __attribute__((visibility("default"))) const lirem::report::PdfApi* lirem_report_pdf_api() {
    return &lirem::report::kApi;
}
