// SPDX-License-Identifier: GPL-3.0-or-later
// The result pages as far as the pictures are concerned, read from the
// window's layout table: every picture with its box and every label of a page
// that has pictures.
#pragma once

#include "layout/FontFace.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace lirem::preview {

struct MockPicture {
    QString resource;
    QRect box; // design units at 120 ppi, relative to the page
    bool stretched = true;
};

struct MockLabel {
    QString text;
    QPoint pos; // design units, relative to the page
    layout::FontFace face = layout::FontFace::Window;
    QColor ink = Qt::black;
    std::optional<QColor> background; // none: the page colour
};

struct MockPage {
    QString name;
    std::vector<MockPicture> pictures;
    std::vector<MockLabel> labels;
};

// The pages with pictures; labels that show a number carry `sample` as their
// text so that one- and two-digit values can both be checked.
std::vector<MockPage> MockPages(const QString& sample);

} // namespace lirem::preview
