// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout's plain data in the toolkit's types: its UTF-8 texts as QString,
// its colours as QColor, its picture names as resource paths.

#include "layout/Colour.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace lirem::look {

[[nodiscard]] inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline QStringList FromUtf8(const std::vector<std::string_view>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string_view line : lines)
        list.append(FromUtf8(line));
    return list;
}

[[nodiscard]] inline QColor ToQColor(layout::Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

// A picture of the layout, among the program's compiled-in pictures.
[[nodiscard]] inline QString PicturePath(std::string_view file) {
    return QStringLiteral(":/pictures/") + FromUtf8(file);
}

} // namespace lirem::look
