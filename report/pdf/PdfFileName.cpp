// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/pdf/PdfFileName.h"

#include "engine/Cp1251.h"

#include <QString>

namespace lirem::report {

std::string PdfFileName(std::int64_t line, const session::PersonInput& person) {
    constexpr qsizetype kMaxNameCharacters = 80;
    const QString name =
        QString::fromStdString(engine::Cp1251ToUtf8(person.first + ' ' + person.middle + ' ' + person.last));
    QString safe;
    for (const QChar c : name) {
        if (safe.size() >= kMaxNameCharacters)
            break;
        if (c.isLetterOrNumber() || c == QLatin1Char('-'))
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

} // namespace lirem::report
