// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/Fonts.h"

#include <QStringList>

namespace lirem::look {

namespace {
const QStringList& Substitutes() {
    static const QStringList list{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return list;
}
} // namespace

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), Substitutes());
    QFont::insertSubstitutions(QStringLiteral("Arial"), Substitutes());
}

QFont MakeFont(FontFace face) {
    auto arial = [](int points) {
        QFont font(QStringLiteral("Arial"), points, QFont::Bold);
        return font;
    };
    switch (face) {
    case FontFace::Window:
        return QFont(QStringLiteral("MS Sans Serif"), 8);
    case FontFace::WindowBold:
        return QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold);
    case FontFace::Arial9:
        return arial(9);
    case FontFace::Arial10:
        return arial(10);
    case FontFace::Arial12:
        return arial(12);
    case FontFace::Arial14:
        return arial(14);
    }
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

} // namespace lirem::look
