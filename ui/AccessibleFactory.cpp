// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleFactory.h"

#include "ui/AccessibleRect.h"
#include "ui/Main.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

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

QAccessibleInterface* Factory(const QString& className, QObject* object) {
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
            return new PlacedWidgetAccessible(stack, QAccessible::Pane);
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
