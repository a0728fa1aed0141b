// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reading as a PDF document: A4 sheets, vector pictures, Liberation Sans
// embedded, text selectable. The same reading always gives the same bytes:
// creator, producer, dates and document ID are fixed.

#include "reading/Reading.h"

#include <QByteArray>

#include <string_view>

namespace lirem::reading {

// Needs a QGuiApplication (see GuiSession.h). notes: UTF-8, a last page
// «Заметки» when not empty.
[[nodiscard]] QByteArray RenderPdf(const Reading& reading, std::string_view notes = {});

} // namespace lirem::reading
