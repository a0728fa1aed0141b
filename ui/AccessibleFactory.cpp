// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleFactory.h"

#include "ui/AccessibleRect.h"
#include "ui/Main.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <vector>

namespace lirem::ui {

namespace {

// An editable combo box: its accessible name is its caption, its value the
// text in its field; it can open its list.
class CaptionedComboAccessible final : public QAccessibleWidget {
public:
    explicit CaptionedComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* combo = static_cast<const QComboBox*>(widget());
        switch (t) {
        case QAccessible::Name:
            return combo->accessibleName();
        case QAccessible::Value:
            return combo->lineEdit() != nullptr ? combo->lineEdit()->text() : combo->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* combo = static_cast<const QComboBox*>(widget());
        s.editable = combo->isEditable();
        s.expandable = true;
        return s;
    }

    QRect rect() const override { return DeviceRect(widget()); }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            static_cast<QComboBox*>(widget())->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// A widget placed in screen pixels (see AccessibleRect.h).
class PlacedWidgetAccessible final : public QAccessibleWidget {
public:
    PlacedWidgetAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QRect rect() const override { return DeviceRect(widget()); }
};

// The page control's stack of pages: the pages in their order.
class PageStackAccessible final : public QAccessibleWidget {
public:
    explicit PageStackAccessible(QStackedWidget* stack) : QAccessibleWidget(stack, QAccessible::Pane) {}
    int childCount() const override { return Stack()->count(); }
    QAccessibleInterface* child(int index) const override {
        QWidget* page = Stack()->widget(index);
        return page != nullptr ? QAccessible::queryAccessibleInterface(page) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() != nullptr
                   ? Stack()->indexOf(qobject_cast<QWidget*>(child->object()))
                   : -1;
    }
    QRect rect() const override { return DeviceRect(widget()); }

private:
    [[nodiscard]] QStackedWidget* Stack() const { return static_cast<QStackedWidget*>(widget()); }
};

// One tab of the page row. The toolkit's own tab says it has the focus while
// it is the current one, even when a field has the focus.
class PageTabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return bar_ != nullptr && index_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) {
            return {};
        }
        return bar_->tabText(index_).remove(QLatin1Char('&'));
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override { return isValid() ? DeviceRect(bar_, bar_->tabRect(index_)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.selected = index_ == bar_->currentIndex();
        s.focused = s.selected && bar_->hasFocus();
        s.disabled = !bar_->isTabEnabled(index_);
        s.invisible = !bar_->isVisible() || !bar_->isTabVisible(index_);
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) {
            bar_->setCurrentIndex(index_);
        }
    }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

// The page row: its tabs are its children.
class PageRowAccessible final : public QAccessibleWidget {
public:
    explicit PageRowAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~PageRowAccessible() override {
        for (const QAccessible::Id id : tabs_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    PageRowAccessible(const PageRowAccessible&) = delete;
    PageRowAccessible& operator=(const PageRowAccessible&) = delete;

    // Named by the current page, as the reader says on reaching the row.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && Bar()->currentIndex() >= 0) {
            return Bar()->tabText(Bar()->currentIndex()).remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return Bar()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= Bar()->count()) {
            return nullptr;
        }
        while (tabs_.size() <= static_cast<std::size_t>(index)) {
            tabs_.push_back(
                QAccessible::registerAccessibleInterface(new PageTabAccessible(Bar(), static_cast<int>(tabs_.size()))));
        }
        return QAccessible::accessibleInterface(tabs_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < tabs_.size(); ++i) {
            if (QAccessible::accessibleInterface(tabs_[i]) == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* tab = child(i);
            if (tab != nullptr && tab->rect().contains(x, y)) {
                return tab;
            }
        }
        return nullptr;
    }
    QRect rect() const override { return DeviceRect(widget()); }

private:
    [[nodiscard]] QTabBar* Bar() const { return static_cast<QTabBar*>(widget()); }
    mutable std::vector<QAccessible::Id> tabs_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("QTabBar")) {
        if (auto* bar = qobject_cast<QTabBar*>(object)) {
            return new PageRowAccessible(bar);
        }
    }
    if (className == QLatin1String(TMainForm::staticMetaObject.className())) {
        if (auto* window = qobject_cast<TMainForm*>(object)) {
            return new PlacedWidgetAccessible(window, QAccessible::Window);
        }
    }
    // The page control's stack of pages is only layout: a plain panel rather
    // than a "layered pane" the reader would name on every page change.
    if (className == QLatin1String("QStackedWidget")) {
        auto* stack = qobject_cast<QStackedWidget*>(object);
        if (stack != nullptr && qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr) {
            return new PageStackAccessible(stack);
        }
    }
    if (className == QLatin1String("QComboBox")) {
        auto* combo = qobject_cast<QComboBox*>(object);
        if (combo != nullptr && combo->isEditable()) {
            return new CaptionedComboAccessible(combo);
        }
    }
    return nullptr;
}

} // namespace

void InstallAccessibleFactory() {
    QAccessible::installFactory(&Factory);
}

} // namespace lirem::ui
