#include "ui/windows/splash_keys.h"

namespace gorvo::ui {

namespace {

constexpr quint32 kXkbDigitRow1 = 10;

bool platform_scan_codes_are_xkb() {
#ifdef Q_OS_LINUX
    return true;
#else
    return false;
#endif
}

}  // namespace

SplashKey splash_key(int qt_key, Qt::KeyboardModifiers modifiers, quint32 scan_code,
                     bool xkb_scan_codes) {
    if (qt_key == Qt::Key_Escape) return SplashKey::Quit;
    if (qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter) return SplashKey::Start;
    if (xkb_scan_codes && scan_code == kXkbDigitRow1) return SplashKey::Start;
    if (qt_key == Qt::Key_1 && !(modifiers & Qt::KeypadModifier)) return SplashKey::Start;
    return SplashKey::Other;
}

SplashKey splash_key_of(const QKeyEvent& event) {
    return splash_key(event.key(), event.modifiers(), event.nativeScanCode(),
                      platform_scan_codes_are_xkb());
}

}  // namespace gorvo::ui
