// Folders that stand in for the program folder in a fault test. A mirror is a working folder in
// which every shipped file is a link to the real one, so that any of them can be swapped for a
// damaged copy; a program copy is a folder with the program itself in it, beside a Config.ini of
// the test's own (the program reads Config.ini from its own folder).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace gorvo::fault {

enum class Damage {
    Truncated,  // the first half of the file
    Corrupt,    // the middle fifth of the file scrambled
};

QByteArray damaged(const QByteArray& original, Damage how);

class ProgramMirror {
  public:
    ProgramMirror();
    ~ProgramMirror();
    ProgramMirror(const ProgramMirror&) = delete;
    ProgramMirror& operator=(const ProgramMirror&) = delete;
    QString path() const { return dir_.path(); }
    // Replaces the link to `relative` with a damaged copy of the shipped file.
    bool damage(const QString& relative, Damage how);
    // Replaces it with these bytes.
    bool replace(const QString& relative, const QByteArray& bytes);

  private:
    QTemporaryDir dir_;
};

class ProgramCopy {
  public:
    ProgramCopy();
    bool ok() const { return ok_; }
    QString executable() const;
    bool write_config(const QByteArray& text) const;

  private:
    QTemporaryDir dir_;
    bool ok_ = false;
};

// The shipped files in a folder of the program folder ("Graphics/Skin"), as relative paths.
QStringList shipped_files(const QString& folder);

// The shipped Config.ini's text.
QByteArray shipped_config();

}  // namespace gorvo::fault
