// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ErrorText.h"

namespace lirem::report {

std::string WithFullStop(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace lirem::report
