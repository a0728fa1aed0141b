// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+P in the window: the reading of what the window shows, saved as a PDF.
// It remembers the inputs each calculation ran with, so the printed reading
// matches the results on screen even after the fields were edited.

#include "session/PersonInput.h"

#include <QString>

#include <memory>
#include <string>

class QTemporaryDir;
class QWidget;

namespace lirem::ui {

class ErrorReporter;

class ReadingExport {
public:
    void Calculated(const session::PersonInput& in);      // bnDoit
    void PartnerCompared(const session::PersonInput& in); // bnPartner
    void TextCounted(const session::PersonInput& in);     // bnMisc
    // A card opened from the book: its partner and text replace the last
    // ones (none when it has none), its notes end the reading.
    void CardOpened(const session::PersonInput& in, const std::string& notesUtf8);
    // The window no longer shows the card: the reading has no notes.
    void CardClosed() { notes_.clear(); }
    void SetNotes(const std::string& notesUtf8) { notes_ = notesUtf8; }
    // The notes the reading ends with (UTF-8); empty for none.
    [[nodiscard]] const std::string& Notes() const { return notes_; }

    // The person of the last calculations with the calendar month shown now.
    [[nodiscard]] session::PersonInput Person(session::CalendarMonth shown) const;
    // "Иван_Сидоров.pdf" by the batch's rule for safe names, or "reading.pdf"
    // without a name.
    [[nodiscard]] QString SuggestedFileName() const;
    // Where the file dialog opens: the folder of the last save in this
    // session, at first the documents folder (or home).
    [[nodiscard]] QString StartFolder() const;

    ReadingExport();
    ~ReadingExport();
    ReadingExport(const ReadingExport&) = delete;
    ReadingExport& operator=(const ReadingExport&) = delete;

    // Asks for a file and writes the reading into it; a failure goes to the
    // reporter. Returns the file written, empty when nothing was. Errors other
    // than the engine's are left to the caller's guard.
    [[nodiscard]] QString SaveAsPdf(QWidget* parent, session::CalendarMonth shown, ErrorReporter& reporter);
    // Writes without asking; returns the message to show (Russian, with its
    // full stop), empty on success.
    [[nodiscard]] QString WritePdf(const QString& file, session::CalendarMonth shown) const;

private:
    session::PersonInput person_;
    std::string notes_;  // UTF-8
    QString lastFolder_; // kept for the session only
    // Where the file dialog keeps its history instead of the user's settings:
    // nothing of the window outlives it.
    std::unique_ptr<QTemporaryDir> dialogSettings_;
};

} // namespace lirem::ui
