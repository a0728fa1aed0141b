#include "report/PdfOutput.h"

#include "engine/Cp1251.h"
#include "engine/Errors.h"
#include "reading/AtomicFile.h"
#include "reading/GuiSession.h"
#include "reading/PdfDocument.h"
#include "report/ErrorText.h"

#include <QString>

#include <system_error>

namespace lirem::report {
namespace {

constexpr int kMaxNameCharacters = 80;

std::string WriteReading(const PersonInput& person, const std::filesystem::path& file, bool force) {
    reading::EnsureGuiApplication();
    const QByteArray pdf = reading::RenderPdf(reading::MakeReading(person));
    return reading::WriteFileAtomically(file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                                        force ? reading::Existing::Replace : reading::Existing::Keep);
}

} // namespace

int WritePersonPdf(const PersonInput& person, const std::string& file, bool force, std::ostream& err) {
    std::string problem;
    try {
        problem = WriteReading(person, file, force);
    } catch (const EngineError& e) {
        err << WithFullStop(e.what()) << "\n";
        return 1;
    }
    if (!problem.empty()) {
        err << "lirem-report: " << problem << "\n";
        return 1;
    }
    return 0;
}

std::string PdfFileName(std::int64_t line, const PersonInput& person) {
    const QString name = QString::fromStdString(Cp1251ToUtf8(person.first + ' ' + person.middle + ' ' + person.last));
    QString safe;
    for (const QChar c : name) {
        if (safe.size() >= kMaxNameCharacters)
            break;
        const bool keep = c.isLetterOrNumber() || c == QLatin1Char('-');
        if (keep)
            safe += c;
        else if (!safe.isEmpty() && !safe.endsWith(QLatin1Char('_')))
            safe += QLatin1Char('_');
    }
    while (safe.endsWith(QLatin1Char('_')))
        safe.chop(1);
    QString file = QStringLiteral("%1").arg(line, 6, 10, QLatin1Char('0'));
    if (!safe.isEmpty())
        file += QLatin1Char('_') + safe;
    return (file + QStringLiteral(".pdf")).toStdString();
}

PdfFolder::PdfFolder(std::filesystem::path folder, bool force) : folder_(std::move(folder)), force_(force) {}

std::string PdfFolder::Prepare() {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (!error && !std::filesystem::is_directory(folder_, error) && !error)
        return "'" + folder_.string() + "' is not a folder";
    if (error)
        return "cannot use the folder '" + folder_.string() + "': " + error.message();
    reading::EnsureGuiApplication();
    return {};
}

std::string PdfFolder::Write(std::int64_t line, const PersonInput& person) const {
    try {
        return WriteReading(person, folder_ / PdfFileName(line, person), force_);
    } catch (const EngineError& e) {
        return WithFullStop(e.what());
    }
}

} // namespace lirem::report
