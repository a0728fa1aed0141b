// SPDX-License-Identifier: GPL-3.0-or-later
// TWinSkinForm: the system menu and what the caption buttons do.
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/WindowSystem.h"

#include "skin/frame/NCObjects.h"
#include "skin/frame/SkinMenuStyle.h"

#include <QCursor>
#include <QDialog>
#include <QTimer>

namespace lirem::skin {

void TWinSkinForm::CreateSystemMenu() {
    systemMenu_ = std::make_unique<QMenu>();
    systemMenu_->setStyle(menuStyle_.get());
    const std::pair<const char*, SysCommand> items[] = {
        {"Restore", SysCommand::Restore},
        {"Minimize", SysCommand::Minimize},
        {"Maximize", SysCommand::Maximize},
        {"Close", SysCommand::Close},
    };
    for (const auto& [text, command] : items) {
        QAction* action = systemMenu_->addAction(QString::fromLatin1(text));
        action->setData(static_cast<int>(command));
        connect(action, &QAction::triggered, this, [this, command = command] { RunSystemCommand(command); });
    }
}

void TWinSkinForm::UpdateSystemMenu() {
    if (systemMenu_ == nullptr || form_ == nullptr)
        return;
    const bool maximized = form_->isMaximized();
    for (QAction* action : systemMenu_->actions()) {
        switch (static_cast<SysCommand>(action->data().toInt())) {
        case SysCommand::Restore:
            action->setEnabled(form_->isMinimized() || (CanMaximize() && maximized));
            break;
        case SysCommand::Minimize:
            action->setEnabled(savedIcons_.minimize && !form_->isMinimized());
            break;
        case SysCommand::Maximize:
            action->setEnabled(CanMaximize() && !maximized);
            break;
        case SysCommand::Close:
            action->setEnabled(true);
            break;
        }
    }
}

void TWinSkinForm::DoSysAction(const TWinSysButton& button) {
    switch (button.Data().ActionKind) {
    case SysAction::Close:
        if (auto* dialog = qobject_cast<QDialog*>(form_.data()); dialog != nullptr && dialog->isModal()) {
            dialog->reject();
        } else {
            if (hoverTimer_ != nullptr)
                hoverTimer_->stop();
            QMetaObject::invokeMethod(form_.data(), &QWidget::close, Qt::QueuedConnection);
        }
        break;
    case SysAction::Maximize:
        RunSystemCommand(SysCommand::Maximize);
        break;
    case SysAction::Minimize:
        RunSystemCommand(SysCommand::Minimize);
        break;
    case SysAction::IconMenu:
    case SysAction::SystemMenu:
        PopupSystemMenu(QCursor::pos());
        break;
    case SysAction::None:
        break;
    }
}

void TWinSkinForm::RunSystemCommand(SysCommand command) {
    if (form_ == nullptr)
        return;
    switch (command) {
    case SysCommand::Close:
        form_->close();
        break;
    case SysCommand::Maximize:
        // Toggles; a window that cannot be maximised stays as it is.
        if (CanMaximize()) {
            if (form_->isMaximized())
                form_->showNormal();
            else
                form_->showMaximized();
        }
        break;
    case SysCommand::Minimize:
        // The window system iconifies the window on request; where nothing
        // could bring it back (X11 without a window manager) it stays.
        if (CanIconify())
            form_->showMinimized();
        break;
    case SysCommand::Restore:
        if (form_->isMinimized() || form_->isMaximized())
            form_->showNormal();
        break;
    }
}

void TWinSkinForm::PopupSystemMenu(const QPoint& globalPos) {
    if (systemMenu_ == nullptr)
        return;
    UpdateSystemMenu();
    systemMenu_->popup(globalPos);
}

} // namespace lirem::skin
