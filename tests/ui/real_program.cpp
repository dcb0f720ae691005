#include "real_program.h"

#include <QDir>
#include <QFile>

namespace gorvo::test {

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
