// A message bus of the test's own (a dbus-daemon started for it) with a desktop screensaver
// service on it that runs in a thread of its own, so that calls which wait for the desktop's
// answer are answered while the test waits.
#pragma once

#include <QDBusConnection>
#include <QMutex>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QThread>
#include <memory>
#include <vector>

namespace gorvo::test {

// What the desktop was asked, in order: "Inhibit <app>: <reason> = <cookie>", "UnInhibit 7".
class FakeDesktopScreensaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
  public:
    std::vector<QString> calls() const;

  public slots:
    uint Inhibit(const QString& application, const QString& reason);
    void UnInhibit(uint cookie);

  private:
    mutable QMutex mutex_;
    std::vector<QString> calls_;
    uint next_cookie_ = 100;
};

class PrivateBus {
  public:
    PrivateBus();
    ~PrivateBus();

    // False when no dbus-daemon could be started here; the reason says why.
    bool running() const { return !address_.isEmpty(); }
    QString reason() const { return reason_; }

    // A new connection to the bus, as the program would hold one.
    QDBusConnection connect(const QString& name) const;
    // Puts the desktop's screensaver service on the bus.
    bool offer_screensaver();
    const FakeDesktopScreensaver& desktop() const { return *desktop_; }

  private:
    QProcess daemon_;
    QString address_;
    QString reason_;
    QThread desktop_thread_;
    std::unique_ptr<FakeDesktopScreensaver> desktop_;
};

}  // namespace gorvo::test
