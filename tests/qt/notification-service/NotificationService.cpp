// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the desktop's notification service, for tests on a private
// session bus: it takes the service name and prints every call it gets, one
// line each, so that a test can see what the program sent.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QVariantMap>

#include <cstdio>

namespace {

void print(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class Service : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QList<QVariant> args = message.arguments();
        if (message.member() == QLatin1String("Notify") && args.size() == 8) {
            const auto hints = qdbus_cast<QVariantMap>(args[6]);
            print(QStringLiteral("notify %1|%2|%3|%4|urgency %5")
                      .arg(args[0].toString(), args[3].toString(), args[4].toString(),
                           args[2].toString(),
                           QString::number(hints.value(QStringLiteral("urgency")).toUInt())));
            connection.send(message.createReply(QVariant::fromValue(++last_)));
            return true;
        }
        if (message.member() == QLatin1String("CloseNotification") && args.size() == 1) {
            print(QStringLiteral("close %1").arg(args[0].toUInt()));
            connection.send(message.createReply());
            return true;
        }
        return false;
    }

private:
    unsigned last_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Service service;
    if (!bus.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), &service) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        print(QStringLiteral("cannot take the service name"));
        return 1;
    }
    print(QStringLiteral("ready"));
    return application.exec();
}
