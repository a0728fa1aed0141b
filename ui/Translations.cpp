// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace lirem::ui {

std::unique_ptr<QTranslator> LoadToolkitTranslations() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    return translator;
}

void InstallToolkitTranslations(QCoreApplication& app) {
    if (std::unique_ptr<QTranslator> translator = LoadToolkitTranslations()) {
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    }
}

} // namespace lirem::ui
