// sway on its headless back end. It will not run as root, so a root test starts it as the
// unprivileged user `nobody`, who then owns the runtime folder; clients of other users may
// still connect to it. Keys come from wtype, the pointer from the test's own client, pictures
// from grim, and the window tree from swaymsg.
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "desktop.h"
#include "processes.h"

namespace gorvo::test {
namespace {

// A test's sway: one output of the tests' size, no X server, and focus only by a click, as a
// pointer resting over another window must not take the keyboard from the game.
QByteArray sway_config() {
    return QStringLiteral(
               "output * resolution %1x%2\n"
               "xwayland disable\n"
               "focus_follows_mouse no\n")
        .arg(kOutputSize.width())
        .arg(kOutputSize.height())
        .toUtf8();
}

std::optional<CompositorWindow> find_game(const QJsonObject& node) {
    if (node.value(QStringLiteral("app_id")).toString() == QStringLiteral("gorvo250")) {
        const QJsonObject r = node.value(QStringLiteral("rect")).toObject();
        CompositorWindow w;
        w.rect = QRect(r.value("x").toInt(), r.value("y").toInt(), r.value("width").toInt(),
                       r.value("height").toInt());
        w.fullscreen = node.value(QStringLiteral("fullscreen_mode")).toInt() != 0;
        w.focused = node.value(QStringLiteral("focused")).toBool();
        return w;
    }
    for (const char* list : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(QLatin1String(list)).toArray()) {
            if (auto found = find_game(child.toObject())) return found;
        }
    }
    return std::nullopt;
}

class SwayDesktop : public Desktop {
  public:
    explicit SwayDesktop(QString pointer_tool) : pointer_tool_(std::move(pointer_tool)) {}
    ~SwayDesktop() override {
        for (QProcess* p : {&pointer_, &keyboard_, &sway_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->kill();
            p->waitForFinished(5000);
        }
    }

    QString missing() const override {
        QStringList programs{"sway", "swaymsg", "grim", "wtype"};
        if (geteuid() == 0) programs << QStringLiteral("setpriv");
        QString missing = missing_programs(programs);
        if (pointer_tool_.isEmpty() || !QFile::exists(pointer_tool_)) {
            if (!missing.isEmpty()) missing += QStringLiteral(", ");
            missing += QStringLiteral("the tests' virtual pointer (built with libwayland-dev)");
        }
        return missing;
    }

    QString start() override {
        if (!runtime_.isValid()) return QStringLiteral("no runtime folder");
        const QString config = runtime_.filePath(QStringLiteral("sway.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) || file.write(sway_config()) < 0) {
            return QStringLiteral("cannot write ") + config;
        }
        file.close();
        QString program = QStringLiteral("sway");
        QStringList args{QStringLiteral("-c"), config};
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody) return QStringLiteral("no user 'nobody' to run sway as");
            const QByteArray dir = QFile::encodeName(runtime_.path());
            if (chown(dir.constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                chown(QFile::encodeName(config).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
                return QStringLiteral("cannot hand the runtime folder to 'nobody'");
            }
            args.prepend(program);
            args.prepend(QStringLiteral("--clear-groups"));
            args.prepend(QStringLiteral("--regid=%1").arg(nobody->pw_gid));
            args.prepend(QStringLiteral("--reuid=%1").arg(nobody->pw_uid));
            program = QStringLiteral("setpriv");
        }
        QProcessEnvironment env = base_environment();
        env.insert(QStringLiteral("HOME"), runtime_.path());
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        sway_.setProcessEnvironment(env);
        sway_.setProcessChannelMode(QProcess::MergedChannels);
        sway_.start(program, args);
        if (!sway_.waitForStarted(10000)) return QStringLiteral("sway did not start");
        if (!wait_for([this] { return find_sockets(); }, 20000)) {
            return QStringLiteral("sway made no sockets: ") + QString::fromUtf8(sway_.readAll());
        }
        if (!wait_for([this] { return !screenshot().isNull(); }, 10000)) {
            return QStringLiteral("grim got no picture of sway's output");
        }
        return start_input_devices();
    }

    QProcessEnvironment client_environment() const override {
        QProcessEnvironment env = base_environment();
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket_);
        env.insert(QStringLiteral("SWAYSOCK"), ipc_socket_);
        return env;
    }

    QImage screenshot() override {
        const Finished grim =
            run(QStringLiteral("grim"), {QStringLiteral("-")}, client_environment());
        if (grim.exit_code != 0) return {};
        return QImage::fromData(grim.out, "PNG").convertToFormat(QImage::Format_RGB32);
    }

    void key(const QString& name) override {
        run(QStringLiteral("wtype"), {QStringLiteral("-k"), name}, client_environment());
    }
    void pointer_to(QPoint at) override {
        pointer_command(QStringLiteral("move %1 %2").arg(at.x()).arg(at.y()));
    }
    void left_button(bool down) override {
        pointer_command(down ? QStringLiteral("down") : QStringLiteral("up"));
    }

    std::optional<CompositorWindow> game_window() override {
        const Finished tree =
            run(QStringLiteral("swaymsg"),
                {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_tree")},
                client_environment());
        if (tree.exit_code != 0) return std::nullopt;
        return find_game(QJsonDocument::fromJson(tree.out).object());
    }

  private:
    QProcessEnvironment base_environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK", "WAYLAND_SOCKET"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        return env;
    }

    bool find_sockets() {
        const QDir dir(runtime_.path());
        const QStringList wayland =
            dir.entryList({QStringLiteral("wayland-*")}, QDir::System)
                .filter(QRegularExpression(QStringLiteral("^wayland-\\d+$")));
        const QStringList ipc = dir.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        if (wayland.isEmpty() || ipc.isEmpty()) return false;
        socket_ = wayland.first();
        ipc_socket_ = dir.filePath(ipc.first());
        return true;
    }

    // A seat gains its keyboard and pointer with their first device, and a client takes them
    // up only then: a key or a click sent by a device that has just been made is lost while
    // the client is still asking for it. Both devices are therefore there before the game.
    QString start_input_devices() {
        keyboard_.setProcessEnvironment(client_environment());
        keyboard_.start(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("600000")});
        const bool keyboard = wait_for(
            [this] {
                const Finished inputs =
                    run(QStringLiteral("swaymsg"),
                        {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_inputs")},
                        client_environment());
                return inputs.out.contains("\"keyboard\"");
            },
            10000);
        if (!keyboard) return QStringLiteral("wtype's keyboard never joined sway's seat");
        pointer_.setProcessEnvironment(client_environment());
        pointer_.start(pointer_tool_, {QString::number(kOutputSize.width()),
                                       QString::number(kOutputSize.height())});
        if (!read_line(pointer_).startsWith("ready")) {
            return QStringLiteral("the virtual pointer did not start: ") +
                   QString::fromUtf8(pointer_.readAllStandardError());
        }
        return {};
    }

    static QByteArray read_line(QProcess& p) {
        wait_for([&p] { return p.canReadLine() || (p.waitForReadyRead(50) && p.canReadLine()); },
                 10000);
        return p.readLine();
    }

    void pointer_command(const QString& command) {
        pointer_.write((command + '\n').toUtf8());
        read_line(pointer_);
    }

    QString pointer_tool_;
    QTemporaryDir runtime_;
    QString socket_;
    QString ipc_socket_;
    QProcess sway_;
    QProcess keyboard_;
    QProcess pointer_;
};

}  // namespace

std::unique_ptr<Desktop> make_sway_desktop(const QString& pointer_tool) {
    return std::make_unique<SwayDesktop>(pointer_tool);
}

}  // namespace gorvo::test
