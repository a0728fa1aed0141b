// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ErrorReporter.h"

#include "look/AppTitle.h"
#include "look/TextBoundary.h"

#include <QMessageBox>

namespace lirem::ui {

void MessageBoxReporter::Report(const QString& message) {
    QMessageBox box(QMessageBox::Critical, look::ApplicationTitle(), message, QMessageBox::Ok, owner_);
    box.exec();
}

QString ErrorText(std::string_view cp1251Message) {
    std::string text(cp1251Message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text.push_back('.');
    }
    return look::FromEngineText(text);
}

QString WithFullStop(const QString& message) {
    if (message.isEmpty())
        return message;
    // The last character in code page order; one the code page lacks reads as "?".
    const std::string last = look::ToEngineText(message.right(message.back().isLowSurrogate() ? 2 : 1));
    const bool after = !last.empty() && static_cast<unsigned char>(last.back()) > static_cast<unsigned char>('.');
    return after ? message + QLatin1Char('.') : message;
}

} // namespace lirem::ui
