// A StatusNotifier watcher that answers as a desktop's panel does, for the tests and the
// benchmarks: it takes the watcher's name on the session bus in $DBUS_SESSION_BUS_ADDRESS,
// says that a host shows the items, accepts every item, and keeps the name until it ends.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QStringList>

namespace {

const QString kName = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierWatcher");

class Watcher final : public QDBusVirtualObject {
public:
    QString introspect(const QString& path) const override {
        if (path != kPath) {
            return {};
        }
        return QStringLiteral(R"(<interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface>
)");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        if (message.interface() == QStringLiteral("org.freedesktop.DBus.Properties")) {
            const QVariantMap all = Properties();
            if (member == QStringLiteral("GetAll")) {
                return connection.send(message.createReply(QVariant(all)));
            }
            const QString property = message.arguments().value(1).toString();
            if (member != QStringLiteral("Get") || !all.contains(property)) {
                return false;
            }
            return connection.send(
                message.createReply(QVariant::fromValue(QDBusVariant(all[property]))));
        }
        return member.startsWith(QStringLiteral("Register")) &&
               connection.send(message.createReply());
    }

private:
    static QVariantMap Properties() {
        return {{QStringLiteral("RegisteredStatusNotifierItems"), QStringList()},
                {QStringLiteral("IsStatusNotifierHostRegistered"), true},
                {QStringLiteral("ProtocolVersion"), 0}};
    }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher;
    if (!bus.registerVirtualObject(kPath, &watcher) || !bus.registerService(kName)) {
        return 1;
    }
    return QCoreApplication::exec();
}
