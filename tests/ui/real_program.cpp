#include "real_program.h"

#include <QDir>
#include <QFile>

namespace gorvo::test {

QCoreApplication& real_program_app() {
    static int argc = 1;
    static char name[] = "ui_e2e_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

QString program_dir() {
    return QString::fromUtf8(qgetenv("GORVO_PROGRAM_DIR"));
}

QProcessEnvironment real_program_environment(const XDesktop& desktop, const QString& home) {
    const QDir dir(home);
    dir.mkpath("config/Quillmark");
    QFile conf(dir.filePath("config/Quillmark/Gorvo250.conf"));
    if (!conf.open(QIODevice::WriteOnly)) return {};
    conf.write("[General]\nFullscreenMode=0\nSoundMode=2\nSplashScreen=0\n");
    conf.close();
    QProcessEnvironment env = desktop.environment();
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    return env;
}

}  // namespace gorvo::test
