// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/TextBoundary.h"

#include "engine/Cp1251.h"

namespace lirem::look {

std::string ToEngineText(const QString& text) {
    // The engine composes itself (a composed character the code page lacks,
    // such as é, stays one non-letter), and caps the reordering of a run of
    // marks where QString::normalized would take quadratic time.
    return engine::Utf16ToCp1251(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

QString FromEngineText(std::string_view cp1251) {
    const std::u16string text = engine::Cp1251ToUtf16(cp1251);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace lirem::look
