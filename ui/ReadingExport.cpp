// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReadingExport.h"

#include "engine/Errors.h"
#include "engine/Text.h"
#include "look/TextBoundary.h"
#include "reading/AtomicFile.h"
#include "reading/PdfDocument.h"
#include "ui/ErrorReporter.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

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

session::PersonInput ReadingExport::Person(session::CalendarMonth shown) const {
    session::PersonInput person = person_;
    person.calendar = shown;
    return person;
}

QString ReadingExport::SuggestedFileName() const {
    QStringList parts;
    for (const std::string* part : {&person_.first, &person_.last}) {
        QString text = look::FromEngineText(*part).simplified();
        text.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char(' '), QLatin1Char('_'));
        if (!text.isEmpty())
            parts.append(text);
    }
    return (parts.isEmpty() ? QStringLiteral("reading") : parts.join(QLatin1Char('_'))) + QStringLiteral(".pdf");
}

QString ReadingExport::WritePdf(const QString& file, session::CalendarMonth shown) const {
    try {
        const QByteArray pdf = reading::RenderPdf(reading::MakeReading(Person(shown)));
        // The file dialog has already asked whether to replace an existing file.
        const std::string problem = reading::WriteFileAtomically(
            file.toStdString(), std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
            reading::Existing::Replace);
        return QString::fromStdString(problem);
    } catch (const engine::EngineError& error) {
        return ErrorText(error.what());
    }
}

void ReadingExport::SaveAsPdf(QWidget* parent, session::CalendarMonth shown, ErrorReporter& reporter) const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString file =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить расчет в PDF"),
                                     QDir(folder).filePath(SuggestedFileName()), QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    const QString problem = WritePdf(file, shown);
    if (!problem.isEmpty())
        reporter.Report(problem);
}

} // namespace lirem::ui
