#include "window_fixture.h"

#include <QTest>
#include <QWindow>

namespace gorvo::test {

ui::TForm1& WindowAtRatio::start(bool fullscreen) {
    rig.settings.values.emplace("FullscreenMode", fullscreen ? "1" : "0");
    ui::MainWindowSetup setup;
    setup.config = skin.config();
    setup.screen_size = [] { return skin::ScreenSize{1920, 1080}; };
    setup.show_error = [this](const QString& text) { errors.push_back(text); };
    setup.clock = [this] { return real; };
    window = std::make_unique<ui::TForm1>(rig.hh, rig.settings, std::move(setup));
    window->start_game();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return *window;
}

void WindowAtRatio::press(QPoint at) {
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

void WindowAtRatio::move_to(QPoint at) {
    QTest::mouseMove(window->windowHandle(), at);
}

void WindowAtRatio::release(QPoint at) {
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

QPoint WindowAtRatio::top_left(ImageId id) {
    const Rect& r = kImageDefs[id].design;
    return QPoint(r.left, r.top);
}

QPoint WindowAtRatio::bottom_right(ImageId id) {
    const Rect& r = kImageDefs[id].design;
    return QPoint(r.left + r.width - 1, r.top + r.height - 1);
}

}  // namespace gorvo::test
