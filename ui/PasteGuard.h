// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pasting into the window's text fields without trusting the clipboard to
// have an owner. On X11 the clipboard of a fresh session, or of a program
// that has quit, may hand out no data at all, and the toolkit's memo pastes
// through that data unchecked. The guard takes over every way of pasting
// into an editable field of one window (the paste keys, the middle button's
// selection paste, the memo's context menu) and inserts the clipboard's text
// itself; an empty or ownerless clipboard pastes nothing.

#include <QClipboard>
#include <QObject>

class QMenu;
class QPoint;
class QWidget;

namespace lirem::ui {

class PasteGuard final : public QObject {
    Q_OBJECT
public:
    // Guards the fields of window; a child of it.
    explicit PasteGuard(QWidget* window);
    ~PasteGuard() override;

    PasteGuard(const PasteGuard&) = delete;
    PasteGuard& operator=(const PasteGuard&) = delete;

    // Inserts the text of the clipboard (or of the selection) into the
    // editable field target; does nothing when there is no text.
    static void Paste(QWidget* target, QClipboard::Mode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The editable field an event for watched belongs to; nullptr for others.
    [[nodiscard]] QWidget* FieldOf(QObject* watched) const;
    void ShowMemoMenu(QWidget* memo, const QPoint& globalPos);

    QWidget* window_;
};

} // namespace lirem::ui
