// The whole program in the test process: a test skin, a settings file and a working directory
// of its own, sound on SDL's silent driver, and every message and opened address recorded.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "app/program.h"
#include "support/qt/test_skin.h"

namespace gorvo::test {

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Values in the store before the program starts.
    void store(const std::map<QString, QString>& values);
    // What the store holds now; empty when the value is missing.
    QString stored(const QString& name) const;
    // The store's file as text, to see that nothing was written.
    QByteArray store_file() const;

    // Sound/<name>.wav for the ten sounds in the working directory.
    void install_sound_folder();

    app::Program& make();
    // Makes the program and lets its event loop start.
    app::Program& make_and_start();

    // Runs `action` inside the event loop and the loop until the program asks it to end, for at
    // most `ms`; the code the program ended with, nothing when it did not ask.
    std::optional<int> run_loop(const std::function<void()>& action, int ms = 500);
    static void process_events();

    QRect centred_on_screen(QSize size) const;

    QTemporaryDir dir;
    QString old_cwd;
    std::unique_ptr<TestSkin> skin;
    std::vector<QString> errors;
    std::vector<QUrl> opened;
    std::unique_ptr<app::Program> program;
};

}  // namespace gorvo::test
