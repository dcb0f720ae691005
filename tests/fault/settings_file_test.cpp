// The real program with a settings file it cannot make sense of: it comes up with the defaults,
// runs, ends normally and leaves a store that reads back. A store it cannot use at all is said
// once, and the game goes on.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <ostream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <random>

#include "fault/real_program.h"
#include "platform/settings_store.h"

namespace gorvo::fault {
namespace {

QByteArray garbage_text() {
    return "\xEF\xBB\xBF[General\r\n=5\n==\n[[[]]]\nKey1=99999999999999999999\nKey2=-3\n"
           "HiScore1=-77\nHiScore2=1e9\nSoundMode=two\nFullscreenMode=\"\n\\\\\\\n"
           "[General]]\nKey3\nKey4=\x01\x02\n%%%=%%%\n[\n]\n;;;\nKey5=37 37\n";
}

QByteArray binary_bytes() {
    std::mt19937 random(2024);
    QByteArray bytes(64 * 1024, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() & 0xFF);
    return bytes;
}

// 4 MiB on one line: some twenty thousand times the size of a real store.
QByteArray enormous_bytes() {
    return "[General]\nJunk=" + QByteArray(4 * 1024 * 1024, 'x') + "\n";
}

// The bindings a first run writes back, Key1..Key9.
constexpr int kDefaultKeys[] = {2, 3, 4, 6, 37, 39, 40, 38, 42};

void expect_store_reads_defaults(const QString& file) {
    platform::QtSettingsStore store(file);
    for (int n = 1; n <= 9; ++n) {
        const std::string name = "Key" + std::to_string(n);
        EXPECT_EQ(store.read_int(name, -99), kDefaultKeys[n - 1]) << name;
    }
    EXPECT_EQ(store.read_int("HiScore1", -99), -99) << "a high score from nowhere";
}

struct BadStore {
    const char* name;
    QByteArray (*bytes)();
};

void PrintTo(const BadStore& c, std::ostream* os) {
    *os << c.name;
}

class BadSettingsFile : public ::testing::TestWithParam<BadStore> {};

TEST_P(BadSettingsFile, ReadAsDefaultsAndWrittenAfresh) {
    ConfigHome home;
    home.write_store(GetParam().bytes());
    GameLaunch launch;
    launch.config_home = home.path();
    const GameRun run = run_game(launch);
    ASSERT_TRUE(run.clean_exit()) << run.describe().toStdString();
    EXPECT_FALSE(run.windows.empty()) << "the program never came up";
    EXPECT_TRUE(run.messages.empty()) << run.describe().toStdString();
    expect_store_reads_defaults(home.store_file());
}

INSTANTIATE_TEST_SUITE_P(Store, BadSettingsFile,
                         ::testing::Values(BadStore{"Garbage", garbage_text},
                                           BadStore{"Binary", binary_bytes},
                                           BadStore{"Empty", [] { return QByteArray(); }},
                                           BadStore{"Enormous", enormous_bytes}),
                         [](const auto& p) { return std::string(p.param.name); });

void expect_warned_and_ran(const GameRun& run, const QString& store) {
    ASSERT_TRUE(run.clean_exit()) << run.describe().toStdString();
    // With nothing read, the sound driver is not known: the splash window asks for it.
    EXPECT_FALSE(run.windows.empty()) << "the program never came up";
    ASSERT_EQ(run.messages.size(), 1u) << "said once: " << run.describe().toStdString();
    EXPECT_TRUE(run.messages[0].text.contains(QLatin1String("cannot be saved")))
        << run.messages[0].text.toStdString();
    EXPECT_TRUE(run.messages[0].text.contains(store)) << "names the file";
}

TEST(UnusableSettingsFile, AFolderInItsPlaceIsReportedOnceAndTheGameRuns) {
    ConfigHome home;
    QFile::remove(home.store_file());
    ASSERT_TRUE(QDir().mkpath(home.store_file()));
    GameLaunch launch;
    launch.config_home = home.path();
    expect_warned_and_ran(run_game(launch), home.store_file());
}

TEST(UnusableSettingsFile, AFileWithoutPermissionsIsReportedOnceAndTheGameRuns) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
    ConfigHome home;
    ASSERT_TRUE(QFile::setPermissions(home.store_file(), QFileDevice::Permissions()));
    GameLaunch launch;
    launch.config_home = home.path();
    expect_warned_and_ran(run_game(launch), home.store_file());
    QFile::setPermissions(home.store_file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// A game killed while it wrote a setting can leave the store's lock file empty, with no owner in
// it to be found dead. The next start must not wait for it: left to Qt, such a lock counts as
// held until it is 30 s old, and the game would stand still at its first write. The test keeps
// the empty lock young for as long as it is there, so a game that waits for it never ends
// within the run's time limit, however slow the machine.
TEST(LeftoverLock, AnEmptyLockFileDoesNotHoldUpTheStart) {
    ConfigHome home;
    const QString lock_path = home.store_file() + QStringLiteral(".lock");
    QFile lock(lock_path);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    std::atomic<bool> running{true};
    std::thread keep_young([&] {
        const QByteArray path = QFile::encodeName(lock_path);
        while (running) {
            struct stat info {};
            if (::stat(path.constData(), &info) == 0 && info.st_size == 0)
                ::utimensat(AT_FDCWD, path.constData(), nullptr, 0);
            std::this_thread::sleep_for(std::chrono::seconds(1));  // well inside Qt's 30 s
        }
    });
    GameLaunch launch;
    launch.config_home = home.path();
    const GameRun run = run_game(launch);
    running = false;
    keep_young.join();
    ASSERT_TRUE(run.clean_exit()) << "held up by the lock: " << run.describe().toStdString();
    EXPECT_TRUE(run.main_window_shown());
    EXPECT_TRUE(run.messages.empty()) << run.describe().toStdString();
}

}  // namespace
}  // namespace gorvo::fault
