// One QApplication for the whole test program, made on first use.
#pragma once

namespace gorvo::test {

void ensure_qt_app();

// A first base class for fixtures whose members need the application already.
struct WithQtApp {
    WithQtApp() { ensure_qt_app(); }
};

}  // namespace gorvo::test
