// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Says a short text through the screen reader without moving the focus: an
// invisible notification object that reports itself shown with the text as
// its name. Orca speaks a notification when it is shown, whatever has the
// focus; a name change it speaks only for the focused object, and the Linux
// bridge of this toolkit passes on no announcement event.

#include <QString>
#include <QWidget>

namespace lirem::ui {

class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Speaks text (even the same text again); an empty text says nothing.
    void Say(const QString& text);
    [[nodiscard]] QString Text() const { return text_; }

private:
    QString text_;
};

} // namespace lirem::ui
