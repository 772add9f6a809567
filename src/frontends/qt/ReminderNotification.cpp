// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/ReminderNotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace norvik::qt {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

// The notification's urgency: critical, so that it stays until answered.
constexpr unsigned char urgencyCritical = 2;

} // namespace

void ReminderNotification::show(const QString& eventLine) {
    QDBusMessage notify =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(urgencyCritical));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("norvik"));
    notify << QStringLiteral("Norvik") << 0U << QStringLiteral("norvik") << QStringLiteral("Norvik")
           << eventLine << QStringList() << hints << -1;
    // Sent without asking first whether the service is there: an error reply
    // (no service, no bus) is simply dropped.
    auto shown = std::make_shared<Shown>();
    last_ = shown;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                     [shown](QDBusPendingCallWatcher* call) {
                         const QDBusPendingReply<unsigned> reply = *call;
                         call->deleteLater();
                         if (reply.isError()) {
                             return;
                         }
                         shown->id = reply.value();
                         if (shown->closed) {
                             sendClose(shown->id);
                         }
                     });
}

void ReminderNotification::close() {
    if (!last_) {
        return;
    }
    last_->closed = true;
    if (last_->id != 0) {
        sendClose(last_->id);
    }
    last_.reset();
}

void ReminderNotification::sendClose(unsigned id) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface,
                                                          QStringLiteral("CloseNotification"));
    message << id;
    QDBusConnection::sessionBus().call(message, QDBus::NoBlock);
}

} // namespace norvik::qt
