#include "window_fixture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace gorvo::test {

ui::TForm1& WindowTest::create(const TestSkinOptions& options, skin::ScreenSize screen) {
    rig.settings.values.emplace("FullscreenMode", "0");  // windowed unless a test says otherwise
    skin = std::make_unique<TestSkin>(options);
    ui::MainWindowSetup setup;
    setup.config = skin->config();
    setup.screen_size = [screen] { return screen; };
    setup.show_error = [this](const QString& text) { errors.push_back(text); };
    setup.clock = [this] { return real; };
    window = std::make_unique<ui::TForm1>(rig.hh, rig.settings, std::move(setup));
    window->act([this] {
        s().game_mode = mode_closed;
        rig.hh.Gam_Set_Mode();
    });
    return *window;
}

ui::TForm1& WindowTest::create_open(const TestSkinOptions& options) {
    create(options);
    window->act([this] { rig.hh.im_background_closedClick(); });
    return *window;
}

void WindowTest::key_press(int qt_key, quint32 scan, Qt::KeyboardModifiers mods, bool repeat) {
    QKeyEvent e(QEvent::KeyPress, qt_key, mods, scan, 0, 0, QString(), repeat);
    QCoreApplication::sendEvent(window.get(), &e);
}

void WindowTest::key_release(int qt_key, quint32 scan, Qt::KeyboardModifiers mods, bool repeat) {
    QKeyEvent e(QEvent::KeyRelease, qt_key, mods, scan, 0, 0, QString(), repeat);
    QCoreApplication::sendEvent(window.get(), &e);
}

void WindowTest::mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
                       Qt::MouseButtons held) {
    const QPointF local(at);
    const QPointF global(window->pos() + at);
    QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &e);
}

QPoint WindowTest::centre_of(ImageId id) {
    const Rect& r = kImageDefs[id].design;
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

}  // namespace gorvo::test
