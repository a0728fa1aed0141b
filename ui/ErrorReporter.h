// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's general error report. Handlers hand it the message of the
// error that ended them; the report shows it in a modal box. Tests install a
// reporter that records the message instead.

#include <QString>

#include <string_view>

class QWidget;

namespace lirem::ui {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // message: the error's text, already with its closing full stop.
    virtual void Report(const QString& message) = 0;
};

// A message box with the error icon, a single OK button, captioned with the
// application title.
class MessageBoxReporter final : public ErrorReporter {
public:
    explicit MessageBoxReporter(QWidget* owner) : owner_(owner) {}
    void Report(const QString& message) override;

private:
    QWidget* owner_;
};

// The text shown for an error message given as code page 1251 bytes: a full
// stop is appended when the last character comes after "." in code page order.
[[nodiscard]] QString ErrorText(std::string_view cp1251Message);
// The same rule for a message the window words itself.
[[nodiscard]] QString WithFullStop(const QString& message);

} // namespace lirem::ui
