// What the leak checker of the sanitizer build lets pass in the test programs, and why: the font
// and message-bus libraries keep their caches for the life of the process by design, and the
// sound server's client library can be left holding a request when SDL's thread ends (its stack
// seldom unwinds past the library itself, so the library is named, not a function). Everything
// else is reported. Linked as an object into each test program that needs it: the sanitizer
// runtime only looks the list up, so a copy in a static library would never be linked in.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libpulse\n"
           "leak:pa_context_get_sink_info_by_index\n";
}
