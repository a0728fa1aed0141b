#include "ui/TextBoundary.h"

#include "engine/Cp1251.h"

namespace lirem::ui {

std::string ToEngineText(const QString& text) {
    // Qt's NFC first, so a composed character the code page lacks (é) stays one
    // non-letter instead of a letter plus a stray mark.
    const QString nfc = text.normalized(QString::NormalizationForm_C);
    return lirem::Utf16ToCp1251(
        std::u16string_view(reinterpret_cast<const char16_t*>(nfc.utf16()), static_cast<std::size_t>(nfc.size())));
}

QString FromEngineText(std::string_view cp1251) {
    const std::u16string text = lirem::Cp1251ToUtf16(cp1251);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace lirem::ui
