#include "platform/replay_folder.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>
#include <vector>

#include "replay/keeping.h"

namespace gorvo::platform {

ReplayFolder::ReplayFolder()
    : ReplayFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                   QStringLiteral("/Quillmark/Gorvo250/replays")) {}

ReplayFolder::ReplayFolder(QString path) : path_(std::move(path)) {}

bool ReplayFolder::keep(const std::string& file_name, const std::string& text) {
    if (!QDir().mkpath(path_) || !write(QString::fromStdString(file_name), text)) {
        failed();
        return false;
    }
    if (!session_file_.empty() && session_file_ != file_name)
        QDir(path_).remove(QString::fromStdString(session_file_));
    session_file_ = file_name;
    remove_unkept();
    return true;
}

bool ReplayFolder::write(const QString& file, const std::string& text) {
    // QSaveFile writes beside the target and renames over it on commit.
    QSaveFile out(QDir(path_).filePath(file));
    if (!out.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(text.size());
    if (out.write(text.data(), size) != size) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

void ReplayFolder::remove_unkept() {
    std::vector<std::string> names;
    for (const QString& entry : QDir(path_).entryList(QDir::Files))
        names.push_back(entry.toStdString());
    for (const std::string& name : replay::recordings_to_remove(names))
        QDir(path_).remove(QString::fromStdString(name));
}

void ReplayFolder::failed() {
    if (failure_reported_) return;
    failure_reported_ = true;
    if (on_failure_) on_failure_();
}

}  // namespace gorvo::platform
