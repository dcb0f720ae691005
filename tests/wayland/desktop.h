// A Wayland desktop that a test starts for itself, on a runtime folder of its own: the
// compositor, and the means to look at its output and to act on it as a user would.
#pragma once

#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace gorvo::test {

// The output every test desktop has: room for the windowed case below a panel, and little
// more, as every screenshot copies all of it.
constexpr QSize kOutputSize(1024, 800);

// The game's window as the compositor itself reports it.
struct CompositorWindow {
    QRect rect;
    bool fullscreen = false;
    bool focused = false;
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // What this machine lacks to run the desktop (named for the skip message); empty when
    // nothing is missing.
    virtual QString missing() const = 0;
    // Starts the compositor and waits until it has drawn its desktop; an empty text, or what
    // went wrong.
    virtual QString start() = 0;
    // The environment of a program that is to show its windows on this desktop, and nowhere
    // else.
    virtual QProcessEnvironment client_environment() const = 0;

    // The whole output as it is shown now; a null image when it cannot be had.
    virtual QImage screenshot() = 0;
    // Presses and releases the key of an XKB key name ("5", "F12", "Escape").
    virtual void key(const QString& name) = 0;
    virtual void pointer_to(QPoint at) = 0;
    virtual void left_button(bool down) = 0;
    // Where the compositor reports the game's window, if it tells.
    virtual std::optional<CompositorWindow> game_window() { return std::nullopt; }
};

// sway, headless, with a virtual keyboard and pointer; `pointer_tool` is the test's own
// virtual-pointer client.
std::unique_ptr<Desktop> make_sway_desktop(const QString& pointer_tool);
// weston with its desktop shell, shown in an X server of its own, which carries the keyboard
// and the pointer.
std::unique_ptr<Desktop> make_weston_desktop();

}  // namespace gorvo::test
