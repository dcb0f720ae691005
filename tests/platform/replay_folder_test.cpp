// The folder of kept recordings: a program killed while it writes one leaves every file that was
// there complete, and a folder that cannot be written is reported once.
#include "platform/replay_folder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "replay/keeping.h"
#include "replay/script.h"

namespace gorvo::platform {
namespace {

// A session's recording after `games` games: some megabytes, so that writing it takes a while.
std::string recording(int games) {
    std::string text = "format 1\nrecorded " + std::to_string(games) + "\nseed 7\n";
    for (int i = 0; i < games * 20'000; ++i)
        text += std::to_string(i) + (i % 2 == 0 ? " jump_down\n" : " jump_up\n");
    return text + std::to_string(games * 20'000) + " end\n";
}

std::string name(int score) {
    return replay::recording_file_name({"2026-12-08_20-00-00", 'A', score});
}

QByteArray file_bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The child keeps its session after each of its games, as the game does, under the same name
// while the best score stays, telling the parent before each write; the parent kills it on the
// k-th word, while it writes or just before.
void kill_while_keeping(const QString& folder, int k) {
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipe_ends[0]);
        ReplayFolder replays(folder);
        for (int games = 1;; ++games) {
            const std::string text = recording(games);
            if (write(pipe_ends[1], "w", 1) != 1) _exit(1);
            replays.keep(name(70), text);
        }
    }
    close(pipe_ends[1]);
    char word = 0;
    for (int i = 0; i < k; ++i)
        ASSERT_EQ(read(pipe_ends[0], &word, 1), 1);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(pipe_ends[0]);
    ASSERT_TRUE(WIFSIGNALED(status));
}

// The number after "recorded" in a recording's text; 0 when there is none.
int games_in(const std::string& text) {
    const replay::ScriptParse parsed = replay::parse_script(text);
    return parsed.ok() ? std::atoi(parsed.script.header.recorded.c_str()) : 0;
}

TEST(ReplayFolder, AKillWhileWritingLeavesEveryRecordingWhole) {
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE("killed at write " + std::to_string(k));
        QTemporaryDir dir;
        const QString earlier = dir.filePath(
            QString::fromStdString(replay::recording_file_name({"2026-12-07_20-00-00", 'B', 40})));
        const std::string earlier_text = recording(1);
        {
            QFile f(earlier);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(earlier_text.data(), static_cast<qint64>(earlier_text.size()));
        }
        kill_while_keeping(dir.path(), k);

        EXPECT_EQ(file_bytes(earlier).toStdString(), earlier_text);
        // The session's file, once written, is always a whole recording of its games so far.
        const QString session = dir.filePath(QString::fromStdString(name(70)));
        if (k == 1 && !QFile::exists(session)) continue;
        const std::string text = file_bytes(session).toStdString();
        const int games = games_in(text);
        EXPECT_GE(games, k - 1);
        EXPECT_EQ(text, recording(games));
    }
}

TEST(ReplayFolder, AFolderThatCannotBeWrittenIsReportedOnce) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReplayFolder replays(dir.filePath("file/replays"));
    int reports = 0;
    replays.set_write_failure_handler([&reports] { ++reports; });
    EXPECT_FALSE(replays.keep(name(1), recording(1)));
    EXPECT_FALSE(replays.keep(name(2), recording(1)));
    EXPECT_EQ(reports, 1);
}

}  // namespace
}  // namespace gorvo::platform
