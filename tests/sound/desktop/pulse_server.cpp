#include "pulse_server.h"

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QStandardPaths>
#include <csignal>
#include <cstring>
#include <fstream>
#include <optional>
#include <thread>

namespace gorvo::test {

namespace {

constexpr auto kPoll = std::chrono::milliseconds(10);

QString path_text(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// True when something listens on the Unix socket.
bool accepts(const fs::path& socket_path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_path.c_str(), sizeof(address.sun_path) - 1);
    const bool ok =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}

// Runs pactl with the arguments; its output, or nothing when it failed.
std::optional<QByteArray> pactl(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("pactl"), arguments);
    if (!p.waitForFinished(5000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return p.readAllStandardOutput();
}

// The programs the tests start end with the test, even one that crashed or was stopped.
void end_with_the_test(QProcess& process) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

}  // namespace

std::string missing_pulse_programs() {
    std::string missing;
    for (const char* program : {"pulseaudio", "parec", "pactl"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
            missing += std::string(missing.empty() ? "" : ", ") + program;
        }
    }
    return missing;
}

PrivateSoundSession::PrivateSoundSession(fs::path runtime) : runtime_(std::move(runtime)) {
    fs::create_directories(runtime_);
    fs::permissions(runtime_, fs::perms::owner_all, fs::perm_options::replace);
    std::ofstream(runtime_ / "client.conf") << "autospawn = no\n";
    auto set = [this](const char* name, std::optional<std::string> value) {
        variables_.push_back(std::make_unique<ScopedEnv>(name, std::move(value)));
    };
    set("XDG_RUNTIME_DIR", runtime_.string());
    set("PULSE_CLIENTCONFIG", (runtime_ / "client.conf").string());
    for (const char* name :
         {"PULSE_SERVER", "PULSE_SINK", "PULSE_SOURCE", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR"})
        set(name, std::nullopt);
}

PulseServer::PulseServer(const PrivateSoundSession& session, std::chrono::seconds limit)
    : runtime_(session.runtime()) {
    // Its own home as well, and no message bus: nothing of it reaches the user's desktop.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), path_text(runtime_));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    end_with_the_test(process_);
    // No default script: only the null sink and the socket for clients, which need no cookie.
    process_.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--realtime=no"),
                    QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=stderr"),
                    QStringLiteral("--load=module-null-sink sink_name=cap"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1")});
    const auto until = SteadyClock::now() + limit;
    while (SteadyClock::now() < until) {
        if (process_.state() == QProcess::NotRunning && !process_.waitForStarted(0)) break;
        if (accepts(socket())) {
            ready_ = true;
            return;
        }
        process_.waitForFinished(static_cast<int>(kPoll.count()));
    }
    failure_ = "the sound server did not come up: " + process_.readAll().toStdString();
}

PulseServer::~PulseServer() {
    stop(process_);
}

MonitorRecording::MonitorRecording(fs::path file, int latency_ms) : file_(std::move(file)) {
    process_.setStandardOutputFile(path_text(file_));
    end_with_the_test(process_);
    process_.start(QStringLiteral("parec"),
                   {QStringLiteral("--device=cap.monitor"), QStringLiteral("--raw"),
                    QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                    QStringLiteral("--rate=%1").arg(kRecordRate),
                    QStringLiteral("--latency-msec=%1").arg(latency_ms)});
    if (process_.waitForStarted(5000)) wake_sink();
}

// A null sink nobody listens to renders in blocks of two seconds, and heeds a new listener's
// wish for short blocks only when the block it is in has ended: the recording would begin up to
// two seconds late. Suspended and resumed, the sink starts a new block at once, now short.
void MonitorRecording::wake_sink() {
    const auto until = SteadyClock::now() + std::chrono::seconds(5);
    while (SteadyClock::now() < until) {
        const std::optional<QByteArray> listeners = pactl(
            {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")});
        if (listeners && !listeners->trimmed().isEmpty()) break;
        std::this_thread::sleep_for(kPoll);
    }
    pactl({QStringLiteral("suspend-sink"), QStringLiteral("cap"), QStringLiteral("1")});
    pactl({QStringLiteral("suspend-sink"), QStringLiteral("cap"), QStringLiteral("0")});
}

MonitorRecording::~MonitorRecording() {
    stop(process_);
}

void MonitorRecording::look() {
    std::error_code ec;
    const std::uintmax_t bytes = fs::file_size(file_, ec);
    const auto now = SteadyClock::now();
    if (ec || bytes == 0) return;
    const auto held = std::chrono::duration_cast<SteadyClock::duration>(
        std::chrono::duration<double>(static_cast<double>(bytes) / 2 / kRecordRate));
    if (now - held < began_by_) began_by_ = now - held;
}

bool MonitorRecording::wait_for(double seconds, std::chrono::seconds limit) {
    const auto until = SteadyClock::now() + limit;
    const auto bytes = static_cast<std::uintmax_t>(seconds * kRecordRate * 2);
    while (SteadyClock::now() < until) {
        look();
        std::error_code ec;
        if (fs::file_size(file_, ec) >= bytes && !ec) return true;
        if (process_.state() == QProcess::NotRunning) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}

std::vector<std::int16_t> MonitorRecording::samples() const {
    std::ifstream in(file_, std::ios::binary);
    std::vector<std::int16_t> out;
    char pair[2];
    while (in.read(pair, 2)) {
        const auto lo = static_cast<std::uint8_t>(pair[0]);
        const auto hi = static_cast<std::uint8_t>(pair[1]);
        out.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8))));
    }
    return out;
}

std::string MonitorRecording::failure() const {
    if (process_.state() == QProcess::Running) return {};
    return "the recorder ended: " + process_.errorString().toStdString();
}

}  // namespace gorvo::test
