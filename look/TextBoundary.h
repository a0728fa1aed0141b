// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place where the window's UTF-16 texts meet the engine's code page
// 1251 byte strings.

#include <QString>

#include <string>
#include <string_view>

namespace lirem::look {

// Through the engine's converter: NFC first (a decomposed й or ё counts as the
// letter), then one byte per character; characters the code page lacks become
// "?". Linear in the length, however many combining marks the text holds.
[[nodiscard]] std::string ToEngineText(const QString& text);

[[nodiscard]] QString FromEngineText(std::string_view cp1251);

} // namespace lirem::look
