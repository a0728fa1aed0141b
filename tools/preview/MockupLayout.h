// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the result pages as far as the pictures are concerned: every picture
// with its box and every label that stands on or next to a picture.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace lirem::preview {

enum class Face { Window, WindowBold, Arial9, Arial10, Arial12, Arial14 };

struct MockPicture {
    MockPicture(QString res, QRect r, bool stretch = true) : resource(std::move(res)), box(r), stretched(stretch) {}
    QString resource;
    QRect box; // design units at 120 ppi, relative to the page
    bool stretched;
};

struct MockLabel {
    MockLabel(QString t, QPoint p, Face f = Face::Window, QColor i = Qt::black, std::optional<QColor> bg = std::nullopt)
        : text(std::move(t)), pos(p), face(f), ink(i), background(bg) {}
    QString text;
    QPoint pos; // design units, relative to the page
    Face face;
    QColor ink;
    std::optional<QColor> background; // none: the page colour
};

struct MockPage {
    QString name;
    std::vector<MockPicture> pictures;
    std::vector<MockLabel> labels;
};

// The pages with pictures; count labels and numbers carry `sample` as their text
// so that one- and two-digit values can both be checked.
std::vector<MockPage> mockPages(const QString& sample);

} // namespace lirem::preview
