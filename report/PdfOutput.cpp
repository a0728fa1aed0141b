// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PdfOutput.h"

#include "engine/Cp1251.h"
#include "report/ErrorText.h"
#include "report/PdfApi.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace lirem::report {
namespace {

constexpr const char* kModuleFile = "lirem-report-pdf.so";

// Beside the program in the build tree, in its own folder once installed.
const PdfApi* LoadPdfApi(std::string& error) {
    static std::string loadError;
    static const PdfApi* const api = []() -> const PdfApi* {
        std::error_code ec;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
        const std::filesystem::path folder = ec ? std::filesystem::path(".") : program.parent_path();
        for (const std::filesystem::path& candidate :
             {folder / kModuleFile, folder / LIREM_PDF_MODULE_DIR / kModuleFile}) {
            void* handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) {
                if (loadError.empty())
                    loadError = ::dlerror();
                continue;
            }
            using Entry = const PdfApi* (*)();
            const auto entry = reinterpret_cast<Entry>(::dlsym(handle, kPdfApiSymbol));
            const PdfApi* loaded = entry != nullptr ? entry() : nullptr;
            if (loaded != nullptr && loaded->version == kPdfApiVersion)
                return loaded;
            loadError = candidate.string() + " belongs to another version of the program";
        }
        return nullptr;
    }();
    if (api == nullptr)
        error = "PDF output is not available: " + loadError;
    return api;
}

} // namespace

int WritePersonPdf(const session::PersonInput& person, const std::string& file, bool force, std::ostream& err) {
    std::string problem;
    const PdfApi* api = LoadPdfApi(problem);
    bool engineError = false;
    if (api != nullptr)
        problem = api->writePerson(person, file, force, engineError);
    if (problem.empty())
        return 0;
    if (engineError)
        err << WithFullStop(problem) << "\n";
    else
        err << "lirem-report: " << problem << "\n";
    return 1;
}

PdfFolder::PdfFolder(std::string folder, bool force) : folder_(std::move(folder)), force_(force) {}

std::string PdfFolder::Prepare() {
    std::string problem;
    api_ = LoadPdfApi(problem);
    return api_ != nullptr ? api_->prepareFolder(folder_) : problem;
}

std::string PdfFolder::Write(std::int64_t line, const session::PersonInput& person,
                             const session::RecordingSink& shown) const {
    if (api_ == nullptr)
        return "PDF output is not available";
    bool engineError = false;
    const std::string problem = engine::Utf8ToCp1251(api_->writeRow(folder_, force_, line, person, shown, engineError));
    return engineError ? WithFullStop(problem) : problem;
}

} // namespace lirem::report
