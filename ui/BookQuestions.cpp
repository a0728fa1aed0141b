// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BookQuestions.h"

#include "look/AppTitle.h"
#include "ui/SkinnedWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace lirem::ui {

SaveChoice MessageBoxQuestions::AskSave(const QString& cardName) {
    QMessageBox box(QMessageBox::Question, look::ApplicationTitle(),
                    QStringLiteral("В окне открыта карточка «%1». Обновить её или сохранить расчет как новую "
                                   "карточку?")
                        .arg(cardName),
                    QMessageBox::NoButton, owner_);
    box.setObjectName(QStringLiteral("BookSaveQuestion"));
    QPushButton* update = box.addButton(QStringLiteral("&Обновить"), QMessageBox::AcceptRole);
    QPushButton* asNew = box.addButton(QStringLiteral("Сохранить как &новую"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(update);
    box.setEscapeButton(cancel);
    AttachSkin(box, skin_);
    box.exec();
    if (box.clickedButton() == update)
        return SaveChoice::Update;
    if (box.clickedButton() == asNew)
        return SaveChoice::SaveAsNew;
    return SaveChoice::Cancel;
}

bool MessageBoxQuestions::ConfirmRemove(const QString& cardName) {
    QMessageBox box(QMessageBox::Warning, look::ApplicationTitle(),
                    QStringLiteral("Удалить карточку «%1» из картотеки? Её нельзя будет вернуть.").arg(cardName),
                    QMessageBox::NoButton, owner_);
    box.setObjectName(QStringLiteral("BookRemoveQuestion"));
    QPushButton* remove = box.addButton(QStringLiteral("&Удалить"), QMessageBox::DestructiveRole);
    QPushButton* keep = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    // A stray Enter keeps the card.
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    AttachSkin(box, skin_);
    box.exec();
    return box.clickedButton() == remove;
}

} // namespace lirem::ui
