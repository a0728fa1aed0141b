// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReadingExport.h"

#include "engine/Errors.h"
#include "engine/Text.h"
#include "io/AtomicFile.h"
#include "io/InterruptCleanup.h"
#include "look/TextBoundary.h"
#include "reading/PdfDocument.h"
#include "ui/ErrorReporter.h"

#include "session/SafeFileName.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>

namespace lirem::ui {

void ReadingExport::Calculated(const session::PersonInput& in) {
    person_.date = in.date;
    person_.first = in.first;
    person_.middle = in.middle;
    person_.last = in.last;
}

void ReadingExport::PartnerCompared(const session::PersonInput& in) {
    person_.partner = in.partner;
}

void ReadingExport::TextCounted(const session::PersonInput& in) {
    // A blank text leaves the page as it was.
    if (in.text && !engine::TrimControls(*in.text).empty())
        person_.text = in.text;
}

void ReadingExport::CardOpened(const session::PersonInput& in, const std::string& notesUtf8) {
    person_ = in;
    notes_ = notesUtf8;
}

session::PersonInput ReadingExport::Person(session::CalendarMonth shown) const {
    session::PersonInput person = person_;
    person.calendar = shown;
    return person;
}

ReadingExport::ReadingExport() = default;
ReadingExport::~ReadingExport() = default;

QString ReadingExport::SuggestedFileName() const {
    const std::string safe = session::SafeNamePart(person_.first + ' ' + person_.last);
    return (safe.empty() ? QStringLiteral("reading") : QString::fromStdString(safe)) + QStringLiteral(".pdf");
}

QString ReadingExport::StartFolder() const {
    if (!lastFolder_.isEmpty() && QDir(lastFolder_).exists())
        return lastFolder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

namespace {

// Why a file could not be written, from the error the writer left.
QString WriteFailureCause(int error) {
    switch (error) {
    case 0:
        return QStringLiteral("на этом месте стоит не обычный файл");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("папки нет или в ней нельзя создавать файлы");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет права записи в эту папку");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске нет места");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    default:
        return QStringLiteral("ошибка записи");
    }
}

} // namespace

QString ReadingExport::WritePdf(const QString& file, session::CalendarMonth shown) const {
    QByteArray pdf;
    try {
        pdf = reading::RenderPdf(reading::MakeReading(Person(shown)), notes_);
    } catch (const engine::EngineError& error) {
        return ErrorText(error.what());
    }
    // The file dialog has already asked whether to replace an existing file.
    io::InstallInterruptCleanup(); // an interrupted write leaves no temporary file
    errno = 0;
    const std::string problem = io::WriteFileAtomically(
        QFile::encodeName(file).toStdString(), std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
        io::Existing::Replace);
    if (problem.empty())
        return {};
    const int error = errno;
    return WithFullStop(QStringLiteral("Не удалось сохранить расчет в файл «%1»: %2")
                            .arg(QDir::toNativeSeparators(file), WriteFailureCause(error)));
}

QString ReadingExport::SaveAsPdf(QWidget* parent, session::CalendarMonth shown, ErrorReporter& reporter) {
    // The dialog's history goes to a folder of this session instead of the
    // user's settings, which the window never writes.
    if (!dialogSettings_)
        dialogSettings_ = std::make_unique<QTemporaryDir>();
    if (dialogSettings_->isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dialogSettings_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dialogSettings_->path());
    }
    QString file;
    {
        QFileDialog dialog(parent, QStringLiteral("Сохранить расчет в PDF"), StartFolder(),
                           QStringLiteral("PDF (*.pdf)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(SuggestedFileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        file = dialog.selectedFiles().constFirst();
    }
    const QString problem = WritePdf(file, shown);
    if (!problem.isEmpty()) {
        reporter.Report(problem);
        return {};
    }
    lastFolder_ = QFileInfo(file).absolutePath();
    return file;
}

} // namespace lirem::ui
