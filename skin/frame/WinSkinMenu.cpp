// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/WinSkinMenu.h"

#include "skin/data/SkinDraw.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/NCObjects.h"
#include "skin/frame/SkinMenuStyle.h"
#include "skin/frame/WinSkinForm.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>

namespace lirem::skin {

namespace {

constexpr int kItemIconSize = 16;

QString CaptionOf(const QAction& item) {
    return item.text().section(QLatin1Char('\t'), 0, 0);
}

} // namespace

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& owner, QMenuBar* menu) : owner_(owner), menu_(menu), menuObject_(menu) {
    if (menu_ != nullptr)
        menu_->installEventFilter(this);
}

TWinSkinMenu::~TWinSkinMenu() {
    if (openPopup_ != nullptr) {
        openPopup_->removeEventFilter(this);
        disconnect(openPopup_, nullptr, this, nullptr);
        openPopup_->hide();
    }
    if (menu_ != nullptr)
        menu_->removeEventFilter(this);
}

const TSkinData* TWinSkinMenu::Skin() const {
    return owner_.SkinData();
}

void TWinSkinMenu::Rebuild() {
    CloseItem();
    for (const auto& item : items_) {
        if (owner_.HotObject() == item.get())
            owner_.SetHotObject(nullptr);
    }
    items_.clear();
    accelerators_.clear();
    if (menu_ == nullptr)
        return;
    const QList<QAction*> actions = menu_->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        auto item = std::make_unique<TMenuBtn>(owner_, action, owner_.SkinData(), i);
        item->Visible = action->isVisible() && !action->isSeparator();
        items_.push_back(std::move(item));
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        if (!mnemonic.isEmpty() && owner_.Form() != nullptr) {
            auto shortcut = std::make_unique<QShortcut>(mnemonic, owner_.Form());
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut.get(), &QShortcut::activated, this, [this, i] { OpenItem(i); });
            accelerators_.push_back(std::move(shortcut));
        }
    }
    Layout(bar_);
}

int TWinSkinMenu::PlatformHeight() const {
    const int hint = menu_ != nullptr ? menu_->sizeHint().height() : 0;
    if (hint > 0)
        return hint;
    return QFontMetrics(owner_.Form() != nullptr ? owner_.Form()->font() : QApplication::font()).height() + 6;
}

int TWinSkinMenu::ItemWidth(const QAction& item) const {
    const QFontMetrics fm(owner_.Form() != nullptr ? owner_.Form()->font() : QApplication::font());
    int width = fm.boundingRect(QRect(), Qt::TextShowMnemonic | Qt::TextSingleLine, CaptionOf(item)).width();
    if (!item.icon().isNull())
        width += kItemIconSize + 2;
    return width + SkinMenuStyle::kMenuBarExtra + 2;
}

void TWinSkinMenu::Layout(const QRect& bar) {
    bar_ = bar;
    const TDataSkinObject* element = Skin() != nullptr ? Skin()->MenuBar() : nullptr;
    int x = element != nullptr ? element->LeftWidth + 4 : 6;
    if (bar.width() < x)
        x = 12;
    for (const auto& item : items_) {
        if (!item->Visible || item->Item() == nullptr) {
            item->Rect = QRect();
            continue;
        }
        const int width = ItemWidth(*item->Item());
        item->Rect = QRect(bar.left() + x, bar.top(), width, bar.height());
        x += width;
    }
}

void TWinSkinMenu::Paint(QPainter& painter) {
    if (bar_.isEmpty() || Skin() == nullptr)
        return;
    const TSkinData& skin = *Skin();
    const TDataSkinObject* element = skin.MenuBar();
    if (element != nullptr && !element->Bitmap.isNull()) {
        DrawHorzStrip(painter, bar_, element->Bitmap, FrameStrip::Vertical, false, 2, 1, element->LeftWidth,
                      element->RightWidth);
    } else {
        painter.fillRect(bar_, ResolveColour(skin.Palette().Menubar, QApplication::palette()));
    }
    for (const auto& item : items_)
        PaintItem(painter, *item);
}

void TWinSkinMenu::PaintItem(QPainter& painter, const TMenuBtn& item) const {
    const QAction* action = item.Item();
    if (!item.Visible || action == nullptr || item.Rect.isEmpty() || Skin() == nullptr)
        return;
    const SkinPalette& pal = Skin()->Palette();
    const QPalette& system = QApplication::palette();
    QRect r = item.Rect;
    painter.save();
    painter.setClipRect(r);
    if (item.State == NCState::Hot || item.State == NCState::Pressed) {
        painter.setPen(ResolveColour(pal.ButtonHilight, system));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 1, -1, -2));
    }
    if (!action->icon().isNull()) {
        const QRect icon(r.left() + 4, r.top() + (r.height() - kItemIconSize) / 2, kItemIconSize, kItemIconSize);
        action->icon().paint(&painter, icon, Qt::AlignCenter, action->isEnabled() ? QIcon::Normal : QIcon::Disabled);
        r.setLeft(icon.right() + 1);
    }
    if (owner_.Form() != nullptr)
        painter.setFont(owner_.Form()->font());
    painter.setPen(ResolveColour(action->isEnabled() ? pal.MenuBarText : pal.ButtonShadow, system));
    painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, CaptionOf(*action));
    painter.restore();
}

TMenuBtn* TWinSkinMenu::ItemAt(const QPoint& windowPos) const {
    for (const auto& item : items_) {
        if (item->Visible && item->Rect.contains(windowPos))
            return item.get();
    }
    return nullptr;
}

void TWinSkinMenu::OpenItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size()) || owner_.Form() == nullptr)
        return;
    TMenuBtn& item = *items_[static_cast<std::size_t>(index)];
    if (!item.Visible || item.Item() == nullptr || !item.Item()->isEnabled())
        return;
    CloseItem();
    QMenu* popup = item.Item()->menu();
    if (popup == nullptr) {
        // A top-level item without drop-down is a command of its own.
        item.State = NCState::Normal;
        owner_.RepaintObject(item);
        item.Item()->trigger();
        return;
    }
    if (owner_.HotObject() != nullptr && owner_.HotObject() != &item)
        owner_.HotObject()->NCMouseLeave();
    owner_.SetHotObject(&item);
    item.State = NCState::Pressed;
    owner_.RepaintObject(item);
    openIndex_ = index;
    openPopup_ = popup;
    popup->installEventFilter(this);
    connect(popup, &QMenu::aboutToHide, this, [this, popup] { PopupClosed(popup); });
    popup->popup(owner_.Form()->mapToGlobal(QPoint(item.Rect.left(), item.Rect.bottom() + 1)));
}

void TWinSkinMenu::CloseItem() {
    if (openPopup_ != nullptr)
        openPopup_->hide(); // aboutToHide runs PopupClosed
}

void TWinSkinMenu::PopupClosed(QMenu* popup) {
    popup->removeEventFilter(this);
    disconnect(popup, &QMenu::aboutToHide, this, nullptr);
    if (popup != openPopup_)
        return;
    const int index = openIndex_;
    openPopup_ = nullptr;
    openIndex_ = -1;
    if (index >= 0 && index < static_cast<int>(items_.size())) {
        TMenuBtn& item = *items_[static_cast<std::size_t>(index)];
        item.State = NCState::Normal;
        if (owner_.HotObject() == &item)
            owner_.SetHotObject(nullptr);
        owner_.RepaintObject(item);
    }
}

// Moves to the next (or previous) visible, enabled top-level item, wrapping around.
void TWinSkinMenu::Step(int delta) {
    const int count = static_cast<int>(items_.size());
    if (count == 0 || openIndex_ < 0)
        return;
    int index = openIndex_;
    for (int n = 0; n < count; ++n) {
        index = (index + delta + count) % count;
        const TMenuBtn& item = *items_[static_cast<std::size_t>(index)];
        if (item.Visible && item.Item() != nullptr && item.Item()->isEnabled())
            break;
    }
    if (index == openIndex_)
        return;
    OpenItem(index);
    if (openPopup_ != nullptr && !openPopup_->actions().isEmpty()) {
        for (QAction* action : openPopup_->actions()) {
            if (action->isEnabled() && action->isVisible() && !action->isSeparator()) {
                openPopup_->setActiveAction(action);
                break;
            }
        }
    }
}

bool TWinSkinMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuObject_) {
        switch (event->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionRemoved:
        case QEvent::ActionChanged:
            // The menu changed: new items, new layout.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    Rebuild();
                    owner_.RecomputeFrame();
                },
                Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }
    // A popup being destroyed is no longer a QMenu and is not ours to handle.
    if (auto* popup = qobject_cast<QMenu*>(watched); popup == nullptr || popup != openPopup_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Left) {
            Step(-1);
            return true;
        }
        if (key->key() == Qt::Key_Right) {
            const QAction* active = openPopup_->activeAction();
            if (active == nullptr || active->menu() == nullptr) {
                Step(+1);
                return true;
            }
            return false;
        }
        if (key->key() == Qt::Key_Alt) {
            openPopup_->hide();
            return true;
        }
        return false;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress: {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (owner_.Form() == nullptr)
            return false;
        const QPoint pos = owner_.Form()->mapFromGlobal(me->globalPosition().toPoint());
        TMenuBtn* item = ItemAt(pos);
        if (item == nullptr)
            return false;
        if (item->Index() != openIndex_) {
            OpenItem(item->Index());
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            openPopup_->hide(); // a second press on the open item closes it
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace lirem::skin
