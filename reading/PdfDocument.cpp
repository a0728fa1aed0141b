// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/PdfDocument.h"

#include "look/TextBoundary.h"
#include "reading/ReadingPainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace lirem::reading {
namespace {

constexpr const char* kCreator = "Lirem 3.0";

// Qt stamps the document with the current local time and the zone's offset
// ("Z" in UTC, "+03'00'" in Moscow). The stamp is replaced with a fixed one in
// UTC, the same in every zone; the objects after it move by the difference in
// length, so the cross-reference table and its start are moved with them.
bool MoveCrossReferences(QByteArray& pdf, qsizetype after, qsizetype delta) {
    static const QByteArray startKey("startxref\n");
    const qsizetype startAt = pdf.lastIndexOf(startKey);
    if (startAt < 0)
        return false;
    const qsizetype numberAt = startAt + startKey.size();
    qsizetype numberEnd = numberAt;
    while (numberEnd < pdf.size() && pdf[numberEnd] >= '0' && pdf[numberEnd] <= '9')
        ++numberEnd;
    bool ok = false;
    const qsizetype xrefAt = pdf.mid(numberAt, numberEnd - numberAt).toLongLong(&ok);
    if (!ok || xrefAt <= after || !pdf.mid(xrefAt).startsWith("xref\n"))
        return false;
    // One subsection "first count" of 20-byte entries "OOOOOOOOOO GGGGG n \n", as Qt writes it.
    qsizetype at = xrefAt + 5;
    const qsizetype lineEnd = pdf.indexOf('\n', at);
    const QList<QByteArray> header = pdf.mid(at, lineEnd - at).split(' ');
    const qsizetype count = header.size() == 2 ? header[1].toLongLong(&ok) : 0;
    if (!ok || lineEnd < 0 || lineEnd + 1 + count * 20 > startAt)
        return false;
    at = lineEnd + 1;
    for (qsizetype i = 0; i < count; ++i, at += 20) {
        if (pdf[at + 17] != 'n')
            continue;
        const qsizetype offset = pdf.mid(at, 10).toLongLong(&ok);
        if (!ok)
            return false;
        if (offset > after)
            pdf.replace(at, 10, QByteArray::number(offset + delta).rightJustified(10, '0'));
    }
    pdf.replace(numberAt, numberEnd - numberAt, QByteArray::number(xrefAt + delta));
    return true;
}

void FixCreationDate(QByteArray& pdf) {
    static const QByteArray key("/CreationDate (D:");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0)
        return;
    const qsizetype from = start + key.size();
    const qsizetype end = pdf.indexOf(')', from);
    if (end < 0)
        return;
    static const QByteArray stamp("20000101000000Z");
    const qsizetype length = end - from;
    if (MoveCrossReferences(pdf, from, stamp.size() - length))
        pdf.replace(from, length, stamp);
    else // an unexpected layout: a stamp of the same length keeps the offsets right
        pdf.replace(from, length, (stamp.left(14) + QByteArray(length, '0')).left(length));
}

} // namespace

QByteArray RenderPdf(const Reading& reading, std::string_view notes) {
    QByteArray bytes;
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
    FixCreationDate(bytes);
    return bytes;
}

} // namespace lirem::reading
