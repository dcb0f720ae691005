// weston with its desktop shell, drawn into an X server that the test starts for it: the X
// server's keyboard and pointer, driven by xdotool, are the compositor's input devices, and
// its root window is the output as the user sees it.
#include <xcb/xcb.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "desktop.h"
#include "processes.h"

namespace gorvo::test {
namespace {

class WestonDesktop : public Desktop {
  public:
    ~WestonDesktop() override {
        if (x_) xcb_disconnect(x_);
        for (QProcess* p : {&weston_, &xvfb_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->kill();
            p->waitForFinished(5000);
        }
    }

    QString missing() const override { return missing_programs({"weston", "Xvfb", "xdotool"}); }

    QString start() override {
        if (!runtime_.isValid()) return QStringLiteral("no runtime folder");
        // The X server picks a free display itself and names it on its standard output.
        const QString size =
            QStringLiteral("%1x%2x24").arg(kOutputSize.width()).arg(kOutputSize.height());
        xvfb_.start(QStringLiteral("Xvfb"),
                    {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", size});
        if (!wait_for([this] { return xvfb_.waitForReadyRead(50) || xvfb_.canReadLine(); },
                      20000)) {
            return QStringLiteral("Xvfb named no display");
        }
        display_ = QStringLiteral(":") + QString::fromUtf8(xvfb_.readLine()).trimmed();
        x_ = xcb_connect(display_.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(x_)) return QStringLiteral("cannot connect to ") + display_;

        QProcessEnvironment env = client_environment();
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("DISPLAY"), display_);
        weston_.setProcessEnvironment(env);
        weston_.setProcessChannelMode(QProcess::MergedChannels);
        weston_.start(QStringLiteral("weston"),
                      {"--backend=x11-backend.so", "--use-pixman", "--no-config", "--idle-time=0",
                       "--socket=wayland-0", QStringLiteral("--width=%1").arg(kOutputSize.width()),
                       QStringLiteral("--height=%1").arg(kOutputSize.height())});
        if (!weston_.waitForStarted(10000)) return QStringLiteral("weston did not start");
        const bool socket = wait_for(
            [this] { return QDir(runtime_.path()).exists(QStringLiteral("wayland-0")); }, 20000);
        if (!socket) return QStringLiteral("weston made no socket: ") + weston_.readAll();
        // The desktop shell draws its background and panel a moment after the socket is made.
        QImage last;
        const bool drawn = wait_for(
            [this, &last] {
                const QImage now = screenshot();
                const bool steady =
                    !now.isNull() && now == last &&
                    now.pixel(0, 0) != now.pixel(kOutputSize.width() / 2, kOutputSize.height() / 2);
                last = now;
                return steady;
            },
            20000);
        if (!drawn) return QStringLiteral("weston's desktop shell drew nothing");
        pointer_to(QPoint(kOutputSize.width() - 1, kOutputSize.height() - 1));
        return {};
    }

    QProcessEnvironment client_environment() const override {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_SOCKET", "SWAYSOCK"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
        return env;
    }

    // The root window, straight from the X server: a picture program would take far longer
    // to pack what it copies.
    QImage screenshot() override {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x_)).data;
        const auto width = static_cast<std::uint16_t>(kOutputSize.width());
        const auto height = static_cast<std::uint16_t>(kOutputSize.height());
        xcb_get_image_reply_t* reply = xcb_get_image_reply(
            x_,
            xcb_get_image(x_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, width, height, ~0u),
            nullptr);
        if (!reply) return {};
        QImage shot;
        // 24-bit colour in 32-bit pixels, as Xvfb keeps them.
        if (xcb_get_image_data_length(reply) == width * height * 4) {
            shot = QImage(xcb_get_image_data(reply), width, height, width * 4, QImage::Format_RGB32)
                       .copy();
        }
        std::free(reply);
        return shot;
    }

    void key(const QString& name) override { xdotool({"key", name}); }
    void pointer_to(QPoint at) override {
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
    }
    void left_button(bool down) override {
        xdotool({down ? QStringLiteral("mousedown") : QStringLiteral("mouseup"), "1"});
    }

  private:
    void xdotool(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        run(QStringLiteral("xdotool"), args, env);
    }

    QTemporaryDir runtime_;
    QString display_;
    xcb_connection_t* x_ = nullptr;
    QProcess xvfb_;
    QProcess weston_;
};

}  // namespace

std::unique_ptr<Desktop> make_weston_desktop() {
    return std::make_unique<WestonDesktop>();
}

}  // namespace gorvo::test
