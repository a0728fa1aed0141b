// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two fixed titles of the program, as the toolkit shows them.

#include "layout/LayoutTable.h"
#include "look/LayoutLook.h"

#include <QString>

namespace lirem::look {

// Caption of the main window.
inline QString WindowCaption() {
    return FromUtf8(layout::WindowCaption());
}

// The application title: the caption of every error box. It is kept out of
// QGuiApplication::applicationDisplayName on purpose, because the toolkit would
// append that name to the window caption on some platforms.
inline QString ApplicationTitle() {
    return FromUtf8(layout::ApplicationTitle());
}

} // namespace lirem::look
