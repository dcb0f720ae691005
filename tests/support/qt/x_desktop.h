// The desktop side of an X display a test drives a real program on: the environment to start the
// program with, xdotool for windows and keys, and screenshots, each waited on as a condition.
// Needs a QCoreApplication (QProcess runs the tools).
#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace gorvo::test {

class XDesktop {
  public:
    explicit XDesktop(const std::string& display);

    // The test's own environment with DISPLAY set to this display, and Qt's platform left to the
    // program (a test runs on the offscreen platform, the program it starts must not).
    QProcessEnvironment environment() const;

    // Runs xdotool on this display; its output, trimmed.
    QString xdotool(const QStringList& args) const;

    // The first viewable (mapped, with mapped parents) window whose title matches
    // `title_pattern`, as soon as there is one; empty when none appeared within `timeout`.
    QString wait_for_window(const QString& title_pattern,
                            std::chrono::milliseconds timeout = std::chrono::seconds(30)) const;
    // The viewable windows whose titles match, at this moment.
    QStringList windows(const QString& title_pattern) const;

    // The window's place on the screen and size; an empty rectangle when it has none.
    QRect geometry(const QString& window) const;

    // The whole screen, RGB32; a null image when it could not be taken.
    QImage screenshot() const;
    // Screenshots until one satisfies `holds`, and returns it; std::nullopt when none did within
    // `timeout`. The last screenshot taken is left in `last` when given, for a failure report.
    std::optional<QImage> wait_for_screen(const std::function<bool(const QImage&)>& holds,
                                          std::chrono::milliseconds timeout,
                                          QImage* last = nullptr) const;

  private:
    QByteArray run(const QString& program, const QStringList& args) const;

    QString display_;
};

// Reads the process's standard error (or output, by `channel`) into `seen` until a line matching
// `line` has arrived; that match, or an invalid one when the process ended or `timeout` passed.
QRegularExpressionMatch wait_for_line(QProcess& process, const QRegularExpression& line,
                                      std::chrono::milliseconds timeout, QByteArray& seen,
                                      QProcess::ProcessChannel channel = QProcess::StandardError);

}  // namespace gorvo::test
