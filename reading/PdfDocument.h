// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reading as a PDF document: A4 sheets, vector pictures, Liberation Sans
// embedded, text selectable. Creator, producer and the creation date are
// fixed, the same in every time zone; in a process with a fixed hash seed (the
// report tool, see GuiSession.h) the same reading gives the same bytes.

#include "reading/Reading.h"

#include <QByteArray>

#include <string_view>

namespace lirem::reading {

// Needs a QGuiApplication (see GuiSession.h). notes: UTF-8, a last page
// «Заметки» when not empty.
[[nodiscard]] QByteArray RenderPdf(const Reading& reading, std::string_view notes = {});

} // namespace lirem::reading
