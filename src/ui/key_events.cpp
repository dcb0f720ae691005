#include "ui/key_events.h"

#include "ui/key_choices.h"

namespace gorvo::ui {

namespace {

// XKB key codes of a standard keyboard (evdev code + 8).
constexpr quint32 kXkbDigit1 = 10;  // '1'..'9' are 10..18, '0' is 19
constexpr quint32 kXkbDigit0 = 19;

struct PlacedKey {
    quint32 scan_code;
    std::uint16_t code;
};

// Keys by their place, for layouts whose letters are not Latin.
constexpr PlacedKey kPlacedKeys[] = {
    {24, 'Q'},         {25, 'W'},        {26, 'E'},        {27, 'R'},        {28, 'T'},
    {29, 'Y'},         {30, 'U'},        {31, 'I'},        {32, 'O'},        {33, 'P'},
    {38, 'A'},         {39, 'S'},        {40, 'D'},        {41, 'F'},        {42, 'G'},
    {43, 'H'},         {44, 'J'},        {45, 'K'},        {46, 'L'},        {52, 'Z'},
    {53, 'X'},         {54, 'C'},        {55, 'V'},        {56, 'B'},        {57, 'N'},
    {58, 'M'},         {37, kCodeCtrl},  {105, kCodeCtrl}, {50, kCodeShift}, {62, kCodeShift},
    {64, kCodeAlt},    {108, kCodeAlt},  {65, kCodeSpace}, {111, kCodeUp},   {113, kCodeLeft},
    {114, kCodeRight}, {116, kCodeDown},
};

std::uint16_t digit_row_code(quint32 scan_code) {
    if (scan_code >= kXkbDigit1 && scan_code < kXkbDigit0) {
        return static_cast<std::uint16_t>('1' + (scan_code - kXkbDigit1));
    }
    if (scan_code == kXkbDigit0) return '0';
    return 0;
}

std::uint16_t placed_key_code(quint32 scan_code) {
    for (const PlacedKey& k : kPlacedKeys) {
        if (k.scan_code == scan_code) return k.code;
    }
    return 0;
}

// The code of the key Qt reports. The keypad's digits are not in the list; its arrows (NumLock
// off) are the arrow keys, as the arrow keys' own codes report them, so that a player who steers
// with the keypad steers Tobo.
std::uint16_t qt_key_code(int key, Qt::KeyboardModifiers modifiers) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (modifiers & Qt::KeypadModifier) ? 0 : static_cast<std::uint16_t>(key);
    }
    switch (key) {
        case Qt::Key_Up:
            return kCodeUp;
        case Qt::Key_Down:
            return kCodeDown;
        case Qt::Key_Left:
            return kCodeLeft;
        case Qt::Key_Right:
            return kCodeRight;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return kCodeAlt;
        case Qt::Key_Control:
            return kCodeCtrl;
        case Qt::Key_Shift:
            return kCodeShift;
        case Qt::Key_Space:
            return kCodeSpace;
        default:
            return 0;
    }
}

bool scan_codes_are_xkb() {
#ifdef Q_OS_LINUX
    return true;
#else
    return false;
#endif
}

}  // namespace

std::uint16_t key_code_from(int qt_key, Qt::KeyboardModifiers modifiers, quint32 scan_code,
                            bool xkb_scan_codes) {
    const bool placed = xkb_scan_codes && scan_code != 0;
    if (placed) {
        if (const std::uint16_t digit = digit_row_code(scan_code)) return digit;
    }
    if (const std::uint16_t code = qt_key_code(qt_key, modifiers)) return code;
    return placed ? placed_key_code(scan_code) : 0;
}

std::uint16_t key_code_of(const QKeyEvent& event) {
    return key_code_from(event.key(), event.modifiers(), event.nativeScanCode(),
                         scan_codes_are_xkb());
}

std::optional<std::uint16_t> HeldKeys::press(const QKeyEvent& event) {
    const std::uint16_t code = key_code_of(event);
    if (code == 0) return std::nullopt;
    if (event.nativeScanCode() != 0) {
        by_scan_code_[event.nativeScanCode()] = code;
    } else {
        by_qt_key_[event.key()] = code;
    }
    return code;
}

bool HeldKeys::holds(const QKeyEvent& event) const {
    if (event.nativeScanCode() != 0) return by_scan_code_.count(event.nativeScanCode()) != 0;
    return by_qt_key_.count(event.key()) != 0;
}

std::optional<std::uint16_t> HeldKeys::release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return std::nullopt;
    std::uint16_t code = 0;
    if (auto it = by_scan_code_.find(event.nativeScanCode());
        event.nativeScanCode() != 0 && it != by_scan_code_.end()) {
        code = it->second;
        by_scan_code_.erase(it);
    } else if (auto key = by_qt_key_.find(event.key()); key != by_qt_key_.end()) {
        code = key->second;
        by_qt_key_.erase(key);
    } else {
        code = key_code_of(event);
    }
    if (code == 0) return std::nullopt;
    return code;
}

std::vector<std::uint16_t> HeldKeys::release_all() {
    std::vector<std::uint16_t> codes;
    for (const auto& [scan, code] : by_scan_code_)
        codes.push_back(code);
    for (const auto& [key, code] : by_qt_key_)
        codes.push_back(code);
    by_scan_code_.clear();
    by_qt_key_.clear();
    return codes;
}

}  // namespace gorvo::ui
