// One QApplication for the whole test program, on a screen of twice the pixel density.
#pragma once

namespace gorvo::test {

inline constexpr double kScreenRatio = 2.0;

// Creates the application the first time; the scale factor is set before, as it must be.
void ensure_hidpi_app();

}  // namespace gorvo::test
