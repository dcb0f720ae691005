// "ALSA direct" on ALSA itself: the test gives ALSA a configuration of its own whose default
// device writes what it is given to a file (a pipe the test reads), and the game's sound must
// arrive there, sample for sample.
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>

#include "../../app/program_fixture.h"
#include "../sound_fixtures.h"

namespace gorvo::test {
namespace {

using namespace std::chrono_literals;

constexpr std::int16_t kDeviceLevel = 2500;
constexpr int kFrames = kRate / 10;

// Reads the pipe ALSA writes to and counts the frames of the device's output (16-bit stereo):
// those whose left value is the level looked for, and those that are not silent. ALSA's file
// device does not keep time, so it writes as fast as the pipe is read; nothing is kept but the
// counts. The reader holds the pipe open for writing as well, so the device may open and close
// it as often as it likes without the reader ever seeing an end.
class PipeReader {
  public:
    struct Counts {
        long at_level = 0;
        long sounding = 0;
    };

    PipeReader(const fs::path& pipe, std::int16_t level) : level_(level) {
        if (mkfifo(pipe.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
        fd_ = ::open(pipe.c_str(), O_RDWR);
        stop_ = eventfd(0, 0);
        if (fd_ < 0 || stop_ < 0) throw std::runtime_error("cannot open the pipe");
        thread_ = std::thread([this] { run(); });
    }
    ~PipeReader() {
        const std::uint64_t one = 1;
        if (::write(stop_, &one, sizeof one) != sizeof one) std::abort();
        thread_.join();
        ::close(fd_);
        ::close(stop_);
    }

    Counts counts() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return counts_;
    }

  private:
    void run() {
        char buffer[1 << 16];
        std::size_t carried = 0;
        pollfd fds[2] = {{fd_, POLLIN, 0}, {stop_, POLLIN, 0}};
        while (::poll(fds, 2, -1) > 0 && (fds[1].revents & POLLIN) == 0) {
            const ssize_t n = ::read(fd_, buffer + carried, sizeof buffer - carried);
            if (n <= 0) continue;
            const std::size_t have = carried + static_cast<std::size_t>(n);
            const std::size_t whole = have - have % kFrameBytes;
            count(buffer, whole);
            carried = have - whole;
            std::copy(buffer + whole, buffer + have, buffer);
        }
    }
    void count(const char* data, std::size_t bytes) {
        Counts more;
        for (std::size_t i = 0; i < bytes; i += kFrameBytes) {
            std::int16_t left;
            std::int16_t right;
            std::memcpy(&left, data + i, 2);
            std::memcpy(&right, data + i + 2, 2);
            more.at_level += left == level_ ? 1 : 0;
            more.sounding += (left != 0 || right != 0) ? 1 : 0;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        counts_.at_level += more.at_level;
        counts_.sounding += more.sounding;
    }

    const std::int16_t level_;
    int fd_ = -1;
    int stop_ = -1;
    mutable std::mutex mutex_;
    Counts counts_;
    std::thread thread_;
};

class AlsaDirect : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        qunsetenv("SDL_AUDIODRIVER");  // the stored choice decides
        const fs::path here = dir.path().toStdString();
        reader.emplace(here / "device.raw", kDeviceLevel);
        std::ofstream(here / "asound.conf") << "pcm.!default {\n"
                                               "    type file\n"
                                               "    slave.pcm { type null }\n"
                                               "    file \""
                                            << (here / "device.raw").string()
                                            << "\"\n"
                                               "    format \"raw\"\n"
                                               "}\n";
        config.emplace("ALSA_CONFIG_PATH", (here / "asound.conf").string());
    }
    void TearDown() override {
        ProgramTest::TearDown();  // the device is closed: the reader sees the end
        reader.reset();
        config.reset();
    }

    std::optional<PipeReader> reader;
    std::optional<ScopedEnv> config;
};

TEST_F(AlsaDirect, TheGamesSoundArrivesWholeOnTheDevice) {
    write_sound_folder(QDir::currentPath().toStdString(), kFrames, kDeviceLevel);
    store({{"SoundMode", "1"}, {"SplashScreen", "0"}});
    app::Program& p = make_and_start();
    ASSERT_TRUE(p.created()) << (errors.empty() ? "" : errors[0].toStdString());
    ASSERT_TRUE(p.sound().sound_on());

    p.sound().play(Sound::Jump);  // as the game's jump does
    const auto until = std::chrono::steady_clock::now() + 10s;
    while (reader->counts().at_level < kFrames && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(5ms);
    program.reset();  // the device closes; nothing more is written

    const PipeReader::Counts heard = reader->counts();
    EXPECT_EQ(heard.at_level, kFrames) << "the whole sample, once";
    EXPECT_EQ(heard.sounding, kFrames) << "and nothing else";
}

}  // namespace
}  // namespace gorvo::test
