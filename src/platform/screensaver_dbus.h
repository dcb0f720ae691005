// The desktop's screensaver over the session message bus, through the freedesktop ScreenSaver
// interface. No bus, or no such service on it, means the screensaver cannot be held off: the
// program plays on and says so once on the standard error stream.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "platform/screensaver_policy.h"

namespace gorvo::platform {

class DBusScreensaver : public QObject, public ScreensaverService {
    Q_OBJECT
  public:
    // The session bus unless another connection is given.
    explicit DBusScreensaver(QDBusConnection bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    // The request goes out at once and is answered from the event loop; an answer still on its
    // way when this object goes is dropped, and the desktop drops the request with the bus
    // connection when the program ends.
    bool inhibit(Answer answer) override;
    // Waits briefly for the desktop to confirm, so that the release is out before the program
    // can end.
    void uninhibit(Cookie cookie) override;

  private:
    void warn_once(const QString& why);

    QDBusConnection bus_;
    bool warned_ = false;
};

}  // namespace gorvo::platform
