// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TWinSkinMenu: the form's menu bar, drawn by the skinned frame under the
// title bar. Each top-level item is a TMenuBtn; pressing one opens its
// drop-down below it, and while that is open the arrow keys and the mouse move
// along the bar.

#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>
#include <vector>

class QAction;
class QPainter;
class QShortcut;

namespace lirem::skin {

class TMenuBtn;
class TSkinData;
class TWinSkinForm;

class TWinSkinMenu : public QObject {
    Q_OBJECT
public:
    // Takes over `menu` (the form's menu bar, hidden while the skin is attached).
    TWinSkinMenu(TWinSkinForm& owner, QMenuBar* menu);
    ~TWinSkinMenu() override;

    QMenuBar* Menu() const { return menu_; }
    const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return items_; }

    // One TMenuBtn per top-level item, and the Alt accelerators.
    void Rebuild();
    // Lays the items out in the bar rectangle (window coordinates).
    void Layout(const QRect& bar);
    QRect BarRect() const { return bar_; }
    // The bar's height as the platform would draw it.
    int PlatformHeight() const;
    // A top-level item's width: its measured caption plus 2.
    int ItemWidth(const QAction& item) const;

    void Paint(QPainter& painter);
    void PaintItem(QPainter& painter, const TMenuBtn& item) const;

    TMenuBtn* ItemAt(const QPoint& windowPos) const;
    // Opens the drop-down of an item below it; closes any other first.
    void OpenItem(int index);
    void CloseItem();
    bool IsPopupOpen() const { return openPopup_ != nullptr; }
    int OpenIndex() const { return openIndex_; }
    QMenu* OpenPopup() const { return openPopup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PopupClosed(QMenu* popup);
    void Step(int delta);
    const TSkinData* Skin() const;

    TWinSkinForm& owner_;
    QPointer<QMenuBar> menu_;
    // The same object, for recognising its events even while it is being
    // destroyed (when it is no longer a QMenuBar).
    const QObject* menuObject_;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
    std::vector<std::unique_ptr<QShortcut>> accelerators_;
    QRect bar_;
    QPointer<QMenu> openPopup_;
    int openIndex_ = -1;
};

} // namespace lirem::skin
