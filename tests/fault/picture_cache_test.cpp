// The real program with its cache of decoded skin pictures damaged, or out of date with a
// picture file damaged since: the cache is never believed. The game comes up as it would without
// it, shows the very message it would show without it, and writes the cache anew.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <string>

#include "fault/program_mirror.h"
#include "fault/real_program.h"
#include "skin/pictures.h"

namespace gorvo::fault {
namespace {

class PictureCacheFault : public ::testing::Test {
  protected:
    GameRun run() {
        ConfigHome home;
        GameLaunch launch;
        launch.working_dir = mirror.path();
        launch.config_home = home.path();
        launch.environment << QStringLiteral("XDG_CACHE_HOME=") + cache_home.path();
        return run_game(launch);
    }
    QString cache_file() const {
        return QDir(cache_home.path()).filePath(QStringLiteral("Quillmark/Gorvo250/skin-pictures"));
    }
    QByteArray cache_bytes() const {
        QFile file(cache_file());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write_cache(const QByteArray& bytes) const {
        QFile file(cache_file());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray picture_file_bytes() const {
        QFile file(QDir(mirror.path()).filePath(QStringLiteral("Graphics/Skin/btn_jump_top.png")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A first run writes the cache once the game is on the screen.
    void SetUp() override {
        ASSERT_TRUE(cache_home.isValid());
        const GameRun first = run();
        ASSERT_TRUE(first.clean_exit()) << first.describe().toStdString();
        pristine = cache_bytes();
        ASSERT_GT(pristine.size(), 1 << 20);
    }

    ProgramMirror mirror;
    QTemporaryDir cache_home{scratch_template()};
    QByteArray pristine;
};

// Each way the cache is damaged, a program run of its own.
enum class CacheDamage { Truncated, Corrupt, Emptied, LastByte, WrittenTwice, PictureFile };

class DamagedCacheFault : public PictureCacheFault,
                          public ::testing::WithParamInterface<CacheDamage> {
  protected:
    QByteArray damaged_cache() const {
        switch (GetParam()) {
            case CacheDamage::Truncated:
                return damaged(pristine, Damage::Truncated);
            case CacheDamage::Corrupt:
                return damaged(pristine, Damage::Corrupt);
            case CacheDamage::Emptied:
                return {};
            case CacheDamage::LastByte:
                return pristine.left(pristine.size() - 1) + char(~pristine.back());
            case CacheDamage::WrittenTwice:
                return pristine + pristine;
            case CacheDamage::PictureFile:
                return picture_file_bytes();
        }
        return {};
    }
};

TEST_P(DamagedCacheFault, IsWrittenAnewWithoutAWord) {
    const QByteArray bytes = damaged_cache();
    ASSERT_NE(bytes, pristine);
    write_cache(bytes);
    const GameRun game = run();
    ASSERT_TRUE(game.clean_exit()) << game.describe().toStdString();
    EXPECT_TRUE(game.messages.empty()) << game.describe().toStdString();
    EXPECT_TRUE(game.main_window_shown());
    EXPECT_TRUE(cache_bytes() == pristine);
}

std::string damage_name(const ::testing::TestParamInfo<CacheDamage>& info) {
    const char* const names[] = {"Truncated",       "Corrupt",          "Emptied",
                                 "LastByteChanged", "WrittenTwiceOver", "APictureFile"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryWay, DamagedCacheFault,
                         ::testing::Values(CacheDamage::Truncated, CacheDamage::Corrupt,
                                           CacheDamage::Emptied, CacheDamage::LastByte,
                                           CacheDamage::WrittenTwice, CacheDamage::PictureFile),
                         damage_name);

TEST_F(PictureCacheFault, ACacheThatCannotBeWrittenIsDoneWithout) {
    // A folder where the cache file belongs: it can be neither read nor replaced.
    ASSERT_TRUE(QFile::remove(cache_file()));
    ASSERT_TRUE(QDir().mkpath(cache_file() + QStringLiteral("/in-the-way")));
    const GameRun game = run();
    ASSERT_TRUE(game.clean_exit()) << game.describe().toStdString();
    EXPECT_TRUE(game.messages.empty()) << game.describe().toStdString();
    EXPECT_TRUE(game.main_window_shown());
    EXPECT_TRUE(QFileInfo(cache_file()).isDir());
}

TEST_F(PictureCacheFault, APictureDamagedSinceItWasCachedShowsTheDecodersMessage) {
    const QString picture = QStringLiteral("Graphics/Skin/btn_jump_top.png");
    ASSERT_TRUE(mirror.damage(picture, Damage::Corrupt));
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(mirror.path().toStdString());
    const std::string expected = skin::load_picture(picture.toStdString()).error;
    std::filesystem::current_path(here);
    ASSERT_FALSE(expected.empty());

    const GameRun game = run();
    ASSERT_TRUE(game.clean_exit()) << game.describe().toStdString();
    ASSERT_EQ(game.messages.size(), 1u) << game.describe().toStdString();
    EXPECT_EQ(game.messages[0].text.toStdString(), expected);
    EXPECT_EQ(game.messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(game.main_window_shown());
}

}  // namespace
}  // namespace gorvo::fault
