// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace lirem::ui {

namespace {

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->Text() : QString();
    }
};

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    QAccessible::registerAccessibleInterface(new AnnouncerAccessible(this));
}

void Announcer::Say(const QString& text) {
    text_ = text;
    if (text.isEmpty() || !QAccessible::isActive()) {
        return;
    }
    // The name change makes the reader drop the name it holds; the show makes
    // it read the notification. The widget itself stays hidden.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace lirem::ui
