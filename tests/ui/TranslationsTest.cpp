// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own texts in Russian, whatever the locale.
#include "ui/Translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace lirem::ui::test {
namespace {

TEST(TranslationsTest, EditMenusAndMessageBoxButtonsAreRussian) {
    const std::unique_ptr<QTranslator> translator = LoadToolkitTranslations();
    if (!translator) {
        GTEST_SKIP() << "qtbase_ru.qm is not installed (package qt6-translations-l10n)";
    }
    QCoreApplication::installTranslator(translator.get());
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const QString cancel = box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&'));
    const QString yes = box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&'));
    QCoreApplication::removeTranslator(translator.get());

    for (const char* item : {"Отменить действие", "Вырезать", "Копировать", "Вставить", "Выделить всё"}) {
        EXPECT_TRUE(items.contains(QString::fromUtf8(item))) << item << " in " << items.join(", ").toStdString();
    }
    EXPECT_EQ(cancel, "Отмена");
    EXPECT_EQ(yes, "Да");
}

} // namespace
} // namespace lirem::ui::test
