// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+P in the window: the reading of what the window shows, saved as a PDF.
// It remembers the inputs each calculation ran with, so the printed reading
// matches the results on screen even after the fields were edited.

#include "session/PersonInput.h"

#include <QString>

class QWidget;

namespace lirem::ui {

class ErrorReporter;

class ReadingExport {
public:
    void Calculated(const session::PersonInput& in);      // bnDoit
    void PartnerCompared(const session::PersonInput& in); // bnPartner
    void TextCounted(const session::PersonInput& in);     // bnMisc

    // The person of the last calculations with the calendar month shown now.
    [[nodiscard]] session::PersonInput Person(session::CalendarMonth shown) const;
    // "Иван_Сидоров.pdf", or "reading.pdf" without a name.
    [[nodiscard]] QString SuggestedFileName() const;

    // Asks for a file and writes the reading into it; failures go to the reporter.
    void SaveAsPdf(QWidget* parent, session::CalendarMonth shown, ErrorReporter& reporter) const;
    // Writes without asking; returns the error message, empty on success.
    [[nodiscard]] QString WritePdf(const QString& file, session::CalendarMonth shown) const;

private:
    session::PersonInput person_;
};

} // namespace lirem::ui
