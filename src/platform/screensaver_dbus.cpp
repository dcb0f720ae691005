#include "platform/screensaver_dbus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <cstdio>
#include <utility>

namespace gorvo::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");
constexpr int kAnswerTimeoutMs = 5000;
constexpr int kReleaseTimeoutMs = 500;

QDBusMessage call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    return message;
}

}  // namespace

DBusScreensaver::DBusScreensaver(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

bool DBusScreensaver::inhibit(Answer answer) {
    if (!bus_.isConnected()) {
        warn_once(QStringLiteral("no session message bus"));
        return false;
    }
    const QDBusMessage request =
        call(QStringLiteral("Inhibit"),
             {QStringLiteral("Gorvo250"), QStringLiteral("A game is played with a gamepad")});
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(request, kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, answer = std::move(answer)](QDBusPendingCallWatcher* done) {
                const QDBusPendingReply<uint> reply = *done;
                done->deleteLater();
                if (reply.isError()) {
                    warn_once(reply.error().message());
                    answer(std::nullopt);
                    return;
                }
                answer(reply.value());
            });
    return true;
}

void DBusScreensaver::uninhibit(Cookie cookie) {
    if (!bus_.isConnected()) return;
    bus_.call(call(QStringLiteral("UnInhibit"), {QVariant::fromValue(uint{cookie})}), QDBus::Block,
              kReleaseTimeoutMs);
}

void DBusScreensaver::warn_once(const QString& why) {
    if (warned_) return;
    warned_ = true;
    std::fprintf(stderr, "Gorvo250: the screensaver cannot be held off during pad play (%s).\n",
                 why.toLocal8Bit().constData());
}

}  // namespace gorvo::platform
