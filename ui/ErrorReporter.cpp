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

} // namespace lirem::ui
