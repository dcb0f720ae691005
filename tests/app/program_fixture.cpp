#include "program_fixture.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "core/ports.h"
#include "support/qt/test_app.h"
#include "ui/window_placement.h"

namespace gorvo::test {

namespace {

// A short, silent 16-bit mono WAV file.
void write_wav(const QString& path) {
    constexpr quint32 kFrames = 64;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 data_bytes = kFrames * 2;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + data_bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(22050 * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << data_bytes;
    for (quint32 i = 0; i < kFrames; ++i)
        out << qint16(0);
}

}  // namespace

void ProgramTest::SetUp() {
    ensure_qt_app();
    QApplication::setQuitOnLastWindowClosed(false);
    // Sound goes nowhere, whatever driver the program asks for.
    qputenv("SDL_AUDIODRIVER", "dummy");
    ASSERT_TRUE(dir.isValid());
    old_cwd = QDir::currentPath();
    QDir(dir.path()).mkpath(QStringLiteral("cwd"));
    QDir::setCurrent(dir.filePath(QStringLiteral("cwd")));
    skin = std::make_unique<TestSkin>();
    // Windowed, so the placement of the main window can be seen.
    store({{QStringLiteral("FullscreenMode"), QStringLiteral("0")}});
}

void ProgramTest::TearDown() {
    program.reset();
    process_events();
    QDir::setCurrent(old_cwd);
}

void ProgramTest::store(const std::map<QString, QString>& values) {
    QSettings settings(dir.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat);
    for (const auto& [name, value] : values)
        settings.setValue(name, value);
    settings.sync();
}

QString ProgramTest::stored(const QString& name) const {
    QSettings settings(dir.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat);
    return settings.value(name).toString();
}

QByteArray ProgramTest::store_file() const {
    QFile file(dir.filePath(QStringLiteral("settings.conf")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void ProgramTest::install_sound_folder() {
    QDir().mkpath(QStringLiteral("Sound"));
    for (int i = 0; i < kSoundCount; ++i) {
        const std::string_view name = sound_name(static_cast<Sound>(i));
        write_wav(QStringLiteral("Sound/%1.wav")
                      .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
    }
}

app::Program& ProgramTest::make() {
    app::ProgramSetup setup;
    setup.config = skin->config();
    setup.settings_file = dir.filePath(QStringLiteral("settings.conf"));
    setup.picture_cache = dir.filePath(QStringLiteral("pictures.cache")).toStdString();
    setup.show_error = [this](const QString& text) { errors.push_back(text); };
    setup.open_url = [this](const QUrl& url) { opened.push_back(url); };
    program = std::make_unique<app::Program>(std::move(setup));
    return *program;
}

app::Program& ProgramTest::make_and_start() {
    make();
    if (program->created()) program->start();
    process_events();
    return *program;
}

std::optional<int> ProgramTest::run_loop(const std::function<void()>& action, int ms) {
    // The application's own loop, as in the program: a loop of the test's would stay ended
    // once the program has asked for the end.
    QObject context;
    bool timed_out = false;
    QTimer::singleShot(0, &context, action);
    QTimer::singleShot(ms, &context, [&] {
        timed_out = true;
        QCoreApplication::exit(-1000);
    });
    const int code = QCoreApplication::exec();
    if (timed_out) return std::nullopt;
    return code;
}

void ProgramTest::process_events() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QRect ProgramTest::centred_on_screen(QSize size) const {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const ui::Placement p =
        ui::centred({screen.width(), screen.height()}, size.width(), size.height());
    return QRect(screen.topLeft() + QPoint(p.left, p.top), size);
}

}  // namespace gorvo::test
