// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReadingExport.h"

#include "engine/Calendar.h"
#include "engine/Errors.h"
#include "engine/Text.h"
#include "io/AtomicFile.h"
#include "io/InterruptCleanup.h"
#include "reading/PdfDocument.h"
#include "ui/ErrorReporter.h"
#include "ui/TextBoundary.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace lirem::ui {

void ReadingExport::Calculated(const engine::WindowInputs& in) {
    person_.date = {in.day, in.month, in.year};
    person_.first = in.first;
    person_.middle = in.middle;
    person_.last = in.last;
}

void ReadingExport::PartnerCompared(const engine::WindowInputs& in) {
    person_.partner = report::PartnerInput{
        {in.partnerDay, in.partnerMonth, in.partnerYear}, in.partnerFirst, in.partnerMiddle, in.partnerLast};
}

void ReadingExport::TextCounted(const engine::WindowInputs& in) {
    // A blank text leaves the page as it was.
    if (!engine::TrimControls(in.miscText).empty())
        person_.text = in.miscText;
}

report::PersonInput ReadingExport::Person(int yearIndex, int monthIndex) const {
    report::PersonInput person = person_;
    const QDate today = QDate::currentDate();
    person.calendar.year =
        yearIndex >= 0 ? static_cast<std::int32_t>(engine::kFirstListYear) + yearIndex : today.year();
    person.calendar.month = monthIndex >= 0 ? monthIndex + 1 : today.month();
    return person;
}

QString ReadingExport::SuggestedFileName() const {
    QStringList parts;
    for (const std::string* part : {&person_.first, &person_.last}) {
        QString text = FromEngineText(*part).simplified();
        text.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char(' '), QLatin1Char('_'));
        if (!text.isEmpty())
            parts.append(text);
    }
    return (parts.isEmpty() ? QStringLiteral("reading") : parts.join(QLatin1Char('_'))) + QStringLiteral(".pdf");
}

QString ReadingExport::WritePdf(const QString& file, int yearIndex, int monthIndex) const {
    try {
        const QByteArray pdf = reading::RenderPdf(reading::MakeReading(Person(yearIndex, monthIndex)));
        io::InstallInterruptCleanup(); // an interrupted write leaves no temporary file
        // The file dialog has already asked whether to replace an existing file.
        const std::string problem = io::WriteFileAtomically(
            file.toStdString(), std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
            io::Existing::Replace);
        return QString::fromStdString(problem);
    } catch (const engine::EngineError& error) {
        return ErrorText(error.what());
    }
}

void ReadingExport::SaveAsPdf(QWidget* parent, int yearIndex, int monthIndex, ErrorReporter& reporter) const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    const QString file =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить расчет в PDF"),
                                     QDir(folder).filePath(SuggestedFileName()), QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    const QString problem = WritePdf(file, yearIndex, monthIndex);
    if (!problem.isEmpty())
        reporter.Report(problem);
}

} // namespace lirem::ui
