#include "fault/program_mirror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <filesystem>

#include "fault/real_program.h"

namespace gorvo::fault {

namespace {

QByteArray read_all(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

QByteArray damaged(const QByteArray& original, Damage how) {
    if (how == Damage::Truncated) return original.left(original.size() / 2);
    QByteArray bytes = original;
    for (qsizetype i = bytes.size() * 2 / 5; i < bytes.size() * 3 / 5; ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    return bytes;
}

ProgramMirror::ProgramMirror() : dir_(scratch_template()) {
    // Removed below without following the links, which is much quicker than Qt's way.
    dir_.setAutoRemove(false);
    const QDir source(program_dir());
    QDirIterator it(program_dir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        QDir(dir_.path()).mkpath(QFileInfo(relative).path());
        QFile::link(file, QDir(dir_.path()).filePath(relative));
    }
}

ProgramMirror::~ProgramMirror() {
    std::error_code error;
    std::filesystem::remove_all(dir_.path().toStdString(), error);
}

bool ProgramMirror::replace(const QString& relative, const QByteArray& bytes) {
    const QString target = QDir(dir_.path()).filePath(relative);
    QFile::remove(target);
    QFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

bool ProgramMirror::damage(const QString& relative, Damage how) {
    const QByteArray original = read_all(QDir(program_dir()).filePath(relative));
    return !original.isEmpty() && replace(relative, damaged(original, how));
}

ProgramCopy::ProgramCopy() {
    const QString copy = executable();
    ok_ = dir_.isValid() && QFile::copy(program_executable(), copy) &&
          QFile::setPermissions(copy, QFile::permissions(program_executable()));
}

QString ProgramCopy::executable() const {
    return QDir(dir_.path()).filePath(QStringLiteral("gorvo250"));
}

bool ProgramCopy::write_config(const QByteArray& text) const {
    QFile out(QDir(dir_.path()).filePath(QStringLiteral("Config.ini")));
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text) == text.size();
}

QStringList shipped_files(const QString& folder) {
    QStringList files;
    const QDir root(program_dir());
    for (const QString& name : QDir(root.filePath(folder)).entryList(QDir::Files, QDir::Name))
        files << folder + QLatin1Char('/') + name;
    return files;
}

QByteArray shipped_config() {
    return read_all(QDir(program_dir()).filePath(QStringLiteral("Config.ini")));
}

}  // namespace gorvo::fault
