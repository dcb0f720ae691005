#include "support/x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "support/wait.h"

namespace gorvo::test {
namespace {

using Clock = std::chrono::steady_clock;

std::string temp_dir() {
    const char* dir = std::getenv("TMPDIR");
    return dir && *dir ? dir : "/tmp";
}

// Reads the display number Xvfb writes on `fd` once it accepts connections: the digits up to
// the newline, or "" when the server ended or the deadline passed first.
std::string read_display_number(int fd, Clock::time_point deadline) {
    std::string text;
    while (text.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return {};
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return {};
        char chunk[32];
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return {};  // the server closed its end without a number: it ended
        text.append(chunk, static_cast<size_t>(got));
    }
    text.resize(text.find('\n'));
    return text;
}

// The part of the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void exec_server(std::vector<char*>& argv, int display_fd, int log_fd, pid_t parent) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // a test killed on its timeout takes its server along
    if (::getppid() != parent) ::_exit(127);
    const int null_fd = ::open("/dev/null", O_RDONLY);
    if (null_fd >= 0) ::dup2(null_fd, STDIN_FILENO);
    ::dup2(log_fd, STDOUT_FILENO);
    ::dup2(log_fd, STDERR_FILENO);
    ::fcntl(display_fd, F_SETFD, 0);  // this one end survives the exec
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

}  // namespace

XServer::XServer(const std::string& screen, std::chrono::milliseconds start_timeout) {
    const auto deadline = Clock::now() + start_timeout;
    std::string log_template = temp_dir() + "/gorvo-xvfb-XXXXXX";
    const int log_fd = ::mkstemp(log_template.data());
    if (log_fd < 0) throw std::runtime_error("X server: no log file in " + temp_dir());
    ::fcntl(log_fd, F_SETFD, FD_CLOEXEC);
    log_path_ = log_template;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        ::close(log_fd);
        ::unlink(log_path_.c_str());
        throw std::runtime_error("X server: no pipe");
    }
    // -noreset: the server keeps its state, and its listening sockets undisturbed, when the last
    // client leaves between two steps of a test.
    std::vector<std::string> args = {"Xvfb",      "-displayfd", std::to_string(fds[1]),
                                     "-screen",   "0",          screen,
                                     "-nolisten", "tcp",        "-noreset"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ == 0) exec_server(argv, fds[1], log_fd, parent);
    ::close(fds[1]);
    ::close(log_fd);
    if (pid_ < 0) {
        ::close(fds[0]);
        throw std::runtime_error("X server: fork failed");
    }
    const std::string number = read_display_number(fds[0], deadline);
    ::close(fds[0]);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        const std::string output = server_output();
        stop();
        throw std::runtime_error("X server: Xvfb gave no display within " +
                                 std::to_string(start_timeout.count()) + " ms; its output:\n" +
                                 output);
    }
    display_ = ":" + number;
}

XServer::~XServer() {
    stop();
}

void XServer::stop() {
    if (pid_ > 0) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) != pid_) {
            ::kill(pid_, SIGTERM);
            const bool ended = wait_until([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; },
                                          std::chrono::seconds(10), std::chrono::milliseconds(5));
            if (!ended) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
            }
        } else if (!display_.empty()) {
            // Whatever failed in the test, a server gone from under it explains it.
            std::fprintf(stderr, "X server %s ended before its test did (%s %d); its output:\n%s\n",
                         display_.c_str(), WIFSIGNALED(status) ? "signal" : "exit status",
                         WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status),
                         server_output().c_str());
        }
        pid_ = -1;
    }
    if (!log_path_.empty()) {
        ::unlink(log_path_.c_str());
        log_path_.clear();
    }
}

std::string XServer::server_output() const {
    std::ifstream in(log_path_);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool x_display_answers(const std::string& display) {
    if (display.size() < 2 || display[0] != ':') return false;
    const std::string path = "/tmp/.X11-unix/X" + display.substr(1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    path.copy(addr.sun_path, sizeof addr.sun_path - 1);
    bool answered = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0) {
        // Connection set-up, little-endian, protocol 11.0, no authorisation.
        const unsigned char setup[12] = {'l', 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        unsigned char reply = 0;
        pollfd p{fd, POLLIN, 0};
        answered = ::write(fd, setup, sizeof setup) == static_cast<ssize_t>(sizeof setup) &&
                   ::poll(&p, 1, 5000) == 1 && ::read(fd, &reply, 1) == 1 && reply == 1;
    }
    ::close(fd);
    return answered;
}

}  // namespace gorvo::test
