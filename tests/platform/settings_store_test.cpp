#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

namespace gorvo::platform {
namespace {

// The user's store must never be touched by the tests: every QSettings of this program sees a
// configuration folder of its own, set before the first QSettings computes its paths.
struct PrivateConfigHome {
    QTemporaryDir dir;
    PrivateConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().toUtf8()); }
};
const PrivateConfigHome& config_home() {
    static PrivateConfigHome home;
    return home;
}
[[maybe_unused]] const auto& kConfigHomeSetEarly = config_home();

QByteArray file_text(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class StoreFile : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("Gorvo250.conf"); }
};

TEST(UserStore, LivesInTheConfigFolderUnderTheOrganisation) {
    QtSettingsStore store;
    const QString expected = config_home().dir.filePath("Quillmark/Gorvo250.conf");
    EXPECT_EQ(store.location(), expected);
    store.write_int("Key1", 2);
    EXPECT_TRUE(QFile::exists(expected));
}

TEST_F(StoreFile, ValuesAreTextInTheGeneralSectionAndSurviveAReopen) {
    {
        QtSettingsStore store(path());
        store.write_int("HiScore1", 250);
        store.write_int("SoundMode", -1);
        store.write_bool("FullscreenMode", false);
        store.write_bool("CtrlrOverlay", true);
    }
    const QByteArray text = file_text(path());
    EXPECT_TRUE(text.startsWith("[General]")) << text.constData();
    for (const char* line :
         {"HiScore1=250", "SoundMode=-1", "FullscreenMode=0", "CtrlrOverlay=1"}) {
        EXPECT_TRUE(text.contains(line)) << line << " missing in\n" << text.constData();
    }
    QtSettingsStore again(path());
    EXPECT_EQ(again.read_int("HiScore1", 0), 250);
    EXPECT_EQ(again.read_int("SoundMode", 5), -1);
    EXPECT_FALSE(again.read_bool("FullscreenMode", true));
    EXPECT_TRUE(again.read_bool("CtrlrOverlay", false));
}

TEST_F(StoreFile, EachWriteReachesTheFileAtOnce) {
    QtSettingsStore store(path());
    store.write_int("HiScore2", 31);
    // Another reader (a second copy of the program) sees it while this store is still open.
    QtSettingsStore other(path());
    EXPECT_EQ(other.read_int("HiScore2", 0), 31);
    EXPECT_TRUE(file_text(path()).contains("HiScore2=31"));
}

TEST_F(StoreFile, MissingOrUnreadableValuesGiveTheCallersDefault) {
    write_file(path(),
               "[General]\nHiScore1=\nHiScore2=lots\nKey3=4x\nSplashScreen=yes\n"
               "FullscreenMode=2\nCtrlrOverlay=-1\nSoundMode=1, 2\n");
    QtSettingsStore store(path());
    EXPECT_EQ(store.read_int("HiScore1", 7), 7);
    EXPECT_EQ(store.read_int("HiScore2", 8), 8);
    EXPECT_EQ(store.read_int("Key3", 4), 4);
    EXPECT_EQ(store.read_int("Key4", 6), 6);  // absent
    EXPECT_FALSE(store.read_bool("SplashScreen", false));
    EXPECT_TRUE(store.read_bool("SplashScreen", true));
    EXPECT_TRUE(store.read_bool("FullscreenMode", false));  // any non-zero number is true
    EXPECT_TRUE(store.read_bool("CtrlrOverlay", false));
    EXPECT_EQ(store.read_int("SoundMode", -1), -1);  // a list is no integer
}

TEST_F(StoreFile, HandEditedOutOfRangeValuesAreReplaced) {
    write_file(path(), "[General]\nKey5=45\nKey9=0\nKey1=11\nHiScore1=1000\nHiScore2=-4\n");
    QtSettingsStore store(path());
    EXPECT_EQ(store.read_int("Key5", 37), 37);
    EXPECT_EQ(store.read_int("Key9", 42), 42);
    EXPECT_EQ(store.read_int("Key1", 2), 11);
    EXPECT_EQ(store.read_int("HiScore1", 0), 0);
    EXPECT_EQ(store.read_int("HiScore2", 0), 0);
}

TEST_F(StoreFile, AGarbledFileReadsAsDefaultsAndIsWrittenAfresh) {
    write_file(path(), QByteArray("\x00\xff\x13[[[=\n\x01", 10));
    QtSettingsStore store(path());
    int failures = 0;
    store.set_write_failure_handler([&] { ++failures; });
    EXPECT_EQ(store.read_int("HiScore1", 3), 3);
    store.write_int("HiScore1", 12);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(QtSettingsStore(path()).read_int("HiScore1", 0), 12);
}

// Tests run as root too, so an unwritable store is made by putting something that cannot be
// written over in the way: a folder where the file should be, or a file where its folder should.
TEST_F(StoreFile, AStoreThatCannotBeWrittenSaysSoOnceAndKeepsWorking) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Gorvo250.conf"));
    QtSettingsStore store(path());
    int failures = 0;
    store.set_write_failure_handler([&] { ++failures; });
    store.write_int("HiScore1", 120);
    store.write_bool("FullscreenMode", false);
    store.write_int("Key1", 11);
    EXPECT_EQ(failures, 1);
    EXPECT_TRUE(store.write_failed());
    // The game goes on with what it wrote during this run.
    EXPECT_EQ(store.read_int("HiScore1", 0), 120);
    EXPECT_FALSE(store.read_bool("FullscreenMode", true));
    EXPECT_EQ(store.read_int("Key1", 2), 11);
}

TEST_F(StoreFile, AStoreWhoseFolderCannotBeMadeFailsLikewise) {
    write_file(dir.filePath("not-a-folder"), "x");
    QtSettingsStore store(dir.filePath("not-a-folder/Gorvo250.conf"));
    int failures = 0;
    store.set_write_failure_handler([&] { ++failures; });
    store.write_int("HiScore2", 5);
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(store.read_int("HiScore2", 0), 5);
}

TEST_F(StoreFile, AWritableStoreNeverReportsAFailure) {
    QtSettingsStore store(path());
    bool failed = false;
    store.set_write_failure_handler([&] { failed = true; });
    for (int i = 0; i < 20; ++i)
        store.write_int("HiScore1", i);
    EXPECT_FALSE(failed);
    EXPECT_FALSE(store.write_failed());
}

}  // namespace
}  // namespace gorvo::platform
