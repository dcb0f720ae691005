// The font and message-bus libraries keep their caches for the life of the process by design;
// the leak checker of the sanitizer build is told so, and reports everything else. Weak, so
// that another list for this test program takes its place instead of clashing with it.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}
