// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ErrorReporter.h"

#include "ui/AppTitle.h"
#include "ui/TextBoundary.h"

#include <QMessageBox>

namespace lirem::ui {

void MessageBoxReporter::Report(const QString& message) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), message, QMessageBox::Ok, owner_);
    box.exec();
}

QString ErrorText(std::string_view cp1251Message) {
    std::string text(cp1251Message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text.push_back('.');
    }
    return FromEngineText(text);
}

} // namespace lirem::ui
