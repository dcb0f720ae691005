// One QApplication for the whole test program (offscreen platform, set by the test runner).
#pragma once

namespace gorvo::test {

void ensure_qt_app();

}  // namespace gorvo::test
