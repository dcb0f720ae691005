#include "private_bus.h"

#include <QMutexLocker>
#include <QStandardPaths>

namespace gorvo::test {

namespace {
const QString kDesktopConnection = QStringLiteral("gorvo-test-desktop");
}

std::vector<QString> FakeDesktopScreensaver::calls() const {
    QMutexLocker lock(&mutex_);
    return calls_;
}

uint FakeDesktopScreensaver::Inhibit(const QString& application, const QString& reason) {
    QMutexLocker lock(&mutex_);
    const uint cookie = ++next_cookie_;
    calls_.push_back(QStringLiteral("Inhibit %1: %2 = %3").arg(application, reason).arg(cookie));
    return cookie;
}

void FakeDesktopScreensaver::UnInhibit(uint cookie) {
    QMutexLocker lock(&mutex_);
    calls_.push_back(QStringLiteral("UnInhibit %1").arg(cookie));
}

PrivateBus::PrivateBus() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty()) {
        reason_ = QStringLiteral("no dbus-daemon on this system");
        return;
    }
    daemon_.start(program, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                            QStringLiteral("--print-address")});
    if (!daemon_.waitForStarted(5000) || !daemon_.waitForReadyRead(5000)) {
        reason_ = QStringLiteral("dbus-daemon did not start: ") + daemon_.errorString();
        return;
    }
    address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    if (desktop_) {
        QDBusConnection::disconnectFromBus(kDesktopConnection);
        desktop_thread_.quit();
        desktop_thread_.wait();
    }
    daemon_.kill();
    daemon_.waitForFinished(5000);
}

QDBusConnection PrivateBus::connect(const QString& name) const {
    return QDBusConnection::connectToBus(address_, name);
}

bool PrivateBus::offer_screensaver() {
    desktop_ = std::make_unique<FakeDesktopScreensaver>();
    desktop_->moveToThread(&desktop_thread_);
    desktop_thread_.start();
    QDBusConnection bus = connect(kDesktopConnection);
    return bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), desktop_.get(),
                              QDBusConnection::ExportAllSlots) &&
           bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
}

}  // namespace gorvo::test
