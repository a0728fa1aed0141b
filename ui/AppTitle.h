// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two fixed titles of the program.

#include <QString>

namespace lirem::ui {

// Caption of the main window.
inline QString WindowCaption() {
    return QStringLiteral("Нумерологический Калькулятор Lirem 3.0");
}

// The application title: the caption of every error box. It is kept out of
// QGuiApplication::applicationDisplayName on purpose, because the toolkit would
// append that name to the window caption on some platforms.
inline QString ApplicationTitle() {
    return QStringLiteral("Нумерологический Калькулятор Лирем 3.0");
}

} // namespace lirem::ui
