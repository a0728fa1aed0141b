// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit's own Russian texts (edit field context menus, message box
// buttons), whatever the user's locale.

#include <QTranslator>

#include <memory>

class QCoreApplication;

namespace lirem::ui {

// qtbase_ru from the toolkit's translations folder; nullptr when it is not
// installed (the toolkit then shows its English texts).
[[nodiscard]] std::unique_ptr<QTranslator> LoadToolkitTranslations();

// Loads them and installs them into the application for its whole life.
void InstallToolkitTranslations(QCoreApplication& app);

} // namespace lirem::ui
