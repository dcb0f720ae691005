#include "app/replay_file.h"

#include <QFile>
#include <QFileInfo>

namespace gorvo::app {

ReplayFile read_replay_file(const std::string& path) {
    ReplayFile r;
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.isFile()) {
        r.error = path + ": no such recording";
        return r;
    }
    if (info.size() > kLargestRecording) {
        r.error = path + ": too large for a recording (more than 32 MiB)";
        return r;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = path + ": cannot be read";
        return r;
    }
    const QByteArray bytes = file.read(kLargestRecording + 1);
    if (bytes.size() > kLargestRecording) {
        r.error = path + ": too large for a recording (more than 32 MiB)";
        return r;
    }
    replay::ScriptParse parsed = replay::parse_script(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!parsed.ok()) {
        r.error = path + ": " + replay::describe(*parsed.error);
        return r;
    }
    r.script = std::move(parsed.script);
    return r;
}

}  // namespace gorvo::app
