// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReaderStates.h"

#include <QAccessible>
#include <QWidget>

#ifdef LIREM_READER_DBUS
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace lirem::ui {

#ifdef LIREM_READER_DBUS

namespace {

// The application's root object, the last argument of every event.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& out, const ObjectReference& ref) {
    out.beginStructure();
    out << ref.service << ref.path;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, ObjectReference& ref) {
    in.beginStructure();
    in >> ref.service >> ref.path;
    in.endStructure();
    return in;
}

} // namespace

} // namespace lirem::ui

Q_DECLARE_METATYPE(lirem::ui::ObjectReference)

namespace lirem::ui {

namespace {

// The bridge's connection to the accessibility bus, named by the bridge.
QDBusConnection AccessibilityBus() {
    return QDBusConnection(QStringLiteral("a11y"));
}

void SendState(const QDBusConnection& bus, QAccessibleInterface* iface, const char* state, bool on) {
    // The event as the bridge sends it: state, detail1, detail2, any data, and
    // the application it comes from.
    // The bridge's object path of an interface: its unique id.
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(iface));
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    const ObjectReference root{bus.baseService(), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))};
    signal << QString::fromLatin1(state) << (on ? 1 : 0) << 0 << QVariant::fromValue(QDBusVariant(0))
           << QVariant::fromValue(root);
    bus.send(signal);
}

void ReportTree(const QDBusConnection& bus, QAccessibleInterface* iface, int depth) {
    if (iface == nullptr || !iface->isValid() || iface->state().invisible || depth > 32) {
        return;
    }
    // "showing" the toolkit has sent as the widget was shown.
    SendState(bus, iface, "visible", true);
    for (int i = 0, n = iface->childCount(); i < n; ++i) {
        ReportTree(bus, iface->child(i), depth + 1);
    }
}

} // namespace

void ReportVisible(QWidget* root) {
    if (root == nullptr || !QAccessible::isActive() || !root->isVisible()) {
        return;
    }
    const QDBusConnection bus = AccessibilityBus();
    if (!bus.isConnected()) {
        return;
    }
    static const bool registered = [] {
        qDBusRegisterMetaType<ObjectReference>();
        return true;
    }();
    (void)registered;
    ReportTree(bus, QAccessible::queryAccessibleInterface(root), 0);
}

#else

void ReportVisible(QWidget* /*root*/) {}

#endif

} // namespace lirem::ui
