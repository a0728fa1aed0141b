// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/PdfDocument.h"

#include "look/TextBoundary.h"
#include "reading/ReadingPainter.h"

#include <QBuffer>
#include <QHashSeed>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace lirem::reading {
namespace {

constexpr const char* kCreator = "Lirem 3.0";

// Qt stamps the document with the current time. The stamp is overwritten in
// place with a fixed one of the same length (2000-01-01, UTC), so the
// cross-reference offsets stay right.
void FixCreationDate(QByteArray& pdf) {
    static const QByteArray key("/CreationDate (D:");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0)
        return;
    const qsizetype from = start + key.size();
    const qsizetype end = pdf.indexOf(')', from);
    if (end < 0)
        return;
    static const QByteArray date("20000101000000");
    const qsizetype length = end - from;
    QByteArray stamp;
    if (length == date.size() + 1)
        stamp = date + "Z";
    else if (length == date.size() + 7)
        stamp = date + "+00'00'";
    else if (length == date.size())
        stamp = date;
    else
        stamp = QByteArray(length, '0');
    pdf.replace(from, length, stamp);
}

} // namespace

QByteArray RenderPdf(const Reading& reading, std::string_view notes) {
    QByteArray bytes;
    // The writer keeps its fonts in a hash: with the usual random seed they
    // would be written in a different order on every run.
    QHashSeed::setDeterministicGlobalSeed();
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setCreator(QString::fromLatin1(kCreator));
        const session::PersonInput& in = reading.input;
        writer.setTitle((look::FromEngineText(in.first) + QLatin1Char(' ') + look::FromEngineText(in.middle) +
                         QLatin1Char(' ') + look::FromEngineText(in.last))
                            .simplified());
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        const ReadingPainter sheets(reading, writer, notes);
        for (int i = 0; i < sheets.SheetCount(); ++i) {
            if (i > 0)
                writer.newPage();
            sheets.PaintSheet(painter, i);
        }
        painter.end();
    }
    QHashSeed::resetRandomGlobalSeed();
    FixCreationDate(bytes);
    return bytes;
}

} // namespace lirem::reading
