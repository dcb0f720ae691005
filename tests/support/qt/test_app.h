// One Qt application for the whole test program, made on first use and kept until the process
// ends; the platform plugin is the one the test runner sets (offscreen). The application takes
// the test program's own name.
#pragma once

namespace gorvo::test {

// A QApplication, for programs that make widgets.
void ensure_qt_app();

// A QGuiApplication, for programs that only paint or read images; where a QApplication is
// already there, it serves.
void ensure_qt_gui_app();

// A QCoreApplication, for programs that drive other processes (the real program, X servers,
// compositors) and need Qt's event loop but no window of their own; any application there serves.
void ensure_qt_core_app();

// A first base class for fixtures whose members need the widget application already.
struct WithQtApp {
    WithQtApp() { ensure_qt_app(); }
};

}  // namespace gorvo::test
