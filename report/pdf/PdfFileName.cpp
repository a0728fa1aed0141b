// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/pdf/PdfFileName.h"

#include "session/SafeFileName.h"

#include <cstdio>

namespace lirem::report {

std::string PdfFileName(std::int64_t line, const session::PersonInput& person) {
    char number[24];
    std::snprintf(number, sizeof number, "%06lld", static_cast<long long>(line));
    std::string file = number;
    const std::string safe = session::SafeNamePart(person.first + ' ' + person.middle + ' ' + person.last);
    if (!safe.empty())
        file += '_' + safe;
    return file + ".pdf";
}

} // namespace lirem::report
